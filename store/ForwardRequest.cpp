#include "ForwardRequest.h"

ForwardRequest::~ForwardRequest()
{
    qDeleteAll(entryList);
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
