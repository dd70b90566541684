#include "RecipientsWidget.h"

#include "MessageBoxes.h"
#include "ObjectType.h"
#include "Prompts.h"
#include "RecipientForm.h"
#include "RecipientsFile.h"
#include "RecordVariant.h"
#include "TextHelpers.h"
#include "qtContactGroupInfo.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QHeaderView>
#include <QMap>
#include <QSet>
#include <QToolTip>
#include <QTreeWidgetItemIterator>

namespace {

const char *const serviceContactIcon = ":/images/contact-qelvox.png";

const BaseObject *recordOf(const QTreeWidgetItem *row)
{
    return recordFromVariant<BaseObject>(row->data(0, Qt::UserRole));
}

bool isPickable(const BaseObject *record)
{
    return record && (record->type == ObjectType::Contact || record->type == ObjectType::OutlookContact);
}

// A row the user can see: the search filter may hide a group and so every member row under it.
bool shownWithAncestors(const QTreeWidgetItem *row)
{
    for (; row; row = row->parent()) {
        if (row->isHidden())
            return false;
    }
    return true;
}

// The main window's rows of its contacts list: a selected group also selects the contacts of that group.
void selectGroupMembers(QTreeWidget *tree)
{
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *groupRow = tree->topLevelItem(i);
        const BaseObject *group = recordOf(groupRow);
        if (!groupRow->isSelected() || !group || group->type != ObjectType::ContactGroup)
            continue;
        for (QTreeWidgetItemIterator it(groupRow, QTreeWidgetItemIterator::NoChildren); *it; ++it) {
            const BaseObject *member = recordOf(*it);
            if (member && member->type == ObjectType::Contact
                && static_cast<const BaseContactInfo *>(member)->groupid == group->id)
                (*it)->setSelected(true);
        }
    }
}

QTreeWidgetItem *makeContactRow(const char *icon, bool isGroup, const QString &name, const QString &number)
{
    auto *row = new QTreeWidgetItem({QString(), name, number});
    row->setIcon(0, QIcon(QString::fromLatin1(icon)));
    row->setData(0, Qt::UserRole, isGroup ? 1 : 0);
    return row;
}

} // namespace

RecipientsWidget::RecipientsWidget(QWidget *parent, QTreeWidget *contactsTree, bool preselect, bool faxNumbers,
                                   ContactSink contactSink)
    : QWidget(parent),
      recipientForm(new RecipientForm(this)),
      faxNumbers(faxNumbers),
      placeholderStyle(QStringLiteral("background-color: Window;color:Gray")),
      inputStyle(QStringLiteral("background-color: Window;color:Window")),
      contactSink(std::move(contactSink))
{
    setupUi(this);
    recipientsPlace->addWidget(recipientForm);
    setupHeaders();
    // Without a sink nobody could create the contact that a checked box promises.
    addToContactsBox->setVisible(bool(this->contactSink));
    if (contactsTree && preselect)
        preselectContacts(contactsTree);
    if (contactsTree)
        fillContacts(contactsTree);

    QTreeWidget *recipients = recipientForm->recipients;
    connect(btnAdd, &QPushButton::clicked, this, &RecipientsWidget::eventAdd);
    connect(btnDel, &QPushButton::clicked, this, &RecipientsWidget::eventDel);
    connect(contacts, &QTreeWidget::itemSelectionChanged, this, &RecipientsWidget::eventContactsSelection);
    connect(recipients, &QTreeWidget::itemSelectionChanged, this, &RecipientsWidget::eventRecipientsSelection);
    connect(directNumber, &QLineEdit::textChanged, this, &RecipientsWidget::eventDirectChanged);
    connect(recipientForm, &RecipientForm::signalUrl, this, &RecipientsWidget::eventRecipientUrl);
    eventContactsSelection();
    eventRecipientsSelection();
    connect(contacts, &QTreeWidget::itemDoubleClicked, this, &RecipientsWidget::eventAdd);
    connect(recipients, &QTreeWidget::itemDoubleClicked, this, &RecipientsWidget::eventDel);
    connect(btnImportDirect, &QPushButton::clicked, this, &RecipientsWidget::eventImportDirect);
    connect(btnHelp2, &QPushButton::clicked, this, &RecipientsWidget::eventHelp2);
    connect(qApp, &QApplication::focusChanged, this, &RecipientsWidget::focusChanged);
}

RecipientsWidget::~RecipientsWidget()
{
    // A child that holds the focus reports losing it while the base class destroys it, when this part of the
    // widget is gone already.
    disconnect(qApp, &QApplication::focusChanged, this, &RecipientsWidget::focusChanged);
}

bool RecipientsWidget::hasRecipients() const
{
    return recipientCount() > 0;
}

