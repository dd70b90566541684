#pragma once

#include "CacheDatabase.h"
#include "DesktopFixture.h"
#include "MainWindow.h"
#include "TestHome.h"
#include "qtObjectsInfo.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <QTranslator>
#include <memory>

class EntitiesView;
class FolderView;
class QTimer;
class QTreeWidgetItem;
class TaskExecuter;

// The main window against the stand-in, as the main-window tests drive it. The stand-in runs once per test
// executable (start() from initTestCase); every test gets a fresh home and an account of its own on the
// stand-in, so that the tests of one executable never see each other's objects or requests, or what one
// test sends, deletes or marks in another test's lists.
class MainWindowSession
{
public:
    // The entities' places in the tree, the user's folders after the three lists.
    enum Entity { Inbox = 0, Outbox = 1, Contacts = 2, FirstUserFolder = 3 };
    // The task ids of the pending rows that addLocalRows() adds.
    static constexpr int pendingTaskId = 4000;

    struct Account
    {
        QString email;
        QString password;
        int customerId = 0;
    };

    MainWindowSession();
    ~MainWindowSession();

    bool start();
    // A fresh home with the Outlook contacts off, a clean stand-in log, no injections and no prompts.
    void setUp();
    // Destroys the window (which waits for a task still running) and the home; fails on message boxes
    // that the test did not take out of prompts().boxes.
    void tearDown();
    // The texts of the message boxes shown since the last call.
    QStringList takeBoxTexts();

    // A new account on the stand-in with the seed's other keys (folders, receivedFaxes, ...); its email,
    // password and customer id are made up here. Stored as the settings' account unless told otherwise.
    Account addAccount(QJsonObject seed = {}, bool store = true);
    static void storeAccount(const Account &account);
    // The account added last.
    const Account &account() const { return m_account; }
    // The first service id the seed gave to the last account's objects of that kind ("receivedFaxes",
    // "sentSms", ...).
    int seededId(const char *kind, int index = 0) const;

    // Built on first use, after the settings it starts from.
    MainWindow *window();
    // The window's translator installed as the application installs its own, so that a language the window
    // loads reaches every window; it goes with the window.
    void installTranslator();
    // The log-in dialog's acceptance, as the log-in dialog completes it: logged in, the facade carrying the
    // account's credentials, then eventLogoutClose.
    void logIn(const Account &account);
    // A new account with the seed's objects, logged in with the window's translator installed; true once the
    // first full review is in the lists and the cache, with the stand-in's log emptied.
    bool logInSeeded(const QJsonObject &seed);
    void logOut();
    // As at the program's end: the window goes (waiting for a task still running) and nobody is logged in.
    void closeWindow();
    // One turn of the pump, as the pump timer's timeout would give it.
    void runPump();
    void syncNow();
    // Queues a change query; true once it has reached the service, and with it whatever was queued before.
    bool syncToService();
    // Calls the window's slot directly; a slot it does not have ends the test executable.
    template <typename... Args> void invoke(const char *slot, Args... args)
    {
        if (!QMetaObject::invokeMethod(window(), slot, Qt::DirectConnection, args...))
            qFatal("no slot %s", slot);
    }

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
    // Makes the entity current (see Entity) and returns its list.
    FolderView &show(int entity);
    // Selects exactly these rows of the current list.
    void select(const QList<QTreeWidgetItem *> &rows);
    // Makes the entity current and selects exactly the rows of these objects (see object()); false when one
    // has no row.
    bool select(int entity, const QStringList &keys);
    // The send command (the SMS action) with its dialog filled in with one number and the text, and sent;
    // false when the dialog did not show.
    bool sendSms(const QString &text);
    // Rows that exist only here: a pending fax to two numbers, a pending SMS and a pending e-mail forward in
    // the Outbox, and an Outlook contact; their keys are "pendingFax", "pendingSms", "pendingEmail" and
    // "outlook".
    void addLocalRows();
    // {type, id} of an object by its key: one the last account's seed made, as its kind and index
    // ("receivedFax0", "sentFax1", "sms0", "voice0", "contact0"), or one of the local rows.
    QPair<int, int> object(const QString &key) const;
    // The object's row in whichever list holds it; null when none does.
    QTreeWidgetItem *row(const QString &key);

    // The account calls the stand-in recorded since the last reset, in order, but for the update check,
    // which its own tests follow.
    QStringList operations();
    QJsonArray requests(const QString &operation);
    // The parameters of the last call of that operation the stand-in received.
    QJsonObject lastParams(const QString &operation);
    int count(const QString &operation) { return int(requests(operation).size()); }
    StandinProcess &standin() { return m_desktop->standin(); }
    FacadeFixture &service() { return m_desktop->service(); }
    PromptRecorder &prompts() { return m_desktop->prompts; }
    RecordingTrayIcon *tray() { return m_desktop->tray(); }
    DesktopFixture &desktop() { return *m_desktop; }
    bool showsOnline();

    // A second connection to the current customer's cache, made by the test (the window's stays its own).
    std::unique_ptr<CacheDatabase> openCache();
    // One such connection kept for the test, read as the program would read the file after a restart.
    CacheDatabase &cache();
    qtObjectsInfo cachedObjects();
    // The task id that the next persisted task takes (sends are given theirs by the caller).
    int nextTaskId();
    // Persists a task into the current customer's cache as an earlier run of the program left it; the
    // record is released here. Returns its task id.
    int persistTask(int type, const QVariant &argument);
    // A persisted SMS to the number, as the send dialog leaves it.
    int persistSms(const QString &content);
    // The ids of the persisted tasks.
    QList<int> persistedTasks();
    // map[task id] = kind, of the persisted tasks.
    QMap<int, QString> persistedTaskKinds();

private:
    FolderView *list(int stackIndex);

    std::unique_ptr<DesktopFixture> m_desktop;
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<CacheDatabase> m_cache;
    QByteArray m_deadOrigin;
    int m_accounts = 0;
    Account m_account;
    // The service ids of the last account's seeded objects, by kind.
    QJsonObject m_ids;
};
