#include "QelvoxTestCase.h"
#include "SettingsStore.h"
#include "TestFiles.h"
#include "TestHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>
#include <QThread>
#include <functional>
#include <memory>

using Getter = std::function<QVariant(const SettingsStore &)>;
using Setter = std::function<void(SettingsStore &)>;

namespace {

const QMap<QString, Getter> &getters()
{
    static const QMap<QString, Getter> all{
        {"customerId", [](const SettingsStore &s) { return s.customerId(); }},
        {"inboxId", [](const SettingsStore &s) { return s.inboxId(); }},
        {"outboxId", [](const SettingsStore &s) { return s.outboxId(); }},
        {"autoConnect", [](const SettingsStore &s) { return s.autoConnect(); }},
        {"userName", [](const SettingsStore &s) { return s.userName(); }},
        {"password", [](const SettingsStore &s) { return s.password(); }},
        {"reportType", [](const SettingsStore &s) { return s.reportType(); }},
        {"sound", [](const SettingsStore &s) { return s.sound(); }},
        {"outlook", [](const SettingsStore &s) { return s.outlook(); }},
        {"dithering", [](const SettingsStore &s) { return s.dithering(); }},
        {"faxFormat", [](const SettingsStore &s) { return s.faxFormat(); }},
        {"syncInterval", [](const SettingsStore &s) { return s.syncInterval(); }},
        {"proxyEnabled", [](const SettingsStore &s) { return s.proxyEnabled(); }},
        {"proxyPort", [](const SettingsStore &s) { return s.proxyPort(); }},
        {"proxyHost", [](const SettingsStore &s) { return s.proxyHost(); }},
        {"proxyUserId", [](const SettingsStore &s) { return s.proxyUserId(); }},
        {"proxyPassword", [](const SettingsStore &s) { return s.proxyPassword(); }},
        {"effectiveLanguage", [](const SettingsStore &s) { return s.effectiveLanguage(); }},
    };
    return all;
}

// The raw text of group/key in an ini file, read from its lines so that nothing of QSettings' in-process
// cache can stand in for what reached the disk.
QMap<QString, QString> iniValues(const QString &path)
{
    QMap<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return values;
    QString group;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString &line : lines) {
        if (line.startsWith(u'[')) {
            group = line.mid(1, line.indexOf(u']') - 1);
            continue;
        }
        const qsizetype at = line.indexOf(u'=');
        if (at > 0)
            values.insert(group + u'/' + line.left(at), line.mid(at + 1));
    }
    return values;
}

} // namespace

class SettingsStoreTest : public QelvoxTestCase
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    SettingsStore &store = SettingsStore::instance();

    void loadFrom(const QByteArray &ini)
    {
        QVERIFY(writeFile(SettingsStore::settingsFilePath(), ini));
        store.load();
    }

protected:
    void setUp() override
    {
        m_home = std::make_unique<TestHome>();
        QVERIFY(m_home->isValid());
        store.setLoggedIn(false);
        store.load();
    }
    void tearDown() override { m_home.reset(); }

