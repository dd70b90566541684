#pragma once

#include "ForwardEntry.h"

#include <QList>

// The forward dialog's working set. Owns its entries, hence not copyable.
class ForwardRequest
{
public:
    ForwardRequest() = default;
    ForwardRequest(const ForwardRequest &) = delete;
    ForwardRequest &operator=(const ForwardRequest &) = delete;
    ~ForwardRequest();

    bool isEmpty() const { return entryList.isEmpty(); }
    // The entries stay owned by the request.
    QList<ForwardEntry *> entries() const { return entryList; }
    // Appends an entry for a sent or received fax, a voice message or a sent SMS (types 1 to 4) and
    // notes which kinds the request holds; any other type adds nothing.
    void addObject(int type, int id, const QString &label);
    // Hands every entry over to the caller and leaves the request empty.
    QList<ForwardEntry *> takeEntries();
    void setDestination(int forward, const QString &to);

    bool hasSms = false;
    bool hasFax = false;
    bool hasVoice = false;

private:
    QList<ForwardEntry *> entryList;
};
