#include "BindingTypes.h"
#include "GeneratedTypeTable.h"
#include "QelvoxTestCase.h"
#include "SoapEngine.h"

#include <QTest>
#include <map>
#include <set>
#include <string>

namespace {

// The type ids of the service, typed from its documentation rather than from the description,
// so that a slip in the description cannot agree with itself.
struct HandClass
{
    int id;
    const char *name;
    const char *xml; // records only
};

const HandClass handClasses[] = {
    {10, "AuthenticationHeader", "AuthenticationHeader"},
    {12, "MarketProductInfo", "MarketProductInfo"},
    {14, "LanguageInfo", "LanguageInfo"},
    {16, "CountryInfo", "CountryInfo"},
    {18, "AccountInfo", "AccountInfo"},
    {20, "ContactGroupInfo", "ContactGroupInfo"},
    {22, "ContactInfo", "ContactInfo"},
    {24, "FolderInfo_A", "FolderInfo"},
    {26, "SMSSentInfo", "SMSSentInfo"},
    {28, "FAXReceivedInfo", "FAXReceivedInfo"},
    {30, "FAXSentInfo", "FAXSentInfo"},
    {32, "VOICEReceivedInfo", "VOICEReceivedInfo"},
    {34, "ObjectIDInfo", "ObjectIDInfo"},
    {36, "ObjectsIDInfo", "ObjectsIDInfo"},
    {38, "ObjectData", "ObjectData"},
    {40, "ObjectsInfo", "ObjectsInfo"},
    {42, "EnumInfo", "EnumInfo"},
    {44, "ObjectsData", "ObjectsData"},
    {46, "RecipientInfo", "RecipientInfo"},
    {48, "CoverpageInfo", "CoverpageInfo"},
    {50, "ObjectsID", "ObjectsID"},
    {52, "AppVersion", "AppVersion"},
    {54, "SendFaxInfo", "SendFaxInfo"},
    {56, "SendSmsInfo", "SendSmsInfo"},
    {58, "ForwardInfo", "ForwardInfo"},
    {60, "ObjectStatus", "ObjectStatus"},
    {62, "CurrencyInfo", "CurrencyInfo"},
    {64, "DestinationInfo", "DestinationInfo"},
    {66, "CreateCustomerInfo", "CreateCustomerInfo"},
    {68, "RegisterCustomerInfo", "RegisterCustomerInfo"},
    {70, "PackageInfo", "PackageInfo"},
    {72, "EmailTemplateInfo", "EmailTemplateInfo"},
    {74, "FaxPrefixInfo", "FaxPrefixInfo"},
    {76, "RoutingNumberInfo", "RoutingNumberInfo"},
    {8, "ArrayOfInteger", nullptr},
    {9, "ArrayOfString", nullptr},
    {11, "ArrayOfAuthenticationHeader", nullptr},
    {13, "ArrayOfMarketProductInfo", nullptr},
    {15, "ArrayOfLanguageInfo", nullptr},
    {17, "ArrayOfCountryInfo", nullptr},
    {19, "ArrayOfAccountInfo", nullptr},
    {21, "ArrayOfContactGroupInfo", nullptr},
    {23, "ArrayOfContactInfo", nullptr},
    {25, "ArrayOfFolderInfo", nullptr},
    {27, "ArrayOfSMSSentInfo", nullptr},
    {29, "ArrayOfFAXReceivedInfo", nullptr},
    {31, "ArrayOfFAXSentInfo", nullptr},
    {33, "ArrayOfVOICEReceivedInfo", nullptr},
    {35, "ArrayOfObjectIDInfo", nullptr},
    {37, "ArrayOfObjectsIDInfo", nullptr},
    {39, "ArrayOfObjectData", nullptr},
    {41, "ArrayOfObjectsInfo", nullptr},
    {43, "ArrayOfEnumInfo", nullptr},
    {45, "ArrayOfObjectsData", nullptr},
    {47, "ArrayOfRecipientInfo", nullptr},
    {49, "ArrayOfCoverpageInfo", nullptr},
    {51, "ArrayOfObjectsID", nullptr},
    {53, "ArrayOfAppVersion", nullptr},
    {55, "ArrayOfSendFaxInfo", nullptr},
    {57, "ArrayOfSendSmsInfo", nullptr},
    {59, "ArrayOfForwardInfo", nullptr},
    {61, "ArrayOfObjectStatus", nullptr},
    {63, "ArrayOfCurrencyInfo", nullptr},
    {65, "ArrayOfDestinationInfo", nullptr},
    {67, "ArrayOfCreateCustomerInfo", nullptr},
    {69, "ArrayOfRegisterCustomerInfo", nullptr},
    {71, "ArrayOfPackageInfo", nullptr},
    {73, "ArrayOfEmailTemplateInfo", nullptr},
    {75, "ArrayOfFaxPrefixInfo", nullptr},
    {77, "ArrayOfRoutingNumberInfo", nullptr},
};

struct HandOperation
{
    const char *element;
    int request;
    int response;
};

const HandOperation handOperations[] = {
    {"ns1:QelvoxService.authenticate", 165, 164},
    {"ns1:QelvoxService.get1PagePriceForDestination", 168, 167},
    {"ns1:QelvoxService.getAllLanguages", 173, 169},
    {"ns1:QelvoxService.getAllCountries", 178, 174},
    {"ns1:QelvoxService.getExtendedTitle", 182, 181},
    {"ns1:QelvoxService.setExtendedTitle", 185, 184},
    {"ns1:QelvoxService.getAccountInfo", 189, 186},
    {"ns1:QelvoxService.setAccountInfo", 192, 191},
    {"ns1:QelvoxService.setNewEmail", 195, 194},
    {"ns1:QelvoxService.setNewPassword", 198, 197},
    {"ns1:QelvoxService.getOneContactGroupInfo", 202, 199},
    {"ns1:QelvoxService.getContactGroupInfo", 206, 203},
    {"ns1:QelvoxService.getOneContactInfo", 210, 207},
    {"ns1:QelvoxService.getContactInfo", 214, 211},
    {"ns1:QelvoxService.getOneFolderInfo", 218, 215},
    {"ns1:QelvoxService.getFolderInfo", 222, 219},
    {"ns1:QelvoxService.getOneSMSSentInfo", 226, 223},
    {"ns1:QelvoxService.getSMSSentInfo", 230, 227},
    {"ns1:QelvoxService.getOneFAXReceivedInfo", 234, 231},
    {"ns1:QelvoxService.getFAXReceivedInfo", 238, 235},
    {"ns1:QelvoxService.getOneFAXSentInfo", 242, 239},
    {"ns1:QelvoxService.getFAXSentInfo", 246, 243},
    {"ns1:QelvoxService.getOneVOICEReceivedInfo", 250, 247},
    {"ns1:QelvoxService.getVOICEReceivedInfo", 254, 251},
    {"ns1:QelvoxService.reviewObjects", 258, 255},
    {"ns1:QelvoxService.getObjects", 262, 259},
    {"ns1:QelvoxService.getObjectTypes", 267, 263},
    {"ns1:QelvoxService.getObjectActions", 271, 268},
    {"ns1:QelvoxService.getModifiedContacts", 275, 272},
    {"ns1:QelvoxService.getModifiedObjects", 279, 276},
    {"ns1:QelvoxService.getRecipients", 284, 280},
    {"ns1:QelvoxService.getCoverpageInfo", 288, 285},
    {"ns1:QelvoxService.downloadFile", 291, 290},
    {"ns1:QelvoxService.deleteObjects", 295, 294},
    {"ns1:QelvoxService.changeStatus", 298, 297},
    {"ns1:QelvoxService.setContactInfo", 301, 300},
    {"ns1:QelvoxService.updateContactInfo", 305, 302},
    {"ns1:QelvoxService.setContactGroupInfo", 308, 307},
    {"ns1:QelvoxService.updateContactGroupInfo", 312, 309},
    {"ns1:QelvoxService.getAppVersion", 316, 313},
    {"ns1:QelvoxService.getShiftTime", 319, 318},
    {"ns1:QelvoxService.sendFaxDirect", 323, 320},
    {"ns1:QelvoxService.sendFaxRegister", 327, 324},
    {"ns1:QelvoxService.sendFaxAsynchronous", 331, 328},
    {"ns1:QelvoxService.sendSmsAsynchronous", 335, 332},
    {"ns1:QelvoxService.forwardAsynchronous", 339, 336},
    {"ns1:QelvoxService.asynchronInfoRange", 344, 340},
    {"ns1:QelvoxService.asynchronInfo", 348, 345},
    {"ns1:QelvoxService.registerApp", 351, 350},
    {"ns1:QelvoxService.renameFolder", 355, 352},
    {"ns1:QelvoxService.moveToFolder", 358, 357},
    {"ns1:QelvoxService.getInboxOutboxID", 362, 359},
    {"ns3:ClientService.getMarketProducts", 367, 363},
    {"ns3:ClientService.getAllLanguages", 371, 368},
    {"ns3:ClientService.getAllCountries", 375, 372},
    {"ns3:ClientService.getAllFaxCountries", 379, 376},
    {"ns3:ClientService.getAllCurrencies", 384, 380},
    {"ns3:ClientService.getIpNationality", 387, 386},
    {"ns3:ClientService.getFaxRegions", 392, 388},
    {"ns3:ClientService.isActiveQelcode", 395, 394},
    {"ns3:ClientService.registerCustomer", 398, 397},
    {"ns3:ClientService.extendCustomer-using-qelcode", 401, 400},
    {"ns3:ClientService.extendCustomer-using-iTunes-transaction", 404, 403},
    {"ns2:SuQelvoxService.authenticate", 407, 406},
    {"ns2:SuQelvoxService.getCredential", 410, 409},
    {"ns2:SuQelvoxService.getFeatures", 414, 411},
    {"ns2:SuQelvoxService.getPackagesList", 418, 415},
    {"ns2:SuQelvoxService.getPackageDetail", 422, 419},
    {"ns2:SuQelvoxService.getEmailTemplatesList", 426, 423},
    {"ns2:SuQelvoxService.getEmailTemplate", 430, 427},
    {"ns2:SuQelvoxService.setEmailTemplate", 433, 432},
    {"ns2:SuQelvoxService.getFaxPrefixes", 438, 434},
    {"ns2:SuQelvoxService.getReportsList", 442, 439},
    {"ns2:SuQelvoxService.getReport", 445, 444},
    {"ns2:SuQelvoxService.getRoutingNumbers", 450, 446},
    {"ns2:SuQelvoxService.setAccountPackage", 453, 452},
    {"ns2:SuQelvoxService.changeAccountBalance", 456, 455},
    {"ns2:SuQelvoxService.changeAccountStatus", 459, 458},
    {"ns2:SuQelvoxService.addAccountGroup", 462, 461},
    {"ns2:SuQelvoxService.changeAccountGroup", 465, 464},
    {"ns2:SuQelvoxService.getAccountGroups", 469, 466},
    {"ns2:SuQelvoxService.removeAccountGroup", 472, 471},
    {"ns2:SuQelvoxService.setCustomerGroup", 475, 474},
    {"ns2:SuQelvoxService.createAccount", 478, 477},
    {"ns2:SuQelvoxService.getAllLanguages", 482, 479},
    {"ns2:SuQelvoxService.getAllCountries", 486, 483},
    {"ns2:SuQelvoxService.getAllFaxCountries", 490, 487},
    {"ns2:SuQelvoxService.getAllCurrencies", 494, 491},
    {"ns2:SuQelvoxService.getIpNationality", 497, 496},
    {"ns2:SuQelvoxService.getFaxRegions", 501, 498},
    {"ns2:SuQelvoxService.registerUserByQelCode", 504, 503},
};

struct HandType
{
    int id;
    const char *name;
};

const HandType handOthers[] = {
    {1, "int"},
    {3, "byte"},
    {4, "string"},
    {5, "_QName"},
    {78, "std__string"},
    {80, "double"},
    {81, "PointerToArrayOfObjectIDInfo"},
    {82, "PointerToArrayOfContactGroupInfo"},
    {83, "PointerToArrayOfContactInfo"},
    {84, "PointerToArrayOfFolderInfo"},
    {85, "PointerToArrayOfSMSSentInfo"},
    {86, "PointerToArrayOfFAXReceivedInfo"},
    {87, "PointerToArrayOfFAXSentInfo"},
    {88, "PointerToArrayOfVOICEReceivedInfo"},
    {89, "PointerToArrayOfObjectData"},
    {90, "PointerToArrayOfInteger"},
    {91, "PointerToArrayOfString"},
    {92, "PointerToint"},
    {93, "PointerTostd__string"},
    {170, "PointerToArrayOfLanguageInfo"},
    {175, "PointerToArrayOfCountryInfo"},
    {264, "PointerToArrayOfEnumInfo"},
    {281, "PointerToArrayOfRecipientInfo"},
    {292, "PointerToArrayOfObjectsID"},
    {341, "PointerToArrayOfObjectStatus"},
    {364, "PointerToArrayOfMarketProductInfo"},
    {381, "PointerToArrayOfCurrencyInfo"},
    {389, "PointerToArrayOfDestinationInfo"},
    {435, "PointerToArrayOfFaxPrefixInfo"},
    {447, "PointerToArrayOfRoutingNumberInfo"},
    {505, "SOAP_ENV__Header"},
    {506, "SOAP_ENV__Code"},
    {507, "PointerToSOAP_ENV__Code"},
    {508, "SOAP_ENV__Detail"},
    {511, "SOAP_ENV__Reason"},
    {512, "SOAP_ENV__Fault"},
    {513, "PointerToSOAP_ENV__Detail"},
    {514, "PointerToSOAP_ENV__Reason"},
};

const char handNoType[] =
    "0, 2, 6-7, 79, 162-163, 166, 171-172, 176-177, 179-180, 183, 187-188, 190, 193, 196, 200-201, 204-205, "
    "208-209, 212-213, 216-217, 220-221, 224-225, 228-229, 232-233, 236-237, 240-241, 244-245, 248-249, "
    "252-253, 256-257, 260-261, 265-266, 269-270, 273-274, 277-278, 282-283, 286-287, 289, 293, 296, 299, "
    "303-304, 306, 310-311, 314-315, 317, 321-322, 325-326, 329-330, 333-334, 337-338, 342-343, 346-347, "
    "349, 353-354, 356, 360-361, 365-366, 369-370, 373-374, 377-378, 382-383, 385, 390-391, 393, 396, 399, "
    "402, 405, 408, 412-413, 416-417, 420-421, 424-425, 428-429, 431, 436-437, 440-441, 443, 448-449, 451, "
    "454, 457, 460, 463, 467-468, 470, 473, 476, 480-481, 484-485, 488-489, 492-493, 495, 499-500, 502, "
    "509-510";

const int lastId = 514;

std::set<int> parseIds(const char *text)
{
    std::set<int> ids;
    for (const QByteArray &item : QByteArray(text).split(',')) {
        const QList<QByteArray> range = item.trimmed().split('-');
        for (int id = range.first().toInt(); id <= range.last().toInt(); ++id)
            ids.insert(id);
    }
    return ids;
}

// Message records are named by their element: "ns1:S.op" becomes ns1__S_x002eop, "-" becomes "_".
std::string recordName(std::string element)
{
    element.replace(element.find(':'), 1, "__");
    element.replace(element.find('.'), 1, "_x002e");
    for (char &c : element)
        c = c == '-' ? '_' : c;
    return element;
}

struct Expected
{
    std::string name;
    std::string xml;
    bool allocatable;
};

std::map<int, Expected> expectedTypes()
{
    std::map<int, Expected> types;
    for (const HandClass &c : handClasses) {
        types[c.id] = {c.name, c.xml ? c.xml : "", true};
        if (c.xml) {
            types[c.id + 84] = {std::string("PointerTo") + c.name, c.xml, false};
            types[c.id + 85] = {std::string("PointerToPointerTo") + c.name, c.xml, false};
        }
    }
    for (const HandOperation &op : handOperations) {
        const std::string response = std::string(op.element) + "Response";
        types[op.request] = {recordName(op.element), op.element, true};
        types[op.response] = {recordName(response), response, true};
    }
    for (const HandType &t : handOthers)
        types[t.id] = {t.name, "", t.id == 78 || (t.id >= 505 && t.id != 507 && t.id < 513)};
    return types;
}

const GeneratedType *generated(int id)
{
    for (size_t i = 0; i < generatedTypeCount; ++i)
        if (generatedTypes[i].id == id)
            return &generatedTypes[i];
    return nullptr;
}

QByteArray where(int id)
{
    return "type id " + QByteArray::number(id);
}

} // namespace

