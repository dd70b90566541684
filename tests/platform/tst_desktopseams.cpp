#include "FolderInstallerLauncher.h"
#include "LocalInstanceChannel.h"
#include "UrlRecorder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// The real desktop seams that can run without a desktop.
class DesktopSeamsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_runtime;

    // A socket file as a killed instance leaves it: bound, then abandoned without anybody listening.
    static bool leaveStaleSocket(const QString &path)
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        qstrncpy(address.sun_path, name.constData(), sizeof address.sun_path);
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        ::close(fd);
        return bound && QFile::exists(path);
    }

private slots:
    void initTestCase()
    {
        // The channel lives in the user's runtime directory; this test gets one of its own.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        QVERIFY(LocalInstanceChannel::socketPath().startsWith(m_runtime.path()));
    }

    void firstStartOwnsTheChannelAndALaterOneIsForwarded()
    {
        LocalInstanceChannel first;
        QCOMPARE(first.claim(), InstanceChannel::Claim::Owner);
        QSignalSpy shows(&first, &InstanceChannel::showRequested);

        LocalInstanceChannel second;
        QCOMPARE(second.claim(), InstanceChannel::Claim::Forwarded);
        QVERIFY(shows.wait(5000));
        QCOMPARE(shows.size(), 1);
    }

    void aSocketLeftByAKilledInstanceDoesNotBlockTheNextStart()
    {
        QVERIFY(leaveStaleSocket(LocalInstanceChannel::socketPath()));
        LocalInstanceChannel channel;
        QCOMPARE(channel.claim(), InstanceChannel::Claim::Owner);
        QVERIFY(channel.errorText().isEmpty());
    }

    void aChannelThatCannotBeCreatedFailsWithAReason()
    {
        // A socket path longer than the kernel takes: listening fails whatever the user's rights.
        const QString deep = m_runtime.filePath(QString(120, QLatin1Char('d')));
        QVERIFY(QDir().mkpath(deep));
        QFile::setPermissions(deep, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(deep));
        LocalInstanceChannel channel;
        const InstanceChannel::Claim claim = channel.claim();
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        QCOMPARE(claim, InstanceChannel::Claim::Failed);
        QVERIFY(!channel.errorText().isEmpty());
    }

    void installerIsNeverExecutedItsFolderIsOpened()
    {
        QTemporaryDir downloads;
        const QString installer = downloads.filePath(QStringLiteral("setup.exe"));
        UrlRecorder urls;
        FolderInstallerLauncher launcher;
        QVERIFY(!launcher.launch(installer));
        QCOMPARE(urls.opened, QList<QUrl>({QUrl::fromLocalFile(downloads.path())}));
    }
};

QTEST_MAIN(DesktopSeamsTest)
#include "tst_desktopseams.moc"
