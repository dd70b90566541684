#include "StorageProbe.h"

#include <QStorageInfo>
#include <QTemporaryFile>

namespace {

// The log's index alone takes 32 KiB; the log its header and one page per changed page.
const qint64 probeSize = 64 * 1024;

} // namespace

StorageFault probeStorage(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/write-check-XXXXXX"));
    if (probe.open() && probe.write(QByteArray(probeSize, '\0')) == probeSize && probe.flush())
        return StorageFault::None;
    const QStorageInfo storage(folder);
    const bool full = storage.isValid() && !storage.isReadOnly() && storage.bytesAvailable() < 2 * probeSize;
    return full ? StorageFault::Full : StorageFault::NotWritable;
}
