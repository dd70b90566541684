#include "CacheDatabase.h"
#include "DesktopFixture.h"
#include "MainWindow.h"
#include "QelvoxAPI.h"
#include "QelvoxTestCase.h"
#include "SettingsStore.h"
#include "TaskExecuter.h"
#include "TaskType.h"
#include "TestHome.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <memory>

namespace {

const int hourMs = 3600000;
const int dayMs = 86400000;

// quit() is heard only inside the application's own event loop. The watch runs that loop until the
// condition holds (bounded), counts every quit and swallows it, so that the test goes on.
class QuitWatch : public QObject
{
public:
    int quits = 0;

    bool runUntil(const std::function<bool()> &done, int timeoutMs = 20000)
    {
        const QDeadlineTimer deadline(timeoutMs);
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (done() || deadline.hasExpired())
                QCoreApplication::exit(0);
        });
        qApp->installEventFilter(this);
        poll.start(10);
        QCoreApplication::exec();
        qApp->removeEventFilter(this);
        return done();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Quit)
            return false;
        ++quits;
        return true;
    }
};

} // namespace

// The update check of a main window logged in to Ann's account on the stand-in, whose file server offers the
// installer: the answers, the question, the download into the data directory and the installer's launch.
class UpdateTest : public QelvoxTestCase
{
    Q_OBJECT

private:
    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<TestHome> m_home;
    QTranslator m_translator;
    std::unique_ptr<MainWindow> m_window;

    StandinProcess &standin() { return m_fixture->standin(); }
    PromptRecorder &prompts() { return m_fixture->prompts; }
    QTimer &updateTimer() { return *m_window->findChild<QTimer *>(QStringLiteral("updateTimer")); }
    QString fileUrl(const QString &encodedName)
    {
        return QStringLiteral("http://127.0.0.1:%1/files/%2").arg(standin().httpPort()).arg(encodedName);
    }
    static QString downloadFolder() { return SettingsStore::dataPath() + QStringLiteral("download"); }
    static QStringList downloadedFiles()
    {
        return QDir(downloadFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    void announce(const QString &version, const QString &link)
    {
        QVERIFY(standin().control("app-version", {{"version", version}, {"link", link}}).value("ok").toBool());
    }
    void serve(const QString &name, const QByteArray &content, const char *mode)
    {
        const QJsonObject body{{"name", name}, {"base64", QString::fromLatin1(content.toBase64())}, {"mode", mode}};
        QVERIFY(standin().control("file", body).value("ok").toBool());
    }
    void invoke(const char *slot)
    {
        QVERIFY(QMetaObject::invokeMethod(m_window.get(), slot, Qt::DirectConnection));
    }
    bool nextCheckIn(int intervalMs)
    {
        return updateTimer().isActive() && updateTimer().interval() == intervalMs;
    }
    QStringList boxTexts() const
    {
        QStringList texts;
        for (const MessageBoxRequest &box : std::as_const(m_fixture->prompts.boxes))
            texts << box.text;
        return texts;
    }
    // The boxes shown so far, which the test has looked at.
    QStringList takeBoxTexts()
    {
        const QStringList texts = boxTexts();
        prompts().boxes.clear();
        return texts;
    }

    void verifyQuestion(const MessageBoxRequest &box)
    {
        QCOMPARE(box.parent, m_window.get());
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.title, QStringLiteral("Information"));
        QCOMPARE(box.text, QStringLiteral("A newer version is available"));
        QCOMPARE(box.buttons.size(), 2);
        QCOMPARE(box.buttons[0].text, QStringLiteral("Download"));
        QCOMPARE(box.buttons[0].role, QMessageBox::AcceptRole);
        QCOMPARE(box.buttons[1].text, QStringLiteral("Cancel"));
        QCOMPARE(box.buttons[1].role, QMessageBox::RejectRole);
    }

protected:
    void setUp() override
    {
        m_home = std::make_unique<TestHome>();
        m_fixture->service().reset();
        SettingsStore &settings = SettingsStore::instance();
        settings.load();
        settings.setUserName(QString::fromLatin1(Accounts::annEmail));
        settings.setPassword(QString::fromStdString(Accounts::annDigest()));
        settings.setCustomerId(5001);
        settings.setLoggedIn(true);
        // A log-out shows the log-in dialog, which must not log in again by itself.
        settings.setAutoConnect(false);
        QelvoxAPI::setCredentials(Accounts::annEmail, Accounts::annDigest());
        prompts().boxes.clear();
        prompts().boxAnswers.clear();
        m_fixture->seams.launchedInstallers.clear();
        m_fixture->seams.installerStarts = false;
        announce(QString::fromLatin1(appVersion()), fileUrl(QStringLiteral("QelvoxdeskSetup.exe")));

        // The log-in queues the first check behind the start-up tasks; it finds the program up to date.
        m_window = std::make_unique<MainWindow>(&m_translator);
        QVERIFY(QMetaObject::invokeMethod(m_window.get(), "eventLogoutClose", Qt::DirectConnection,
                                          Q_ARG(int, 5001), Q_ARG(bool, false)));
        // Its end: the full review's fetches have run as well, so no other task is left to touch the tray.
        CacheDatabase cache;
        QVERIFY(cache.open());
        QTRY_VERIFY_WITH_TIMEOUT(nextCheckIn(dayMs) && cache.timestamp() > 0, 20000);
        QCOMPARE(m_fixture->service().operations().count("getAppVersion"), 1);
        QVERIFY(prompts().boxes.isEmpty());
    }

    void tearDown() override
    {
        m_window.reset();
        SettingsStore::instance().setLoggedIn(false);
        QVERIFY2(prompts().boxes.isEmpty(), qPrintable(boxTexts().join(" | ")));
        m_home.reset();
    }

private slots:
    void initTestCase()
    {
        m_fixture = std::make_unique<DesktopFixture>();
        QVERIFY(m_fixture->startService());
    }

    void cleanupTestCase() { m_fixture.reset(); }

    // Version "" stands for a check the service does not answer.
    void answerDecidesTheNextCheck_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("manual");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("nextCheckMs");
        const QString current = QString::fromLatin1(appVersion());
        const QStringList question{QStringLiteral("A newer version is available")};
        const QString unanswered = QStringLiteral("Qelvoxdesk could not check for a newer version.");
        QTest::newRow("up to date, manual") << current << true << -1 << QStringList{"Qelvoxdesk is up to date"} << dayMs;
        QTest::newRow("up to date, automatic") << current << false << -1 << QStringList() << dayMs;
        QTest::newRow("older, manual") << QStringLiteral("1.0") << true << -1 << QStringList{"Qelvoxdesk is up to date"} << dayMs;
        QTest::newRow("no answer, manual") << QString() << true << -1 << QStringList{unanswered} << hourMs;
        QTest::newRow("no answer, automatic") << QString() << false << -1 << QStringList() << hourMs;
        QTest::newRow("newer, Cancel") << QStringLiteral("99.0") << false << 1 << question << hourMs;
        QTest::newRow("newer, box closed") << QStringLiteral("99.0") << true << -1 << question << hourMs;
    }

