#include "LocalInstanceChannel.h"
#include "QelvoxTestCase.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/prctl.h>
#include <vector>

namespace {

const int startTimeoutMs = 20000;

// One start of the program as a user starts it, offscreen, with the per-user folders under root.
class Start
{
public:
    Start(const QString &root, const QString &runtime, const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("HOME", root + "/home");
        environment.insert("XDG_DATA_HOME", root + "/data");
        environment.insert("XDG_CONFIG_HOME", root + "/config");
        environment.insert("XDG_RUNTIME_DIR", runtime);
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        // A test that dies must not leave the program running.
        m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_process.start(QStringLiteral(QELVOXDESK_EXECUTABLE), arguments);
    }
    ~Start() { kill(); }

    // As a crash would end it: the socket stays behind.
    void kill()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(m_process.processId()), SIGKILL);
        m_process.waitForFinished();
    }
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    bool hasEnded() const { return m_process.state() == QProcess::NotRunning; }
    // -1 while running or after a crash.
    int exitCode() const
    {
        return hasEnded() && m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }
    QString output() { return QString::fromLocal8Bit(m_process.readAll()); }

private:
    QProcess m_process;
};

// True when an instance listens on the channel; the probe asks it for nothing.
bool ownerAnswers()
{
    QLocalSocket probe;
    probe.connectToServer(LocalInstanceChannel::socketPath());
    return probe.waitForConnected(200);
}

} // namespace

// One instance of the program per user: real starts against an instance of the test's own, against each
// other, and after an instance that was killed.
class SingleInstanceTest : public QelvoxTestCase
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_runtime;
    QByteArray m_savedRuntime;
    std::vector<std::unique_ptr<Start>> m_starts;

    // This process shares the runtime folder of the starts, so that its own channel meets theirs.
    void useRuntime(const QString &path)
    {
        QVERIFY(QDir().mkpath(path));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        m_runtime = path;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(path));
    }

    Start &start(const QStringList &arguments = {})
    {
        m_starts.push_back(std::make_unique<Start>(m_root->path(), m_runtime, arguments));
        return *m_starts.back();
    }

    QList<Start *> ended()
    {
        QList<Start *> list;
        for (const auto &start : m_starts) {
            if (start->hasEnded())
                list << start.get();
        }
        return list;
    }

protected:
    void setUp() override
    {
        m_savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        m_root = std::make_unique<QTemporaryDir>();
        for (const char *folder : {"home", "data", "config"})
            QVERIFY(QDir(m_root->path()).mkpath(folder));
        useRuntime(m_root->filePath("runtime"));
    }

    void tearDown() override
    {
        for (const auto &start : m_starts) {
            if (QTest::currentTestFailed())
                qInfo().noquote() << start->output();
        }
        m_starts.clear();
        qputenv("XDG_RUNTIME_DIR", m_savedRuntime);
        m_root.reset();
    }

private slots:
    void laterStartsAskTheRunningInstanceToShow_data()
    {
        QTest::addColumn<int>("starts");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("one start") << 1 << QStringList();
        QTest::newRow("one start with -silent") << 1 << QStringList{"-silent"};
        QTest::newRow("three starts at once") << 3 << QStringList();
    }

    void laterStartsAskTheRunningInstanceToShow()
    {
        QFETCH(int, starts);
        QFETCH(QStringList, arguments);
        LocalInstanceChannel running;
        QCOMPARE(running.claim(), InstanceChannel::Claim::Owner);
        // Nobody else may talk to the running instance.
        const QFileInfo socket(LocalInstanceChannel::socketPath());
        QCOMPARE(socket.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther |
                                         QFile::WriteOther),
                 QFile::Permissions());
        QSignalSpy shows(&running, &InstanceChannel::showRequested);

        for (int i = 0; i < starts; ++i)
            start(arguments);
        QTRY_COMPARE_WITH_TIMEOUT(ended().size(), starts, startTimeoutMs);
        for (Start *later : ended())
            QCOMPARE(later->exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(shows.size(), starts, startTimeoutMs);
    }

    void simultaneousStartsLeaveOneInstance()
    {
        for (int i = 0; i < 3; ++i)
            start();
        QTRY_COMPARE_WITH_TIMEOUT(ended().size(), 2, startTimeoutMs);
        for (Start *later : ended())
            QCOMPARE(later->exitCode(), 0);
        QVERIFY(ownerAnswers());
    }

    void killedInstanceDoesNotStopTheNextStart()
    {
        Start &crashed = start();
        QTRY_VERIFY_WITH_TIMEOUT(ownerAnswers(), startTimeoutMs);
        crashed.kill();
        QVERIFY(QFileInfo::exists(LocalInstanceChannel::socketPath()));
        QVERIFY(!ownerAnswers());

        Start &next = start();
        QTRY_VERIFY_WITH_TIMEOUT(ownerAnswers(), startTimeoutMs);
        QVERIFY(next.isRunning());
        Start &later = start();
        QTRY_VERIFY_WITH_TIMEOUT(later.hasEnded(), startTimeoutMs);
        QCOMPARE(later.exitCode(), 0);
        QVERIFY(next.isRunning());
    }

    void channelThatCannotBeOpenedEndsWithAMessage()
    {
        // A socket's path holds about a hundred bytes: a deeper runtime folder cannot hold the channel.
        useRuntime(m_root->filePath(QString(120, QLatin1Char('r'))));
        Start &failed = start();
        QTRY_VERIFY_WITH_TIMEOUT(failed.hasEnded(), startTimeoutMs);
        QCOMPARE(failed.exitCode(), 1);
        const QString output = failed.output();
        QVERIFY2(output.contains(QStringLiteral("Qelvoxdesk cannot start")) &&
                     output.contains(LocalInstanceChannel::socketPath()),
                 qPrintable(output));
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
