#include "BindingTypes.h"
#include "ChangeList.h"
#include "FAXSentInfoRegister.h"
#include "ForwardEntry.h"
#include "FromService.h"
#include "ObjectRef.h"
#include "ObjectsRequest.h"
#include "QelFolderInfo.h"
#include "QelvoxTestCase.h"
#include "RecipientStatus.h"
#include "RecordText.h"
#include "SMSSentInfoRegister.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "ToService.h"
#include "qtAccountInfo.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"
#include "qtCountryInfo.h"
#include "qtFAXReceivedInfo.h"
#include "qtFAXSentInfo.h"
#include "qtLanguageInfo.h"
#include "qtObjectsInfo.h"
#include "qtSMSSentInfo.h"
#include "qtVOICEReceivedInfo.h"

#include <QTest>
#include <functional>
#include <memory>
#include <vector>

// A reply array over items that the test keeps alive; a null pointer stands for a nil item.
template <class Array, class Item> class ReplyArray
{
public:
    explicit ReplyArray(std::vector<Item *> items) : items(std::move(items))
    {
        array.__ptr = this->items.data();
        array.__size = int(this->items.size());
    }
    ~ReplyArray()
    {
        for (Item *item : items)
            delete item;
    }
    ReplyArray(const ReplyArray &) = delete;
    ReplyArray &operator=(const ReplyArray &) = delete;

    Array array;

private:
    std::vector<Item *> items;
};

// Converts a service record built by the row into a local record.
using Conversion = std::function<std::unique_ptr<BaseObject>()>;
Q_DECLARE_METATYPE(Conversion)

template <class Local> std::unique_ptr<BaseObject> held(Local local)
{
    return std::make_unique<Local>(local);
}

QString accountText(const qtAccountInfo &a)
{
    return QStringList{a.faxnumber,
                       a.faxheader,
                       QString::number(a.notifybysms),
                       a.notificationsms,
                       QString::number(a.notifybyemail),
                       QString::number(a.redirecttoemail),
                       QString::number(a.attachmentid),
                       a.firstname,
                       a.lastname,
                       a.city,
                       a.address1,
                       a.postalcode,
                       a.country,
                       a.langcode,
                       a.phone,
                       a.companyname,
                       a.vat,
                       QString::number(a.prepaidbalance),
                       a.enddate}
        .join(QLatin1Char('|'));
}

QString entriesText(const QList<ChangeEntry> &entries)
{
    QStringList parts;
    for (const ChangeEntry &e : entries)
        parts << QStringLiteral("%1/%2/%3").arg(e.object).arg(e.type).arg(e.action);
    return parts.join(QLatin1Char(' '));
}

QString recipientsText(const QList<RecipientStatus> &list)
{
    QStringList parts;
    for (const RecipientStatus &r : list)
        parts << QStringLiteral("%1=%2").arg(r.recipient).arg(r.status);
    return parts.join(QLatin1Char(' '));
}

class ConversionsTest : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void recordsFromService_data();
    void recordsFromService();
    void snapshotFromService();
    void emptySnapshotKeepsItsTimestamp();
    void changeListFromService();
    void accountDetailsBothWays();
    void listsAppendAndSkipNullItems();
    void pendingItemsListTheirQueuedNumbers();
    void idArraysByObjectType();
    void objectReferenceArrays();
    void textArraysAndTextEncoding_data();
    void textArraysAndTextEncoding();
    void requestRecordsToService();
};

