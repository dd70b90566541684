#include "QelRegister.h"

#include "BindingTypes.h"
#include "BusyCursor.h"
#include "DesktopOpen.h"
#include "MessageBoxes.h"
#include "QelvoxAPI.h"
#include "ServiceEndpoints.h"
#include "SignupCombos.h"
#include "qtDestinationInfo.h"

#include <QCloseEvent>
#include <QSignalBlocker>
#include <utility>

namespace {

const char *const connectionMessage = QT_TRANSLATE_NOOP(
    "QelRegister", "An error occured while processing a request to server.\nPlease check your internet connection.");

// The service names the reason of a refused sign-up by number.
const char *refusalMessage(int result)
{
    switch (result) {
    case 401:
        return QT_TRANSLATE_NOOP("QelRegister", "Wrong email format.");
    case 802:
        return QT_TRANSLATE_NOOP("QelRegister", "Chosen package is not available.");
    case 803:
    case 815:
        return QT_TRANSLATE_NOOP("QelRegister", "Invalid fax number. There are no free numbers for this area.");
    case 821:
        return QT_TRANSLATE_NOOP("QelRegister", "This qelcode is invalid. Or it was already used.\n"
                                                "Please visit our site and contact the support team.");
    case 851:
        return QT_TRANSLATE_NOOP("QelRegister", "The specified email is already registered in our system.");
    default:
        return QT_TRANSLATE_NOOP("QelRegister", "Cannot finish the registration procedure. Please visit the "
                                                "site and contact the support team.");
    }
}

bool isVoucherCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

const char *const freeTrialId = "freetrial";

} // namespace

QelRegister::QelRegister(QString *outEmail, QString *outPassword, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      outEmail(outEmail), outPassword(outPassword)
{
    setupUi(this);
    usStates->hide();
    ui_signUpLabel->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                                .arg(ServiceEndpoints::webPage("/Fax%20number%20subs.html"),
                                     ui_signUpLabel->text().toHtmlEscaped()));
    openLinksWithDesktop(ui_signUpLabel);
    listsLoaded = loadRegistrationLists();
    if (!listsLoaded)
        return;
    connect(cbFaxCountries, &QComboBox::currentIndexChanged, this, &QelRegister::onFaxCountryChange);
    connect(usStates, &QComboBox::currentIndexChanged, this, &QelRegister::onUSStateChanged);
    connect(leQelCode1, &QLineEdit::textChanged, this, &QelRegister::onQelCodeTextChanged1);
    connect(leQelCode2, &QLineEdit::textChanged, this, &QelRegister::onQelCodeTextChanged2);
    connect(leQelCode3, &QLineEdit::textChanged, this, &QelRegister::onQelCodeTextChanged3);
    connect(pushButtonOk, &QPushButton::clicked, this, &QelRegister::onAcceptRegistration);
    connect(pushButtonCancel, &QPushButton::clicked, this, &QelRegister::reject);
    connect(account_freetrial, &QRadioButton::toggled, this, &QelRegister::eventAccountType);
    connect(account_qelcode, &QRadioButton::toggled, this, &QelRegister::eventAccountType);
    onFaxCountryChange(cbFaxCountries->currentIndex());
}

bool QelRegister::loadRegistrationLists()
{
    QList<qtDestinationInfo> regions;
    if (!QelvoxAPI::getFaxRegions("us|0", &regions) || regions.isEmpty()) {
        showError(tr(connectionMessage), nullptr);
        return false;
    }
    const std::string statesKey = "us|" + std::to_string(regions.constFirst().id);
    regions.clear();
    if (!QelvoxAPI::getFaxRegions(statesKey, &regions)) {
        showError(tr(connectionMessage), nullptr);
        return false;
    }
    for (const qtDestinationInfo &state : std::as_const(regions))
        usStates->addItem(state.destination, state.id);
    fillCountryCombo(cbCountries);
    fillFaxCountryCombo(cbFaxCountries);
    fillLanguageCombo(cbLanguages);
    return true;
}

void QelRegister::onFaxCountryChange(int index)
{
    followSelection(AreaSource::FaxCountry, index);
}

void QelRegister::onUSStateChanged(int index)
{
    followSelection(AreaSource::UsState, index);
}

void QelRegister::followSelection(AreaSource source, int index)
{
    // The busy cursor lets pending events through, a selection queued meanwhile among them. Loading its
    // areas in the middle of this load would leave the list with the areas of the earlier selection, so
    // it is only noted here and followed once this load is done; a new fax country outweighs a new state.
    if (loadingAreas) {
        if (pendingSource != AreaSource::FaxCountry)
            pendingSource = source;
        return;
    }
    loadingAreas = true;
    BusyCursor busy(this);
    showAreasOf(source, index);
    while (pendingSource != AreaSource::None) {
        const AreaSource next = std::exchange(pendingSource, AreaSource::None);
        showAreasOf(next, next == AreaSource::FaxCountry ? cbFaxCountries->currentIndex() : usStates->currentIndex());
    }
    // A selection that arrives while the cursor is put back is followed at once.
    loadingAreas = false;
}