    void answerDecidesTheNextCheck()
    {
        QFETCH(QString, version);
        QFETCH(bool, manual);
        QFETCH(int, answer);
        if (version.isEmpty())
            m_fixture->service().injectOnce("getAppVersion", {{"kind", "http-status"}, {"status", 503}});
        else
            announce(version, fileUrl(QStringLiteral("QelvoxdeskSetup.exe")));
        prompts().boxAnswers = {answer};

        invoke(manual ? "eventUpdateManual" : "eventUpdate");
        QVERIFY(!updateTimer().isActive());
        QTRY_VERIFY_WITH_TIMEOUT(updateTimer().isActive(), 20000);
        QTEST(updateTimer().interval(), "nextCheckMs");
        if (!prompts().boxes.isEmpty() && prompts().boxes[0].buttons.size() == 2)
            verifyQuestion(prompts().boxes[0]);
        QTEST(takeBoxTexts(), "boxes");
        QVERIFY(downloadedFiles().isEmpty());
        QVERIFY(m_fixture->seams.launchedInstallers.isEmpty());
    }

    // A manual check that got no answer says so at once; the automatic check an hour later is silent again,
    // whatever it finds.
    void unansweredManualCheckIsToldOnce()
    {
        m_fixture->service().injectOnce("getAppVersion", {{"kind", "close"}, {"cutAfter", 0}});
        invoke("eventUpdateManual");
        QTRY_VERIFY_WITH_TIMEOUT(nextCheckIn(hourMs), 20000);
        QCOMPARE(takeBoxTexts(), QStringList{"Qelvoxdesk could not check for a newer version."});

        updateTimer().setInterval(0);
        QTRY_VERIFY_WITH_TIMEOUT(!updateTimer().isActive(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(nextCheckIn(dayMs), 20000);
        QVERIFY(prompts().boxes.isEmpty());
    }

    // The installer lands under a safe name in the data directory's download folder; the program quits only
    // when the launcher started it, and otherwise says where the file is and asks again in an hour.
    void downloadedInstallerIsLaunched_data()
    {
        QTest::addColumn<bool>("starts");
        QTest::newRow("installer started") << true;
        QTest::newRow("installer not started") << false;
    }

    void downloadedInstallerIsLaunched()
    {
        QFETCH(bool, starts);
        m_fixture->seams.installerStarts = starts;
        QByteArray content("MZ installer\r\n\0\x01\x02", 17);
        content += QByteArray(300000, '\x5a');
        serve(QStringLiteral("Qelvox Setup (2).exe"), content, "serve");
        announce(QStringLiteral("99.0"), fileUrl(QStringLiteral("Qelvox%20Setup%20(2).exe")));
        prompts().boxAnswers = {0};
        const QString path = downloadFolder() + QStringLiteral("/Qelvox_Setup__2_.exe");

        invoke("eventUpdateManual");
        QuitWatch watch;
        QVERIFY(watch.runUntil([&] {
            return !m_fixture->seams.launchedInstallers.isEmpty() && (starts || updateTimer().isActive());
        }));

        QCOMPARE(m_fixture->seams.launchedInstallers, QStringList{path});
        QCOMPARE(watch.quits, starts ? 1 : 0);
        QCOMPARE(downloadedFiles(), QStringList{"Qelvox_Setup__2_.exe"});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
        verifyQuestion(prompts().boxes.takeFirst());
        if (starts) {
            QVERIFY(!updateTimer().isActive());
        } else {
            QCOMPARE(updateTimer().interval(), hourMs);
            const QStringList texts = takeBoxTexts();
            QCOMPARE(texts.size(), 1);
            QVERIFY2(texts[0].contains(QDir::toNativeSeparators(path)), qPrintable(texts[0]));
        }
    }

    // An installer already downloaded under the name is replaced only by a complete one.
    void failedDownloadLeavesNoFile_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::newRow("not found") << QByteArray("404");
        QTest::newRow("connection cut halfway") << QByteArray("cut");
    }

    void failedDownloadLeavesNoFile()
    {
        QFETCH(QByteArray, mode);
        serve(QStringLiteral("QelvoxdeskSetup.exe"), QByteArray(200000, 'x'), mode.constData());
        announce(QStringLiteral("99.0"), fileUrl(QStringLiteral("QelvoxdeskSetup.exe")));
        QVERIFY(QDir().mkpath(downloadFolder()));
        QFile stale(downloadFolder() + QStringLiteral("/QelvoxdeskSetup.exe"));
        QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write("old") == 3);
        stale.close();
        prompts().boxAnswers = {0};

        invoke("eventUpdate");
        QuitWatch watch;
        QVERIFY(watch.runUntil([&] { return updateTimer().isActive(); }));

        QCOMPARE(updateTimer().interval(), hourMs);
        QCOMPARE(watch.quits, 0);
        QVERIFY(m_fixture->seams.launchedInstallers.isEmpty());
        QCOMPARE(downloadedFiles(), QStringList());
        QCOMPARE(takeBoxTexts(),
                 QStringList({"A newer version is available", "The new version could not be downloaded."}));
    }

