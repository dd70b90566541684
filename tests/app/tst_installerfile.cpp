#include "InstallerFile.h"
#include "QelvoxTestCase.h"
#include "SettingsStore.h"
#include "TestHome.h"

#include <QFileInfo>
#include <QTest>
#include <QUrl>

// Where a downloaded installer goes: the address comes from the service, so its name must never reach
// outside the download folder, hide itself or be empty.
class InstallerFileTest : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void installerNameIsSafe_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "http://host/files/QelvoxdeskSetup.exe" << "QelvoxdeskSetup.exe";
        QTest::newRow("query dropped") << "https://host/get/Setup-2.30_x86.msi?lang=de&x=/y" << "Setup-2.30_x86.msi";
        QTest::newRow("encoded separators") << "http://host/files/..%2F..%2F.bashrc" << "bashrc";
        QTest::newRow("backslashes") << "http://host/..%5C..%5Cevil.exe" << "_.._evil.exe";
        QTest::newRow("blanks and letters beyond ASCII") << "http://host/Qelvox%20d%C3%A9sk.exe" << "Qelvox_d_sk.exe";
        QTest::newRow("control characters") << "http://host/setup.exe%00%0A.sh" << "setup.exe__.sh";
        QTest::newRow("dot-dot only") << "http://host/files/.." << "installer";
        QTest::newRow("no name") << "http://host/" << "installer";
        QTest::newRow("no path") << "http://host" << "installer";
        QTest::newRow("long") << "http://host/" + QString(300, 'a') + ".exe" << QString(96, 'a') + ".exe";
    }

    void installerNameIsSafe()
    {
        QFETCH(QString, address);
        QTEST(installerFileName(QUrl(address)), "name");
    }

    void pathIsInThePrivateDownloadFolder()
    {
        TestHome home;
        const QString path = installerDownloadPath(QUrl(QStringLiteral("http://host/a/..%2F..%2Fsetup.exe")));
        QCOMPARE(path, SettingsStore::dataPath() + QStringLiteral("download/setup.exe"));
        const QFileInfo folder(QFileInfo(path).absolutePath());
        QVERIFY(folder.isDir());
        QCOMPARE(folder.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther), 0);
    }
};

QTEST_MAIN(InstallerFileTest)
#include "tst_installerfile.moc"