void ConversionsTest::recordsFromService_data()
{
    QTest::addColumn<Conversion>("convert");
    QTest::addColumn<QString>("expected");

    QTest::newRow("group, trimmed") << Conversion([] {
        ContactGroupInfo info;
        info.id = 41;
        info.name = "  Friends\t";
        return held(fromContactGroupInfo(info));
    }) << "type=5 id=41 taskid=0 localid=0 status=0 name='Friends'";

    QTest::newRow("contact, texts trimmed, Cyrillic kept")
        << Conversion([] {
               ContactInfo info;
               info.id = 7;
               info.groupid = 41;
               info.name = "  \xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd\t";
               info.number = " +331234 ";
               info.gsmnumber = "\t+336789";
               return held(fromContactInfo(info));
           })
        << QString::fromUtf8("type=6 id=7 groupid=41 name='Иван' number='+331234' gsmnumber='+336789' "
                             "taskid=0 localid=0 status=0");

    QTest::newRow("folder, name not trimmed") << Conversion([] {
        FolderInfo_A info;
        info.id = 12;
        info.foldertype = 3;
        info.name = " Archive ";
        return held(fromFolderInfo(info));
    }) << "type=7 id=12 taskid=0 localid=0 status=0 foldertype=3 name=' Archive '";

    QTest::newRow("sent sms") << Conversion([] {
        SMSSentInfo info;
        info.id = 90;
        info.folderid = 2;
        info.status = 1;
        info.sentstatus = 4;
        info.date = "2024-01-02 03:04:05";
        info.content = " hello ";
        info.recipients = 1;
        info.recipient = "+3312";
        return held(fromSMSSentInfo(info));
    })
                              << "type=4 id=90 folderid=2 status=1 date='2024-01-02 03:04:05' shifteddate='' "
                                 "sentstatus=4 recipients=1 "
                                 "recipient='+3312' content=' hello '";

    QTest::newRow("received fax, its type not carried")
        << Conversion([] {
               FAXReceivedInfo info;
               info.id = 91;
               info.folderid = 1;
               info.type = 5;
               info.status = 0;
               info.date = "2024-02-03 04:05:06";
               info.pagescount = 3;
               info.sender = "+4930";
               return held(fromFAXReceivedInfo(info));
           })
        << "type=2 id=91 folderid=1 status=0 date='2024-02-03 04:05:06' shifteddate='' pagescount=3 "
           "sender='+4930'";

    QTest::newRow("sent fax, its type carried") << Conversion([] {
        FAXSentInfo info;
        info.id = 92;
        info.folderid = 2;
        info.type = 5;
        info.status = 1;
        info.sentstatus = 6;
        info.date = "2024-03-04 05:06:07";
        info.pagescount = 2;
        info.recipients = 3;
        info.recipient = "";
        return held(fromFAXSentInfo(info));
    })
                                                << "type=1 id=92 folderid=2 status=1 date='2024-03-04 "
                                                   "05:06:07' shifteddate='' sentstatus=6 recipients=3 "
                                                   "recipient='' faxtype=5 pagescount=2";

    QTest::newRow("voice")
        << Conversion([] {
               VOICEReceivedInfo info;
               info.id = 93;
               info.folderid = 1;
               info.status = 1;
               info.date = "2024-04-05 06:07:08";
               info.duration = 42;
               info.sender = "+4420";
               return held(fromVOICEReceivedInfo(info));
           })
        << "type=3 id=93 folderid=1 status=1 date='2024-04-05 06:07:08' shifteddate='' duration=42 "
           "sender='+4420'";
}

void ConversionsTest::recordsFromService()
{
    QFETCH(Conversion, convert);
    QFETCH(QString, expected);
    QCOMPARE(recordText(*convert()), expected);
}

