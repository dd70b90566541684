#include "LoginDlg.h"

#include "BusyCursor.h"
#include "ConnectionProblem.h"
#include "DesktopOpen.h"
#include "MessageBoxes.h"
#include "QelRegister.h"
#include "QelvoxAPI.h"
#include "RefusedProxyCredentials.h"
#include "ServiceEndpoints.h"
#include "SettingsStore.h"
#include "TaskExecuter.h"
#include "TaskType.h"
#include "TextHelpers.h"
#include "WelcomeQelvox.h"

#include <QTimer>

namespace {

constexpr int reloginIntervalMs = 60000;
constexpr int blinkIntervalMs = 1000;

} // namespace

LoginDlg::LoginDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_reloginTimer(new QTimer(this)), m_blinkTimer(new QTimer(this))
{
    newWorker();
    setupUi(this);
    openLinksWithDesktop(ui_forgotPassLabel_2);
    m_reloginTimer->setObjectName(QStringLiteral("reloginTimer"));
    m_blinkTimer->setObjectName(QStringLiteral("blinkTimer"));
    m_reloginTimer->setInterval(reloginIntervalMs);
    m_blinkTimer->setInterval(blinkIntervalMs);
    const SettingsStore &settings = SettingsStore::instance();
    m_automatic = settings.autoConnect();
    ui_userName->setText(settings.userName());
    ui_checkSave->setChecked(m_automatic);
    showForgotPasswordLink();

    connect(m_blinkTimer, &QTimer::timeout, this, &LoginDlg::eventAnimate);
    connect(m_reloginTimer, &QTimer::timeout, this, &LoginDlg::eventLogin);
    connect(ui_btnAction, &QPushButton::clicked, this, &LoginDlg::eventAction);
    connect(ui_userName, &QLineEdit::textChanged, this, &LoginDlg::eventTextChanged);
    connect(ui_password, &QLineEdit::textChanged, this, &LoginDlg::eventTextChanged);
    connect(ui_appSettingsToolButton, &QToolButton::clicked, this, &LoginDlg::signalShowSettings);
    connect(registerAccount, &QPushButton::clicked, this, &LoginDlg::eventRegisterAccount);
    ui_autostart->setChecked(SettingsStore::isAutostart());
    connect(ui_autostart, &QCheckBox::toggled, this, &LoginDlg::event_autostart);
    connect(ui_checkSave, &QCheckBox::toggled, this, &LoginDlg::event_checkSave);
}

LoginDlg::~LoginDlg()
{
    if (m_loginRunning)
        abandonWorker();
}

void LoginDlg::newWorker()
{
    m_worker = new TaskExecuter(this);
    connect(m_worker, &TaskExecuter::signalEnd, this, &LoginDlg::eventTaskLoginDone);
}

void LoginDlg::abandonWorker()
{
    // Without a parent, so that neither this dialog's deletion nor the process's exit waits for the thread.
    m_worker->setParent(nullptr);
    m_worker->stop();
    m_worker = nullptr;
    m_loginRunning = false;
}

void LoginDlg::showForgotPasswordLink()
{
    ui_forgotPassLabel_2->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                                      .arg(ServiceEndpoints::webPage("/index.php?qel=forgot_password"),
                                           tr("Forgot password ?").toHtmlEscaped()));
}

void LoginDlg::setInputsEnabled(bool enabled)
{
    m_busy = !enabled;
    for (QWidget *input : std::initializer_list<QWidget *>{registerAccount, ui_appSettingsToolButton, ui_logoImage,
                                                           ui_userName, ui_password, ui_checkSave, ui_autostart})
        input->setEnabled(enabled);
    eventTextChanged();
    ui_btnAction->setText(enabled ? tr("Login") : tr("Cancel"));
}

void LoginDlg::eventTextChanged()
{
    // While busy the button cancels, whatever the fields hold.
    ui_btnAction->setEnabled(m_busy ||
                             (!ui_userName->text().trimmed().isEmpty() && !ui_password->text().trimmed().isEmpty()));
}

void LoginDlg::eventAnimate()
{
    ui_logoImage->setEnabled(!ui_logoImage->isEnabled());
}

void LoginDlg::bringUp()
{
    raise();
    showNormal();
    activateWindow();
}

void LoginDlg::showLogin()
{
    // Another start of the program while the service is asked: the attempt under way stands.
    if (m_loginRunning) {
        bringUp();
        return;
    }
    if (m_automatic && !SettingsStore::instance().password().isEmpty()) {
        eventLogin();
        return;
    }
    m_blinkTimer->stop();
    m_reloginTimer->stop();
    m_automatic = false;
    resetForm(true);
    setInputsEnabled(true);
}

void LoginDlg::resetForm(bool clearPassword)
{
    // The fields belong to the attempt under way until it ends.
    if (!m_loginRunning) {
        const SettingsStore &settings = SettingsStore::instance();
        ui_checkSave->setChecked(settings.autoConnect());
        ui_autostart->setChecked(SettingsStore::isAutostart());
        if (clearPassword)
            ui_password->clear();
    }
    bringUp();
}

