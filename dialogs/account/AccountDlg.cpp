#include "AccountDlg.h"

#include "BusyCursor.h"
#include "ConnectionProblem.h"
#include "DesktopOpen.h"
#include "MessageBoxes.h"
#include "PageScroller.h"
#include "QelvoxAPI.h"
#include "ServiceEndpoints.h"
#include "SettingsStore.h"
#include "TextHelpers.h"
#include "qtCountryInfo.h"
#include "qtLanguageInfo.h"

#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QUrl>

namespace {

struct TextField
{
    QLineEdit *Ui::AccountDlg::*widget;
    QString qtAccountInfo::*field;
};

// The account texts that the form shows and saving collects; prepaidbalance and enddate go back unchanged.
const TextField textFields[] = {
    {&Ui::AccountDlg::faxnumber, &qtAccountInfo::faxnumber},
    {&Ui::AccountDlg::firstname, &qtAccountInfo::firstname},
    {&Ui::AccountDlg::lastname, &qtAccountInfo::lastname},
    {&Ui::AccountDlg::address1, &qtAccountInfo::address1},
    {&Ui::AccountDlg::city, &qtAccountInfo::city},
    {&Ui::AccountDlg::postalcode, &qtAccountInfo::postalcode},
    {&Ui::AccountDlg::phone, &qtAccountInfo::phone},
    {&Ui::AccountDlg::companyname, &qtAccountInfo::companyname},
    {&Ui::AccountDlg::vat, &qtAccountInfo::vat},
    {&Ui::AccountDlg::faxheader, &qtAccountInfo::faxheader},
    {&Ui::AccountDlg::notificationsms, &qtAccountInfo::notificationsms},
};

template <class Call> int withBusyCursor(QWidget *widget, Call call)
{
    BusyCursor busy(widget);
    return call();
}

// The code of the current entry, or the fallback when the list offers none.
QString currentCode(const QComboBox *box, const QString &fallback)
{
    return box->currentIndex() < 0 ? fallback : box->currentData().toString();
}

// The service's end date ("2027-12-31 23:59:59") is wider than a line edit's default width, which would
// show it scrolled to its end.
void fitToDate(QLineEdit *field)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    // Two pixels of margin on either side of the text, as the line edit keeps them.
    const QSize text(field->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 00:00:00")) + 4,
                     field->fontMetrics().height());
    field->setMinimumWidth(field->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, field).width());
}

} // namespace

AccountDlg::AccountDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
{
    setupUi(this);
    m_pages = new PageScroller(selectedTab);
    fitToDate(enddate);
    // The link shows only while SMS notifications are on, from the first showing.
    information->setVisible(notifybysms->isChecked());
    connect(information, &QLabel::linkActivated, this, [this] {
        openLink(QUrl(ServiceEndpoints::webPage("/myaccount/index.php?action=sendSMS")), this);
    });

    connect(saveButton, &QPushButton::clicked, this, &AccountDlg::eventAction);
    connect(cancelButton, &QPushButton::clicked, this, &AccountDlg::eventCancel);
    connect(optionTabs, &QListWidget::currentRowChanged, selectedTab, &QStackedWidget::setCurrentIndex);
    for (const TextField &text : textFields) {
        // The fax number belongs to the account and is never edited.
        if (text.widget != &Ui::AccountDlg::faxnumber)
            connect(this->*text.widget, &QLineEdit::textChanged, this, &AccountDlg::eventInfoChanged);
    }
    connect(notifybysms, &QGroupBox::toggled, this, &AccountDlg::eventInfoChanged);
    connect(notifybyemail, &QGroupBox::toggled, this, &AccountDlg::eventDisableEmail);
    connect(redirecttoemail, &QCheckBox::toggled, this, &AccountDlg::eventInfoChanged);
    for (QComboBox *box : {attachmentid, langcode, country})
        connect(box, &QComboBox::currentIndexChanged, this, &AccountDlg::eventInfoChanged);
    for (QLineEdit *field : {email1, email2, emailCheck})
        connect(field, &QLineEdit::textChanged, this, &AccountDlg::eventEmailCheck);
    for (QLineEdit *field : {password1, password2, passwordCheck})
        connect(field, &QLineEdit::textChanged, this, &AccountDlg::eventPasswordCheck);
    connect(updateEmail, &QPushButton::clicked, this, &AccountDlg::eventUpdateEmail);
    connect(updatePassword, &QPushButton::clicked, this, &AccountDlg::eventUpdatePassword);
    connect(extendedTitle, &QCheckBox::toggled, this, &AccountDlg::eventExtendedTitle);
}

