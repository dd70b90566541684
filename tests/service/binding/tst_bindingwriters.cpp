#include "BindingWriters.h"
#include "MessageWriter.h"
#include "QelvoxTestCase.h"
#include "RequestShapes.h"
#include "SoapEngine.h"

#include <QFile>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Fixtures hold one message each, byte for byte (the envelope ends with CR LF).
QByteArray readFixture(const QString &name)
{
    QFile file(QStringLiteral(QELVOX_BINDING_FIXTURES "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing fixture " + name.toUtf8());
}

// Reads the pointer table the marking pass left: how many objects it recorded.
int markedObjects(struct soap *soap)
{
    int count = 0;
    for (const struct soap_plist *entry : soap->pht)
        for (const struct soap_plist *pp = entry; pp; pp = pp->next)
            ++count;
    return count;
}

} // namespace

class BindingWritersTest : public QelvoxTestCase
{
    Q_OBJECT

protected:
    void setUp() override;

private slots:
    void goldenRequests_data();
    void goldenRequests();
    void sharedObjectsInGraphMode();
    void arraysWithoutItems_data();
    void arraysWithoutItems();
    void elementDispatcher_data();
    void elementDispatcher();
    void topLevelDefaultTags_data();
    void topLevelDefaultTags();
    void markingDispatcherCoverage_data();
    void markingDispatcherCoverage();
    void independentsOnlyInEncodedSoap11_data();
    void independentsOnlyInEncodedSoap11();
    void faultAccessorsBySoapVersion_data();
    void faultAccessorsBySoapVersion();
    void faultsAreWritten_data();
    void faultsAreWritten();

private:
    SOAP_ENV__Header credentials;
};

void BindingWritersTest::setUp()
{
    credentials.email = "user@example.com";
    credentials.password = "5f4dcc3b5aa765d61d8327deb882cf99";
}

void BindingWritersTest::goldenRequests_data()
{
    addRequestShapeRows();
}

void BindingWritersTest::goldenRequests()
{
    QFETCH(const RequestShape *, shape);
    SoapEngine soap;
    soap->header = shape->withHeader ? &credentials : nullptr;
    MessageWriter writer(soap);

    const WrittenMessage written = shape->write(writer);

    QCOMPARE(written.result, SOAP_OK);
    QCOMPARE(QByteArray::fromStdString(written.bytes), readFixture(shape->fixture));
    QCOMPARE(written.counted, written.bytes.size());
}

// In graph mode the shared object is written in place where it is first met, with its id.
void BindingWritersTest::sharedObjectsInGraphMode()
{
    const RequestShape &shape =
        *std::find_if(requestShapes().begin(), requestShapes().end(), [](const RequestShape &s) {
            return s.fixture == std::string("moveToFolder-shared.xml");
        });
    SoapEngine soap;
    soap_set_omode(soap, SOAP_XML_GRAPH);
    soap->header = &credentials;
    MessageWriter writer(soap);

    const WrittenMessage written = shape.write(writer);

    QCOMPARE(written.result, SOAP_OK);
    QCOMPARE(QByteArray::fromStdString(written.bytes), readFixture("moveToFolder-shared-graph.xml"));
    QCOMPARE(written.counted, written.bytes.size());
    QCOMPARE(shape.write(writer).bytes, written.bytes); // a retried call writes the same
}

void BindingWritersTest::arraysWithoutItems_data()
{
    QTest::addColumn<bool>("table");
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("no table, no items") << false << 0 << QByteArray("<ids></ids>");
    QTest::newRow("empty table")
        << true << 0
        << QByteArray("<ids xsi:type=\"SOAP-ENC:Array\" SOAP-ENC:arrayType=\"xsd:int[0]\"></ids>");
    QTest::newRow("no table but a size") << false << 3 << QByteArray("<ids></ids>");
}

