#include "RecordTable.h"

#include "QelFolderInfo.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"
#include "qtFAXReceivedInfo.h"
#include "qtFAXSentInfo.h"
#include "qtSMSSentInfo.h"
#include "qtVOICEReceivedInfo.h"

#include <QSqlQuery>

namespace {

// A null QString would be bound as SQL NULL, and NULLs never match in a key: bind texts as text.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

int integer(const QSqlQuery &row, int column)
{
    return row.value(column).toInt();
}

QString string(const QSqlQuery &row, int column)
{
    return row.value(column).toString();
}

} // namespace

const char *const RecordTable<qtContactInfo>::store =
    "REPLACE INTO contact(id, groupid, name, number, gsmnumber) VALUES (?,?,?,?,?)";
const char *const RecordTable<qtContactInfo>::load =
    "SELECT id, groupid, name, number, gsmnumber FROM contact";

QVariantList RecordTable<qtContactInfo>::values(const BaseContactInfo &r)
{
    return {r.id, r.groupid, text(r.name), text(r.number), text(r.gsmnumber)};
}

void RecordTable<qtContactInfo>::read(const QSqlQuery &row, qtContactInfo &r)
{
    r.id = integer(row, 0);
    r.groupid = integer(row, 1);
    r.name = string(row, 2);
    r.number = string(row, 3);
    r.gsmnumber = string(row, 4);
}

const char *const RecordTable<qtContactGroupInfo>::store = "REPLACE INTO contactgroup(id, name) VALUES(?,?)";
const char *const RecordTable<qtContactGroupInfo>::load = "SELECT id, name FROM contactgroup";

QVariantList RecordTable<qtContactGroupInfo>::values(const qtContactGroupInfo &r)
{
    return {r.id, text(r.name)};
}

void RecordTable<qtContactGroupInfo>::read(const QSqlQuery &row, qtContactGroupInfo &r)
{
    r.id = integer(row, 0);
    r.name = string(row, 1);
}

const char *const RecordTable<QelFolderInfo>::store =
    "REPLACE INTO folder(id, foldertype, name) VALUES(?,?,?)";
const char *const RecordTable<QelFolderInfo>::load = "SELECT id, foldertype, name FROM folder";

QVariantList RecordTable<QelFolderInfo>::values(const QelFolderInfo &r)
{
    return {r.id, r.foldertype, text(r.name)};
}

void RecordTable<QelFolderInfo>::read(const QSqlQuery &row, QelFolderInfo &r)
{
    r.id = integer(row, 0);
    r.foldertype = integer(row, 1);
    r.name = string(row, 2);
}

const char *const RecordTable<qtFAXSentInfo>::store =
    "REPLACE INTO faxsent(id, folderid, type, status, sentstatus, date, pagescount, recipients, recipient) "
    "values(?,?,?,?,?,?,?,?,?)";
const char *const RecordTable<qtFAXSentInfo>::load =
    "SELECT id, folderid, type, status, sentstatus, date, pagescount, recipients, recipient FROM faxsent";

QVariantList RecordTable<qtFAXSentInfo>::values(const BaseFAXSentInfo &r)
{
    return {r.id,         r.folderid,   r.faxtype,    r.status,         r.sentstatus,
            text(r.date), r.pagescount, r.recipients, text(r.recipient)};
}

void RecordTable<qtFAXSentInfo>::read(const QSqlQuery &row, qtFAXSentInfo &r)
{
    r.id = integer(row, 0);
    r.folderid = integer(row, 1);
    r.faxtype = integer(row, 2);
    r.status = integer(row, 3);
    r.sentstatus = integer(row, 4);
    r.date = string(row, 5);
    r.pagescount = integer(row, 6);
    r.recipients = integer(row, 7);
    r.recipient = string(row, 8);
}

const char *const RecordTable<qtSMSSentInfo>::store =
    "REPLACE INTO smssent(id, folderid, status, sentstatus, date, content, recipients, recipient) "
    "VALUES (?,?,?,?,?,?,?,?)";
const char *const RecordTable<qtSMSSentInfo>::load =
    "SELECT id, folderid, status, sentstatus, date, content, recipients, recipient FROM smssent";

QVariantList RecordTable<qtSMSSentInfo>::values(const BaseSMSSentInfo &r)
{
    return {r.id,         r.folderid,      r.status,     r.sentstatus,
            text(r.date), text(r.content), r.recipients, text(r.recipient)};
}

void RecordTable<qtSMSSentInfo>::read(const QSqlQuery &row, qtSMSSentInfo &r)
{
    r.id = integer(row, 0);
    r.folderid = integer(row, 1);
    r.status = integer(row, 2);
    r.sentstatus = integer(row, 3);
    r.date = string(row, 4);
    r.content = string(row, 5);
    r.recipients = integer(row, 6);
    r.recipient = string(row, 7);
}

const char *const RecordTable<qtFAXReceivedInfo>::store =
    "REPLACE INTO faxreceived(id, folderid, status, date, pagescount, sender) VALUES(?,?,?,?,?,?)";
const char *const RecordTable<qtFAXReceivedInfo>::load =
    "SELECT id, folderid, status, date, pagescount, sender FROM faxreceived";

QVariantList RecordTable<qtFAXReceivedInfo>::values(const qtFAXReceivedInfo &r)
{
    return {r.id, r.folderid, r.status, text(r.date), r.pagescount, text(r.sender)};
}

void RecordTable<qtFAXReceivedInfo>::read(const QSqlQuery &row, qtFAXReceivedInfo &r)
{
    r.id = integer(row, 0);
    r.folderid = integer(row, 1);
    r.status = integer(row, 2);
    r.date = string(row, 3);
    r.pagescount = integer(row, 4);
    r.sender = string(row, 5);
}

const char *const RecordTable<qtVOICEReceivedInfo>::store =
    "REPLACE INTO voicereceived(id, folderid, status, date, duration, sender) VALUES(?,?,?,?,?,?)";
const char *const RecordTable<qtVOICEReceivedInfo>::load =
    "SELECT id, folderid, status, date, duration, sender FROM voicereceived";

QVariantList RecordTable<qtVOICEReceivedInfo>::values(const qtVOICEReceivedInfo &r)
{
    return {r.id, r.folderid, r.status, text(r.date), r.duration, text(r.sender)};
}

void RecordTable<qtVOICEReceivedInfo>::read(const QSqlQuery &row, qtVOICEReceivedInfo &r)
{
    r.id = integer(row, 0);
    r.folderid = integer(row, 1);
    r.status = integer(row, 2);
    r.date = string(row, 3);
    r.duration = integer(row, 4);
    r.sender = string(row, 5);
}
