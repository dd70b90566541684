#include "AddContactDlg.h"

#include "TextHelpers.h"

namespace {

// A number field is acceptable when it holds a digit; it then stands for its normalised form.
struct NumberField
{
    explicit NumberField(const QString &text) : blank(text.trimmed().isEmpty()), value(normalizeNumber(text.trimmed()))
    {
    }
    bool valid() const { return !value.isEmpty(); }

    bool blank;
    QString value;
};

} // namespace

AddContactDlg::AddContactDlg(QWidget *parent, const QMap<int, QString> &groups, int defaultGroupId,
                             const qtContactInfo *contact)
    : QDialog(parent), contact(contact)
{
    setupUi(this);
    if (contact) {
        name->setText(contact->name);
        number->setText(contact->number);
        gsmnumber->setText(contact->gsmnumber);
    }
    this->groups->addItem(QString(), 0);
    for (auto group = groups.cbegin(); group != groups.cend(); ++group)
        this->groups->addItem(group.value(), group.key());
    this->groups->setCurrentIndex(this->groups->findData(contact ? contact->groupid : defaultGroupId));
    btnOk->setEnabled(false);

    connect(btnOk, &QPushButton::clicked, this, &AddContactDlg::eventSet);
    connect(btnCancel, &QPushButton::clicked, this, &AddContactDlg::close);
    connect(name, &QLineEdit::textChanged, this, &AddContactDlg::eventValidateName);
    connect(number, &QLineEdit::textChanged, this, &AddContactDlg::eventValidateFax);
    connect(gsmnumber, &QLineEdit::textChanged, this, &AddContactDlg::eventValidateGsm);
    connect(this->groups, &QComboBox::currentIndexChanged, this, &AddContactDlg::eventGroupChanged);

    if (contact) {
        // A contact's group is changed through the group editor, which creates it anew in the group.
        this->groups->setEnabled(false);
        setWindowTitle(tr("Edit contact"));
    } else {
        setWindowTitle(tr("New contact"));
    }
}

AddContactDlg::~AddContactDlg() = default;

std::unique_ptr<qtContactInfo> AddContactDlg::takeResult()
{
    return std::move(resultRecord);
}

void AddContactDlg::eventValidateName(const QString &text)
{
    validate(number->text(), gsmnumber->text(), text);
}

void AddContactDlg::eventValidateFax(const QString &text)
{
    validate(text, gsmnumber->text(), name->text());
}

void AddContactDlg::eventValidateGsm(const QString &text)
{
    validate(number->text(), text, name->text());
}

void AddContactDlg::eventGroupChanged(int)
{
    validate(number->text(), gsmnumber->text(), name->text());
}

void AddContactDlg::validate(const QString &fax, const QString &gsm, const QString &nameText)
{
    const NumberField faxField(fax);
    const NumberField gsmField(gsm);
    const bool acceptable = (faxField.valid() || gsmField.valid()) && (faxField.valid() || faxField.blank) &&
                            (gsmField.valid() || gsmField.blank);
    if (!acceptable || !contact) {
        btnOk->setEnabled(acceptable);
        return;
    }
    // The group is the contact's own, so only the texts can differ.
    btnOk->setEnabled(faxField.value != contact->number || gsmField.value != contact->gsmnumber ||
                      nameText.trimmed() != contact->name);
}

void AddContactDlg::eventSet()
{
    auto record = std::make_unique<qtContactInfo>(0, 0);
    record->name = name->text().trimmed();
    record->number = NumberField(number->text()).value;
    record->gsmnumber = NumberField(gsmnumber->text()).value;
    // The box is disabled while editing and may lack the contact's group: the group is the contact's.
    record->groupid = contact ? contact->groupid : groups->currentData().toInt();
    if (contact) {
        record->id = contact->id;
        // A contact created offline keeps naming its creation, so that the edit follows it: the pump
        // rewrites both ids once the service has given the contact its id.
        record->localid = contact->id < 0 ? -contact->id : 0;
    }
    resultRecord = std::move(record);
    accept();
}
