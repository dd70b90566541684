#include "ToService.h"

#include "AccountFields.h"
#include "BindingTypes.h"
#include "ForwardEntry.h"
#include "ObjectRef.h"
#include "ObjectsRequest.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "qtAccountInfo.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"

std::string utf8(const QString &text)
{
    return std::string(text.toUtf8().constData());
}

ArrayOfInteger *toArrayOfInteger(const QList<int> &values)
{
    auto *array = new ArrayOfInteger;
    array->__size = int(values.size());
    array->__ptr = new int[values.size()];
    std::copy(values.cbegin(), values.cend(), array->__ptr);
    return array;
}

ArrayOfString *toArrayOfString(const QStringList &texts)
{
    auto *array = new ArrayOfString;
    array->__size = int(texts.size());
    array->__ptr = new std::string[texts.size()];
    for (int i = 0; i < array->__size; ++i)
        array->__ptr[i] = utf8(texts.at(i));
    return array;
}

void toArrayOfObjectsID(const ObjectsRequest &request, ArrayOfObjectsID &array)
{
    array.__size = int(request.objects.size());
    if (array.__size == 0)
        return;
    array.__ptr = new ObjectsID *[array.__size];
    int index = 0;
    for (auto it = request.objects.cbegin(); it != request.objects.cend(); ++it, ++index) {
        auto *entry = new ObjectsID;
        entry->type = it.key();
        entry->ids = toArrayOfInteger(it.value());
        array.__ptr[index] = entry;
    }
}

void freeArrayOfObjectsID(ArrayOfObjectsID &array)
{
    for (int i = 0; array.__ptr && i < array.__size; ++i) {
        ObjectsID *entry = array.__ptr[i];
        if (entry && entry->ids) {
            delete[] entry->ids->__ptr;
            delete entry->ids;
        }
        delete entry;
    }
    delete[] array.__ptr;
    array.__ptr = nullptr;
    array.__size = 0;
}

void toArrayOfObjectData(ArrayOfObjectData &array, const QList<ObjectRef> &objects)
{
    array.__size = int(objects.size());
    if (array.__size == 0)
        return;
    array.__ptr = new ObjectData *[array.__size];
    for (int i = 0; i < array.__size; ++i) {
        auto *entry = new ObjectData;
        entry->object = objects.at(i).object;
        entry->type = objects.at(i).type;
        array.__ptr[i] = entry;
    }
}

void freeArrayOfObjectData(ArrayOfObjectData &array)
{
    for (int i = 0; array.__ptr && i < array.__size; ++i)
        delete array.__ptr[i];
    delete[] array.__ptr;
    array.__ptr = nullptr;
    array.__size = 0;
}

void toForwardInfo(const ForwardEntry &entry, ForwardInfo &info)
{
    info.id = entry.objectid;
    info.type = entry.objecttype;
    info.forward = entry.forward;
    info.to = utf8(entry.to);
    info.app = qelvoxAppId;
}

void toSendSmsInfo(const SendSmsRequest &request, SendSmsInfo &info)
{
    info.numbers = toArrayOfString(request.numbers);
    info.unicode = request.unicode;
    info.content = utf8(request.content);
    info.app = qelvoxAppId;
}

void toSendFaxInfo(const SendFaxRequest &request, SendFaxInfo &info)
{
    info.numbers = toArrayOfString(request.numbers);
    info.dithering = request.dithering;
    info.coverpage = request.coverpage;
    info.content = utf8(request.content);
    info.desc = utf8(request.header);
    // The service counts the pages of the attached documents itself.
    info.pages = -1;
    info.app = qelvoxAppId;
}

void toContactGroupInfo(const qtContactGroupInfo &group, ContactGroupInfo &info)
{
    info.id = group.id;
    info.name = utf8(group.name);
}

void toContactInfo(const qtContactInfo &contact, ContactInfo &info)
{
    info.groupid = contact.groupid;
    info.id = contact.id;
    info.name = utf8(contact.name);
    info.number = utf8(contact.number);
    info.gsmnumber = utf8(contact.gsmnumber);
}

void toAccountInfo(const qtAccountInfo &account, AccountInfo &info)
{
    for (const AccountFields::Text &field : AccountFields::texts)
        info.*field.service = utf8(account.*field.local);
    for (const AccountFields::Number &field : AccountFields::numbers)
        info.*field.service = account.*field.local;
}
