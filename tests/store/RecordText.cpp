#include "RecordText.h"

#include "BaseContactInfo.h"
#include "BaseFAXSentInfo.h"
#include "BaseSMSSentInfo.h"
#include "FAXSentInfoRegister.h"
#include "QelFolderInfo.h"
#include "SMSSentInfoRegister.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"
#include "qtFAXReceivedInfo.h"
#include "qtVOICEReceivedInfo.h"

#include <QStringList>

namespace {

class FieldWriter
{
public:
    void add(const char *name, int value)
    {
        parts << QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(value);
    }
    void add(const char *name, const QString &value)
    {
        parts << QStringLiteral("%1='%2'").arg(QLatin1String(name), value);
    }
    void add(const char *name, const QStringList &value)
    {
        parts << QStringLiteral("%1=[%2]").arg(QLatin1String(name), value.join(QLatin1Char(',')));
    }
    QStringList parts;
};

template <typename T> const T *as(const BaseObject &record)
{
    return dynamic_cast<const T *>(&record);
}

template <typename T> T *as(BaseObject &record)
{
    return dynamic_cast<T *>(&record);
}

QString text(int seed, const char *field)
{
    return QStringLiteral("%1-%2").arg(QLatin1String(field)).arg(seed);
}

} // namespace

QString recordText(const BaseObject &record)
{
    FieldWriter w;
    w.add("type", record.type);
    w.add("id", record.id);
    if (auto *r = as<BaseForView>(record)) {
        w.add("folderid", r->folderid);
        w.add("status", r->status);
        w.add("date", r->date);
        w.add("shifteddate", r->shifteddate);
    }
    if (auto *r = as<BaseRecipients>(record)) {
        w.add("sentstatus", r->sentstatus);
        w.add("recipients", r->recipients);
        w.add("recipient", r->recipient);
    }
    if (auto *r = as<BaseFAXSentInfo>(record)) {
        w.add("faxtype", r->faxtype);
        w.add("pagescount", r->pagescount);
    }
    if (auto *r = as<BaseSMSSentInfo>(record))
        w.add("content", r->content);
    if (auto *r = as<BaseContactInfo>(record)) {
        w.add("groupid", r->groupid);
        w.add("name", r->name);
        w.add("number", r->number);
        w.add("gsmnumber", r->gsmnumber);
    }
    if (auto *r = as<qtLocalTaskBase>(record))
        w.add("taskid", r->taskid);
    if (auto *r = as<qtLocalID>(record))
        w.add("localid", r->localid);
    if (auto *r = as<qtContactInfo>(record))
        w.add("status", r->status);
    if (auto *r = as<qtContactGroupInfo>(record)) {
        w.add("status", r->status);
        w.add("name", r->name);
    }
    if (auto *r = as<QelFolderInfo>(record)) {
        w.add("status", r->status);
        w.add("foldertype", r->foldertype);
        w.add("name", r->name);
    }
    if (auto *r = as<qtFAXReceivedInfo>(record)) {
        w.add("pagescount", r->pagescount);
        w.add("sender", r->sender);
    }
    if (auto *r = as<qtVOICEReceivedInfo>(record)) {
        w.add("duration", r->duration);
        w.add("sender", r->sender);
    }
    if (auto *r = as<FAXSentInfoRegister>(record))
        w.add("recipientlist", r->recipientlist);
    if (auto *r = as<SMSSentInfoRegister>(record))
        w.add("recipientlist", r->recipientlist);
    return w.parts.join(QLatin1Char(' '));
}

void fillDistinct(BaseObject &record, int seed)
{
    // Each field takes seed plus its own offset, so no two fields share a value.
    int n = seed * 100;
    record.id = ++n;
    if (auto *r = as<BaseForView>(record)) {
        r->folderid = ++n;
        r->status = ++n;
        r->date = text(seed, "date");
        r->shifteddate = text(seed, "shifted");
    }
    if (auto *r = as<BaseRecipients>(record)) {
        r->sentstatus = ++n;
        r->recipients = ++n;
        r->recipient = text(seed, "recipient");
    }
    if (auto *r = as<BaseFAXSentInfo>(record)) {
        r->faxtype = ++n;
        r->pagescount = ++n;
    }
    if (auto *r = as<BaseSMSSentInfo>(record))
        r->content = text(seed, "content");
    if (auto *r = as<BaseContactInfo>(record)) {
        r->groupid = ++n;
        r->name = text(seed, "name");
        r->number = text(seed, "number");
        r->gsmnumber = text(seed, "gsm");
    }
    if (auto *r = as<qtLocalTaskBase>(record))
        r->taskid = ++n;
    if (auto *r = as<qtLocalID>(record))
        r->localid = ++n;
    if (auto *r = as<qtContactInfo>(record))
        r->status = ++n;
    if (auto *r = as<qtContactGroupInfo>(record)) {
        r->status = ++n;
        r->name = text(seed, "group");
    }
    if (auto *r = as<QelFolderInfo>(record)) {
        r->status = ++n;
        r->foldertype = ++n;
        r->name = text(seed, "folder");
    }
    if (auto *r = as<qtFAXReceivedInfo>(record)) {
        r->pagescount = ++n;
        r->sender = text(seed, "sender");
    }
    if (auto *r = as<qtVOICEReceivedInfo>(record)) {
        r->duration = ++n;
        r->sender = text(seed, "caller");
    }
    const QStringList numbers{text(seed, "n1"), text(seed, "n2")};
    if (auto *r = as<FAXSentInfoRegister>(record))
        r->recipientlist = numbers;
    if (auto *r = as<SMSSentInfoRegister>(record))
        r->recipientlist = numbers;
}
