#include "CacheDatabase.h"
#include "ContactMenu.h"
#include "EntitiesView.h"
#include "FolderMenu.h"
#include "FolderView.h"
#include "Languages.h"
#include "LoginDlg.h"
#include "MainWindow.h"
#include "MainWindowTestCase.h"
#include "QelFolderMenu.h"
#include "SettingsStore.h"
#include "StandinWaits.h"
#include "TaskExecuter.h"
#include "TrayPresence.h"
#include "qtObjectsInfo.h"

#include <QCursor>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <QWidgetAction>
#include <chrono>
#include <thread>

namespace {

// The entries of a tool bar or menu by object name, a separator as "|", a widget by its class.
QString entries(const QWidget *container)
{
    QStringList names;
    for (QAction *action : container->actions()) {
        if (action->isSeparator())
            names << QStringLiteral("|");
        else if (action->menu())
            names << action->menu()->objectName();
        else if (auto *widgetAction = qobject_cast<QWidgetAction *>(action))
            names << QString::fromLatin1(widgetAction->defaultWidget()->metaObject()->className());
        else
            names << action->objectName();
    }
    return names.join(QLatin1Char(' '));
}

QStringList names(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QStringList visibleActions(const MainWindow &window)
{
    QStringList visible;
    for (QAction *action : window.findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (action->objectName().startsWith(QLatin1String("action")) && action->isVisible())
            visible << action->objectName();
    }
    visible.sort();
    return visible;
}

// What the user reads in the window's frame, the tree and the log-in dialog.
QStringList frameTexts(MainWindow &window)
{
    auto *tree = window.findChild<EntitiesView *>();
    QStringList texts{window.findChild<QAction *>("actionFax")->text(),
                      window.findChild<QAction *>("actionAccount")->toolTip(),
                      window.findChild<QMenu *>("menuFile")->title(),
                      tree->headerItem()->text(0)};
    for (int top = 0; top < tree->topLevelItemCount(); ++top)
        texts << tree->topLevelItem(top)->text(0);
    texts << window.findChild<LoginDlg *>()->ui_btnAction->text() << window.windowTitle();
    return texts;
}

// A main window whose translator is installed, as the application installs its own, so that loading a
// language reaches every window.
class TranslatedWindow
{
public:
    TranslatedWindow()
    {
        QCoreApplication::installTranslator(&m_translator);
        window = std::make_unique<MainWindow>(&m_translator);
    }
    ~TranslatedWindow()
    {
        window.reset();
        QCoreApplication::removeTranslator(&m_translator);
    }

    std::unique_ptr<MainWindow> window;

private:
    QTranslator m_translator;
};

} // namespace

// The main window's frame: when it shows, its log-out and language switch, its actions by view and the
// order of its tool bar and menus.
class MainWindowTest : public MainWindowTestCase
{
    Q_OBJECT

private:
    MainWindow &window() { return *m_session.window(); }
    QAction *action(const char *name) { return window().findChild<QAction *>(name); }
    LoginDlg *login() { return window().findChild<LoginDlg *>(); }
    TrayPresence *tray() { return window().findChild<TrayPresence *>(); }

protected:
    void setUp() override
    {
        MainWindowTestCase::setUp();
        SettingsStore::instance().setAutoConnect(false);
    }

private slots:

    void showMainState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<bool>("startsShown");
        QTest::addColumn<bool>("windowShown");
        QTest::addColumn<bool>("loginShown");
        QTest::addColumn<bool>("traySendOff");
        QTest::newRow("0, logged in") << 0 << true << false << true << false << false;
        QTest::newRow("0, nobody") << 0 << false << true << false << true << true;
        QTest::newRow("1, logged in") << 1 << true << true << false << true << true;
        QTest::newRow("1, nobody") << 1 << false << true << false << true << true;
        QTest::newRow("2, logged in") << 2 << true << false << true << false << false;
        QTest::newRow("2, nobody") << 2 << false << false << false << true << false;
        QTest::newRow("3, logged in") << 3 << true << true << true << false << false;
        QTest::newRow("-1, nobody") << -1 << false << false << false << false << false;
    }

    void showMainState()
    {
        QFETCH(int, state);
        QFETCH(bool, loggedIn);
        QFETCH(bool, startsShown);
        QFETCH(bool, windowShown);
        QFETCH(bool, loginShown);
        QFETCH(bool, traySendOff);
        SettingsStore::instance().setLoggedIn(loggedIn);
        window().setKeepHidden(false);
        window().setVisible(startsShown);
        action("actionTrayFax")->setEnabled(true);
        action("actionTraySMS")->setEnabled(true);
        login()->ui_password->setText(QStringLiteral("typed"));

        window().showMainState(state);
        QCOMPARE(window().isVisible(), windowShown);
        QCOMPARE(login()->isVisible(), loginShown);
        // Every log-in form that shows starts with an empty password.
        QCOMPARE(login()->ui_password->text().isEmpty(), loginShown);
        QCOMPARE(action("actionTrayFax")->isEnabled(), !traySendOff);
        QCOMPARE(action("actionTraySMS")->isEnabled(), !traySendOff);
    }

