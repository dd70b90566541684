#pragma once

#include "DesktopFixture.h"
#include "TestHome.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <QTranslator>
#include <memory>

class CacheDatabase;
class EntitiesView;
class FolderView;
class MainWindow;
class QTimer;
class TaskExecuter;

// The main window against the stand-in, as the main-window tests drive it. The stand-in runs once per test
// executable (start() from initTestCase); every test gets a fresh home and an account of its own on the
// stand-in, so that the tests of one executable never see each other's objects or requests.
class MainWindowSession
{
public:
    struct Account
    {
        QString email;
        QString password;
        int customerId = 0;
    };

    MainWindowSession();
    ~MainWindowSession();

    bool start();
    // A fresh home with the Outlook contacts off, a clean stand-in log and no injections.
    void setUp();
    // Destroys the window (which waits for a task still running) and the home; fails on message boxes
    // that the test did not take out of prompts().boxes.
    void tearDown();

    // A new account on the stand-in with the seed's other keys (folders, receivedFaxes, ...); its email,
    // password and customer id are made up here. Stored as the settings' account unless told otherwise.
    Account addAccount(QJsonObject seed = {}, bool store = true);
    static void storeAccount(const Account &account);

    // Built on first use, after the settings it starts from.
    MainWindow *window();
    // The window's translator installed as the application installs its own, so that a language the window
    // loads reaches every window; it goes with the window.
    void installTranslator();
    // The log-in dialog's acceptance, as the log-in dialog completes it: logged in, the facade carrying the
    // account's credentials, then eventLogoutClose.
    void logIn(const Account &account);
    void logOut();
    // As at the program's end: the window goes (waiting for a task still running) and nobody is logged in.
    void closeWindow();
    // One turn of the pump, as the pump timer's timeout would give it.
    void runPump();
    void syncNow();

    // Nothing running or queued: the pump polls an idle queue and the sync timer waits for the next cycle.
    bool isSettled();
    // Waits, bounded, until the session is settled.
    bool settle();
    // A first session that fills the account's cache, ended by a log-out; the stand-in's log is cleared
    // afterwards. False when it did not settle.
    bool fillCache(const Account &account);
    // Calls to the service (the stand-in unreachable): a loopback port where nothing listens.
    void setReachable(bool reachable);

    QTimer *pumpTimer();
    QTimer *syncTimer();
    TaskExecuter *worker();
    EntitiesView *entities();
    // The lists by their place in the stack, whatever folder ids they have yet.
    FolderView *inbox();
    FolderView *outbox();
    FolderView *contacts();
    // The label of the entity with this name, with its count: "Inbox(2)".
    QString label(const QString &entity);

    // The account calls the stand-in recorded since the last reset, in order, but for the update check,
    // which its own tests follow.
    QStringList operations();
    QJsonArray requests(const QString &operation);
    int count(const QString &operation) { return int(requests(operation).size()); }
    StandinProcess &standin() { return m_desktop->standin(); }
    FacadeFixture &service() { return m_desktop->service(); }
    PromptRecorder &prompts() { return m_desktop->prompts; }
    RecordingTrayIcon *tray() { return m_desktop->tray(); }
    DesktopFixture &desktop() { return *m_desktop; }
    bool showsOnline();

    // A second connection to the current customer's cache, made by the test (the window's stays its own).
    std::unique_ptr<CacheDatabase> openCache();
    // The task id that the next persisted task takes (sends are given theirs by the caller).
    int nextTaskId();
    // Persists a task into the current customer's cache as an earlier run of the program left it; the
    // record is released here. Returns its task id.
    int persistTask(int type, const QVariant &argument);
    // A persisted SMS to the number, as the send dialog leaves it.
    int persistSms(const QString &content);
    // The ids of the persisted tasks.
    QList<int> persistedTasks();

private:
    FolderView *list(int stackIndex);

    std::unique_ptr<DesktopFixture> m_desktop;
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<MainWindow> m_window;
    QByteArray m_deadOrigin;
    int m_accounts = 0;
};
