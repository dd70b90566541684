#include "RequestShapes.h"

#include <QTest>

const std::vector<RequestShape> &requestShapes()
{
    static const std::vector<RequestShape> shapes = {
        {"no members", "authenticate.xml", true, "Qelvox", "authenticate", R"({})",
         [](MessageWriter &w) {
             ns1__QelvoxService_x002eauthenticate r;
             return w.write(r, soap_serialize_ns1__QelvoxService_x002eauthenticate,
                            soap_put_ns1__QelvoxService_x002eauthenticate, "ns1:QelvoxService.authenticate");
         }},
        {"no header", "authenticate-without-header.xml", false, "Qelvox", "authenticate", R"({})",
         [](MessageWriter &w) {
             ns1__QelvoxService_x002eauthenticate r;
             return w.write(r, soap_serialize_ns1__QelvoxService_x002eauthenticate,
                            soap_put_ns1__QelvoxService_x002eauthenticate, "ns1:QelvoxService.authenticate");
         }},
        {"int and text members", "downloadFile.xml", true, "Qelvox", "downloadFile",
         R"({"id": -42, "type": 2, "format": "pdf"})",
         [](MessageWriter &w) {
             ns1__QelvoxService_x002edownloadFile r;
             r.id = -42;
             r.type = 2;
             r.format = "pdf";
             return w.write(r, soap_serialize_ns1__QelvoxService_x002edownloadFile,
                            soap_put_ns1__QelvoxService_x002edownloadFile, "ns1:QelvoxService.downloadFile");
         }},
        {"text to escape", "setExtendedTitle.xml", true, "Qelvox", "setExtendedTitle",
         R"({"extendedTitle": "M\u00fcller & Sons <fax>"})",
         [](MessageWriter &w) {
             ns1__QelvoxService_x002esetExtendedTitle r;
             r.extendedTitle = "M\xc3\xbcller & Sons <fax>";
             return w.write(r, soap_serialize_ns1__QelvoxService_x002esetExtendedTitle,
                            soap_put_ns1__QelvoxService_x002esetExtendedTitle,
                            "ns1:QelvoxService.setExtendedTitle");
         }},
        {"a record", "setContactInfo.xml", true, "Qelvox", "setContactInfo",
         R"({"info": {"groupid": 3, "id": -1001, "name": "Ann", "number": "+3211", "gsmnumber": ""}})",
         [](MessageWriter &w) {
             ContactInfo contact;
             contact.groupid = 3;
             contact.id = -1001;
             contact.name = "Ann";
             contact.number = "+3211";
             ns1__QelvoxService_x002esetContactInfo r;
             r.info = &contact;
             return w.write(r, soap_serialize_ns1__QelvoxService_x002esetContactInfo,
                            soap_put_ns1__QelvoxService_x002esetContactInfo,
                            "ns1:QelvoxService.setContactInfo");
         }},
        {"array of ints", "getContactInfo.xml", true, "Qelvox", "getContactInfo", R"({"ids": [4, 9]})",
         [](MessageWriter &w) {
             int items[] = {4, 9};
             ArrayOfInteger ids;
             point(ids, items, 2);
             ns1__QelvoxService_x002egetContactInfo r;
             r.ids = &ids;
             return w.write(r, soap_serialize_ns1__QelvoxService_x002egetContactInfo,
                            soap_put_ns1__QelvoxService_x002egetContactInfo,
                            "ns1:QelvoxService.getContactInfo");
         }},
        {"array of texts", "sendFaxDirect.xml", true, "Qelvox", "sendFaxDirect",
         R"({"numbers": ["+3211", "+3222"], "type": 1, "report": "none"})",
         [](MessageWriter &w) {
             std::string items[] = {"+3211", "+3222"};
             ArrayOfString numbers;
             point(numbers, items, 2);
             ns1__QelvoxService_x002esendFaxDirect r;
             r.numbers = &numbers;
             r.type = 1;
             r.report = "none";
             return w.write(r, soap_serialize_ns1__QelvoxService_x002esendFaxDirect,
                            soap_put_ns1__QelvoxService_x002esendFaxDirect,
                            "ns1:QelvoxService.sendFaxDirect");
         }},
        {"array of records", "getObjects.xml", true, "Qelvox", "getObjects",
         R"({"data": [{"object": 11, "type": 2}, {"object": 12, "type": 7}]})",
         [](MessageWriter &w) {
             ObjectData first, second;
             first.object = 11;
             first.type = 2;
             second.object = 12;
             second.type = 7;
             ObjectData *items[] = {&first, &second};
             ArrayOfObjectData data;
             point(data, items, 2);
             ns1__QelvoxService_x002egetObjects r;
             r.data = &data;
             return w.write(r, soap_serialize_ns1__QelvoxService_x002egetObjects,
                            soap_put_ns1__QelvoxService_x002egetObjects, "ns1:QelvoxService.getObjects");
         }},
        {"record holding an array", "sendFaxRegister.xml", true, "Qelvox", "sendFaxRegister",
         R"({"info": {"numbers": ["+3211"], "dithering": 1, "coverpage": 0, "content": "cover text",
                   "desc": "invoice.pdf", "pages": 2, "app": 3}, "report": "pdf"})",
         [](MessageWriter &w) {
             std::string items[] = {"+3211"};
             ArrayOfString numbers;
             point(numbers, items, 1);
             SendFaxInfo info;
             info.numbers = &numbers;
             info.dithering = 1;
             info.content = "cover text";
             info.desc = "invoice.pdf";
             info.pages = 2;
             info.app = 3;
             ns1__QelvoxService_x002esendFaxRegister r;
             r.info = &info;
             r.report = "pdf";
             return w.write(r, soap_serialize_ns1__QelvoxService_x002esendFaxRegister,
                            soap_put_ns1__QelvoxService_x002esendFaxRegister,
                            "ns1:QelvoxService.sendFaxRegister");
         }},
        {"array of records holding arrays", "changeStatus.xml", true, "Qelvox", "changeStatus",
         R"({"info": [{"type": 2, "ids": [5, 6]}], "status": 1})",
         [](MessageWriter &w) {
             int faxes[] = {5, 6};
             ArrayOfInteger ids;
             point(ids, faxes, 2);
             ObjectsID group;
             group.type = 2;
             group.ids = &ids;
             ObjectsID *items[] = {&group};
             ArrayOfObjectsID info;
             point(info, items, 1);
             ns1__QelvoxService_x002echangeStatus r;
             r.info = &info;
             r.status = 1;
             return w.write(r, soap_serialize_ns1__QelvoxService_x002echangeStatus,
                            soap_put_ns1__QelvoxService_x002echangeStatus, "ns1:QelvoxService.changeStatus");
         }},
        {"sign-up operation with hyphens", "extendCustomer-using-qelcode.xml", true, "Client",
         "extendCustomer-using-qelcode", R"({"email": "user@example.com", "qelcode": "Q-1234"})",
         [](MessageWriter &w) {
             ns3__ClientService_x002eextendCustomer_using_qelcode r;
             r.email = "user@example.com";
             r.qelcode = "Q-1234";
             return w.write(r, soap_serialize_ns3__ClientService_x002eextendCustomer_using_qelcode,
                            soap_put_ns3__ClientService_x002eextendCustomer_using_qelcode,
                            "ns3:ClientService.extendCustomer-using-qelcode");
         }},
        {"null record member", "setAccountInfo-null.xml", true, "Qelvox", "setAccountInfo", R"({})",
         [](MessageWriter &w) {
             ns1__QelvoxService_x002esetAccountInfo r;
             soap_default_ns1__QelvoxService_x002esetAccountInfo(nullptr, &r);
             return w.write(r, soap_serialize_ns1__QelvoxService_x002esetAccountInfo,
                            soap_put_ns1__QelvoxService_x002esetAccountInfo,
                            "ns1:QelvoxService.setAccountInfo");
         }},
        {"shared record", "moveToFolder-shared.xml", true, "Qelvox", "moveToFolder",
         R"({"allobjects": [{"type": 2, "ids": [5, 6]}, {"type": 4, "ids": [8]}, {"type": 2, "ids": [5, 6]}],
            "folderid": 77})",
         [](MessageWriter &w) {
             int faxes[] = {5, 6};
             int sms[] = {8};
             ArrayOfInteger faxIds, smsIds;
             point(faxIds, faxes, 2);
             point(smsIds, sms, 1);
             ObjectsID shared, other;
             shared.type = 2;
             shared.ids = &faxIds;
             other.type = 4;
             other.ids = &smsIds;
             // Only one object is shared: independent elements come out in the order of the
             // engine's address hash, which differs from run to run.
             ObjectsID *items[] = {&shared, &other, &shared};
             ArrayOfObjectsID all;
             point(all, items, 3);
             ns1__QelvoxService_x002emoveToFolder r;
             r.allobjects = &all;
             r.folderid = 77;
             return w.write(r, soap_serialize_ns1__QelvoxService_x002emoveToFolder,
                            soap_put_ns1__QelvoxService_x002emoveToFolder, "ns1:QelvoxService.moveToFolder");
         }},
    };
    return shapes;
}

void addRequestShapeRows()
{
    QTest::addColumn<const RequestShape *>("shape");
    for (const RequestShape &shape : requestShapes())
        QTest::newRow(shape.name) << &shape;
}