QStringList RecipientsWidget::recipientNumbers() const
{
    QStringList numbers;
    const QTreeWidget *recipients = recipientForm->recipients;
    for (int i = 0; i < recipients->topLevelItemCount(); ++i)
        numbers += recipients->topLevelItem(i)->text(1);
    return numbers;
}

void RecipientsWidget::importRecipientsFile(const QString &path)
{
    const QSet<QString> listed = numbersInList();
    const int rows = recipientCount();
    QMap<QString, QString> found; // ordered by number, as the rows are added
    bool tooMany = false;
    const RecipientsFileRead read = readRecipientsFile(path, [&](const FileRecipient &recipient) {
        if (listed.contains(recipient.number) || found.contains(recipient.number))
            return true;
        found.insert(recipient.number, recipient.name);
        tooMany = found.size() + rows > maxRecipients;
        return !tooMany;
    });
    if (read == RecipientsFileRead::TooLarge) {
        showRestriction(tr("The file %1 is too large for a list of recipients: it may hold at most 1 MB.")
                            .arg(QDir::toNativeSeparators(path)),
                        this);
        return;
    }
    if (read != RecipientsFileRead::Read || found.isEmpty())
        return;
    if (tooMany) {
        showLimitError();
        return;
    }
    for (auto it = found.cbegin(); it != found.cend(); ++it)
        addRecipientRow(it.key(), it.value());
    emit signalChanged();
}

void RecipientsWidget::setupHeaders()
{
    contacts->headerItem()->setText(0, QString());
    contacts->header()->setSortIndicator(0, Qt::DescendingOrder);
    const int contactWidths[] = {30, 80, 80};
    for (int column = 0; column < 3; ++column)
        contacts->header()->resizeSection(column, contactWidths[column]);
    contacts->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    contacts->header()->setSectionResizeMode(1, QHeaderView::Interactive);
    contacts->header()->setSectionResizeMode(2, QHeaderView::Interactive);

    QHeaderView *header = recipientForm->recipients->header();
    header->setSortIndicator(0, Qt::DescendingOrder);
    for (int column = 0; column < 2; ++column) {
        header->resizeSection(column, 80);
        header->setSectionResizeMode(column, QHeaderView::Interactive);
    }
}

void RecipientsWidget::preselectContacts(QTreeWidget *contactsTree)
{
    selectGroupMembers(contactsTree);
    QSet<QString> listed = numbersInList();
    for (QTreeWidgetItemIterator it(contactsTree, QTreeWidgetItemIterator::Selected); *it; ++it) {
        const BaseObject *record = recordOf(*it);
        if (!isPickable(record) || !shownWithAncestors(*it))
            continue;
        const QString number = numberOf(record);
        if (!isPhoneNumber(number) || listed.contains(number))
            continue;
        if (isFull()) {
            showLimitError();
            return;
        }
        addRecipientRow(number, static_cast<const BaseContactInfo *>(record)->name);
        listed.insert(number);
    }
}

void RecipientsWidget::fillContacts(QTreeWidget *contactsTree)
{
    for (int i = 0; i < contactsTree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = contactsTree->topLevelItem(i);
        const BaseObject *record = recordOf(row);
        if (!record)
            continue;
        if (record->type == ObjectType::ContactGroup) {
            QTreeWidgetItem *groupRow = nullptr;
            for (int m = 0; m < row->childCount(); ++m) {
                const BaseObject *member = recordOf(row->child(m));
                if (!member || member->type != ObjectType::Contact || !isPhoneNumber(numberOf(member)))
                    continue;
                if (!groupRow)
                    groupRow = makeContactRow(":/images/contacts-name.png", true,
                                              static_cast<const qtContactGroupInfo *>(record)->name, QString());
                groupRow->addChild(makeContactRow(serviceContactIcon, false,
                                                  static_cast<const BaseContactInfo *>(member)->name,
                                                  numberOf(member)));
            }
            if (groupRow)
                contacts->addTopLevelItem(groupRow);
        } else if (isPickable(record) && isPhoneNumber(numberOf(record))) {
            const char *icon = record->type == ObjectType::Contact ? serviceContactIcon
                                                                    : ":/images/contact-outlook.png";
            contacts->addTopLevelItem(
                makeContactRow(icon, false, static_cast<const BaseContactInfo *>(record)->name, numberOf(record)));
        }
    }
}

QString RecipientsWidget::numberOf(const BaseObject *record) const
{
    const auto *contact = static_cast<const BaseContactInfo *>(record);
    return faxNumbers ? contact->number : contact->gsmnumber;
}

void RecipientsWidget::focusChanged(QWidget *old, QWidget *now)
{
    if (old == directNumber && (directNumber->text().isEmpty() || directNumber->text() == tr("Number")))
        resetNumberPlaceholder();
    else if (old == lineName && (lineName->text().isEmpty() || lineName->text() == tr("Name")))
        resetNamePlaceholder();

    if (now == directNumber && directNumber->styleSheet() == placeholderStyle) {
        directNumber->setStyleSheet(inputStyle);
        directNumber->clear();
    } else if (now == lineName && lineName->styleSheet() == placeholderStyle) {
        lineName->setStyleSheet(inputStyle);
        lineName->clear();
    }
}