void ConversionsTest::snapshotFromService()
{
    ReplyArray<ArrayOfContactGroupInfo, ContactGroupInfo> groups(
        {new ContactGroupInfo, nullptr, new ContactGroupInfo});
    groups.array.__ptr[0]->id = 1;
    groups.array.__ptr[2]->id = 2;
    ReplyArray<ArrayOfContactInfo, ContactInfo> contacts({new ContactInfo});
    contacts.array.__ptr[0]->id = 3;
    ReplyArray<ArrayOfFolderInfo, FolderInfo_A> folders({new FolderInfo_A});
    folders.array.__ptr[0]->id = 4;
    ReplyArray<ArrayOfSMSSentInfo, SMSSentInfo> sms({new SMSSentInfo});
    sms.array.__ptr[0]->id = 5;
    ReplyArray<ArrayOfFAXReceivedInfo, FAXReceivedInfo> received({new FAXReceivedInfo});
    received.array.__ptr[0]->id = 6;
    ReplyArray<ArrayOfFAXSentInfo, FAXSentInfo> sent({new FAXSentInfo, new FAXSentInfo});
    sent.array.__ptr[0]->id = 7;
    sent.array.__ptr[1]->id = 8;
    ReplyArray<ArrayOfVOICEReceivedInfo, VOICEReceivedInfo> voices({new VOICEReceivedInfo});
    voices.array.__ptr[0]->id = 9;
    ReplyArray<ArrayOfObjectData, ObjectData> removed(
        {new ObjectData, new ObjectData, nullptr, new ObjectData});
    for (int i : {0, 1, 3}) {
        removed.array.__ptr[i]->object = 100 + i;
        removed.array.__ptr[i]->type = i + 1;
    }

    ObjectsInfo info;
    info.timestamp = 1234;
    info.shifttime = 3600;
    info.contactgroups = &groups.array;
    info.contacts = &contacts.array;
    info.folders = &folders.array;
    info.smsessent = &sms.array;
    info.faxesreceived = &received.array;
    info.faxessent = &sent.array;
    info.voicesreceived = &voices.array;
    info.removed = &removed.array;

    qtObjectsInfo snapshot;
    fromObjectsInfo(snapshot, info);

    QCOMPARE(snapshot.timestamp, 1234);
    QCOMPARE(snapshot.shifttime, 0);
    auto ids = [](const auto &list) {
        QList<int> result;
        for (const auto &record : list)
            result << record.id;
        return result;
    };
    QCOMPARE(ids(snapshot.contactgroups), QList<int>({1, 2}));
    QCOMPARE(ids(snapshot.contacts), QList<int>{3});
    QCOMPARE(ids(snapshot.folders), QList<int>{4});
    QCOMPARE(ids(snapshot.smsessent), QList<int>{5});
    QCOMPARE(ids(snapshot.faxesreceived), QList<int>{6});
    QCOMPARE(ids(snapshot.faxessent), QList<int>({7, 8}));
    QCOMPARE(ids(snapshot.voicesreceived), QList<int>{9});
    QCOMPARE(entriesText(snapshot.removed), QStringLiteral("100/1/-1 101/2/-1 103/4/-1"));
}

void ConversionsTest::emptySnapshotKeepsItsTimestamp()
{
    // Null arrays and arrays of no items alike give empty lists.
    ReplyArray<ArrayOfContactInfo, ContactInfo> none({});
    ObjectsInfo info;
    info.timestamp = 77;
    info.contacts = &none.array;
    qtObjectsInfo snapshot;
    fromObjectsInfo(snapshot, info);
    QCOMPARE(snapshot.timestamp, 77);
    QVERIFY(snapshot.contactgroups.isEmpty() && snapshot.contacts.isEmpty() && snapshot.folders.isEmpty() &&
            snapshot.smsessent.isEmpty() && snapshot.faxesreceived.isEmpty() &&
            snapshot.faxessent.isEmpty() && snapshot.voicesreceived.isEmpty() && snapshot.removed.isEmpty());
}