void BindingWritersTest::arraysWithoutItems()
{
    QFETCH(bool, table);
    QFETCH(int, size);
    QFETCH(QByteArray, expected);
    SoapEngine soap;
    int none[1] = {0};
    ArrayOfInteger ids;
    ids.__ptr = table ? none : nullptr;
    ids.__size = size;
    ArrayOfInteger *member = &ids;
    int result = -1;

    const std::string written = MessageWriter(soap).fragment(
        [&] { soap_serialize_PointerToArrayOfInteger(soap, &member); },
        [&] { return soap_out_PointerToArrayOfInteger(soap, "ids", -1, &member, "xsd:int"); }, &result);

    QCOMPARE(result, SOAP_OK);
    QCOMPARE(QByteArray::fromStdString(written), expected);
    QCOMPARE(markedObjects(soap), table ? 1 : 0);
}

using Put = std::function<int(struct soap *)>;
Q_DECLARE_METATYPE(Put)

void BindingWritersTest::elementDispatcher_data()
{
    QTest::addColumn<Put>("put");
    QTest::addColumn<QByteArray>("expected");

    static char text[] = "ns1:code";
    static const int number = -7;
    static const double price = INFINITY;
    static const std::string value = "v";
    static FolderInfo_A folder;
    folder.id = 9;
    folder.name = "Inbox";
    static ArrayOfAuthenticationHeader headers;
    static ArrayOfInteger empty;

    const auto element = [](const void *p, int type) {
        return Put([p, type](struct soap *soap) { return soap_putelement(soap, p, "e", -1, type); });
    };
    for (int type : {SOAP_TYPE_SOAP_ENV__Fault, SOAP_TYPE_SOAP_ENV__Header, 1000, -1, 0, 2, 79, 166})
        QTest::addRow("id %d writes nothing", type) << element(&number, type) << QByteArray();
    QTest::newRow("int") << element(&number, SOAP_TYPE_int) << QByteArray("<e xsi:type=\"xsd:int\">-7</e>");
    QTest::newRow("double") << element(&price, SOAP_TYPE_double)
                            << QByteArray("<e xsi:type=\"xsd:double\">INF</e>");
    QTest::newRow("text given by itself")
        << element(text, SOAP_TYPE_string) << QByteArray("<e xsi:type=\"xsd:string\">ns1:code</e>");
    QTest::newRow("qualified name through the text writer")
        << element(text, SOAP_TYPE__QName) << QByteArray("<e xsi:type=\"xsd:QName\">ns1:code</e>");
    QTest::newRow("text object") << element(&value, SOAP_TYPE_std__string)
                                 << QByteArray("<e xsi:type=\"xsd:string\">v</e>");
    QTest::newRow("record under its XML type name")
        << element(&folder, SOAP_TYPE_FolderInfo_A)
        << QByteArray("<e xsi:type=\"FolderInfo\"><foldertype xsi:type=\"xsd:int\">0</foldertype>"
                      "<id xsi:type=\"xsd:int\">9</id><name xsi:type=\"xsd:string\">Inbox</name></e>");
    QTest::newRow("array without items")
        << element(&headers, SOAP_TYPE_ArrayOfAuthenticationHeader) << QByteArray("<e></e>");
    QTest::newRow("null item in a record array")
        << Put([](struct soap *soap) {
               static ContactGroupInfo first, third;
               first.id = 1;
               third.id = 3;
               static ContactGroupInfo *items[] = {&first, nullptr, &third};
               static ArrayOfContactGroupInfo groups;
               point(groups, items, 3);
               soap_markelement(soap, &groups, SOAP_TYPE_ArrayOfContactGroupInfo);
               return soap_putelement(soap, &groups, "e", -1, SOAP_TYPE_ArrayOfContactGroupInfo);
           })
        << QByteArray(
               "<e xsi:type=\"SOAP-ENC:Array\" SOAP-ENC:arrayType=\"ContactGroupInfo[3]\">"
               "<item xsi:type=\"ContactGroupInfo\"><id xsi:type=\"xsd:int\">1</id>"
               "<name xsi:type=\"xsd:string\"></name></item>"
               "<item xsi:type=\"ContactGroupInfo\" SOAP-ENC:position=\"[2]\"><id xsi:type=\"xsd:int\">3</id>"
               "<name xsi:type=\"xsd:string\"></name></item></e>");
    QTest::newRow("message record") << Put([](struct soap *soap) {
        static ns1__QelvoxService_x002egetExtendedTitleResponse r;
        r.param_3 = "Dr";
        return soap_putelement(soap, &r, "e", -1, SOAP_TYPE_ns1__QelvoxService_x002egetExtendedTitleResponse);
    })
                                    << QByteArray(
                                           "<e xsi:type=\"ns1:QelvoxService.getExtendedTitleResponse\">"
                                           "<param-3 xsi:type=\"xsd:string\">Dr</param-3></e>");
    QTest::newRow("price response")
        << Put([](struct soap *soap) {
               static ns1__QelvoxService_x002eget1PagePriceForDestinationResponse r;
               r.price = 12;
               return soap_put_ns1__QelvoxService_x002eget1PagePriceForDestinationResponse(soap, &r, nullptr,
                                                                                           nullptr);
           })
        << QByteArray(
               "<ns1:QelvoxService.get1PagePriceForDestinationResponse>"
               "<price "
               "xsi:type=\"xsd:int\">12</price></ns1:QelvoxService.get1PagePriceForDestinationResponse>");
    QTest::newRow("qualified name through its own writer") << Put([](struct soap *soap) {
        static char *name = text;
        return soap_put__QName(soap, &name, "q", nullptr);
    }) << QByteArray("<q>ns1:code</q>");
    QTest::newRow("item type of an integer array")
        << Put([](struct soap *soap) {
               static int item = 1;
               empty.__ptr = &item;
               empty.__size = 1;
               return soap_putelement(soap, &empty, "e", -1, SOAP_TYPE_ArrayOfInteger);
           })
        << QByteArray("<e xsi:type=\"SOAP-ENC:Array\" SOAP-ENC:arrayType=\"xsd:int[1]\"><item "
                      "xsi:type=\"xsd:int\">1</item></e>");
}