AccountDlg::~AccountDlg() = default;

void AccountDlg::setVisible(bool visible)
{
    if (visible)
        m_pages->fitToScreen();
    QDialog::setVisible(visible);
}

bool AccountDlg::loadAccount()
{
    // The dialog is not shown yet: the window the user asked from shows the wait.
    BusyCursor busy(parentWidget() ? parentWidget() : this);
    const QScopedValueRollback<bool> filling(loading, true);
    edited = false;
    qtAccountInfo fetched;
    bool title = false;
    int status = loadLists();
    if (status == 0)
        status = QelvoxAPI::getAccountInfo(&fetched);
    if (status == 0)
        status = QelvoxAPI::getExtendedTitle(&title);
    if (status != 0) {
        showUnreached(status);
        return false;
    }
    account = fetched;
    loadedExtendedTitle = title;
    extendedTitle->setChecked(title);
    fillForm();
    return true;
}

// A list that arrived stays; a failed one is fetched again by the next load.
int AccountDlg::loadLists()
{
    if (!languagesLoaded) {
        QList<qtLanguageInfo> languages;
        if (const int status = QelvoxAPI::getAllLanguages(&languages))
            return status;
        for (const qtLanguageInfo &language : languages)
            langcode->addItem(language.language, language.code);
        languagesLoaded = true;
    }
    if (!countriesLoaded) {
        QList<qtCountryInfo> countries;
        if (const int status = QelvoxAPI::getAllCountries(&countries))
            return status;
        for (const qtCountryInfo &entry : countries)
            country->addItem(entry.country, entry.code);
        countriesLoaded = true;
    }
    return 0;
}

void AccountDlg::fillForm()
{
    clearEmailFields();
    clearPasswordFields();
    for (const TextField &text : textFields)
        (this->*text.widget)->setText(account.*text.field);
    // Each box follows the account, so that a check the user abandoned does not survive the load.
    notifybysms->setChecked(account.notifybysms != 0);
    notifybyemail->setChecked(account.notifybyemail != 0);
    redirecttoemail->setChecked(account.redirecttoemail != 0);
    // A value other than 1 (PDF) or 2 (TIFF) leaves no entry current.
    attachmentid->setCurrentIndex(account.attachmentid - 1);
    enddate->setText(account.enddate);
    prepaidbalance->setText(QString::number(account.prepaidbalance));
    langcode->setCurrentIndex(langcode->findData(account.langcode));
    country->setCurrentIndex(country->findData(account.country));
    saveButton->setEnabled(false);
}

void AccountDlg::eventInfoChanged()
{
    if (loading)
        return;
    edited = true;
    saveButton->setEnabled(true);
}

void AccountDlg::eventExtendedTitle()
{
    saveButton->setEnabled(extendedTitle->isChecked() != loadedExtendedTitle || edited);
}

void AccountDlg::eventDisableEmail()
{
    if (!notifybyemail->isChecked())
        redirecttoemail->setChecked(false);
    eventInfoChanged();
}

void AccountDlg::eventAction()
{
    saveAccount();
    accept();
}

void AccountDlg::eventCancel()
{
    close();
}

