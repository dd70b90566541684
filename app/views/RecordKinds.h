#pragma once

#include "ObjectType.h"

// Which record classes stand behind an object type code, for code that holds a BaseObject* and must cast.
namespace RecordKinds {

// Sent and pending items with recipients: BaseRecipients.
inline bool hasRecipients(int type)
{
    return type == ObjectType::FaxSent || type == ObjectType::SmsSent || type == ObjectType::PendingFax
        || type == ObjectType::PendingSms || type == ObjectType::PendingEmail;
}

// Rows of the Inbox, Outbox and user-folder lists: BaseForView.
inline bool isListItem(int type)
{
    return hasRecipients(type) || type == ObjectType::FaxReceived || type == ObjectType::VoiceReceived;
}

// Items that exist on the service: sent and received faxes, voice messages, sent SMS.
inline bool isServiceItem(int type)
{
    return type >= ObjectType::FaxSent && type <= ObjectType::SmsSent;
}

// Outbox rows whose send or forward task has not been taken over by the service yet.
inline bool isPending(int type)
{
    return type == ObjectType::PendingFax || type == ObjectType::PendingSms || type == ObjectType::PendingEmail;
}

// Contacts of the service and of the Outlook export: BaseContactInfo.
inline bool isContact(int type)
{
    return type == ObjectType::Contact || type == ObjectType::OutlookContact;
}

} // namespace RecordKinds