    // Log-out waits for the running check and applies its answer to the closing session: no question then,
    // and no check armed for a session that is gone.
    void answerDuringLogOutIsDropped()
    {
        announce(QStringLiteral("99.0"), fileUrl(QStringLiteral("QelvoxdeskSetup.exe")));
        m_fixture->service().injectOnce("getAppVersion", {{"kind", "delay"}, {"delayMs", 500}});
        auto *worker = m_window->findChild<TaskExecuter *>();
        invoke("eventUpdate");
        QTRY_VERIFY_WITH_TIMEOUT(worker->isRunning() && worker->currentTask.type == TaskType::CHECK_APP_VERSION,
                                 20000);

        invoke("eventLogout");
        bool settled = false;
        QMetaObject::invokeMethod(m_window.get(), [&] { settled = true; }, Qt::QueuedConnection);
        QTRY_VERIFY(settled);
        QVERIFY(prompts().boxes.isEmpty());
        QVERIFY(!updateTimer().isActive());
        QCOMPARE(m_fixture->service().operations().count("getAppVersion"), 2);
    }

    // The check reports no service status: neither its answer nor its failure touches the tray's look.
    void checkNeverChangesTheOnlineLook_data()
    {
        QTest::addColumn<bool>("online");
        QTest::addColumn<bool>("answered");
        QTest::newRow("online, service gone") << true << false;
        QTest::newRow("offline, service answers") << false << true;
    }

    void checkNeverChangesTheOnlineLook()
    {
        QFETCH(bool, online);
        QFETCH(bool, answered);
        // Seen: the online look is the plain icon, not a badge drawn anew each time.
        m_window->showFromTray();
        emit m_window->signalRefreshOnline(online);
        const qint64 look = m_fixture->tray()->icon.cacheKey();
        emit m_window->signalRefreshOnline(!online);
        QVERIFY(m_fixture->tray()->icon.cacheKey() != look);
        emit m_window->signalRefreshOnline(online);
        QCOMPARE(m_fixture->tray()->icon.cacheKey(), look);
        if (!answered)
            m_fixture->service().injectOnce("getAppVersion", {{"kind", "close"}, {"cutAfter", 0}});

        invoke("eventUpdate");
        QTRY_VERIFY_WITH_TIMEOUT(nextCheckIn(answered ? dayMs : hourMs), 20000);
        QCOMPARE(m_fixture->tray()->icon.cacheKey(), look);
    }
};

QTEST_MAIN(UpdateTest)
#include "tst_update.moc"
