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
    // Takes ownership of the entry.
    void addEntry(ForwardEntry *entry) { entryList.append(entry); }
    // Hands every entry over to the caller and leaves the request empty.
    QList<ForwardEntry *> takeEntries();
    void setDestination(int forward, const QString &to);

    bool hasSms = false;
    bool hasFax = false;
    bool hasVoice = false;

private:
    QList<ForwardEntry *> entryList;
};
