#include "ChangeList.h"

#include "ObjectType.h"

void ChangeList::clear()
{
    timestamp = 0;
    entries.clear();
}

void ChangeList::markUnknownAsChanged()
{
    for (ChangeEntry &entry : entries) {
        if (entry.type >= ObjectType::FaxSent && entry.type <= ObjectType::Folder && entry.action == -1)
            entry.action = 1;
    }
}
