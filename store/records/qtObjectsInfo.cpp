#include "qtObjectsInfo.h"

namespace {

const int deletedStatus = -100;

template <typename Record> void takeDeleted(QList<Record> &records, QList<ChangeEntry> &removed)
{
    records.removeIf([&](const Record &record) {
        if (record.status != deletedStatus)
            return false;
        removed.append(ChangeEntry(record.id, record.type, -1));
        return true;
    });
}

} // namespace

void qtObjectsInfo::takeDeletedAsRemoved()
{
    takeDeleted(contactgroups, removed);
    takeDeleted(contacts, removed);
    takeDeleted(folders, removed);
    takeDeleted(smsessent, removed);
    takeDeleted(faxesreceived, removed);
    takeDeleted(faxessent, removed);
    takeDeleted(voicesreceived, removed);
}
