#include "BindingReaders.h"
#include "QelvoxTestCase.h"
#include "ReplyReceiver.h"
#include "SoapEngine.h"

#include <QTest>

// The array readers of the integer arrays and of the arrays of integer-only records, fed with raw
// replies: declared sizes, offsets and positions, nil items and references.
namespace {

std::string reply(const std::string &body)
{
    const std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                            "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
                            "xmlns:SOAP-ENC=\"http://schemas.xmlsoap.org/soap/encoding/\" "
                            "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                            "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
                            "xmlns:ns1=\"urn:QelvoxService\"><SOAP-ENV:Body>" +
                            body + "</SOAP-ENV:Body></SOAP-ENV:Envelope>";
    return "HTTP/1.1 200 OK\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: " +
           std::to_string(xml.size()) + "\r\n\r\n" + xml;
}

std::string item(int value)
{
    return "<item xsi:type=\"xsd:int\">" + std::to_string(value) + "</item>";
}

std::string action(int object)
{
    return "<item><object>" + std::to_string(object) + "</object><type>2</type><action>1</action></item>";
}

} // namespace

class BindingArrayReadersTest : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void integerArrays_data();
    void integerArrays();
    void recordArrays_data();
    void recordArrays();
};

void BindingArrayReadersTest::integerArrays_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("independent");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("values"); // the cells, or "null" for no array

    const auto arrayOf = [](const char *attributes, const std::string &items) {
        return QString::fromStdString("<return " + std::string(attributes) + ">" + items + "</return>");
    };
    QTest::newRow("declared size, more items")
        << arrayOf("SOAP-ENC:arrayType=\"xsd:int[2]\"", item(1) + item(2) + item(3)) << QString() << SOAP_OK
        << "1,2";
    QTest::newRow("declared size, fewer items")
        << arrayOf("SOAP-ENC:arrayType=\"xsd:int[4]\"", item(1) + item(2)) << QString() << SOAP_OK
        << "1,2,0,0";
    QTest::newRow("offset and position")
        << arrayOf("SOAP-ENC:arrayType=\"xsd:int[3]\" SOAP-ENC:offset=\"[1]\"",
                   "<item SOAP-ENC:position=\"[2]\">7</item>")
        << QString() << SOAP_OK << "0,7";
    QTest::newRow("position outside the size")
        << arrayOf("SOAP-ENC:arrayType=\"xsd:int[3]\"", "<item SOAP-ENC:position=\"[5]\">7</item>")
        << QString() << SOAP_IOB << "";
    QTest::newRow("positioned and following items")
        << arrayOf("SOAP-ENC:arrayType=\"xsd:int[5]\"", "<item SOAP-ENC:position=\"[2]\">7</item>" + item(8))
        << QString() << SOAP_OK << "0,0,7,8,0";
    QTest::newRow("same position twice")
        << arrayOf("SOAP-ENC:arrayType=\"xsd:int[3]\"",
                   "<item SOAP-ENC:position=\"[1]\">7</item><item SOAP-ENC:position=\"[1]\">8</item>")
        << QString() << SOAP_OK << "0,8,0";
    QTest::newRow("no size") << arrayOf("SOAP-ENC:arrayType=\"xsd:int[]\"", item(4) + item(5) + item(6))
                             << QString() << SOAP_OK << "4,5,6";
    QTest::newRow("size beyond the limit")
        << arrayOf("SOAP-ENC:arrayType=\"xsd:int[1000001]\"", item(4) + item(5)) << QString() << SOAP_OK
        << "4,5";
    QTest::newRow("no items") << arrayOf("SOAP-ENC:arrayType=\"xsd:int[0]\"", "") << QString() << SOAP_OK
                              << "";
    QTest::newRow("items of any name") << arrayOf("", "<a>1</a><b>2</b>") << QString() << SOAP_OK << "1,2";
    QTest::newRow("item not a number") << arrayOf("", "<item>x</item>") << QString() << SOAP_TYPE << "";
    QTest::newRow("nil array") << QString("<return xsi:nil=\"true\"/>") << QString() << SOAP_OK << "null";
    QTest::newRow("reference to a later element")
        << QString("<return href=\"#a1\"/>")
        << QString::fromStdString("<multiRef id=\"a1\" SOAP-ENC:arrayType=\"xsd:int[2]\">" + item(3) +
                                  item(4) + "</multiRef>")
        << SOAP_OK << "3,4";
}