void BindingWritersTest::elementDispatcher()
{
    QFETCH(Put, put);
    QFETCH(QByteArray, expected);
    SoapEngine soap;
    int result = -1;

    const std::string written = MessageWriter(soap).fragment([] {}, [&] { return put(soap); }, &result);

    QCOMPARE(result, SOAP_OK);
    QCOMPARE(QByteArray::fromStdString(written), expected);
}

void BindingWritersTest::topLevelDefaultTags_data()
{
    QTest::addColumn<Put>("put");
    QTest::addColumn<QByteArray>("expected");
    static char *text = nullptr;
    static std::string value;
    static ArrayOfContactInfo contacts;
    static FolderInfo_A folder;
    static ContactGroupInfo *group = nullptr;
    static ArrayOfString *numbers = nullptr;

    QTest::newRow("text") << Put([](struct soap *soap) {
        static char hello[] = "hi";
        text = hello;
        return soap_put_string(soap, &text, nullptr, nullptr);
    }) << QByteArray("<byte>hi</byte>");
    QTest::newRow("text object") << Put([](struct soap *soap) {
        return soap_put_std__string(soap, &value, nullptr, nullptr);
    }) << QByteArray("<string></string>");
    QTest::newRow("array class") << Put([](struct soap *soap) {
        return contacts.soap_put(soap, nullptr, nullptr);
    }) << QByteArray("<SOAP-ENC:Array></SOAP-ENC:Array>");
    QTest::newRow("record class")
        << Put([](struct soap *soap) { return folder.soap_put(soap, nullptr, nullptr); })
        << QByteArray("<FolderInfo><foldertype xsi:type=\"xsd:int\">0</foldertype>"
                      "<id xsi:type=\"xsd:int\">0</id><name xsi:type=\"xsd:string\"></name>"
                      "</FolderInfo>");
    QTest::newRow("given type") << Put([](struct soap *soap) {
        return soap_put_std__string(soap, &value, "t", "xsd:token");
    }) << QByteArray("<t xsi:type=\"xsd:token\"></t>");
    QTest::newRow("null record pointer") << Put([](struct soap *soap) {
        return soap_put_PointerToContactGroupInfo(soap, &group, nullptr, nullptr);
    }) << QByteArray();
    QTest::newRow("null array pointer") << Put([](struct soap *soap) {
        return soap_put_PointerToArrayOfString(soap, &numbers, nullptr, nullptr);
    }) << QByteArray();
}