class BindingTypesTest : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void everyIdHasTheDocumentedType();
    void soapTypeOfEveryClassIsItsId();
    void instantiateMakesTheTypeOfEveryAllocatableId();
    void fdeleteReleasesExactlyTheAllocatableIds();
    void everyAllocatorMakesObjectsAndArrays_data();
    void everyAllocatorMakesObjectsAndArrays();
    void newObjectsAreInTheirInitialState();
    void initialisersForgetWithoutReleasing();
    void destructionLeavesPointeesAlone();
    void deleteArrayOfStringReleasesTableAndObject();
    void forwardCopiesGoThroughInsert();
    void idEnterAndHeaderCreation();
};

void BindingTypesTest::everyIdHasTheDocumentedType()
{
    const std::map<int, Expected> expected = expectedTypes();
    const std::set<int> noType = parseIds(handNoType);
    QCOMPARE(noType.size(), size_t(157));
    QCOMPARE(std::size(handClasses), size_t(70));
    QCOMPARE(std::size(handOperations), size_t(91));

    for (int id = 0; id <= lastId; ++id) {
        const GeneratedType *type = generated(id);
        const auto hand = expected.find(id);
        QVERIFY2((hand != expected.end()) != noType.count(id),
                 where(id) + " is both typed and untyped, or neither");
        if (hand == expected.end()) {
            QVERIFY2(!type, where(id) + " must stand for no type");
            continue;
        }
        QVERIFY2(type, where(id) + " is missing");
        QCOMPARE(type->name, hand->second.name.c_str());
        if (!hand->second.xml.empty() && std::string(type->kind) != "array")
            QCOMPARE(type->xml, hand->second.xml.c_str());
        QVERIFY2(bool(type->allocate) == hand->second.allocatable, where(id) + ": allocator presence");
    }
    QCOMPARE(generatedTypeCount, expected.size());
}

