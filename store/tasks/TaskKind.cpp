#include "TaskKind.h"

#include "ForwardEntry.h"
#include "LocalTaskReader.h"
#include "LocalTaskWriter.h"
#include "MoveToFolderRequest.h"
#include "ObjectRef.h"
#include "ObjectsRequest.h"
#include "QelFolderInfo.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "TaskType.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"
#include "qtFAXReceivedInfo.h"
#include "qtFAXSentInfo.h"
#include "qtSMSSentInfo.h"
#include "qtVOICEReceivedInfo.h"

#include <iterator>

namespace {

template <typename T> void release(const QVariant &argument)
{
    delete recordFromVariant<T>(argument);
}

using A = TaskArgument;
using R = LocalTaskReader;
using W = LocalTaskWriter;

// Indexed by type code. The persisted names are those that caches written by older runs hold; they never
// change.
constexpr TaskKind kinds[] = {
    {TaskType::LOGIN, A::None, nullptr, nullptr, nullptr, nullptr},
    {TaskType::IMPORT_OUTLOOK_CONTACTS, A::None, nullptr, nullptr, nullptr, nullptr},
    {TaskType::REGISTER_APP, A::None, nullptr, nullptr, nullptr, nullptr},
    {TaskType::GET_SHIFT_TIME, A::None, nullptr, nullptr, nullptr, nullptr},
    {TaskType::GET_INBOX_OUTBOX_ID, A::None, nullptr, nullptr, nullptr, nullptr},
    {TaskType::REVIEW_OBJECTS, A::None, nullptr, nullptr, nullptr, nullptr},
    {TaskType::SEND_SMS, A::SendSms, "SEND_SMS", &W::saveSendSms, &R::loadSendSms, release<SendSmsRequest>},
    {TaskType::SEND_FAX, A::SendFax, "SEND_FAX", &W::saveSendFax, &R::loadSendFax, release<SendFaxRequest>},
    {TaskType::SEND_FORWARD, A::Forward, "SEND_FORWARD", &W::saveForward, &R::loadForward,
     release<ForwardEntry>},
    {TaskType::CHECK_APP_VERSION, A::None, nullptr, nullptr, nullptr, nullptr},
    {TaskType::CHANGE_GROUP, A::ContactGroup, "CHANGE_GROUP", &W::saveGroup, &R::loadGroup,
     release<qtContactGroupInfo>},
    {TaskType::CHANGE_CONTACT, A::Contact, "CHANGE_CONTACT", &W::saveContact, &R::loadContact,
     release<qtContactInfo>},
    {TaskType::DELETE_OBJECT, A::Objects, "DELETE_OBJECT", &W::saveObjectsTask, &R::loadObjectsTask,
     release<ObjectsRequest>},
    {TaskType::MARK_READ, A::Objects, "MARK_READ", &W::saveObjectsTask, &R::loadObjectsTask,
     release<ObjectsRequest>},
    {TaskType::MARK_UNREAD, A::Objects, "MARK_UNREAD", &W::saveObjectsTask, &R::loadObjectsTask,
     release<ObjectsRequest>},
    {TaskType::CHANGE_FOLDER, A::Folder, "CHANGE_FOLDER", &W::saveFolder, &R::loadFolder,
     release<QelFolderInfo>},
    {TaskType::MOVE_TO_FOLDER, A::Move, "MOVE_TO_FOLDER", &W::saveMove, &R::loadMove,
     release<MoveToFolderRequest>},
    {TaskType::GET_FAX_RECEIVED, A::FaxReceived, nullptr, nullptr, nullptr, release<qtFAXReceivedInfo>},
    {TaskType::GET_VOICE_RECEIVED, A::VoiceReceived, nullptr, nullptr, nullptr, release<qtVOICEReceivedInfo>},
    {TaskType::GET_SMS_SENT, A::SmsSent, nullptr, nullptr, nullptr, release<qtSMSSentInfo>},
    {TaskType::GET_FAX_SENT, A::FaxSent, nullptr, nullptr, nullptr, release<qtFAXSentInfo>},
    {TaskType::GET_CONTACT_GROUP, A::ContactGroup, nullptr, nullptr, nullptr, release<qtContactGroupInfo>},
    {TaskType::GET_CONTACT, A::Contact, nullptr, nullptr, nullptr, release<qtContactInfo>},
    {TaskType::GET_OBJECTS, A::ObjectRefs, nullptr, nullptr, nullptr, release<QList<ObjectRef>>},
    {TaskType::SET_TIMESTAMP, A::None, nullptr, nullptr, nullptr, nullptr},
    {TaskType::GET_MODIFIED_OBJECTS, A::None, nullptr, nullptr, nullptr, nullptr},
};

constexpr bool indexedByType()
{
    for (int i = 0; i < int(std::size(kinds)); ++i) {
        if (kinds[i].type != i)
            return false;
    }
    return true;
}
static_assert(indexedByType(), "the task kinds are listed in type order, one per type");

} // namespace

const TaskKind *TaskKind::of(int type)
{
    return type >= 0 && type < count() ? &kinds[type] : nullptr;
}

const TaskKind *TaskKind::persistedAs(const QString &name)
{
    for (const TaskKind &kind : kinds) {
        if (kind.persistedName && name == QLatin1String(kind.persistedName))
            return &kind;
    }
    return nullptr;
}

int TaskKind::count()
{
    return int(std::size(kinds));
}

void releaseTaskArgument(int type, const QVariant &argument)
{
    const TaskKind *kind = TaskKind::of(type);
    if (kind && kind->release && holdsRecord(argument))
        kind->release(argument);
}
