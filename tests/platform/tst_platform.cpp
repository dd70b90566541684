#include "AutostartEntry.h"
#include "DesktopApplications.h"
#include "InstallerValues.h"
#include "PlatformPaths.h"
#include "QelvoxTestCase.h"
#include "TestHome.h"

#include <QDir>
#include <QElapsedTimer>
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

    // The desktop's table of default applications, asked through xdg-mime (here a script of the test's
    // own, first on the search path): only a clear "none" says that nothing would open the file.
    void desktopDefaultApplication_data()
    {
        QTest::addColumn<QByteArray>("script"); // the body of xdg-mime; none: no xdg-mime at all
        QTest::addColumn<bool>("hasDefault");
        QTest::newRow("an application is named") << QByteArray("echo viewer.desktop") << true;
        QTest::newRow("none is set") << QByteArray("echo") << false;
        QTest::newRow("the query fails") << QByteArray("echo broken >&2; exit 2") << true;
        QTest::newRow("no answer in time") << QByteArray("sleep 5") << true;
        QTest::newRow("no xdg-mime") << QByteArray() << true;
    }
    void desktopDefaultApplication()
    {
        QFETCH(QByteArray, script);
        const QString bin = m_home->path() + QStringLiteral("/bin");
        QVERIFY(QDir().mkpath(bin));
        const QString asked = m_home->path() + QStringLiteral("/asked");
        if (!script.isEmpty()) {
            QFile tool(bin + QStringLiteral("/xdg-mime"));
            QVERIFY(tool.open(QIODevice::WriteOnly));
            tool.write("#!/bin/sh\necho \"$@\" > '" + asked.toUtf8() + "'\n" + script + "\n");
            tool.close();
            QVERIFY(tool.setPermissions(tool.permissions() | QFileDevice::ExeOwner));
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", script.isEmpty() ? bin.toUtf8() : bin.toUtf8() + ':' + path);
        QElapsedTimer took;
        took.start();
        const QString document = m_home->path() + QStringLiteral("/Fax_rx_7.pdf");
        const bool hasDefault = DesktopApplications::hasDefaultFor(document);
        qputenv("PATH", path);
        QTEST(hasDefault, "hasDefault");
        QVERIFY(took.elapsed() < 4000);
        if (script.isEmpty())
            return;
        QFile question(asked);
        QVERIFY(question.open(QIODevice::ReadOnly));
        QCOMPARE(question.readAll().trimmed(), QByteArray("query default application/pdf"));
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