void BindingTypesTest::soapTypeOfEveryClassIsItsId()
{
    SoapEngine soap;
    int classes = 0;
    for (size_t i = 0; i < generatedTypeCount; ++i) {
        const GeneratedType &type = generatedTypes[i];
        if (!type.classType)
            continue;
        ++classes;
        const void *object = type.allocate(soap, -1, nullptr);
        QVERIFY(object);
        QCOMPARE(type.classType(object), type.id);
    }
    QCOMPARE(classes, 70);
}

void BindingTypesTest::instantiateMakesTheTypeOfEveryAllocatableId()
{
    SoapEngine soap;
    int made = 0;
    for (int id = -1; id <= 600; ++id) {
        const GeneratedType *type = generated(id);
        const size_t untouched = 12345;
        size_t size = untouched;
        soap->error = SOAP_OK;
        void *object = soap_instantiate(soap, id, "SomeOtherClass", nullptr, &size);
        if (!type || !type->allocate) {
            QVERIFY2(!object, where(id) + " must not be allocated");
            QCOMPARE(size, untouched);
            QCOMPARE(soap->error, SOAP_OK);
            continue;
        }
        ++made;
        QVERIFY2(object, where(id));
        QCOMPARE(soap->clist->ptr, object);
        QCOMPARE(soap->clist->type, id);
        QCOMPARE(soap->clist->size, -1);
        QCOMPARE(size, type->size);
        if (type->classType)
            QCOMPARE(type->classType(object), id);
    }
    QCOMPARE(made, 258);
}