private slots:

    void loadsDefaultsWithoutFile()
    {
        QCOMPARE(store.syncInterval(), 5);
        QCOMPARE(store.proxyPort(), 8080);
        QCOMPARE(store.proxyEnabled(), 0);
        QCOMPARE(store.outlook(), true);
        QCOMPARE(store.autoConnect(), false);
        QCOMPARE(store.reportType(), QStringLiteral("NO"));
        QCOMPARE(store.dithering(), 0);
        QCOMPARE(store.effectiveLanguage(), QStringLiteral("en"));
    }

    void loadAppliesDefaultsAndClamps_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QVariantMap>("expected");

        QTest::newRow("sync interval 0")
            << QByteArray("[CLIENT]\nSYNC_INTERVAL=0\n") << QVariantMap{{"syncInterval", 5}};
        QTest::newRow("sync interval 61")
            << QByteArray("[CLIENT]\nSYNC_INTERVAL=61\n") << QVariantMap{{"syncInterval", 5}};
        QTest::newRow("sync interval text")
            << QByteArray("[CLIENT]\nSYNC_INTERVAL=often\n") << QVariantMap{{"syncInterval", 5}};
        QTest::newRow("sync interval 60")
            << QByteArray("[CLIENT]\nSYNC_INTERVAL=60\n") << QVariantMap{{"syncInterval", 60}};
        QTest::newRow("dithering 2") << QByteArray("[CLIENT]\nDITHERING=2\n")
                                     << QVariantMap{{"dithering", 0}};
        QTest::newRow("dithering -1")
            << QByteArray("[CLIENT]\nDITHERING=-1\n") << QVariantMap{{"dithering", 0}};
        QTest::newRow("dithering 1") << QByteArray("[CLIENT]\nDITHERING=1\n")
                                     << QVariantMap{{"dithering", 1}};
        QTest::newRow("fax format 2")
            << QByteArray("[CLIENT]\nFAX_FORMAT=2\n") << QVariantMap{{"faxFormat", 0}};
        QTest::newRow("fax format 1")
            << QByteArray("[CLIENT]\nFAX_FORMAT=1\n") << QVariantMap{{"faxFormat", 1}};
        QTest::newRow("report type lower case")
            << QByteArray("[CLIENT]\nReportType=yes\n") << QVariantMap{{"reportType", "NO"}};
        QTest::newRow("report type padded") << QByteArray("[CLIENT]\nReportType=\" NOT_AT_ALL \"\n")
                                            << QVariantMap{{"reportType", "NOT_AT_ALL"}};
        QTest::newRow("autoconnect without password")
            << QByteArray("[CLIENT]\nAUTOCONNECT=true\nUSERNAME=a@b.c\n")
            << QVariantMap{{"autoConnect", false}, {"userName", "a@b.c"}};
        QTest::newRow("autoconnect with credentials")
            << QByteArray("[CLIENT]\nUSERNAME=\" a@b.c \"\nPASSWORD=abc\n")
            << QVariantMap{{"autoConnect", true}, {"userName", "a@b.c"}, {"password", "abc"}};
        QTest::newRow("autoconnect off")
            << QByteArray("[CLIENT]\nAUTOCONNECT=false\nUSERNAME=a\nPASSWORD=b\n")
            << QVariantMap{{"autoConnect", false}};
        QTest::newRow("ids and flags")
            << QByteArray("[CLIENT]\nCustomerID=42\nINBOX_ID=7\nOUTBOX_ID=8\nSOUND=true\nOUTLOOK=false\n")
            << QVariantMap{
                   {"customerId", 42}, {"inboxId", 7}, {"outboxId", 8}, {"sound", true}, {"outlook", false}};
        QTest::newRow("proxy enabled without host") << QByteArray("[PROXY]\nProxyEnabled=1\nPORT=3128\n")
                                                    << QVariantMap{{"proxyEnabled", 0}, {"proxyPort", 3128}};
        QTest::newRow("proxy host without enabled key")
            << QByteArray("[PROXY]\nHOST=\" proxy.lan \"\nUSERID=\" u \"\nPASSWD=\" p w \"\n")
            << QVariantMap{{"proxyEnabled", 1},
                           {"proxyHost", "proxy.lan"},
                           {"proxyUserId", "u"},
                           {"proxyPassword", "p w"},
                           {"proxyPort", 8080}};
        QTest::newRow("proxy switched off")
            << QByteArray("[PROXY]\nHOST=proxy.lan\nProxyEnabled=0\n") << QVariantMap{{"proxyEnabled", 0}};
        QTest::newRow("padded language")
            << QByteArray("[CLIENT]\nLANGUAGE=\"  FR \"\n") << QVariantMap{{"effectiveLanguage", "fr"}};
    }
    void loadAppliesDefaultsAndClamps()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QVariantMap, expected);

        loadFrom(ini);
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            QVERIFY2(getters().contains(it.key()), qPrintable(it.key()));
            QCOMPARE(getters()[it.key()](store).toString(), it.value().toString());
        }
        QCOMPARE(fileBytes(SettingsStore::settingsFilePath()), ini);
    }

    void settersWriteTheirKey_data()
    {
        QTest::addColumn<Setter>("setter");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("getter");

        auto row = [](const char *name, Setter setter, const char *key, const char *text,
                      const char *getter) {
            QTest::newRow(name) << setter << QString::fromLatin1(key) << QString::fromLatin1(text)
                                << QString::fromLatin1(getter);
        };
        row(
            "customer id", [](SettingsStore &s) { s.setCustomerId(17); }, "CLIENT/CustomerID", "17",
            "customerId");
        row(
            "autoconnect", [](SettingsStore &s) { s.setAutoConnect(true); }, "CLIENT/AUTOCONNECT", "true",
            "autoConnect");
        row(
            "language", [](SettingsStore &s) { s.setLanguage("de"); }, "CLIENT/LANGUAGE", "de",
            "effectiveLanguage");
        row(
            "user name", [](SettingsStore &s) { s.setUserName(" A@b.c"); }, "CLIENT/USERNAME", "\" A@b.c\"",
            "userName");
        row(
            "password", [](SettingsStore &s) { s.setPassword("0123abcd"); }, "CLIENT/PASSWORD", "0123abcd",
            "password");
        row(
            "report type", [](SettingsStore &s) { s.setReportType("YES"); }, "CLIENT/ReportType", "YES",
            "reportType");
        row(
            "sound", [](SettingsStore &s) { s.setSound(true); }, "CLIENT/SOUND", "true", "sound");
        row(
            "outlook", [](SettingsStore &s) { s.setOutlook(false); }, "CLIENT/OUTLOOK", "false", "outlook");
        row(
            "dithering unclamped", [](SettingsStore &s) { s.setDithering(3); }, "CLIENT/DITHERING", "3",
            "dithering");
        row(
            "fax format", [](SettingsStore &s) { s.setFaxFormat(1); }, "CLIENT/FAX_FORMAT", "1", "faxFormat");
        row(
            "sync interval unclamped", [](SettingsStore &s) { s.setSyncInterval(90); },
            "CLIENT/SYNC_INTERVAL", "90", "syncInterval");
        row(
            "proxy enabled", [](SettingsStore &s) { s.setProxyEnabled(1); }, "PROXY/ProxyEnabled", "1",
            "proxyEnabled");
        row(
            "proxy port", [](SettingsStore &s) { s.setProxyPort(3128); }, "PROXY/PORT", "3128", "proxyPort");
        row(
            "proxy host", [](SettingsStore &s) { s.setProxyHost("proxy.lan"); }, "PROXY/HOST", "proxy.lan",
            "proxyHost");
        row(
            "proxy user", [](SettingsStore &s) { s.setProxyUserId("me"); }, "PROXY/USERID", "me",
            "proxyUserId");
        row(
            "proxy password", [](SettingsStore &s) { s.setProxyPassword("s3cret"); }, "PROXY/PASSWD",
            "s3cret", "proxyPassword");
    }
    void settersWriteTheirKey()
    {
        QFETCH(Setter, setter);
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, getter);

        setter(store);
        const QMap<QString, QString> values = iniValues(SettingsStore::settingsFilePath());
        QCOMPARE(values.size(), 1);
        QCOMPARE(values.value(key), text);

        // The cache holds what was written, untrimmed and unclamped.
        const QSettings fresh(SettingsStore::settingsFilePath(), QSettings::IniFormat);
        QCOMPARE(getters()[getter](store).toString(), fresh.value(key).toString());
    }

    void textsSurviveAReload()
    {
        const QString awkward = QString::fromUtf8("p,w;d=\"x\" \u00e9\\");
        store.setProxyPassword(awkward);
        store.setUserName(QStringLiteral("first,last@b.c"));
        store.load();
        QCOMPARE(store.proxyPassword(), awkward);
        QCOMPARE(store.userName(), QStringLiteral("first,last@b.c"));
    }

    void memoryOnlySettersWriteNothing()
    {
        loadFrom("[CLIENT]\nINBOX_ID=1\nOUTBOX_ID=2\n");
        store.setInboxId(11);
        store.setOutboxId(12);
        store.setLoggedIn(true);
        QCOMPARE(store.inboxId(), 11);
        QCOMPARE(store.outboxId(), 12);
        QVERIFY(store.isLoggedIn());
        QCOMPARE(fileBytes(SettingsStore::settingsFilePath()),
                 QByteArray("[CLIENT]\nINBOX_ID=1\nOUTBOX_ID=2\n"));
    }

    void dataDirectoryAndFileAreOwnerOnly()
    {
        store.setPassword("digest");
        const QString directory = SettingsStore::dataDirectory();
        QVERIFY(directory.startsWith(m_home->path()));
        QVERIFY(directory.endsWith(QStringLiteral("/Qelvox/")));
        QCOMPARE(QFile::permissions(directory) & 0x0777, QFileDevice::Permissions(0x0700));
        QCOMPARE(QFile::permissions(SettingsStore::settingsFilePath()) & 0x0777,
                 QFileDevice::Permissions(0x0600));
    }

    // Tests and the program alike: a write goes to the file of the current data location, made
    // owner-only, never back to a location that has gone.
    void writeFollowsTheDataLocation()
    {
        store.setCustomerId(1);
        const QString first = m_home->path();
        m_home.reset();
        m_home = std::make_unique<TestHome>();
        QVERIFY(!QDir(first).exists());

        QVERIFY(store.setCustomerId(2));
        QVERIFY(!QDir(first).exists());
        QCOMPARE(iniValues(SettingsStore::settingsFilePath()).value("CLIENT/CustomerID"), QString("2"));
        QCOMPARE(QFile::permissions(SettingsStore::dataPath()) & 0x0777, QFileDevice::Permissions(0x0700));
        QCOMPARE(QFile::permissions(SettingsStore::settingsFilePath()) & 0x0777,
                 QFileDevice::Permissions(0x0600));
    }

    void unwritableFileIsReported_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::newRow("a plain file where the folder goes") << "";
        QTest::newRow("a folder where the file goes") << "Qelvoxdesk.ini";
    }
    void unwritableFileIsReported()
    {
        QFETCH(QString, blocked);
        const QString folder = SettingsStore::dataPath();
        QVERIFY(QDir(folder).removeRecursively());
        if (blocked.isEmpty())
            QVERIFY(writeFile(folder.chopped(1), "not a folder"));
        else
            QVERIFY(QDir().mkpath(folder + blocked));

        QVERIFY(!store.setUserName("a@b.c"));
        QCOMPARE(store.userName(), QStringLiteral("a@b.c"));
        QVERIFY(!store.load());
        // Nothing was made behind the store's back, neither now nor by a later flush.
        QCOMPARE(QFileInfo(folder.chopped(1)).isFile(), blocked.isEmpty());
        QCOMPARE(QFileInfo(folder + blocked).isDir(), !blocked.isEmpty());
    }

    void existingFileIsNarrowedAtLoad()
    {
        QVERIFY(QFile::setPermissions(SettingsStore::settingsFilePath(), QFileDevice::Permissions(0x6644)));
        store.load();
        QCOMPARE(QFile::permissions(SettingsStore::settingsFilePath()) & 0x0777,
                 QFileDevice::Permissions(0x0600));
    }

    void windowTitleFollowsLogIn()
    {
        store.setUserName("a@b.c");
        const QString title = QStringLiteral("Qelvoxdesk ") + QString::fromLatin1(appVersion());
        QCOMPARE(store.windowTitle(), title);
        store.setLoggedIn(true);
        QCOMPARE(store.windowTitle(), title + QStringLiteral(" (a@b.c)"));
    }

    void sameAccount_data()
    {
        QTest::addColumn<int>("customerId");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("same");
        QTest::addColumn<QString>("userAfter");
        QTest::addColumn<QString>("passwordAfter");

        QTest::newRow("no customer keeps arguments") << 0 << " A@B.c "
                                                     << " abc " << false << " A@B.c "
                                                     << " abc ";
        QTest::newRow("same, normalised") << 5 << " A@B.c "
                                          << " abc " << true << "a@b.c"
                                          << "abc";
        QTest::newRow("other password") << 5 << "a@b.c"
                                        << "abd" << false << "a@b.c"
                                        << "abd";
        QTest::newRow("other user") << 5 << "x@b.c"
                                    << "abc" << false << "x@b.c"
                                    << "abc";
        QTest::newRow("empty user") << 5 << "  "
                                    << "abc" << false << ""
                                    << "abc";
        QTest::newRow("empty password") << 5 << "a@b.c"
                                        << " " << false << "a@b.c"
                                        << "";
    }
    void sameAccount()
    {
        QFETCH(int, customerId);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(bool, same);

        loadFrom("[CLIENT]\nUSERNAME=A@b.C\nPASSWORD=abc\nCustomerID=" + QByteArray::number(customerId) +
                 "\n");
        QCOMPARE(store.isSameAccount(user, password), same);
        QTEST(user, "userAfter");
        QTEST(password, "passwordAfter");
    }

    void effectiveLanguageFallsBackToInstaller_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("installer");
        QTest::addColumn<QString>("effective");
        QTest::newRow("setting wins") << "IT "
                                      << "de"
                                      << "it";
        QTest::newRow("installer value") << ""
                                         << " RO "
                                         << "ro";
        QTest::newRow("blank setting") << "  "
                                       << "es"
                                       << "es";
        QTest::newRow("neither") << ""
                                 << ""
                                 << "en";
    }
    void effectiveLanguageFallsBackToInstaller()
    {
        QFETCH(QString, setting);
        QFETCH(QString, installer);

        QDir().mkpath(m_home->path() + "/.qttest/config/Qelvox");
        QSettings values(m_home->path() + "/.qttest/config/Qelvox/Qelvoxdesk.conf", QSettings::IniFormat);
        values.setValue("Language", installer);
        values.sync();
        store.setLanguage(setting);
        QTEST(store.effectiveLanguage(), "effective");
    }

    void dataPaths()
    {
        store.setCustomerId(42);
        const QString customer = store.customerDirectory();
        QCOMPARE(customer, SettingsStore::dataDirectory() + QStringLiteral("42"));
        QVERIFY(QFileInfo(customer).isDir());
        QCOMPARE(store.cacheDatabasePath(), customer + QStringLiteral("/cache.db"));
        QCOMPARE(store.outlookCsvPath(), customer + QStringLiteral("/outlook.csv"));
        QCOMPARE(SettingsStore::outlookExporterPath(),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/outlookcontacts"));
    }

    void localCacheNeedsPasswordCustomerAndFile()
    {
        store.setCustomerId(42);
        QVERIFY(!store.hasLocalCache());
        QVERIFY(writeFile(store.cacheDatabasePath(), "db"));
        QVERIFY(!store.hasLocalCache());
        store.setPassword("digest");
        QVERIFY(store.hasLocalCache());
        store.setCustomerId(0);
        QVERIFY(!store.hasLocalCache());
    }

    void autostartEntryFollowsSetting()
    {
        QVERIFY(!SettingsStore::isAutostart());
        QVERIFY(SettingsStore::setAutostart(true));
        QVERIFY(SettingsStore::isAutostart());
        const QString entry = QString::fromUtf8(
            fileBytes(m_home->path() + QStringLiteral("/.qttest/config/autostart/Qelvoxdesk.desktop")));
        QVERIFY2(entry.contains(QStringLiteral("\nExec=\"") + QCoreApplication::applicationFilePath() +
                                QStringLiteral("\" -silent\n")),
                 qPrintable(entry));
        QVERIFY(SettingsStore::setAutostart(false));
        QVERIFY(!SettingsStore::isAutostart());
    }

    // Each of these takes the store's mutex once; calling a locking getter inside would deadlock.
    void compositeOperationsDoNotRelock()
    {
        std::unique_ptr<QThread> caller(QThread::create([this] {
            QString user = "a";
            QString password = "b";
            store.setCustomerId(3);
            store.isSameAccount(user, password);
            store.windowTitle();
            store.effectiveLanguage();
            store.customerDirectory();
            store.cacheDatabasePath();
            store.hasLocalCache();
            store.outlookCsvPath();
            store.proxy();
        }));
        caller->start();
        // A deadlocked thread can be neither joined nor stopped: end the run at once with the reason.
        if (!caller->wait(10000))
            qFatal("a composite operation of the settings store took its own lock again");
    }

    void newerVersion_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<bool>("newer");
        QTest::newRow("2.30") << QByteArray("2.30") << true;
        QTest::newRow("2.29") << QByteArray("2.29") << false;
        QTest::newRow("2.28") << QByteArray("2.28") << false;
        QTest::newRow("2.3") << QByteArray("2.3") << false;
        QTest::newRow("2.291") << QByteArray("2.291") << true;
        QTest::newRow("10.0") << QByteArray("10.0") << true;
        QTest::newRow("3") << QByteArray("3") << true;
        QTest::newRow("2.29.1") << QByteArray("2.29.1") << true;
        QTest::newRow("2.29.0") << QByteArray("2.29.0") << false;
        QTest::newRow("1.99.9") << QByteArray("1.99.9") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("not a number") << QByteArray("v3.0") << false;
        QTest::newRow("trailing text") << QByteArray("3.0beta") << false;
    }
    void newerVersion()
    {
        QFETCH(QByteArray, version);
        QTEST(isNewerVersion(version), "newer");
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"
