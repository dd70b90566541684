#include "ForwardRequest.h"

#include "ObjectType.h"

ForwardRequest::~ForwardRequest()
{
    qDeleteAll(entryList);
}

void ForwardRequest::addObject(int type, int id, const QString &label)
{
    switch (type) {
    case ObjectType::FaxSent:
    case ObjectType::FaxReceived:
        hasFax = true;
        break;
    case ObjectType::VoiceReceived:
        hasVoice = true;
        break;
    case ObjectType::SmsSent:
        hasSms = true;
        break;
    default:
        return;
    }
    entryList.append(new ForwardEntry(type, id, label));
}

QList<ForwardEntry *> ForwardRequest::takeEntries()
{
    return std::exchange(entryList, {});
}

void ForwardRequest::setDestination(int forward, const QString &to)
{
    for (ForwardEntry *entry : std::as_const(entryList)) {
        entry->forward = forward;
        entry->to = to;
    }
}
