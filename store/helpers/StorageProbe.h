#pragma once

#include <QString>

enum class StorageFault {
    None,
    Full,        // the disk has no room for what the cache writes to open and commit
    NotWritable, // the folder cannot be written: read-only, no permission, or gone
};

// Whether the folder takes a write of the size the cache needs to open and commit (its log and the log's
// index), and if not, why. It writes and removes a file of that size.
StorageFault probeStorage(const QString &folder);
