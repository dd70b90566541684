#pragma once

#include <memory>

// The record layer hands out new records as plain pointers (clone, queuedCopy, the pending-item builders):
// owned takes such a record over at the call, so that it travels to the lists in a std::unique_ptr.
template <typename Record> std::unique_ptr<Record> owned(Record *record)
{
    return std::unique_ptr<Record>(record);
}

// A record held as a base type that its type code shows to be a Record, handed on as that type.
template <typename Record, typename Base> std::unique_ptr<Record> ownedAs(std::unique_ptr<Base> record)
{
    return std::unique_ptr<Record>(static_cast<Record *>(record.release()));
}