void RecipientsWidget::eventImportDirect()
{
    FileDialogRequest request;
    request.parent = this;
    request.caption = tr("Select a file ...");
    request.directory = QDir::toNativeSeparators(QDir::homePath());
    request.filter = QStringLiteral("CSV(*.csv);;TXT(*.txt)");
    importRecipientsFile(Prompts::askOpenFileName(request));
}

void RecipientsWidget::eventHelp2()
{
    QToolTip::showText(QCursor::pos(), btnHelp2->toolTip());
}

void RecipientsWidget::eventAdd()
{
    if (isFull()) {
        showLimitError();
        return;
    }
    const QString text = directNumber->text().trimmed();
    // A typed number wins over the selected contacts.
    if (!text.isEmpty() && text != tr("Number"))
        addTypedNumber(text);
    else
        addSelectedContacts();
}

void RecipientsWidget::addTypedNumber(const QString &text)
{
    const QString number = normalizeNumber(text);
    if (number.isEmpty())
        return;
    QString name = lineName->text().trimmed();
    if (name == tr("Name"))
        name.clear();
    btnAdd->setFocus(Qt::OtherFocusReason);
    resetNumberPlaceholder();
    resetNamePlaceholder();
    if (containsNumber(number))
        return;
    addRecipientRow(number, name);
    if (addToContactsBox->isChecked() && contactSink) {
        auto contact = std::make_unique<qtContactInfo>(0, 0);
        contact->name = name;
        (faxNumbers ? contact->number : contact->gsmnumber) = number;
        contactSink(std::move(contact));
        contacts->addTopLevelItem(makeContactRow(serviceContactIcon, false, name, number));
    }
    emit signalChanged();
}

void RecipientsWidget::addSelectedContacts()
{
    QSet<QString> listed = numbersInList();
    bool added = false;
    const QList<QTreeWidgetItem *> selected = contacts->selectedItems();
    for (QTreeWidgetItem *row : selected) {
        QList<QTreeWidgetItem *> contributed = {row};
        if (row->data(0, Qt::UserRole).toInt() != 0) {
            contributed.clear();
            for (int m = 0; m < row->childCount(); ++m)
                contributed += row->child(m);
        }
        for (const QTreeWidgetItem *contact : qAsConst(contributed)) {
            if (isFull()) {
                showLimitError();
                if (added)
                    emit signalChanged();
                return;
            }
            const QString number = contact->text(2);
            if (!isPhoneNumber(number) || listed.contains(number))
                continue;
            addRecipientRow(number, contact->text(1));
            listed.insert(number);
            added = true;
        }
    }
    if (added)
        emit signalChanged();
}

void RecipientsWidget::eventDel()
{
    const QList<QTreeWidgetItem *> selected = recipientForm->recipients->selectedItems();
    qDeleteAll(selected);
    if (!selected.isEmpty())
        emit signalChanged();
}

void RecipientsWidget::eventContactsSelection()
{
    eventDirectChanged(directNumber->text());
}

void RecipientsWidget::eventRecipientsSelection()
{
    btnDel->setEnabled(!recipientForm->recipients->selectedItems().isEmpty());
}

void RecipientsWidget::eventDirectChanged(const QString &text)
{
    btnAdd->setEnabled(!contacts->selectedItems().isEmpty() || !text.trimmed().isEmpty());
}

void RecipientsWidget::eventRecipientUrl(const QString &path)
{
    importRecipientsFile(path);
}

int RecipientsWidget::recipientCount() const
{
    return recipientForm->recipients->topLevelItemCount();
}

bool RecipientsWidget::isFull() const
{
    return recipientCount() >= maxRecipients;
}

void RecipientsWidget::showLimitError()
{
    showError(tr("You need to select less than 2000 recipients"), this);
}

QSet<QString> RecipientsWidget::numbersInList() const
{
    const QStringList numbers = recipientNumbers();
    return QSet<QString>(numbers.cbegin(), numbers.cend());
}

bool RecipientsWidget::containsNumber(const QString &number) const
{
    return recipientNumbers().contains(number);
}

void RecipientsWidget::addRecipientRow(const QString &number, const QString &name)
{
    recipientForm->recipients->addTopLevelItem(new QTreeWidgetItem({name, number}));
}

void RecipientsWidget::resetNamePlaceholder()
{
    lineName->setStyleSheet(placeholderStyle);
    lineName->setText(tr("Name"));
}

void RecipientsWidget::resetNumberPlaceholder()
{
    directNumber->setStyleSheet(placeholderStyle);
    directNumber->setText(tr("Number"));
}