    void keepHiddenHoldsUntilTheTrayOpensTheWindow_data()
    {
        QTest::addColumn<bool>("trayAvailable");
        QTest::addColumn<bool>("loggedIn");
        QTest::newRow("tray, logged in") << true << true;
        QTest::newRow("tray, nobody logged in") << true << false;
        QTest::newRow("no tray, logged in") << false << true;
        QTest::newRow("no tray, nobody logged in") << false << false;
    }

    void keepHiddenHoldsUntilTheTrayOpensTheWindow()
    {
        QFETCH(bool, trayAvailable);
        QFETCH(bool, loggedIn);
        SettingsStore::instance().setLoggedIn(loggedIn);
        m_session.window();
        m_session.tray()->available = trayAvailable;
        // Without a tray nothing else could ever bring a hidden window back.
        const bool alwaysShown = !trayAvailable && loggedIn;

        // The end of the start-up: a log-in completed meanwhile leaves the window to the tray.
        window().setKeepHidden(false);
        QCOMPARE(window().isVisible(), alwaysShown);
        window().show();
        QVERIFY(window().isVisible());
        // "-silent": hidden at once, and nothing but the tray brings the window back.
        window().setKeepHidden(true);
        QCOMPARE(window().isVisible(), alwaysShown);
        window().show();
        window().showMainState(0);
        QCOMPARE(window().isVisible(), alwaysShown);

        window().hide();
        window().notifyNewItem(2);
        login()->ui_password->setText(QStringLiteral("typed"));
        window().showFromTray();
        QCOMPARE(tray()->newItems(), 0);
        QCOMPARE(window().isVisible(), loggedIn);
        QCOMPARE(login()->isVisible(), !loggedIn);
        QCOMPARE(login()->ui_password->text().isEmpty(), !loggedIn);
        // The flag is gone: an ordinary show works again.
        window().hide();
        window().show();
        QVERIFY(window().isVisible());
    }

    void logOutClearsTheSessionAndKeepsPersistedTasks()
    {
        const MainWindowSession::Account account = m_session.addAccount(
            {{"folders", QJsonArray{QJsonObject{{"name", "Invoices"}}}},
             {"receivedFaxes", QJsonArray{QJsonObject{{"sender", "+3314"}, {"pages", 1}},
                                          QJsonObject{{"sender", "+3315"}, {"folder", "Invoices"}}}}});
        QVERIFY(m_session.fillCache(account));
        const int kept = m_session.persistSms("Kept for the next log-in");
        // Out of reach, so the send stays queued while the cache fills the views.
        m_session.setReachable(false);
        m_session.logIn(account);
        window().showMainState(0);
        QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(1)"));
        QCOMPARE(m_session.label("Outbox"), QStringLiteral("Outbox(1)"));
        QCOMPARE(m_session.label("Invoices"), QStringLiteral("Invoices(1)"));
        QVERIFY(window().windowTitle().contains(account.email));

        m_session.logOut();
        QVERIFY(!SettingsStore::instance().isLoggedIn());
        QCOMPARE(m_session.inbox()->topLevelItemCount(), 0);
        QCOMPARE(m_session.outbox()->topLevelItemCount(), 0);
        QCOMPARE(m_session.contacts()->topLevelItemCount(), 0);
        QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(0)"));
        QCOMPARE(m_session.label("Outbox"), QStringLiteral("Outbox(0)"));
        QCOMPARE(m_session.label("Invoices"), QString());
        QVERIFY(!window().windowTitle().contains(account.email));
        QVERIFY(!m_session.pumpTimer()->isActive());
        QVERIFY(!m_session.syncTimer()->isActive());
        QVERIFY(!action("actionTrayFax")->isEnabled());
        QVERIFY(!m_session.showsOnline());
        QVERIFY(!window().isVisible());
        QVERIFY(login()->isVisible());
        QVERIFY(login()->ui_password->text().isEmpty());
        QCOMPARE(m_session.persistedTasks(), QList<int>{kept});
    }

