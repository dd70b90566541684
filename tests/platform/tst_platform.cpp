#include "AutostartEntry.h"
#include "InstallerValues.h"
#include "PlatformPaths.h"
#include "QelvoxTestCase.h"
#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <memory>

class PlatformTest : public QelvoxTestCase
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;

    static QString execLine()
    {
        QFile file(AutostartEntry::filePath());
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return QString();
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        for (const QString &line : lines) {
            if (line.startsWith(QStringLiteral("Exec=")))
                return line.mid(5);
        }
        return QString();
    }

protected:
    void setUp() override
    {
        m_home = std::make_unique<TestHome>();
        QVERIFY(m_home->isValid());
    }
    void tearDown() override { m_home.reset(); }

private slots:

    void autostartEntryComesAndGoes()
    {
        QVERIFY(!AutostartEntry::isEnabled());
        QVERIFY(AutostartEntry::disable());

        QVERIFY(AutostartEntry::enable(QStringLiteral("/opt/qelvox/qelvoxdesk"), QStringLiteral("-silent")));
        QVERIFY(AutostartEntry::filePath().startsWith(m_home->path()));
        QVERIFY(AutostartEntry::filePath().endsWith(QStringLiteral("/autostart/Qelvoxdesk.desktop")));
        QVERIFY(AutostartEntry::isEnabled());
        QCOMPARE(execLine(), QStringLiteral("\"/opt/qelvox/qelvoxdesk\" -silent"));

        QVERIFY(AutostartEntry::disable());
        QVERIFY(!QFile::exists(AutostartEntry::filePath()));
        QVERIFY(!AutostartEntry::isEnabled());
    }

    void autostartWithoutCommandIsOff()
    {
        QDir().mkpath(QFileInfo(AutostartEntry::filePath()).absolutePath());
        QFile file(AutostartEntry::filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Desktop Entry]\nType=Application\nExec=  \n");
        file.close();
        QVERIFY(!AutostartEntry::isEnabled());
    }

    void execValueEscapesProgramPath_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/qelvoxdesk"
                               << R"("/usr/bin/qelvoxdesk" -silent)";
        QTest::newRow("blank") << "/home/a b/qelvoxdesk"
                               << R"("/home/a b/qelvoxdesk" -silent)";
        QTest::newRow("quote and dollar") << R"(/x/"$HOME")"
                                          << R"("/x/\\"\\$HOME\\"" -silent)";
        QTest::newRow("backslash") << R"(/x\y)"
                                   << R"("/x\\\\y" -silent)";
        QTest::newRow("field code") << "/x/%f"
                                    << R"("/x/%%f" -silent)";
    }
    void execValueEscapesProgramPath()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(AutostartEntry::execValue(program, QStringLiteral("-silent")), exec);
    }

    void programWithLineBreakIsRefused()
    {
        QVERIFY(!AutostartEntry::enable(QStringLiteral("/x\nExec=/bin/evil"), QStringLiteral("-silent")));
        QVERIFY(!QFile::exists(AutostartEntry::filePath()));
    }

    void installerLanguageIsReadFromItsStore()
    {
        QCOMPARE(InstallerValues::language(), QString());
        QVERIFY(InstallerValues::filePath().startsWith(m_home->path()));
        {
            QSettings values(InstallerValues::filePath(), QSettings::IniFormat);
            values.setValue(QStringLiteral("Language"), QStringLiteral("de"));
        }
        QCOMPARE(InstallerValues::language(), QStringLiteral("de"));
    }

    void privateDirectoryAndFileAreOwnerOnly()
    {
        const QString directory = m_home->path() + QStringLiteral("/a/b/private/");
        QVERIFY(PlatformPaths::makePrivateDirectory(directory));
        QCOMPARE(QFile::permissions(directory) & 0x0777, QFileDevice::Permissions(0x0700));

        const QString file = directory + QStringLiteral("secret.ini");
        QVERIFY(PlatformPaths::makePrivateFile(file));
        QCOMPARE(QFile::permissions(file) & 0x0777, QFileDevice::Permissions(0x0600));
    }

    void existingDirectoryAndFileAreNarrowed()
    {
        const QString directory = m_home->path() + QStringLiteral("/open");
        QVERIFY(QDir().mkdir(directory));
        QVERIFY(QFile::setPermissions(directory, QFileDevice::Permissions(0x7755)));
        const QString file = directory + QStringLiteral("/secret.ini");
        QFile open(file);
        QVERIFY(open.open(QIODevice::WriteOnly));
        open.write("kept");
        open.close();
        QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions(0x6644)));

        QVERIFY(PlatformPaths::makePrivateDirectory(directory));
        QVERIFY(PlatformPaths::makePrivateFile(file));
        QCOMPARE(QFile::permissions(directory) & 0x0777, QFileDevice::Permissions(0x0700));
        QCOMPARE(QFile::permissions(file) & 0x0777, QFileDevice::Permissions(0x0600));
        QVERIFY(open.open(QIODevice::ReadOnly));
        QCOMPARE(open.readAll(), QByteArray("kept"));
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
