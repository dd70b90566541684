#pragma once

#include <QJsonObject>
#include <QString>

// Object type codes shared with the client; ForwardJob is the stand-in's own
// record of an e-mail forward, which the service never lists as an object.
namespace ObjectType {
constexpr int SentFax = 1;
constexpr int ReceivedFax = 2;
constexpr int VoiceMessage = 3;
constexpr int SentSms = 4;
constexpr int ContactGroup = 5;
constexpr int Contact = 6;
constexpr int Folder = 7;
constexpr int ReviewRequest = 8;
constexpr int TimeShiftRequest = 10;
constexpr int Progress = 11;
constexpr int ForwardJob = 105;

inline bool isListed(int type)
{
    return type >= SentFax && type <= Folder;
}
inline bool isItem(int type)
{
    return type >= SentFax && type <= SentSms;
}
} // namespace ObjectType

namespace FolderType {
constexpr int User = 0;
constexpr int Inbox = 1;
constexpr int Outbox = 2;
} // namespace FolderType

// One row of the object table: every kind of account object shares it, each
// kind using the columns that its service record carries.
struct StoredObject
{
    int id = 0;
    int account = 0;
    int type = 0;
    int folder = 0;
    int status = 0;
    int sentStatus = 0;
    QString date;
    QString name;
    QString number;
    QString gsmNumber;
    int groupId = 0;
    int folderType = 0;
    QString content;
    int pages = 0;
    int faxType = 0;
    int duration = 0;
    QString sender;
    QJsonObject details;
};

struct Recipient
{
    QString recipient;
    int status = 0;
};

struct Document
{
    QString name;
    QString contentType;
    QByteArray content;
};

struct Account
{
    int id = 0;
    QString email;
    QString passwordDigest;
    bool extendedTitle = false;
    int timeShift = 0;
    int inbox = 0;
    int outbox = 0;
    QString appVersion;
    QJsonObject details;
};

struct ChangeEntry
{
    int object = 0;
    int type = 0;
    int action = 0;
};