    // A held reply comes in while the log-out or the exit waits: applied to the session that asked for it,
    // then the session is cleared, with no thread destroyed while it runs.
    void logOutOrExitWhileTheWorkerHoldsACall_data()
    {
        QTest::addColumn<bool>("exit");
        QTest::newRow("log-out") << false;
        QTest::newRow("exit") << true;
    }

    void logOutOrExitWhileTheWorkerHoldsACall()
    {
        QFETCH(bool, exit);
        const MainWindowSession::Account account = m_session.addAccount(
            {{"receivedFaxes", QJsonArray{QJsonObject{{"sender", "+3314"}}, QJsonObject{{"sender", "+3315"}}}}});
        m_session.service().injectOnce("getObjects", {{"kind", "hold"}});
        m_session.logIn(account);
        QTRY_COMPARE_WITH_TIMEOUT(m_session.count("getObjects"), 1, standinTimeoutMs);
        QVERIFY(m_session.worker()->isRunning());

        // The wait shows the busy cursor: the held call goes on only once it shows, or after a bound. The window
        // thread sets the cursor before it blocks and restores it only once the call has ended, so nothing
        // changes the cursor while the other thread reads it.
        bool busyCursorShown = false;
        std::thread release([this, &busyCursorShown] {
            const QDeadlineTimer bound(standinTimeoutMs);
            while (!busyCursorShown && !bound.hasExpired()) {
                const QCursor *cursor = QGuiApplication::overrideCursor();
                busyCursorShown = cursor && cursor->shape() == Qt::BusyCursor;
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            m_session.standin().control("release");
        });
        if (exit) {
            m_session.closeWindow();
        } else {
            m_session.logOut();
            QVERIFY(!m_session.worker()->isRunning());
            QCOMPARE(m_session.inbox()->topLevelItemCount(), 0);
            QCOMPARE(m_session.label("Inbox"), QStringLiteral("Inbox(0)"));
            QVERIFY(!m_session.pumpTimer()->isActive());
            QVERIFY(!m_session.syncTimer()->isActive());
        }
        release.join();
        QVERIFY(busyCursorShown);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        qtObjectsInfo cached;
        m_session.openCache()->loadAll(cached);
        QCOMPARE(cached.faxesreceived.size(), 2);
    }

    void languageSwitch()
    {
        TranslatedWindow translated;
        MainWindow &window = *translated.window;
        const QString title = SettingsStore::instance().windowTitle();
        QCOMPARE(window.findChild<QAction *>("actionFax")->text(), QStringLiteral("Send &Fax"));

        const QStringList german{"&Fax senden", "Qelvox-Konto", "&Datei", "Ordner", "Posteingang(0)",
                                 "Postausgang(0)", "Kontakte", "Anmelden", title};
        const QStringList english{"Send &Fax", "Qelvox account", "&File", "Folders", "Inbox(0)",
                                  "Outbox(0)", "Contacts", "Login", title};
        for (const auto &[code, expected] : {std::pair{"de", german}, {"xx", english}}) {
            SettingsStore::instance().setLanguage(QString::fromLatin1(code));
            QVERIFY(QMetaObject::invokeMethod(&window, "eventTranslate"));
            QTRY_COMPARE(frameTexts(window), expected);
        }
    }

    void shortcutsAreUnambiguous_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &code : languageCodes())
            QTest::newRow(qPrintable(code)) << code;
    }

    void everyLanguageSwitchShowsInTheFrame_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &code : languageCodes()) {
            if (code != QLatin1String("en"))
                QTest::newRow(qPrintable(code)) << code;
        }
    }

    void everyLanguageSwitchShowsInTheFrame()
    {
        QFETCH(QString, language);
        TranslatedWindow translated;
        MainWindow &window = *translated.window;
        const QStringList english = frameTexts(window);
        SettingsStore::instance().setLanguage(language);
        QVERIFY(QMetaObject::invokeMethod(&window, "eventTranslate"));
        QTRY_VERIFY(frameTexts(window) != english);
        SettingsStore::instance().setLanguage(QStringLiteral("en"));
        QVERIFY(QMetaObject::invokeMethod(&window, "eventTranslate"));
        QTRY_COMPARE(frameTexts(window), english);
    }

    // Qt triggers neither of two actions that share a key.
    void shortcutsAreUnambiguous()
    {
        QFETCH(QString, language);
        SettingsStore::instance().setLanguage(language);
        TranslatedWindow translated;
        QMap<QKeySequence, QString> owners;
        for (QAction *action : translated.window->findChildren<QAction *>()) {
            if (action->shortcut().isEmpty())
                continue;
            QVERIFY2(!owners.contains(action->shortcut()),
                     qPrintable(owners.value(action->shortcut()) + " and " + action->objectName()));
            owners.insert(action->shortcut(), action->objectName());
        }
        QCOMPARE(owners.value(QKeySequence(QStringLiteral("Ctrl+I"))), QStringLiteral("actionAccount"));
    }

    void actionsFollowTheView_data()
    {
        const QStringList always = names("actionAbout actionAccount actionDelete actionDeleteAll actionFax "
                                         "actionLogout actionPreferences actionSMS actionTrayFax actionTrayQuit "
                                         "actionTraySMS actionUpdate");
        const QStringList items = names("actionForward actionItemDetails actionItemMarkAsRead "
                                        "actionItemMarkAsUnread actionItemPreview actionItemsMarkAllAsRead "
                                        "actionItemsMarkAllAsUnread actionMovetoFolder");
        const QStringList contacts =
            names("actionAddContact actionAddContactGroup actionEditContacts actionExport actionImport");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("outlook");
        QTest::addColumn<QStringList>("visible");
        QTest::newRow("Inbox") << 0 << false << always + items;
        QTest::newRow("Outbox, Outlook on") << 1 << true << always + items;
        QTest::newRow("Contacts") << 2 << false << always + contacts;
        QTest::newRow("Contacts, Outlook on") << 2 << true << always + contacts + names("actionAddToContacts");
        QTest::newRow("a user folder, Outlook on") << 3 << true << always + items;
    }

    void actionsFollowTheView()
    {
        QFETCH(int, index);
        QFETCH(bool, outlook);
        QFETCH(QStringList, visible);
        SettingsStore::instance().setOutlook(outlook);
        // From another view first, so that every action has to change.
        QVERIFY(QMetaObject::invokeMethod(&window(), "eventViewActivated", Q_ARG(int, index == 2 ? 0 : 2)));
        QVERIFY(QMetaObject::invokeMethod(&window(), "eventViewActivated", Q_ARG(int, index)));
        visible.sort();
        QCOMPARE(visibleActions(window()), visible);
    }

    void entriesFollowTheForm_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("expected");
        QTest::newRow("tool bar")
            << "toolBar"
            << "actionFax actionSMS | actionAddContactGroup actionAddContact actionItemPreview actionItemDetails "
               "actionEditContacts actionDelete actionImport actionExport actionItemMarkAsRead "
               "actionItemMarkAsUnread | actionAccount actionPreferences actionOutlookContacts | actionLogout "
               "FilterBox";
        QTest::newRow("menu bar") << "menubar" << "menuFile menuEdit menuAbout";
        QTest::newRow("File") << "menuFile" << "actionFax actionSMS | actionImport actionExport | actionLogout |";
        QTest::newRow("Edit")
            << "menuEdit"
            << "actionAccount actionPreferences actionOutlookContacts | actionForward actionItemPreview "
               "actionItemDetails actionAddContactGroup actionAddContact actionAddToContacts actionEditContacts "
               "actionMovetoFolder actionDelete actionItemMarkAsRead actionItemMarkAsUnread actionSelectAll "
               "actionDeleteFolder actionRenameFolder actionCreateFolder";
        QTest::newRow("Help") << "menuAbout" << "actionUpdate actionAbout | actionTrayQuit";
        QTest::newRow("tray") << "tray" << "actionTrayFax actionTraySMS | actionTrayQuit";
        QTest::newRow("item lists")
            << "FolderMenu"
            << "actionFax actionSMS actionForward actionItemPreview actionItemDetails | actionMovetoFolder "
               "actionDelete actionItemMarkAsRead actionItemMarkAsUnread";
        QTest::newRow("contacts list")
            << "ContactMenu"
            << "actionFax actionSMS | actionAddContactGroup actionAddContact actionEditContacts actionDelete | "
               "actionImport actionExport actionAddToContacts";
        QTest::newRow("entity tree") << "QelFolderMenu" << "actionRenameFolder actionCreateFolder actionDeleteFolder";
    }

    void entriesFollowTheForm()
    {
        QFETCH(QString, container);
        QFETCH(QString, expected);
        const QWidget *widget = nullptr;
        if (container == QLatin1String("tray"))
            widget = m_session.window() ? m_session.tray()->menu.data() : nullptr;
        else if (container == QLatin1String("FolderMenu"))
            widget = window().findChild<FolderMenu *>();
        else if (container == QLatin1String("ContactMenu"))
            widget = window().findChild<ContactMenu *>();
        else if (container == QLatin1String("QelFolderMenu"))
            widget = window().findChild<QelFolderMenu *>();
        else
            widget = window().findChild<QWidget *>(container);
        QVERIFY(widget);
        QCOMPARE(entries(widget), expected);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
