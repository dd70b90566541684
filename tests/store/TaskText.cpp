#include "TaskText.h"

#include "ForwardEntry.h"
#include "MoveToFolderRequest.h"
#include "ObjectRef.h"
#include "RecordText.h"
#include "RecordVariant.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "TaskKind.h"

#include <QStringList>

namespace {

QString objectsText(const ObjectsRequest *request)
{
    if (!request)
        return QStringLiteral("none");
    QStringList entries;
    for (auto it = request->objects.cbegin(); it != request->objects.cend(); ++it) {
        QStringList ids;
        for (int id : it.value())
            ids << QString::number(id);
        entries << QStringLiteral("%1:[%2]").arg(it.key()).arg(ids.join(QLatin1Char(',')));
    }
    return QStringLiteral("taskid=%1 objects={%2}").arg(request->taskid).arg(entries.join(QLatin1Char(' ')));
}

QString smsText(const SendSmsRequest &r)
{
    return QStringLiteral("taskid=%1 remoteid=%2 sentstatus=%3 numbers=[%4] content='%5' unicode=%6")
        .arg(r.taskid)
        .arg(r.remoteid)
        .arg(r.sentstatus)
        .arg(r.numbers.join(QLatin1Char(',')), r.content)
        .arg(r.unicode);
}

QString faxText(const SendFaxRequest &r)
{
    QStringList attachments;
    for (const AttachmentInfo *a : r.attachments)
        attachments << (a ? a->filename + QLatin1Char(':') + QString::fromLatin1(a->data)
                          : QStringLiteral("null"));
    return QStringLiteral("taskid=%1 remoteid=%2 sentstatus=%3 numbers=[%4] content='%5' header='%6' "
                          "coverpage=%7 dithering=%8 report='%9' attachments=[%10]")
        .arg(r.taskid)
        .arg(r.remoteid)
        .arg(r.sentstatus)
        .arg(r.numbers.join(QLatin1Char(',')), r.content, r.header)
        .arg(r.coverpage)
        .arg(r.dithering)
        .arg(r.report, attachments.join(QLatin1Char(',')));
}

QString forwardText(const ForwardEntry &r)
{
    return QStringLiteral("taskid=%1 remoteid=%2 sentstatus=%3 objecttype=%4 objectid=%5 forward=%6 to='%7' "
                          "label='%8'")
        .arg(r.taskid)
        .arg(r.remoteid)
        .arg(r.sentstatus)
        .arg(r.objecttype)
        .arg(r.objectid)
        .arg(r.forward)
        .arg(r.to, r.label);
}

QString moveText(const MoveToFolderRequest &r)
{
    return QStringLiteral("taskid=%1 from=%2 to=%3 objects=(%4)")
        .arg(r.taskid)
        .arg(r.from_folderid)
        .arg(r.to_folderid)
        .arg(objectsText(r.objects));
}

} // namespace

QString taskText(int type, const QVariant &argument)
{
    const QString prefix = QStringLiteral("type %1: ").arg(type);
    const TaskKind *kind = TaskKind::of(type);
    if (!holdsRecord(argument) || !kind)
        return prefix + argument.toString();
    switch (kind->argument) {
    case TaskArgument::SendSms:
        return prefix + smsText(*recordFromVariant<SendSmsRequest>(argument));
    case TaskArgument::SendFax:
        return prefix + faxText(*recordFromVariant<SendFaxRequest>(argument));
    case TaskArgument::Forward:
        return prefix + forwardText(*recordFromVariant<ForwardEntry>(argument));
    case TaskArgument::Objects:
        return prefix + objectsText(recordFromVariant<ObjectsRequest>(argument));
    case TaskArgument::Move:
        return prefix + moveText(*recordFromVariant<MoveToFolderRequest>(argument));
    case TaskArgument::ObjectRefs:
        return prefix +
               QStringLiteral("%1 objects").arg(recordFromVariant<QList<ObjectRef>>(argument)->size());
    default:
        return prefix + recordText(*recordFromVariant<BaseObject>(argument));
    }
}