void BindingArrayReadersTest::integerArrays()
{
    QFETCH(QString, member);
    QFETCH(QString, independent);
    QFETCH(int, code);
    QFETCH(QString, values);
    SoapEngine soap;
    ns1__QelvoxService_x002eupdateContactInfoResponse response;
    const std::string bytes = "<ns1:QelvoxService.updateContactInfoResponse>" + member.toStdString() +
                              "</ns1:QelvoxService.updateContactInfoResponse>" + independent.toStdString();

    QCOMPARE(ReplyReceiver(soap).receive(
                 reply(bytes), soap_get_ns1__QelvoxService_x002eupdateContactInfoResponse, &response),
             code);
    if (code != SOAP_OK)
        return;
    if (values == "null") {
        QVERIFY(!response.return_);
        return;
    }
    QStringList cells;
    for (int i = 0; i < response.return_->__size; ++i)
        cells << QString::number(response.return_->__ptr[i]);
    QCOMPARE(cells.join(','), values);
}

void BindingArrayReadersTest::recordArrays_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("independent");
    QTest::addColumn<QString>("objects"); // the object of each cell, "-" for an empty one

    QTest::newRow("declared, one nil item")
        << QString::fromStdString("<actions SOAP-ENC:arrayType=\"ns1:ObjectIDInfo[3]\">" + action(1) +
                                  "<item xsi:nil=\"true\"/>" + action(3) + "</actions>")
        << QString() << "1,-,3";
    QTest::newRow("first item at the last position")
        << QString::fromStdString("<actions SOAP-ENC:arrayType=\"ns1:ObjectIDInfo[3]\">"
                                  "<item SOAP-ENC:position=\"[2]\"><object>9</object></item>" +
                                  action(4) + "</actions>")
        << QString() << "-,-,9";
    QTest::newRow("no size") << QString::fromStdString("<actions>" + action(1) + action(2) + "</actions>")
                             << QString() << "1,2";
    QTest::newRow("item by reference")
        << QString::fromStdString("<actions SOAP-ENC:arrayType=\"ns1:ObjectIDInfo[2]\"><item href=\"#o5\"/>" +
                                  action(6) + "</actions>")
        << QString("<multiRef id=\"o5\"><object>5</object><type>1</type><action>-1</action></multiRef>")
        << "5,6";
}

void BindingArrayReadersTest::recordArrays()
{
    QFETCH(QString, actions);
    QFETCH(QString, independent);
    QFETCH(QString, objects);
    SoapEngine soap;
    ns1__QelvoxService_x002egetModifiedObjectsResponse response;
    const std::string body =
        "<ns1:QelvoxService.getModifiedObjectsResponse><return><timestamp>5</timestamp>" +
        actions.toStdString() + "</return></ns1:QelvoxService.getModifiedObjectsResponse>" +
        independent.toStdString();

    QCOMPARE(ReplyReceiver(soap).receive(
                 reply(body), soap_get_ns1__QelvoxService_x002egetModifiedObjectsResponse, &response),
             SOAP_OK);
    const ArrayOfObjectIDInfo *read = response.return_->actions;
    QStringList cells;
    for (int i = 0; i < read->__size; ++i)
        cells << (read->__ptr[i] ? QString::number(read->__ptr[i]->object) : QString("-"));
    QCOMPARE(cells.join(','), objects);
    QCOMPARE(response.return_->timestamp, 5);
}

QTEST_APPLESS_MAIN(BindingArrayReadersTest)
#include "tst_bindingarrayreaders.moc"