void BindingTypesTest::fdeleteReleasesExactlyTheAllocatableIds()
{
    SoapEngine soap;
    for (int id = -1; id <= 600; ++id) {
        const GeneratedType *type = generated(id);
        if (type && type->allocate) {
            QVERIFY(type->allocate(soap, 2, nullptr));
            struct soap_clist *entry = soap->clist;
            QVERIFY2(soap_fdelete(soap, entry) == SOAP_OK, where(id));
            entry->ptr = nullptr; // released here, so the engine's bulk release has nothing left
        } else {
            struct soap_clist entry = {nullptr, nullptr, id, -1, soap_fdelete};
            QVERIFY2(soap_fdelete(soap, &entry) == SOAP_ERR, where(id));
        }
    }
}

void BindingTypesTest::everyAllocatorMakesObjectsAndArrays_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("one object") << -1;
    QTest::newRow("empty array") << 0;
    QTest::newRow("three elements") << 3;
}

// Run under the sanitizer build, this also shows that the release frees each form exactly once.
void BindingTypesTest::everyAllocatorMakesObjectsAndArrays()
{
    QFETCH(int, count);
    SoapEngine soap;
    for (size_t i = 0; i < generatedTypeCount; ++i) {
        const GeneratedType &type = generatedTypes[i];
        if (!type.allocate)
            continue;
        size_t size = 0;
        void *object = type.allocate(soap, count, &size);
        QVERIFY2(object, where(type.id));
        QCOMPARE(soap->clist->ptr, object);
        QCOMPARE(soap->clist->size, count);
        QCOMPARE(soap->clist->type, type.id);
        QCOMPARE(size, type.size * (count < 0 ? 1 : count));
    }
    soap_destroy(soap);
    QVERIFY(!soap->clist);
}

