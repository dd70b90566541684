#pragma once

#include "ChangeEntry.h"

#include <QList>

class ObjectsIDInfo;

// The result of a change query or a full review.
class ChangeList
{
public:
    void clear();
    // Entries of object types 1 to 7 whose action the service did not give count as changed.
    void markUnknownAsChanged();

    int timestamp = 0;
    QList<ChangeEntry> entries;
};

// Appends the service's entries and takes its timestamp; an answer without an action array (or none at all)
// changes nothing. Defined with the record conversions of the service client.
void fromObjectsIDInfo(ChangeList &list, const ObjectsIDInfo *info);