void AccountDlg::collectForm()
{
    for (const TextField &text : textFields)
        account.*text.field = (this->*text.widget)->text().trimmed();
    account.notifybysms = notifybysms->isChecked() ? 1 : 0;
    account.notifybyemail = notifybyemail->isChecked() ? 1 : 0;
    account.redirecttoemail = redirecttoemail->isChecked() ? 1 : 0;
    // Without a current entry the loaded value goes back: the user never chose to clear it.
    if (attachmentid->currentIndex() >= 0)
        account.attachmentid = attachmentid->currentIndex() + 1;
    account.langcode = currentCode(langcode, account.langcode);
    account.country = currentCode(country, account.country);
}

void AccountDlg::saveAccount()
{
    int reply = 0;
    if (edited) {
        collectForm();
        const int status = withBusyCursor(this, [&] { return QelvoxAPI::setAccountInfo(&account, &reply); });
        if (!succeeded(status, reply))
            return;
    }
    if (extendedTitle->isChecked() != loadedExtendedTitle) {
        const bool on = extendedTitle->isChecked();
        const int status = withBusyCursor(this, [&] { return QelvoxAPI::setExtendedTitle(on, &reply); });
        succeeded(status, reply);
    }
}

bool AccountDlg::succeeded(int status, int reply)
{
    if (status != 0)
        showUnreached(status);
    else if (reply != 0)
        showError(statusText(reply), this);
    return status == 0 && reply == 0;
}

void AccountDlg::showUnreached(int status)
{
    // A proxy that said no is named; anything else reads as the connection's failure.
    showError(ConnectionProblem::proxyTextOr(status, tr("No internet connection.")), this);
}

void AccountDlg::eventEmailCheck()
{
    const SettingsStore &settings = SettingsStore::instance();
    const QString current = emailCheck->text().trimmed();
    const QString address = email1->text().trimmed();
    updateEmail->setEnabled(!current.isEmpty() && !address.isEmpty() && address == email2->text().trimmed() &&
                            address != settings.userName() && md5Hex(current) == settings.password());
}

void AccountDlg::eventPasswordCheck()
{
    const SettingsStore &settings = SettingsStore::instance();
    const QString current = passwordCheck->text();
    const QString password = password1->text();
    updatePassword->setEnabled(!current.isEmpty() && !password.isEmpty() && password == password.trimmed() &&
                               password == password2->text() && md5Hex(password) != settings.password() &&
                               md5Hex(current) == settings.password());
}

void AccountDlg::eventUpdateEmail()
{
    const QString address = email1->text().trimmed();
    int reply = 0;
    // UTF-8 like every other text the service receives, so that no letter of the address is lost.
    const int status =
        withBusyCursor(this, [&] { return QelvoxAPI::setNewEmail(address.toStdString(), &reply); });
    if (!succeeded(status, reply))
        return;
    // The facade already sends the new address; the settings keep it for the next start and log-in.
    const bool stored = SettingsStore::instance().setUserName(address);
    emit signalEmailChanged();
    if (stored)
        showInformation(tr("The email address has been changed successfully."), this);
    else
        showError(tr("The email address has been changed, but it could not be saved on this computer: sign in "
                     "with the new address next time."),
                  this);
    clearEmailFields();
}

void AccountDlg::eventUpdatePassword()
{
    const QString digest = md5Hex(password1->text().trimmed());
    int reply = 0;
    const int status =
        withBusyCursor(this, [&] { return QelvoxAPI::setNewPassword(digest.toStdString(), &reply); });
    if (!succeeded(status, reply))
        return;
    if (SettingsStore::instance().setPassword(digest))
        showInformation(tr("The password have been changed successfuly."), this);
    else
        showError(tr("The password has been changed, but it could not be saved on this computer: sign in with "
                     "the new password next time."),
                  this);
    clearPasswordFields();
}

void AccountDlg::clearEmailFields()
{
    email1->clear();
    email2->clear();
    emailCheck->clear();
}

void AccountDlg::clearPasswordFields()
{
    password1->clear();
    password2->clear();
    passwordCheck->clear();
}