void BindingTypesTest::newObjectsAreInTheirInitialState()
{
    const AccountInfo account;
    for (const std::string *text :
         {&account.faxnumber, &account.faxheader, &account.notificationsms, &account.firstname,
          &account.lastname, &account.city, &account.address1, &account.postalcode, &account.country,
          &account.langcode, &account.phone, &account.companyname, &account.vat, &account.enddate})
        QVERIFY(text->empty());
    for (int number : {account.notifybysms, account.notifybyemail, account.redirecttoemail,
                       account.attachmentid, account.prepaidbalance})
        QCOMPARE(number, 0);
    QVERIFY(!account.soap);

    QCOMPARE(MarketProductInfo().price, 0.0);
    QCOMPARE(CurrencyInfo().valueofeuro, 0.0);
    const PackageInfo package;
    QCOMPARE(package.prepaidbalance, 0.0);
    QCOMPARE(package.price, 0.0);

    SoapEngine soap;
    const ObjectsInfo *objects = soap_instantiate_ObjectsInfo(soap, -1, nullptr, nullptr, nullptr);
    QCOMPARE(objects->timestamp, 0);
    QCOMPARE(objects->shifttime, 0);
    for (const void *array :
         {static_cast<const void *>(objects->contactgroups), static_cast<const void *>(objects->contacts),
          static_cast<const void *>(objects->folders), static_cast<const void *>(objects->smsessent),
          static_cast<const void *>(objects->faxesreceived), static_cast<const void *>(objects->faxessent),
          static_cast<const void *>(objects->voicesreceived), static_cast<const void *>(objects->removed)})
        QVERIFY(!array);
    QCOMPARE(objects->soap, static_cast<struct soap *>(soap));

    ArrayOfInteger *integers = soap_instantiate_ArrayOfInteger(soap, 2, nullptr, nullptr, nullptr);
    for (const ArrayOfInteger *element : {&integers[0], &integers[1]}) {
        QVERIFY(!element->__ptr);
        QCOMPARE(element->__size, 0);
        QCOMPARE(element->soap, static_cast<struct soap *>(soap));
    }

    const auto *title = soap_instantiate_ns1__QelvoxService_x002egetExtendedTitleResponse(soap, -1, nullptr,
                                                                                          nullptr, nullptr);
    QVERIFY(title->param_3.empty());
    const SOAP_ENV__Header *header = soap_instantiate_SOAP_ENV__Header(soap, -1, nullptr, nullptr, nullptr);
    QVERIFY(header->email.empty() && header->password.empty());
}