void ConversionsTest::changeListFromService()
{
    ChangeList list;
    list.timestamp = 5;
    list.entries << ChangeEntry(1, 1, 1);

    ObjectsIDInfo withoutActions;
    withoutActions.timestamp = 99;
    fromObjectsIDInfo(list, &withoutActions);
    fromObjectsIDInfo(list, nullptr);
    QCOMPARE(list.timestamp, 5);
    QCOMPARE(entriesText(list.entries), QStringLiteral("1/1/1"));

    ReplyArray<ArrayOfObjectIDInfo, ObjectIDInfo> actions({new ObjectIDInfo, nullptr, new ObjectIDInfo});
    *actions.array.__ptr[0] = ObjectIDInfo();
    actions.array.__ptr[0]->object = 10;
    actions.array.__ptr[0]->type = 2;
    actions.array.__ptr[0]->action = 3;
    actions.array.__ptr[2]->object = 11;
    actions.array.__ptr[2]->type = 11;
    actions.array.__ptr[2]->action = -2;
    ObjectsIDInfo info;
    info.timestamp = 99;
    info.actions = &actions.array;
    fromObjectsIDInfo(list, &info);
    QCOMPARE(list.timestamp, 99);
    QCOMPARE(entriesText(list.entries), QStringLiteral("1/1/1 10/2/3 11/11/-2"));
}

void ConversionsTest::accountDetailsBothWays()
{
    AccountInfo service;
    service.faxnumber = "+3310";
    service.faxheader = "Header";
    service.notifybysms = 1;
    service.notificationsms = "+3311";
    service.notifybyemail = 2;
    service.redirecttoemail = 3;
    service.attachmentid = 4;
    service.firstname = " Zo\xc3\xa9 ";
    service.lastname = "Last";
    service.city = "City";
    service.address1 = "Street";
    service.postalcode = "75001";
    service.country = "FRA";
    service.langcode = "fr";
    service.phone = "+3312";
    service.companyname = "Company";
    service.vat = "VAT";
    service.prepaidbalance = 500;
    service.enddate = "2030-01-01";

    qtAccountInfo local;
    fromAccountInfo(local, service);
    QCOMPARE(accountText(local),
             QString::fromUtf8("+3310|Header|1|+3311|2|3|4| Zoé |Last|City|Street|75001|FRA|"
                               "fr|+3312|Company|VAT|500|2030-01-01"));

    AccountInfo back;
    toAccountInfo(local, back);
    qtAccountInfo again;
    fromAccountInfo(again, back);
    QCOMPARE(accountText(again), accountText(local));
    QCOMPARE(back.firstname, service.firstname);
}

void ConversionsTest::listsAppendAndSkipNullItems()
{
    ReplyArray<ArrayOfRecipientInfo, RecipientInfo> recipients(
        {new RecipientInfo, nullptr, new RecipientInfo});
    recipients.array.__ptr[0]->recipient = "+331";
    recipients.array.__ptr[0]->status = 4;
    recipients.array.__ptr[2]->recipient = "a@b.c";
    recipients.array.__ptr[2]->status = -2;
    QList<RecipientStatus> delivery{RecipientStatus("old1", 1), RecipientStatus("old2", 2)};
    fromArrayOfRecipientInfo(delivery, recipients.array);
    QCOMPARE(recipientsText(delivery), QStringLiteral("old1=1 old2=2 +331=4 a@b.c=-2"));

    ReplyArray<ArrayOfCountryInfo, CountryInfo> countries({new CountryInfo, new CountryInfo});
    countries.array.__ptr[0]->code = "FRA";
    countries.array.__ptr[0]->country = "France";
    countries.array.__ptr[1]->code = "DEU";
    countries.array.__ptr[1]->country = "Deutschland";
    QList<qtCountryInfo> countryList;
    fromArrayOfCountryInfo(countryList, countries.array);
    QCOMPARE(countryList.size(), 2);
    QCOMPARE(countryList[1].code + countryList[1].country, QStringLiteral("DEUDeutschland"));

    ReplyArray<ArrayOfLanguageInfo, LanguageInfo> languages({nullptr, new LanguageInfo});
    languages.array.__ptr[1]->code = "ru";
    languages.array.__ptr[1]->language = "\xd0\xa0\xd1\x83\xd1\x81\xd1\x81\xd0\xba\xd0\xb8\xd0\xb9";
    QList<qtLanguageInfo> languageList;
    fromArrayOfLanguageInfo(languageList, languages.array);
    QCOMPARE(languageList.size(), 1);
    QCOMPARE(languageList[0].language, QString::fromUtf8("Русский"));

    ReplyArray<ArrayOfDestinationInfo, DestinationInfo> regions({new DestinationInfo});
    regions.array.__ptr[0]->id = 12;
    regions.array.__ptr[0]->parentid = 3;
    regions.array.__ptr[0]->destination = "Alaska";
    QList<qtDestinationInfo> regionList;
    fromArrayOfDestinationInfo(regionList, regions.array);
    QCOMPARE(regionList.size(), 1);
    QCOMPARE(regionList[0].id, 12);
    QCOMPARE(regionList[0].parentid, 3);
    QCOMPARE(regionList[0].destination, QStringLiteral("Alaska"));

    ArrayOfCountryInfo empty;
    fromArrayOfCountryInfo(countryList, empty);
    QCOMPARE(countryList.size(), 2);
}

