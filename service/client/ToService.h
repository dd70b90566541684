#pragma once

#include <QList>
#include <QStringList>
#include <string>

class AccountInfo;
class ArrayOfInteger;
class ArrayOfObjectData;
class ArrayOfObjectsID;
class ArrayOfString;
class ContactGroupInfo;
class ContactInfo;
class ForwardEntry;
class ForwardInfo;
class ObjectRef;
class ObjectsRequest;
class SendFaxInfo;
class SendFaxRequest;
class SendSmsInfo;
class SendSmsRequest;
class qtAccountInfo;
class qtContactGroupInfo;
class qtContactInfo;

// Local records and task arguments turned into the service records of a request. Texts go out as UTF-8.
// The service objects built here have no engine: the caller releases them (see each function).

// The UTF-8 form in which every text goes to the services. A text that holds U+0000 goes out cut there,
// as the service's strings cannot carry it.
std::string utf8(const QString &text);

// The application id that every send and forward carries.
constexpr int qelvoxAppId = 1001;

// Both return a new array that the caller owns; the item table is allocated even for an empty list, so
// that the array is written with an array type of zero items.
ArrayOfInteger *toArrayOfInteger(const QList<int> &values);
// Release with deleteArrayOfString.
ArrayOfString *toArrayOfString(const QStringList &texts);

// Fills an empty array, one entry per object type in ascending order; release with freeArrayOfObjectsID.
void toArrayOfObjectsID(const ObjectsRequest &request, ArrayOfObjectsID &array);
void freeArrayOfObjectsID(ArrayOfObjectsID &array);
// Fills an empty array, one entry per reference in order; release with freeArrayOfObjectData.
void toArrayOfObjectData(ArrayOfObjectData &array, const QList<ObjectRef> &objects);
void freeArrayOfObjectData(ArrayOfObjectData &array);

void toForwardInfo(const ForwardEntry &entry, ForwardInfo &info);
// The number array of the sends is new: release it with deleteArrayOfString.
void toSendSmsInfo(const SendSmsRequest &request, SendSmsInfo &info);
void toSendFaxInfo(const SendFaxRequest &request, SendFaxInfo &info);
void toContactGroupInfo(const qtContactGroupInfo &group, ContactGroupInfo &info);
void toContactInfo(const qtContactInfo &contact, ContactInfo &info);
void toAccountInfo(const qtAccountInfo &account, AccountInfo &info);