void LoginDlg::retranslate()
{
    retranslateUi(this);
    showForgotPasswordLink();
    ui_btnAction->setText(m_busy ? tr("Cancel") : tr("Login"));
}

void LoginDlg::retryAfterSettings()
{
    if (!m_awaitingProxy || m_busy || RefusedProxyCredentials::inUse())
        return;
    m_automatic = true;
    eventLogin();
}

void LoginDlg::eventLogin()
{
    if (m_loginRunning)
        return;
    m_awaitingProxy = false;
    m_reloginTimer->stop();
    setInputsEnabled(false);
    m_blinkTimer->start();

    const SettingsStore &settings = SettingsStore::instance();
    qtAuthenticateInfo &login = m_worker->login;
    login.customerid = 0;
    login.username = ui_userName->text().trimmed();
    login.password = m_automatic ? settings.password() : md5Hex(ui_password->text().trimmed());

    if (m_automatic && settings.hasLocalCache()) {
        acceptLogin(settings.customerId());
        return;
    }
    QString user = login.username;
    QString password = login.password;
    if (settings.isSameAccount(user, password)) {
        acceptLogin(settings.customerId());
        return;
    }
    // Credentials the proxy refused are not offered again on the log-in's own initiative.
    if (m_automatic && RefusedProxyCredentials::inUse()) {
        waitForProxySettings();
        return;
    }
    m_loginRunning = m_worker->start(TaskType::LOGIN);
}

void LoginDlg::eventAction()
{
    m_automatic = false;
    if (!m_busy) {
        eventLogin();
        return;
    }
    m_reloginTimer->stop();
    m_blinkTimer->stop();
    if (m_loginRunning) {
        abandonWorker();
        newWorker();
    }
    setInputsEnabled(true);
    resetForm(true);
}

void LoginDlg::eventTaskLoginDone()
{
    m_loginRunning = false;
    const qtAuthenticateInfo &login = m_worker->login;
    if (login.result == 0) {
        SettingsStore &settings = SettingsStore::instance();
        settings.setUserName(login.username);
        settings.setPassword(login.password);
        settings.setAutoConnect(ui_checkSave->isChecked());
        acceptLogin(login.customerid);
        return;
    }
    if (login.result == proxyRefusedCredentials) {
        if (m_automatic) {
            waitForProxySettings();
            return;
        }
        m_blinkTimer->stop();
        setInputsEnabled(true);
        resetForm(false);
        showUnreached(login.result);
        return;
    }
    if (isServiceUnreached(login.result) && m_automatic) {
        emit signalUnreached(login.result);
        m_reloginTimer->start();
        return;
    }
    m_blinkTimer->stop();
    setInputsEnabled(true);
    if (isServiceUnreached(login.result)) {
        m_automatic = false;
        resetForm(false);
        showUnreached(login.result);
        return;
    }
    resetForm(true);
    if (!m_automatic)
        showError(tr("Authentication fails ..."), this);
    m_automatic = false;
}

void LoginDlg::waitForProxySettings()
{
    m_reloginTimer->stop();
    m_blinkTimer->stop();
    m_automatic = false;
    m_awaitingProxy = true;
    setInputsEnabled(true);
    resetForm(true);
    showUnreached(proxyRefusedCredentials);
}

void LoginDlg::showUnreached(int result)
{
    emit signalUnreached(result);
    showError(ConnectionProblem::proxyTextOr(result, tr("No internet connection.")), this);
}

void LoginDlg::acceptLogin(int customerid)
{
    m_blinkTimer->stop();
    m_automatic = false;
    SettingsStore &settings = SettingsStore::instance();
    settings.setLoggedIn(true);
    // The accepted account's credentials are the ones every later call carries, even when an abandoned
    // log-in of another account succeeds after this.
    QelvoxAPI::setCredentials(settings.userName().toStdString(), settings.password().toStdString());
    close();
    SettingsStore::setAutostart(ui_autostart->isChecked());
    emit signalClose(customerid, false);
}

void LoginDlg::event_checkSave()
{
    SettingsStore::instance().setAutoConnect(ui_checkSave->isChecked());
}

void LoginDlg::event_autostart()
{
    SettingsStore::setAutostart(ui_autostart->isChecked());
}

void LoginDlg::eventRegisterAccount()
{
    {
        BusyCursor busy(this);
        if (!QelvoxAPI::loadSignupLists()) {
            showError(tr("An error occured while processing a request to server.\n"
                         "Please check your internet connection."),
                      nullptr);
            return;
        }
    }
    hide();
    QString email;
    QString password;
    signUp(&email, &password);
    // Shown before the log-in, which may close it again at once.
    show();
    if (password.isEmpty())
        return;
    ui_userName->setText(email);
    ui_password->setText(password);
    eventLogin();
}

void LoginDlg::signUp(QString *email, QString *password)
{
    {
        QelRegister signup(email, password, this);
        if (signup.listsLoaded)
            signup.exec();
    }
    if (password->isEmpty())
        return;
    // Where the new password may be changed before the first log-in.
    WelcomeQelvox welcome(email, password, this);
    welcome.exec();
}