void BindingTypesTest::initialisersForgetWithoutReleasing()
{
    SoapEngine soap;
    std::string items[2] = {"+1", "+2"};
    ArrayOfString numbers;
    numbers.__ptr = items;
    numbers.__size = 2;
    numbers.soap_default(soap);
    QVERIFY(!numbers.__ptr);
    QCOMPARE(numbers.__size, 0);
    QCOMPARE(numbers.soap, static_cast<struct soap *>(soap));
    QCOMPARE(items[1], std::string("+2"));

    ns1__QelvoxService_x002egetAccountInfoResponse response;
    AccountInfo account;
    response.return_ = &account;
    soap_default_ns1__QelvoxService_x002egetAccountInfoResponse(soap, &response);
    QVERIFY(!response.return_);

    ns1__QelvoxService_x002egetRecipients recipients;
    recipients.id = 7;
    recipients.type = "fax";
    soap_default_ns1__QelvoxService_x002egetRecipients(soap, &recipients);
    QCOMPARE(recipients.id, 0);
    QVERIFY(recipients.type.empty());

    SOAP_ENV__Header header;
    header.email = "someone@example.com";
    soap_default_SOAP_ENV__Header(soap, &header);
    QCOMPARE(header.email, std::string("someone@example.com"));

    SOAP_ENV__Fault fault;
    fault.faultstring = items[0].data();
    soap_default_SOAP_ENV__Fault(soap, &fault);
    QVERIFY(!fault.faultcode && !fault.faultstring && !fault.detail && !fault.SOAP_ENV__Detail);
}