void ConversionsTest::pendingItemsListTheirQueuedNumbers()
{
    FAXSentInfoRegister fax;
    fax.sentstatus = -2;
    fax.recipientlist = QStringList{"+331", "+332", "+333"};
    QList<RecipientStatus> list{RecipientStatus("kept", 0)};
    pendingFaxRecipients(fax, list);
    QCOMPARE(recipientsText(list), QStringLiteral("kept=0 +331=-2 +332=-2 +333=-2"));

    SMSSentInfoRegister sms;
    sms.sentstatus = 2;
    sms.recipientlist = QStringList{"+449"};
    QList<RecipientStatus> smsList;
    pendingSmsRecipients(sms, smsList);
    QCOMPARE(recipientsText(smsList), QStringLiteral("+449=2"));
}

void ConversionsTest::idArraysByObjectType()
{
    ObjectsRequest request;
    request.objects.insert(4, {});
    request.objects.insert(1, {5, 7});
    ArrayOfObjectsID array;
    toArrayOfObjectsID(request, array);
    QCOMPARE(array.__size, 2);
    QCOMPARE(array.__ptr[0]->type, 1);
    QCOMPARE(array.__ptr[0]->ids->__size, 2);
    QCOMPARE(array.__ptr[0]->ids->__ptr[0], 5);
    QCOMPARE(array.__ptr[0]->ids->__ptr[1], 7);
    QCOMPARE(array.__ptr[1]->type, 4);
    QCOMPARE(array.__ptr[1]->ids->__size, 0);
    // An empty id list still has an item table, so that it is written with an array type.
    QVERIFY(array.__ptr[1]->ids->__ptr);
    freeArrayOfObjectsID(array);
    QCOMPARE(array.__size, 0);
    QVERIFY(!array.__ptr);

    ArrayOfObjectsID empty;
    toArrayOfObjectsID(ObjectsRequest(), empty);
    QCOMPARE(empty.__size, 0);
    QVERIFY(!empty.__ptr);
    freeArrayOfObjectsID(empty);
}

void ConversionsTest::objectReferenceArrays()
{
    ArrayOfObjectData array;
    toArrayOfObjectData(array, {ObjectRef(10, 2), ObjectRef(11, 6)});
    QCOMPARE(array.__size, 2);
    QCOMPARE(array.__ptr[0]->object, 10);
    QCOMPARE(array.__ptr[0]->type, 2);
    QCOMPARE(array.__ptr[1]->object, 11);
    QCOMPARE(array.__ptr[1]->type, 6);
    freeArrayOfObjectData(array);
    freeArrayOfObjectData(array);
    QVERIFY(!array.__ptr);

    ArrayOfObjectData empty;
    toArrayOfObjectData(empty, {});
    QCOMPARE(empty.__size, 0);
    QVERIFY(!empty.__ptr);
}

