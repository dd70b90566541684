#include "TaskRowSalvage.h"

#include "OwnConnection.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

const int headerSize = 100;
const QByteArray magic("SQLite format 3\0", 16);
// Far above any account's cache; a header that claims more is itself damaged.
const quint32 maximumPages = 1 << 20;

// The header's page size (bytes 16-17, 1 for 65536) times its page count (bytes 28-31); 0 when the header
// makes no sense.
qint64 declaredLength(const QByteArray &header)
{
    if (header.size() < headerSize || !header.startsWith(magic))
        return 0;
    const auto *bytes = reinterpret_cast<const uchar *>(header.constData());
    const quint32 sizeField = qFromBigEndian<quint16>(bytes + 16);
    const quint32 pageSize = sizeField == 1 ? 65536 : sizeField;
    const quint32 pages = qFromBigEndian<quint32>(bytes + 28);
    const bool plausible = pageSize >= 512 && (pageSize & (pageSize - 1)) == 0 && pages <= maximumPages;
    return plausible ? qint64(pageSize) * pages : 0;
}

// A file cut short names pages past its end, and SQLite refuses the whole file for that, the task table's
// pages at its start included. The padding is a hole in the file: it takes no room on the disk.
void padToDeclaredLength(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return;
    const qint64 declared = declaredLength(file.read(headerSize));
    if (declared > file.size() && !file.resize(declared))
        qWarning("cache rescue: the damaged copy could not be padded: %s", qPrintable(file.errorString()));
}

// A header as SQLite writes it for a fresh file of this page size, in the rollback journal's format, with
// no page count of its own (SQLite then takes the file's length) and no free list.
QByteArray freshHeader(quint32 pageSize)
{
    QByteArray header(headerSize, '\0');
    auto *bytes = reinterpret_cast<uchar *>(header.data());
    std::copy(magic.cbegin(), magic.cend(), header.begin());
    qToBigEndian<quint16>(pageSize == 65536 ? 1 : quint16(pageSize), bytes + 16);
    bytes[18] = 1; // write and read versions: rollback journal
    bytes[19] = 1;
    bytes[21] = 64; // payload fractions, fixed by the format
    bytes[22] = 32;
    bytes[23] = 32;
    qToBigEndian<quint32>(1, bytes + 24); // change counter; the page count at 28 is not valid for it
    qToBigEndian<quint32>(1, bytes + 40); // schema cookie
    qToBigEndian<quint32>(4, bytes + 44); // schema format
    qToBigEndian<quint32>(1, bytes + 56); // text encoding: UTF-8
    qToBigEndian<quint32>(3031001, bytes + 96);
    return header;
}

bool writeHeader(const QString &path, const QByteArray &header)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.write(header) == header.size();
}

// True when the table could be read, however far; a damaged page ends the scan and keeps what came before.
bool readRows(const QString &path, QList<QVariantList> &rows)
{
    bool read = false;
    withOwnConnection(path, QStringLiteral("QSQLITE_OPEN_READONLY"), [&](QSqlDatabase &database) {
        QSqlQuery query(database);
        query.setForwardOnly(true);
        read = database.isOpen() && query.exec(QStringLiteral("SELECT id, parameter, value FROM localtask"));
        while (read && query.next())
            rows.append({query.value(0), query.value(1), query.value(2)});
    });
    return read;
}

// A fresh copy of the file (and of its log when withLog) in the scratch folder; empty when it failed.
QString copyInto(const QTemporaryDir &scratch, const QString &path, bool withLog, int attempt)
{
    const QString copy = scratch.filePath(QStringLiteral("attempt%1.db").arg(attempt));
    const QString log = path + QStringLiteral("-wal");
    if (!QFile::copy(path, copy) || (withLog && !QFile::copy(log, copy + QStringLiteral("-wal"))))
        return QString();
    padToDeclaredLength(copy);
    return copy;
}

} // namespace

bool salvageTaskRows(const QString &path, QList<QVariantList> &rows)
{
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    int attempt = 0;
    // The log first: it holds the task rows committed since the last checkpoint, and the deletions of
    // tasks already carried out, which the file alone would bring back.
    if (QFileInfo(path + QStringLiteral("-wal")).size() > 0) {
        const QString copy = copyInto(scratch, path, true, ++attempt);
        if (!copy.isEmpty() && readRows(copy, rows))
            return true;
        rows.clear();
    }
    const QString copy = copyInto(scratch, path, false, ++attempt);
    if (copy.isEmpty())
        return false;
    if (readRows(copy, rows))
        return true;
    // A header spoiled over whole pages: the page size the program uses first, then every other.
    for (quint32 pageSize : {4096u, 1024u, 2048u, 8192u, 16384u, 32768u, 65536u, 512u}) {
        rows.clear();
        if (writeHeader(copy, freshHeader(pageSize)) && readRows(copy, rows))
            return true;
    }
    rows.clear();
    return false;
}