void BindingWritersTest::topLevelDefaultTags()
{
    elementDispatcher();
}

void BindingWritersTest::markingDispatcherCoverage_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("marked");
    QTest::newRow("header") << SOAP_TYPE_SOAP_ENV__Header << 0;
    QTest::newRow("fault") << SOAP_TYPE_SOAP_ENV__Fault << 0;
    QTest::newRow("byte") << SOAP_TYPE_byte << 0;
    QTest::newRow("no type") << 0 << 0;
    QTest::newRow("text object") << SOAP_TYPE_std__string << 0;
    QTest::newRow("double") << SOAP_TYPE_double << 0;
    QTest::newRow("text") << SOAP_TYPE_string << 1;
    QTest::newRow("qualified name") << SOAP_TYPE__QName << 1;
}

void BindingWritersTest::markingDispatcherCoverage()
{
    QFETCH(int, type);
    QFETCH(int, marked);
    SoapEngine soap;
    static char text[] = "x";
    soap_begin(soap);
    soap_markelement(soap, text, type);
    QCOMPARE(markedObjects(soap), marked);
}

void BindingWritersTest::independentsOnlyInEncodedSoap11_data()
{
    QTest::addColumn<short>("version");
    QTest::addColumn<bool>("encoded");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("independent");
    QTest::newRow("encoded SOAP 1.1") << short(1) << true << 0 << true;
    QTest::newRow("SOAP 1.2") << short(2) << true << 0 << false;
    QTest::newRow("literal") << short(1) << false << 0 << false;
    QTest::newRow("tree mode") << short(1) << true << int(SOAP_XML_TREE) << false;
}

void BindingWritersTest::independentsOnlyInEncodedSoap11()
{
    QFETCH(short, version);
    QFETCH(bool, encoded);
    QFETCH(int, mode);
    QFETCH(bool, independent);
    SoapEngine soap;
    ObjectData shared;
    ObjectData *items[] = {&shared, &shared};
    ArrayOfObjectData data;
    point(data, items, 2);
    soap_begin(soap);
    soap_serialize_PointerToArrayOfObjectData(soap,
                                              std::addressof(static_cast<ArrayOfObjectData *const &>(&data)));
    soap->version = version;
    soap->encodingStyle = encoded ? "" : nullptr;
    soap_set_omode(soap, mode);
    std::ostringstream out;
    soap->os = &out;
    soap_begin_send(soap);
    soap->version = version;
    QCOMPARE(soap_putindependent(soap), SOAP_OK);
    soap_end_send(soap);
    soap->os = nullptr;
    QCOMPARE(QByteArray::fromStdString(out.str()).contains("id=\"_2\" xsi:type=\"ObjectData\""), independent);
}

using Accessor = const char **(*)(struct soap *);
Q_DECLARE_METATYPE(Accessor)
using Slot = std::function<const char *const *(const SOAP_ENV__Fault *)>;
Q_DECLARE_METATYPE(Slot)

void BindingWritersTest::faultAccessorsBySoapVersion_data()
{
    QTest::addColumn<short>("version");
    QTest::addColumn<Accessor>("accessor");
    QTest::addColumn<Slot>("slot");

    const Slot code = [](const SOAP_ENV__Fault *f) { return &f->faultcode; };
    const Slot string = [](const SOAP_ENV__Fault *f) { return &f->faultstring; };
    const Slot value12 = [](const SOAP_ENV__Fault *f) { return &f->SOAP_ENV__Code->SOAP_ENV__Value; };
    const Slot subcode12 = [](const SOAP_ENV__Fault *f) {
        return &f->SOAP_ENV__Code->SOAP_ENV__Subcode->SOAP_ENV__Value;
    };
    const Slot text12 = [](const SOAP_ENV__Fault *f) { return &f->SOAP_ENV__Reason->SOAP_ENV__Text; };
    const Slot detail11 = [](const SOAP_ENV__Fault *f) { return &f->detail->__any; };
    const Slot detail12 = [](const SOAP_ENV__Fault *f) { return &f->SOAP_ENV__Detail->__any; };

    QTest::newRow("1.1 code") << short(1) << Accessor(soap_faultcode) << code;
    QTest::newRow("1.1 subcode shares the code") << short(1) << Accessor(soap_faultsubcode) << code;
    QTest::newRow("1.1 string") << short(1) << Accessor(soap_faultstring) << string;
    QTest::newRow("1.1 detail") << short(1) << Accessor(soap_faultdetail) << detail11;
    QTest::newRow("1.2 code") << short(2) << Accessor(soap_faultcode) << value12;
    QTest::newRow("1.2 subcode") << short(2) << Accessor(soap_faultsubcode) << subcode12;
    QTest::newRow("1.2 string") << short(2) << Accessor(soap_faultstring) << text12;
    QTest::newRow("1.2 detail") << short(2) << Accessor(soap_faultdetail) << detail12;
    QTest::newRow("no version code") << short(0) << Accessor(soap_faultcode) << code;
    QTest::newRow("no version string") << short(0) << Accessor(soap_faultstring) << string;
    QTest::newRow("no version detail") << short(0) << Accessor(soap_faultdetail) << detail12;
}

