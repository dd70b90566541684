#include "MessageWriter.h"
#include "QelvoxTestCase.h"
#include "RequestShapes.h"
#include "SoapEngine.h"
#include "StandinProcess.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QTest>

// Every request shape, written by the binding, sent to the independent stand-in server over
// loopback HTTP: the server must decode each value as it was set.
class BindingStandinTest : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void initTestCase();
    void serverDecodesEveryShape_data();
    void serverDecodesEveryShape();

private:
    StandinProcess standin{{"--demo"}};
    SOAP_ENV__Header credentials;
};

void BindingStandinTest::initTestCase()
{
    QVERIFY2(standin.start(), qPrintable(standin.errorText()));
    credentials.email = "demo@qelvox.test";
    credentials.password =
        QCryptographicHash::hash("demo-fax-2029", QCryptographicHash::Md5).toHex().toStdString();
}

void BindingStandinTest::serverDecodesEveryShape_data()
{
    addRequestShapeRows();
}

void BindingStandinTest::serverDecodesEveryShape()
{
    QFETCH(const RequestShape *, shape);
    SoapEngine soap;
    soap->header = shape->withHeader ? &credentials : nullptr;
    MessageWriter writer(soap);
    const WrittenMessage written = shape->write(writer);
    QCOMPARE(written.result, SOAP_OK);
    const bool account = shape->service == QLatin1String("Qelvox");
    const QByteArray action = QByteArray(account ? "\"urn:QelvoxService#" : "\"urn:ClientService#") +
                              QByteArray(shape->operation).replace('-', '_') + '"';

    const HttpExchange::Response reply = standin.send(HttpExchange::post(
        account ? StandinProcess::accountPath() : StandinProcess::signupPath(), "text/xml; charset=utf-8",
        QByteArray::fromStdString(written.bytes), {{"SOAPAction", action}}));

    QVERIFY2(reply.connected, qPrintable(reply.error));
    const QJsonObject logged = standin.lastRequest(shape->operation);
    QVERIFY2(!logged.isEmpty(), "the server logged no such request");
    QVERIFY2(logged.value("error").toString().isEmpty(), qPrintable(logged.value("error").toString()));
    QCOMPARE(logged.value("params").toObject(), QJsonDocument::fromJson(shape->params).object());
    QCOMPARE(logged.value("email").toString(),
             QString::fromStdString(shape->withHeader ? credentials.email : ""));
    QCOMPARE(logged.value("password").toString(),
             QString::fromStdString(shape->withHeader ? credentials.password : ""));
}

QTEST_GUILESS_MAIN(BindingStandinTest)
#include "tst_bindingstandin.moc"
