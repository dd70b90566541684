#include "FacadeFixture.h"
#include "QelvoxTestCase.h"
#include "RecipientStatus.h"
#include "SendFaxRequest.h"
#include "qtAuthenticateInfo.h"
#include "qtFAXReceivedInfo.h"
#include "qtFAXSentInfo.h"
#include "qtSMSSentInfo.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

using namespace Accounts;

namespace {

QJsonObject lastOf(const QJsonArray &requests, const QString &operation)
{
    for (qsizetype i = requests.size() - 1; i >= 0; --i) {
        if (requests.at(i).toObject().value("operation").toString() == operation)
            return requests.at(i).toObject();
    }
    return {};
}

QString credentialsOf(const QJsonValue &request)
{
    return request.toObject().value("email").toString() + ' ' +
           request.toObject().value("password").toString();
}

QString credentials(const char *email, const std::string &digest)
{
    return QString::fromLatin1(email) + ' ' + QString::fromStdString(digest);
}

qtAuthenticateInfo login(const char *email, const std::string &digest)
{
    qtAuthenticateInfo info;
    info.username = email;
    info.password = QString::fromStdString(digest);
    return info;
}

int shiftTime()
{
    int shift = 0;
    const int status = QelvoxAPI::getShiftTime(&shift);
    return status == 0 ? shift : -status;
}

AttachmentInfo *attachment(const QString &name, const QByteArray &bytes)
{
    auto *document = new AttachmentInfo;
    document->filename = name;
    document->data = bytes.toBase64();
    return document;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class FacadeTest : public QelvoxTestCase
{
    Q_OBJECT

protected:
    void setUp() override { fixture.reset(); }

private slots:
    void initTestCase() { QVERIFY(fixture.start()); }

    void storedCredentialsUntilLogIn();
    void refusedLogInKeepsCredentials();
    void passwordChangeForGivenAccount();
    void credentialsFollowAccountChanges();
    void callsOfThreeThreadsNeverOverlap();
    void abandonedLogInHoldsNoLock();
    void cachesAndResetDoNotWaitForACall();
    void faxDocumentsTravelAsAttachments();
    void downloadReplacesTarget_data();
    void downloadReplacesTarget();
    void failedDownloadLeavesTargetAlone_data();
    void failedDownloadLeavesTargetAlone();

private:
    FacadeFixture fixture;
};

void FacadeTest::storedCredentialsUntilLogIn()
{
    QCOMPARE(shiftTime(), 3600);

    qtAuthenticateInfo bob = login(bobEmail, bobDigest());
    QelvoxAPI::authenticate(&bob);
    QCOMPARE(bob.result, 0);
    QCOMPARE(bob.customerid, 5002);

    QCOMPARE(shiftTime(), 7200);
    QList<RecipientStatus> recipients;
    const qtFAXSentInfo fax(bobSentFax, 1);
    QCOMPARE(QelvoxAPI::getRecipients(&fax, &recipients), 0);
    QCOMPARE(recipients.size(), 1);
    bool extended = true;
    QCOMPARE(QelvoxAPI::getExtendedTitle(&extended), 0);
    // The stored credentials changing later does not replace those of the log-in.
    SettingsStore::instance().setUserName("someone@example.test");
    QCOMPARE(shiftTime(), 7200);
    SettingsStore::instance().setUserName(annEmail);

    const QJsonArray requests = fixture.requests();
    QCOMPARE(fixture.operations(), QStringList({"getShiftTime", "authenticate", "getShiftTime",
                                                "getRecipients", "getExtendedTitle", "getShiftTime"}));
    QCOMPARE(credentialsOf(requests.at(0)), credentials(annEmail, annDigest()));
    for (int i = 1; i < requests.size(); ++i)
        QCOMPARE(credentialsOf(requests.at(i)), credentials(bobEmail, bobDigest()));
}

void FacadeTest::refusedLogInKeepsCredentials()
{
    qtAuthenticateInfo wrong = login(bobEmail, digest("not-bobs").toStdString());
    QelvoxAPI::authenticate(&wrong);
    QCOMPARE(wrong.result, 107);
    // The calls that follow carry what they carried before: here the stored credentials.
    QCOMPARE(shiftTime(), 3600);

    qtAuthenticateInfo bob = login(bobEmail, bobDigest());
    QelvoxAPI::authenticate(&bob);
    QCOMPARE(bob.result, 0);
    QelvoxAPI::authenticate(&wrong);
    QCOMPARE(wrong.result, 107);
    QCOMPARE(shiftTime(), 7200);

    const QJsonArray requests = fixture.requests();
    QCOMPARE(fixture.operations(),
             QStringList({"authenticate", "getShiftTime", "authenticate", "authenticate", "getShiftTime"}));
    QCOMPARE(credentialsOf(requests.at(1)), credentials(annEmail, annDigest()));
    QCOMPARE(credentialsOf(requests.at(4)), credentials(bobEmail, bobDigest()));
}

void FacadeTest::passwordChangeForGivenAccount()
{
    const std::string newDigest = digest("changed-b").toStdString();
    int reply = -5;
    QCOMPARE(QelvoxAPI::setNewPasswordFor(bobEmail, bobDigest(), newDigest, &reply), 0);
    QCOMPARE(reply, 0);
    // Afterwards the stored credentials are sent again.
    QCOMPARE(shiftTime(), 3600);
    reply = -5;
    QCOMPARE(QelvoxAPI::setNewPasswordFor(bobEmail, newDigest, bobDigest(), &reply), 0);
    QCOMPARE(reply, 0);

    const QJsonArray requests = fixture.requests();
    QCOMPARE(fixture.operations(), QStringList({"setNewPassword", "getShiftTime", "setNewPassword"}));
    QCOMPARE(credentialsOf(requests.at(0)), credentials(bobEmail, bobDigest()));
    QCOMPARE(credentialsOf(requests.at(1)), credentials(annEmail, annDigest()));
    QCOMPARE(credentialsOf(requests.at(2)), credentials(bobEmail, newDigest));
}

void FacadeTest::credentialsFollowAccountChanges()
{
    const char *const email = "carl@example.test";
    const char *const newEmail = "carl.new@example.test";
    QVERIFY(fixture.standin
                .seed(QJsonObject{
                    {"accounts",
                     QJsonArray{QJsonObject{{"email", email}, {"password", "secret-c"}, {"timeShift", 60}}}}})
                .value("ok")
                .toBool());
    QelvoxAPI::setCredentials(email, digest("secret-c").toStdString());
    const std::string newDigest = digest("changed-c").toStdString();

    int reply = -5;
    QCOMPARE(QelvoxAPI::setNewPassword(newDigest, &reply), 0);
    QCOMPARE(reply, 0);
    QCOMPARE(shiftTime(), 60);
    reply = -5;
    QCOMPARE(QelvoxAPI::setNewEmail(newEmail, &reply), 0);
    QCOMPARE(reply, 0);
    QCOMPARE(shiftTime(), 60);
    // A change that the service refuses changes nothing.
    QCOMPARE(QelvoxAPI::setNewEmail(annEmail, &reply), 0);
    QVERIFY(reply != 0);
    QCOMPARE(shiftTime(), 60);

    const QJsonArray requests = fixture.requests();
    QCOMPARE(fixture.operations(), QStringList({"setNewPassword", "getShiftTime", "setNewEmail",
                                                "getShiftTime", "setNewEmail", "getShiftTime"}));
    QCOMPARE(credentialsOf(requests.at(1)), credentials(email, newDigest));
    QCOMPARE(credentialsOf(requests.at(3)), credentials(newEmail, newDigest));
    QCOMPARE(credentialsOf(requests.at(5)), credentials(newEmail, newDigest));
}

void FacadeTest::callsOfThreeThreadsNeverOverlap()
{
    const int delayMs = 40;
    QVERIFY(fixture.standin.inject("getRecipients", {{"kind", "delay"}, {"delayMs", delayMs}})
                .value("ok")
                .toBool());
    QelvoxAPI::setCredentials(annEmail, annDigest());
    struct Caller
    {
        std::unique_ptr<BaseObject> item;
        QString expected;
        QStringList mismatches;
    };
    Caller callers[3];
    callers[0] = {std::make_unique<qtFAXSentInfo>(annSentFax, 1), "+3311 +3312", {}};
    callers[1] = {std::make_unique<qtSMSSentInfo>(annSentSms, 1), "+3366", {}};
    callers[2] = {std::make_unique<qtFAXSentInfo>(annSecondFax, 1), "+3321 +3322 +3323", {}};

    QList<QThread *> threads;
    for (Caller &caller : callers) {
        threads << QThread::create([&caller] {
            for (int i = 0; i < 20; ++i) {
                QList<RecipientStatus> list;
                const int status = QelvoxAPI::getRecipients(caller.item.get(), &list);
                QStringList numbers;
                for (const RecipientStatus &r : list)
                    numbers << r.recipient;
                if (status != 0 || numbers.join(' ') != caller.expected)
                    caller.mismatches << QStringLiteral("%1: %2").arg(status).arg(numbers.join(' '));
            }
        });
        threads.last()->start();
    }
    for (QThread *thread : threads) {
        QVERIFY(thread->wait(60000));
        delete thread;
    }
    for (const Caller &caller : callers)
        QCOMPARE(caller.mismatches, QStringList());

    // Each request reaches the stand-in only after the previous reply, which it holds back delayMs.
    const QJsonArray requests = fixture.requests();
    QCOMPARE(requests.size(), 60);
    QDateTime previous;
    for (const QJsonValue &request : requests) {
        const QDateTime received =
            QDateTime::fromString(request.toObject().value("time").toString(), Qt::ISODateWithMs);
        if (previous.isValid())
            QVERIFY2(previous.msecsTo(received) >= delayMs / 2,
                     qPrintable(request.toObject().value("time").toString()));
        previous = received;
    }
}

void FacadeTest::abandonedLogInHoldsNoLock()
{
    fixture.injectOnce("authenticate", {{"kind", "hold"}});
    const auto release = qScopeGuard([this] { fixture.standin.control("release"); });
    qtAuthenticateInfo slow = login(annEmail, annDigest());
    std::unique_ptr<QThread> thread(QThread::create([&slow] { QelvoxAPI::authenticate(&slow); }));
    thread->start();
    QTRY_VERIFY_WITH_TIMEOUT(fixture.operations().contains("authenticate"), 5000);

    // Another call goes through while the log-in waits for its reply.
    QCOMPARE(shiftTime(), 3600);
    QVERIFY(!thread->isFinished());
    QelvoxAPI::setCredentials(bobEmail, bobDigest());

    QVERIFY(fixture.standin.control("release").value("ok").toBool());
    QVERIFY(thread->wait(15000));
    QCOMPARE(slow.result, 0);
    QCOMPARE(slow.customerid, 5001);
    // The late log-in does not replace the newer credentials.
    QCOMPARE(shiftTime(), 7200);
}

void FacadeTest::cachesAndResetDoNotWaitForACall()
{
    fixture.injectOnce("getShiftTime", {{"kind", "hold"}});
    const auto release = qScopeGuard([this] { fixture.standin.control("release"); });
    int held = 0;
    std::unique_ptr<QThread> call(QThread::create([&held] { held = shiftTime(); }));
    call->start();
    QTRY_VERIFY_WITH_TIMEOUT(fixture.operations().contains("getShiftTime"), 5000);

    // What the GUI thread asks of the facade while a long call holds it.
    std::unique_ptr<QThread> gui(QThread::create([] {
        QelvoxAPI::ipNationality();
        QelvoxAPI::countries();
        QelvoxAPI::faxCountries();
        QelvoxAPI::languages();
        QelvoxAPI::resetConnection();
    }));
    gui->start();
    QVERIFY(gui->wait(5000));
    QVERIFY(!call->isFinished());

    QVERIFY(fixture.standin.control("release").value("ok").toBool());
    QVERIFY(call->wait(15000));
    QCOMPARE(held, 3600);
    QCOMPARE(shiftTime(), 3600);
}

void FacadeTest::faxDocumentsTravelAsAttachments()
{
    QByteArray binary;
    for (int i = 0; i < 256; ++i)
        binary += char(i);
    SendFaxRequest request;
    request.numbers = QStringList{"+3399"};
    request.report = "NO";
    request.attachments << attachment("report.pdf", "%PDF-1.4 first document")
                        << attachment(QString::fromUtf8("evil\r\nX-Injected: yes\"\\\x01.pdf"), binary);
    request.sentstatus = 2;
    QelvoxAPI::setCredentials(annEmail, annDigest());
    QCOMPARE(QelvoxAPI::sendFaxRegister(&request), 0);
    QCOMPARE(request.sentstatus, 2);
    QVERIFY(request.remoteid > 0);

    const QJsonArray documents = lastOf(fixture.requests(), "sendFaxRegister").value("attachments").toArray();
    QCOMPARE(documents.size(), 2);
    const QJsonObject first = documents.at(0).toObject();
    const QJsonObject second = documents.at(1).toObject();
    QCOMPARE(first.value("name").toString(), QStringLiteral("report.pdf"));
    QCOMPARE(QByteArray::fromBase64(first.value("base64").toString().toLatin1()),
             QByteArray("%PDF-1.4 first document"));
    QCOMPARE(second.value("name").toString(), QStringLiteral("evilX-Injected: yes__.pdf"));
    QCOMPARE(QByteArray::fromBase64(second.value("base64").toString().toLatin1()), binary);
    for (const QJsonObject &document : {first, second})
        QCOMPARE(document.value("contentType").toString(), QStringLiteral("application/octet-stream"));
}

void FacadeTest::downloadReplacesTarget_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("no file yet") << QByteArray();
    QTest::newRow("a broken earlier file") << QByteArray("%PDF-broken");
}

void FacadeTest::downloadReplacesTarget()
{
    QFETCH(QByteArray, before);
    QTemporaryDir directory;
    const QString target = directory.filePath("fax.pdf");
    if (!before.isEmpty()) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    const qtFAXReceivedInfo fax(annReceivedFax, 1);
    QCOMPARE(QelvoxAPI::downloadFile(&fax, "pdf", target), 0);
    QCOMPARE(
        fileBytes(target),
        QByteArray::fromBase64("JVBERi0xLjQKJcOkw7zDtsOfCjEgMCBvYmoKPDwvVHlwZS9DYXRhbG9nPj4KZW5kb2JqCg=="));
    QCOMPARE(QDir(directory.path()).entryList(QDir::Files), QStringList{"fax.pdf"});
    const QJsonObject request = lastOf(fixture.requests(), "downloadFile");
    QCOMPARE(request.value("params").toObject().value("format").toString(), QStringLiteral("pdf"));
}

void FacadeTest::failedDownloadLeavesTargetAlone_data()
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("existing");
    const QByteArray noAttachment =
        "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\"><SOAP-ENV:Body>"
        "<ns1:QelvoxService.downloadFileResponse xmlns:ns1=\"urn:QelvoxService\"><return>fax.pdf</return>"
        "</ns1:QelvoxService.downloadFileResponse></SOAP-ENV:Body></SOAP-ENV:Envelope>";
    const QJsonObject none;
    QTest::newRow("connection cut in the reply") << QJsonObject{{"kind", "close"}} << annReceivedFax << true;
    QTest::newRow("fault, no file before")
        << QJsonObject{{"kind", "soap11-fault"}} << annReceivedFax << false;
    QTest::newRow("object without document") << none << annSentFax << true;
    QTest::newRow("reply without attachment")
        << QJsonObject{{"kind", "malformed"}, {"body", QString::fromLatin1(noAttachment)}} << annReceivedFax
        << true;
}

void FacadeTest::failedDownloadLeavesTargetAlone()
{
    QFETCH(QJsonObject, fault);
    QFETCH(int, item);
    QFETCH(bool, existing);
    if (!fault.isEmpty())
        fixture.injectOnce("downloadFile", fault);
    QTemporaryDir directory;
    const QString target = directory.filePath("fax.pdf");
    if (existing) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier");
    }
    const qtFAXReceivedInfo fax(item, 1);
    QVERIFY(QelvoxAPI::downloadFile(&fax, "pdf", target) != 0);
    QCOMPARE(fixture.operations(), QStringList{"downloadFile"});
    QCOMPARE(QDir(directory.path()).entryList(QDir::Files),
             existing ? QStringList{"fax.pdf"} : QStringList());
    if (existing)
        QCOMPARE(fileBytes(target), QByteArray("earlier"));
}

QTEST_GUILESS_MAIN(FacadeTest)
#include "tst_facade.moc"
