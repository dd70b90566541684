#include "MainWindow.h"

#include "AccountDlg.h"
#include "EntitiesView.h"
#include "FilterBox.h"
#include "Languages.h"
#include "LoginDlg.h"
#include "SettingsDlg.h"
#include "SettingsStore.h"
#include "TrayPresence.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTranslator>

namespace {

const int filterBoxMaxWidth = 150;

} // namespace

MainWindow::MainWindow(QTranslator *translator)
    : m_tasks(&m_cache),
      m_pump(
          m_tasks, [this](TaskOutcome &outcome) { return applyTaskResult(outcome); },
          [this](const ObjectRef &object) { return rememberUnfetched(object); }, this),
      m_updateTimer(this),
      m_translator(translator),
      m_login(new LoginDlg(this)),
      m_settings(new SettingsDlg(this)),
      m_account(new AccountDlg(this)),
      m_contactMenu(this),
      m_folderMenu(this),
      m_folderTreeMenu(this),
      m_downloader(this)
{
    setupUi(this);
    m_updateTimer.setObjectName(QStringLiteral("updateTimer"));
    eventTranslate();

    m_filter = new FilterBox(toolBar, true, filterBoxMaxWidth);
    toolBar->addWidget(m_filter);

    setupCentralWidget();
    connectActions();
    setupTray();
    actionOutlookContacts->setVisible(false);
    actionAddToContacts->setVisible(false);
    eventViewActivated(0);
}

MainWindow::~MainWindow()
{
    m_pump.endSession();
}

void MainWindow::connectActions()
{
    connect(actionAccount, &QAction::triggered, this, &MainWindow::eventAccount);
    connect(actionLogout, &QAction::triggered, this, &MainWindow::eventLogout);
    connect(actionPreferences, &QAction::triggered, this, &MainWindow::showSettings);
    connect(actionTrayQuit, &QAction::triggered, this, &MainWindow::eventQuit);
    connect(this, &MainWindow::signalRefreshOnline, this, &MainWindow::eventRefreshOnline);
    connect(m_login, &LoginDlg::signalShowSettings, this, &MainWindow::showSettings);
    connect(m_login, &LoginDlg::signalUnreached, this, &MainWindow::noteUnreached);
    // Direct: the log-in dialog's acceptance completes the log-in before it returns.
    connect(m_login, &LoginDlg::signalClose, this, &MainWindow::eventLogoutClose, Qt::DirectConnection);
    connect(m_settings, &SettingsDlg::signalSyncInterval, this, &MainWindow::eventSyncGenerate);
    connectPump();
    connect(m_settings, &SettingsDlg::signalClose, this, &MainWindow::eventSettingsClose);
    connect(m_settings, &SettingsDlg::signalTranslate, this, &MainWindow::eventTranslate);
    connect(m_settings, &SettingsDlg::signalOutlook, this, &MainWindow::eventSetupOutlookContacts);
    connect(m_entities, &EntitiesView::signalViewActivated, this, &MainWindow::eventViewActivated);
    connect(m_account, &AccountDlg::signalEmailChanged, this, &MainWindow::eventUpdateToolTip);
    connect(actionAbout, &QAction::triggered, this, &MainWindow::eventAbout);
    connectItemActions();
    connectDocumentActions();
    connectUpdateActions();
    connectContactActions();
    connectFolderActions();
}

void MainWindow::setVisible(bool visible)
{
    QMainWindow::setVisible(visible && !m_keepHidden);
}

void MainWindow::setKeepHidden(bool keepHidden)
{
    m_keepHidden = keepHidden && m_tray->isAvailable();
    setVisible(false);
    // A log-in completed during start-up leaves the window to the tray; without one nothing would open it.
    if (!m_tray->isAvailable() && SettingsStore::instance().isLoggedIn())
        showMainState(0);
}

void MainWindow::showMainState(int state)
{
    const bool loggedIn = SettingsStore::instance().isLoggedIn();
    if (state == 1 || (state == 0 && !loggedIn)) {
        setVisible(false);
        setTraySendEnabled(false);
        eventUpdateToolTip();
        m_login->showLogin();
    } else if (state == 0 || state == 2) {
        if (!loggedIn) {
            m_login->resetForm(true);
            return;
        }
        raise();
        showNormal();
        activateWindow();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void MainWindow::showFromTray()
{
    m_keepHidden = false;
    m_tray->clearNewItems();
    showMainState(2);
}

void MainWindow::eventQuit()
{
    if (confirmLosingUnsaved())
        QCoreApplication::quit();
}

void MainWindow::showSettings()
{
    setTraySendEnabled(false);
    m_proxyBeforeSettings = SettingsStore::instance().proxy();
    m_settings->loadAndShow();
}

void MainWindow::eventSettingsClose(bool saved)
{
    // The reason named a proxy that the settings may have just put right.
    m_offlineReason.clear();
    eventUpdateToolTip();
    m_login->retryAfterSettings();
    setTraySendEnabled(true);
    // The way to the service may be open now: what failed or was refused is tried at once, not after the
    // back-off or at the next cycle.
    if (saved && SettingsStore::instance().proxy() != m_proxyBeforeSettings)
        m_pump.retryNow();
}

void MainWindow::eventAccount()
{
    runModal([this] {
        if (m_account->loadAccount())
            m_account->exec();
    });
}

void MainWindow::eventLogout()
{
    m_updateTimer.stop();
    m_pump.endSession();
    m_tasks.clear();
    m_entities->clearAll();
    SettingsStore::instance().setLoggedIn(false);
    setTraySendEnabled(false);
    eventUpdateToolTip();
    emit signalRefreshOnline(false);
    m_login->resetForm(true);
    showMainState(0);
    setVisible(false);
}

void MainWindow::eventTranslate()
{
    if (!loadLanguage(*m_translator, SettingsStore::instance().effectiveLanguage()))
        qWarning("no translation could be loaded");
    retranslateUi(this);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    retranslateUi(this);
    m_login->retranslate();
    m_settings->retranslateUi(m_settings);
    m_account->retranslateUi(m_account);
    m_entities->retranslate();
    // The form's title is the bare product name; the version and the user come back here.
    eventUpdateToolTip();
}