void BindingTypesTest::destructionLeavesPointeesAlone()
{
    ArrayOfContactGroupInfo groups;
    ArrayOfContactInfo contacts;
    ArrayOfObjectData removed;
    auto *objects = new ObjectsInfo;
    objects->contactgroups = &groups;
    objects->contacts = &contacts;
    objects->removed = &removed;
    delete objects; // deleting a stack object here would be reported by the sanitizer build

    auto *numbers = new ArrayOfString;
    numbers->__ptr = new std::string[2]{"+1", "+2"};
    numbers->__size = 2;
    std::string *table = numbers->__ptr;
    delete numbers;
    QCOMPARE(table[1], std::string("+2"));
    delete[] table;
}

void BindingTypesTest::deleteArrayOfStringReleasesTableAndObject()
{
    auto *numbers = new ArrayOfString;
    numbers->__ptr = new std::string[3]{"+1", "+2", "a number long enough to need its own storage"};
    numbers->__size = 3;
    deleteArrayOfString(numbers); // the sanitizer build reports anything left behind
    deleteArrayOfString(nullptr);
    deleteArrayOfString(new ArrayOfString);
}

void BindingTypesTest::forwardCopiesGoThroughInsert()
{
    SoapEngine soap;
    ContactInfo first;
    first.name = "Ann";
    ContactInfo *items[1] = {&first};
    ArrayOfContactInfo source;
    source.__ptr = items;
    source.__size = 1;
    ArrayOfContactInfo target;
    soap_finsert(soap, SOAP_TYPE_ArrayOfContactInfo, SOAP_TYPE_ArrayOfContactInfo, &target, 0, &source,
                 nullptr);
    QCOMPARE(target.__ptr, source.__ptr);
    QCOMPARE(target.__size, 1);
    first.name = "Bob";
    QCOMPARE(target.__ptr[0]->name, std::string("Bob"));

    ContactInfo copy;
    soap_finsert(soap, SOAP_TYPE_ContactInfo, SOAP_TYPE_ContactInfo, &copy, 0, &first, nullptr);
    first.name = "Cid";
    QCOMPARE(copy.name, std::string("Bob"));

    std::string text;
    const std::string original = "forwarded";
    soap_finsert(soap, SOAP_TYPE_std__string, SOAP_TYPE_std__string, &text, 0, &original, nullptr);
    QCOMPARE(text, original);
}

void BindingTypesTest::idEnterAndHeaderCreation()
{
    SoapEngine soap;
    ObjectData given;
    QCOMPARE(soap_class_id_enter(soap, "", &given, SOAP_TYPE_ObjectData, sizeof given, nullptr, nullptr),
             static_cast<void *>(&given));
    QCOMPARE(soap->alloced, 0);
    QVERIFY(!soap->clist);

    void *made = soap_class_id_enter(soap, "", nullptr, SOAP_TYPE_ObjectData, sizeof given, nullptr, nullptr);
    QVERIFY(made);
    QVERIFY(soap->alloced); // this runtime records the allocated type id rather than 1
    QCOMPARE(soap->clist->type, SOAP_TYPE_ObjectData);
    QCOMPARE(static_cast<ObjectData *>(made)->soap, static_cast<struct soap *>(soap));

    soap_header(soap);
    SOAP_ENV__Header *header = soap->header;
    QVERIFY(header && header->email.empty());
    header->email = "kept";
    soap_header(soap);
    QCOMPARE(soap->header, header);
    QCOMPARE(soap->header->email, std::string("kept"));
    soap->header = nullptr; // engine-owned: released with the engine's objects, not by the fixture
}

QTEST_APPLESS_MAIN(BindingTypesTest)
#include "tst_bindingtypes.moc"