void BindingWritersTest::faultAccessorsBySoapVersion()
{
    QFETCH(short, version);
    QFETCH(Accessor, accessor);
    QFETCH(Slot, slot);
    SoapEngine soap;
    soap->version = version;

    const char **first = accessor(soap);

    QVERIFY(soap->fault);
    QCOMPARE(static_cast<const void *>(first), static_cast<const void *>(slot(soap->fault)));
    QVERIFY(!*first);
    QCOMPARE(accessor(soap), first);
    QCOMPARE(bool(soap->fault->SOAP_ENV__Code), version == 2);
    QCOMPARE(bool(soap->fault->SOAP_ENV__Reason), version == 2);
    if (soap->fault->detail)
        QCOMPARE(soap->fault->detail->__type, 0);
}

using FillFault = std::function<void(struct soap *)>;
Q_DECLARE_METATYPE(FillFault)

void BindingWritersTest::faultsAreWritten_data()
{
    QTest::addColumn<short>("version");
    QTest::addColumn<FillFault>("fill");
    QTest::addColumn<QString>("fixture");

    QTest::newRow("SOAP 1.1 code and string") << short(1) << FillFault([](struct soap *soap) {
        *soap_faultcode(soap) = "SOAP-ENV:Client";
        *soap_faultstring(soap) = "Authentication failed";
    }) << "fault-1.1.xml";
    QTest::newRow("SOAP 1.1 detail") << short(1) << FillFault([](struct soap *soap) {
        *soap_faultcode(soap) = "SOAP-ENV:Server";
        *soap_faultstring(soap) = "No such fax";
        *soap_faultdetail(soap) = "<reason>404</reason>";
    }) << "fault-1.1-detail.xml";
    QTest::newRow("SOAP 1.2 with subcodes") << short(2) << FillFault([](struct soap *soap) {
        *soap_faultcode(soap) = "SOAP-ENV:Sender";
        *soap_faultsubcode(soap) = "ns1:Quota";
        static SOAP_ENV__Code inner = {const_cast<char *>("ns1:Daily"), nullptr};
        soap->fault->SOAP_ENV__Code->SOAP_ENV__Subcode->SOAP_ENV__Subcode = &inner;
        *soap_faultstring(soap) = "Too many faxes";
        *soap_faultdetail(soap) = "<limit>20</limit>";
    }) << "fault-1.2.xml";
}

void BindingWritersTest::faultsAreWritten()
{
    QFETCH(short, version);
    QFETCH(FillFault, fill);
    QFETCH(QString, fixture);
    SoapEngine soap;
    soap->version = version;
    soap->lang = "en";
    fill(soap);
    MessageWriter writer(soap);

    const WrittenMessage written =
        writer.write([&] { soap_serializefault(soap); }, [&] { return soap_putfault(soap); });

    QCOMPARE(written.result, SOAP_OK);
    QCOMPARE(QByteArray::fromStdString(written.bytes), readFixture(fixture));
    QCOMPARE(written.counted, written.bytes.size());
}

QTEST_APPLESS_MAIN(BindingWritersTest)
#include "tst_bindingwriters.moc"
