#include "ForwardEntry.h"

ForwardEntry::ForwardEntry(int objecttype, int objectid, const QString &label)
    : objecttype(objecttype), objectid(objectid), label(label)
{
}

ForwardEntry *ForwardEntry::copy() const
{
    return new ForwardEntry(*this);
}