void QelRegister::showAreasOf(AreaSource source, int index)
{
    lwFaxRegions->clear();
    if (source == AreaSource::UsState) {
        // Without states there are no areas to ask for.
        if (index >= 0 && index < usStates->count())
            loadFaxAreas("us|" + usStates->itemData(index).toString().toLatin1());
        return;
    }
    const QString code = cbFaxCountries->itemData(index).toString();
    if (code == QLatin1String("USA")) {
        selectFirstState();
        return;
    }
    usStates->hide();
    loadFaxAreas(code.toLatin1());
}

void QelRegister::selectFirstState()
{
    usStates->show();
    {
        // The first state's areas are loaded below, once.
        const QSignalBlocker blocker(usStates);
        usStates->setCurrentIndex(0);
    }
    showAreasOf(AreaSource::UsState, 0);
}

void QelRegister::loadFaxAreas(const QByteArray &key)
{
    lwFaxRegions->clear();
    QList<qtDestinationInfo> areas;
    if (!QelvoxAPI::getFaxRegions(key.toStdString(), &areas)) {
        showError(tr(connectionMessage), nullptr);
        return;
    }
    for (const qtDestinationInfo &area : std::as_const(areas)) {
        auto *item = new QListWidgetItem(area.destination, lwFaxRegions);
        item->setData(Qt::UserRole, area.id);
    }
    if (lwFaxRegions->count() > 0)
        lwFaxRegions->setCurrentRow(0);
}

void QelRegister::eventAccountType()
{
    for (QLineEdit *field : voucherFields())
        field->setEnabled(account_qelcode->isChecked());
}

std::array<QLineEdit *, 4> QelRegister::voucherFields() const
{
    return {leQelCode1, leQelCode2, leQelCode3, leQelCode4};
}

void QelRegister::onQelCodeTextChanged1(const QString &t)
{
    // More than one group arrives by a paste: spread its letters and digits over the four fields.
    if (t.size() > 4) {
        QString kept;
        for (QChar c : t)
            if (isVoucherCharacter(c))
                kept += c;
        const std::array<QLineEdit *, 4> fields = voucherFields();
        for (int i = 0; i < int(fields.size()); ++i)
            fields[i]->setText(kept.mid(i * 4, 4));
    }
    if (leQelCode1->text().size() > 3)
        leQelCode2->setFocus(Qt::OtherFocusReason);
}

void QelRegister::onQelCodeTextChanged2(const QString &text)
{
    if (text.size() > 3)
        leQelCode3->setFocus(Qt::OtherFocusReason);
}

void QelRegister::onQelCodeTextChanged3(const QString &text)
{
    if (text.size() > 3)
        leQelCode4->setFocus(Qt::OtherFocusReason);
}

void QelRegister::onAcceptRegistration()
{
    busy = true;
    const bool registered = submitRegistration();
    busy = false;
    if (registered)
        close();
}

QString QelRegister::formProblem() const
{
    const struct
    {
        bool failed;
        const char *message;
    } checks[] = {
        {leFirstName->text().trimmed().isEmpty(), QT_TR_NOOP("First Name is a required field.")},
        {leLastName->text().trimmed().isEmpty(), QT_TR_NOOP("Last Name is a required field.")},
        {leEmail->text().trimmed().isEmpty(), QT_TR_NOOP("Email is a required field.")},
        {leConfirmEmail->text().trimmed() != leEmail->text().trimmed(), QT_TR_NOOP("Emails do not match.")},
        {!isEmailShaped(), QT_TR_NOOP("Wrong email format.")},
        {lwFaxRegions->selectedItems().isEmpty(), QT_TR_NOOP("Please select the fax area of the fax country.")},
    };
    for (const auto &check : checks)
        if (check.failed)
            return tr(check.message);
    return {};
}

bool QelRegister::isEmailShaped() const
{
    const QStringList parts = leEmail->text().trimmed().split(u'@');
    return parts.size() == 2 && parts.at(1).split(u'.').size() > 1;
}

std::string QelRegister::accountId() const
{
    if (!account_qelcode->isChecked())
        return freeTrialId;
    QString id = QStringLiteral("qelcode!");
    for (const QLineEdit *field : voucherFields())
        id += field->text().trimmed();
    return id.toStdString();
}

bool QelRegister::submitRegistration()
{
    const QString problem = formProblem();
    if (!problem.isEmpty()) {
        showError(problem, nullptr);
        return false;
    }
    const QString email = leEmail->text().trimmed();
    RegisterCustomerInfo info;
    info.soap_default(nullptr);
    info.id = accountId();
    info.firstName = leFirstName->text().trimmed().toStdString();
    info.lastName = leLastName->text().trimmed().toStdString();
    info.email = email.toStdString();
    info.country = cbCountries->currentData().toString().toStdString();
    info.language = cbLanguages->currentData().toString().toStdString();
    info.faxregion = lwFaxRegions->selectedItems().constFirst()->data(Qt::UserRole).toInt();
    std::string password;
    const int result = QelvoxAPI::registerCustomer(&info, &password);
    if (result != 0) {
        showError(tr(refusalMessage(result)), nullptr);
        return false;
    }
    // The log-in digests what it is given, so both must be the very text: the address as typed and the
    // password as the UTF-8 the service sent.
    *outEmail = email;
    *outPassword = QString::fromStdString(password);
    return true;
}

void QelRegister::closeEvent(QCloseEvent *event)
{
    // A message box of the registration runs its own event loop; the form must outlive it.
    if (busy)
        event->ignore();
}
