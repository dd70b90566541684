// Start-up of the stand-in: seed files, a state file across runs, refusals, clean stop.

#include "QelvoxTestCase.h"
#include "SoapMessages.h"
#include "StandinProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

using namespace soapmsg;

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(content);
    return file.fileName();
}

} // namespace

class StandinStartupTest : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void seedFileAtStart();
    void configuredFilesAndVersion();
    void unusableStartIsRefused_data();
    void unusableStartIsRefused();
    void stateFileSurvivesARestart();
    void stopsCleanly();
    void shutdownCommandEndsTheService();

private:
    QTemporaryDir dir;
};

void StandinStartupTest::seedFileAtStart()
{
    const QJsonObject seed{{"accounts", QJsonArray{QJsonObject{
                                            {"email", "seeded@example.test"},
                                            {"passwordDigest", QString::fromLatin1(md5("pw"))},
                                            {"customerId", 5005},
                                        }}}};
    const QString path = writeFile(dir, "seed.json", QJsonDocument(seed).toJson());
    StandinProcess standin({"--seed", path});
    QVERIFY2(standin.start(), qPrintable(standin.errorText()));
    const HttpExchange::Response reply =
        standin.send(accountCall("authenticate", {}, {"seeded@example.test", md5("pw")}));
    QCOMPARE(text(reply.body, "return"), QString("5005"));
}

void StandinStartupTest::configuredFilesAndVersion()
{
    QVERIFY(QDir().mkpath(dir.filePath("files")));
    const QString installer = writeFile(dir, "files/Setup-2.30.exe", "new installer");
    QVERIFY(!installer.isEmpty());
    StandinProcess standin({"--demo", "--files", dir.filePath("files"), "--app-version", "2.30", "--app-link",
                            "http://127.0.0.1:1/files/Setup-2.30.exe"});
    QVERIFY2(standin.start(), qPrintable(standin.errorText()));
    const HttpExchange::Response file = standin.send(HttpExchange::get("/files/Setup-2.30.exe"));
    QCOMPARE(file.status, 200);
    QCOMPARE(file.body, QByteArray("new installer"));
    const HttpExchange::Response version =
        standin.send(accountCall("getAppVersion", stringParam("os", "WIN") + stringParam("app", "ZQD"),
                                 {"demo@qelvox.test", md5("demo-fax-2029")}));
    QCOMPARE(text(version.body, "version"), QString("2.30"));
    QCOMPARE(text(version.body, "link"), QString("http://127.0.0.1:1/files/Setup-2.30.exe"));
}

void StandinStartupTest::unusableStartIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("seed file that is not JSON")
        << QStringList{"--seed", writeFile(dir, "broken.json", "{not json")} << "cannot read the seed file";
    QTest::newRow("missing seed file")
        << QStringList{"--seed", dir.filePath("absent.json")} << "cannot read the seed file";
    QTest::newRow("e-mail seeded twice")
        << QStringList{"--demo", "--seed",
                       writeFile(dir, "twice.json",
                                 R"({"accounts":[{"email":"demo@qelvox.test","password":"x"}]})")}
        << "exists already";
    QTest::newRow("missing files directory")
        << QStringList{"--files", dir.filePath("no-such-dir")} << "cannot read the files directory";
    QTest::newRow("port out of range") << QStringList{"--http-port", "70000"} << "ports are numbers";
}

void StandinStartupTest::unusableStartIsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    StandinProcess standin(arguments);
    QVERIFY(!standin.start());
    QVERIFY2(standin.errorText().contains(message), qPrintable(standin.errorText()));
}

void StandinStartupTest::stateFileSurvivesARestart()
{
    const QStringList arguments{"--demo", "--state", dir.filePath("state.db")};
    const Credentials demo{"demo@qelvox.test", md5("demo-fax-2029")};
    const QByteArray group =
        "<info xsi:type=\"ContactGroupInfo\">" + intParam("id", 0) + stringParam("name", "Kept") + "</info>";
    int created = 0;
    {
        StandinProcess first(arguments);
        QVERIFY2(first.start(), qPrintable(first.errorText()));
        created =
            ints(first.send(accountCall("updateContactGroupInfo", group, demo)).body, "return").value(1);
        QVERIFY(created > 0);
    }
    StandinProcess second(arguments);
    QVERIFY2(second.start(), qPrintable(second.errorText()));
    const QByteArray wanted = "<data xsi:type=\"SOAP-ENC:Array\" SOAP-ENC:arrayType=\"ObjectData[1]\">"
                              "<item xsi:type=\"ObjectData\">" +
                              intParam("object", created) + intParam("type", 5) + "</item></data>";
    const auto groups = items(second.send(accountCall("getObjects", wanted, demo)).body, "contactgroups");
    QCOMPARE(groups,
             (QList<QList<QPair<QString, QString>>>{{{"id", QString::number(created)}, {"name", "Kept"}}}));
}

void StandinStartupTest::stopsCleanly()
{
    StandinProcess standin;
    QVERIFY2(standin.start(), qPrintable(standin.errorText()));
    const quint16 port = standin.httpPort();
    QVERIFY(standin.stop());
    QVERIFY(!HttpExchange::send(port, HttpExchange::get("/control/ping"), {}, 2000).connected);
}

void StandinStartupTest::shutdownCommandEndsTheService()
{
    StandinProcess standin;
    QVERIFY2(standin.start(), qPrintable(standin.errorText()));
    QVERIFY(standin.control("shutdown").value("ok").toBool());
    QTRY_VERIFY_WITH_TIMEOUT(!standin.isRunning(), 5000);
    QVERIFY(standin.stop());
}

QTEST_GUILESS_MAIN(StandinStartupTest)
#include "tst_standin_startup.moc"