void ConversionsTest::textArraysAndTextEncoding_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<QByteArray>>("sent");
    QTest::newRow("none") << QStringList() << QList<QByteArray>();
    QTest::newRow("accented capital, six bytes")
        << QStringList{QString::fromUtf8("Élise")} << QList<QByteArray>{"\xc3\x89lise"};
    QTest::newRow("blanks kept") << QStringList{" +33 1 "} << QList<QByteArray>{" +33 1 "};
    QTest::newRow("cut at U+0000") << QStringList{QStringLiteral("ab") + QChar(0) + QStringLiteral("cd"), "x"}
                                   << QList<QByteArray>{"ab", "x"};
}

void ConversionsTest::textArraysAndTextEncoding()
{
    QFETCH(QStringList, texts);
    QFETCH(QList<QByteArray>, sent);
    ArrayOfString *array = toArrayOfString(texts);
    QCOMPARE(array->__size, int(sent.size()));
    QVERIFY(array->__ptr);
    for (int i = 0; i < array->__size; ++i)
        QCOMPARE(QByteArray::fromStdString(array->__ptr[i]), sent.at(i));
    // The release leaves an empty item table behind.
    delete[] array->__ptr;
    delete array;
}

void ConversionsTest::requestRecordsToService()
{
    SendFaxRequest fax;
    fax.numbers = QStringList{"+331", "+332"};
    fax.content = "cover text";
    fax.header = "header text";
    fax.coverpage = 1;
    fax.dithering = 1;
    SendFaxInfo faxInfo;
    toSendFaxInfo(fax, faxInfo);
    QCOMPARE(faxInfo.numbers->__size, 2);
    QCOMPARE(faxInfo.numbers->__ptr[1], std::string("+332"));
    QCOMPARE(faxInfo.content, std::string("cover text"));
    QCOMPARE(faxInfo.desc, std::string("header text"));
    QCOMPARE(faxInfo.coverpage, 1);
    QCOMPARE(faxInfo.dithering, 1);
    QCOMPARE(faxInfo.pages, -1);
    QCOMPARE(faxInfo.app, 1001);
    deleteArrayOfString(faxInfo.numbers);

    SendSmsRequest sms;
    sms.numbers = QStringList{"+449"};
    sms.content = QString::fromUtf8("Привет");
    sms.unicode = 1;
    SendSmsInfo smsInfo;
    toSendSmsInfo(sms, smsInfo);
    QCOMPARE(smsInfo.numbers->__size, 1);
    QCOMPARE(QByteArray::fromStdString(smsInfo.content), QString::fromUtf8("Привет").toUtf8());
    QCOMPARE(smsInfo.unicode, 1);
    QCOMPARE(smsInfo.app, 1001);
    deleteArrayOfString(smsInfo.numbers);

    ForwardEntry entry(2, 55, "label not sent");
    entry.forward = 5;
    entry.to = "a@b.c";
    ForwardInfo forward;
    toForwardInfo(entry, forward);
    QCOMPARE(forward.id, 55);
    QCOMPARE(forward.type, 2);
    QCOMPARE(forward.forward, 5);
    QCOMPARE(forward.to, std::string("a@b.c"));
    QCOMPARE(forward.app, 1001);

    qtContactInfo contact(-12, 0);
    contact.groupid = 3;
    contact.name = " Ann ";
    contact.number = "+331";
    contact.gsmnumber = "+336";
    ContactInfo contactInfo;
    toContactInfo(contact, contactInfo);
    QCOMPARE(contactInfo.id, -12);
    QCOMPARE(contactInfo.groupid, 3);
    QCOMPARE(contactInfo.name, std::string(" Ann "));
    QCOMPARE(contactInfo.number, std::string("+331"));
    QCOMPARE(contactInfo.gsmnumber, std::string("+336"));

    qtContactGroupInfo group(-4, 0);
    group.name = "Team";
    ContactGroupInfo groupInfo;
    toContactGroupInfo(group, groupInfo);
    QCOMPARE(groupInfo.id, -4);
    QCOMPARE(groupInfo.name, std::string("Team"));
}

QTEST_GUILESS_MAIN(ConversionsTest)
#include "tst_conversions.moc"
