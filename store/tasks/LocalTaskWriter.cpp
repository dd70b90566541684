#include "LocalTaskWriter.h"

#include "CacheDatabase.h"
#include "FileHelpers.h"
#include "ForwardEntry.h"
#include "MoveToFolderRequest.h"
#include "QelFolderInfo.h"
#include "RecordVariant.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "TaskKind.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"

#include <QDir>

LocalTaskWriter::LocalTaskWriter(CacheDatabase *database, int type, const QVariant &argument)
    : database(database), type(type), argument(argument)
{
}

bool LocalTaskWriter::save()
{
    const TaskKind *kind = TaskKind::of(type);
    if (!kind || !kind->save)
        return true;
    if (!holdsRecord(argument) || !database->beginTransaction())
        return false;
    // The files are complete before the rows are committed: a task whose rows exist is whole.
    if ((this->*kind->save)() && database->commitTransaction())
        return true;
    database->rollbackTransaction();
    if (directoryTaskId > 0)
        removeTaskDirectory(directoryTaskId);
    return false;
}

template <typename Value> bool LocalTaskWriter::param(int taskId, const char *name, const Value &value)
{
    return database->setTaskParam(taskId, QString::fromLatin1(name), value);
}

bool LocalTaskWriter::kindParam(int taskId)
{
    return param(taskId, "OBJECT_TYPE", QString::fromLatin1(TaskKind::of(type)->persistedName));
}

int LocalTaskWriter::assignTaskId(int &taskId)
{
    if (taskId == 0)
        taskId = database->nextTaskId();
    return taskId;
}

QString LocalTaskWriter::taskDirectory(int taskId)
{
    const QString path = taskDirectoryPath(taskId);
    QDir().mkdir(path);
    return path;
}

bool LocalTaskWriter::saveNumbers(int taskId, const QStringList &numbers)
{
    bool saved = param(taskId, "T_NUMBERS", int(numbers.size()));
    for (int n = 1; saved && n <= numbers.size(); ++n)
        saved = database->setTaskParam(taskId, QStringLiteral("T_NUMBER_%1").arg(n), numbers.at(n - 1));
    return saved;
}

bool LocalTaskWriter::saveObjects(int taskId, const ObjectsRequest &request)
{
    bool saved = param(taskId, "T_OBJECTS", int(request.objects.size()));
    int k = 0;
    for (auto entry = request.objects.cbegin(); saved && entry != request.objects.cend(); ++entry) {
        // An empty list writes no rows but still takes its number.
        ++k;
        const QList<int> &ids = entry.value();
        if (ids.isEmpty())
            continue;
        const QString prefix = QStringLiteral("T_OBJECT_%1_").arg(k);
        saved = database->setTaskParam(taskId, prefix + QStringLiteral("TYPE"), entry.key()) &&
                database->setTaskParam(taskId, prefix + QStringLiteral("COUNT"), int(ids.size()));
        for (int j = 1; saved && j <= ids.size(); ++j)
            saved = database->setTaskParam(taskId, prefix + QString::number(j), ids.at(j - 1));
    }
    return saved;
}

bool LocalTaskWriter::saveSendSms()
{
    const SendSmsRequest &request = *recordFromVariant<SendSmsRequest>(argument);
    const int id = request.taskid;
    directoryTaskId = id;
    return writeTextFile(taskDirectory(id), request.content, QStringLiteral("content")) && kindParam(id) &&
           param(id, "unicode", request.unicode) && saveNumbers(id, request.numbers);
}

bool LocalTaskWriter::saveSendFax()
{
    const SendFaxRequest &request = *recordFromVariant<SendFaxRequest>(argument);
    const int id = request.taskid;
    directoryTaskId = id;
    const QString directory = taskDirectory(id);
    bool saved = kindParam(id) && param(id, "dithering", request.dithering) &&
                 param(id, "coverpage", request.coverpage) && param(id, "header", request.header) &&
                 param(id, "report", request.report) &&
                 param(id, "attachments", int(request.attachments.size()));
    for (int i = 1; saved && i <= request.attachments.size(); ++i) {
        const AttachmentInfo *attachment = request.attachments.at(i - 1);
        const QString name = QStringLiteral("attachment_%1").arg(i);
        // The data is Base64 text, written up to the first zero byte as the restore expects.
        saved = attachment && database->setTaskParam(id, name, attachment->filename) &&
                writeTextFile(directory, QString::fromLatin1(attachment->data.constData()), name);
    }
    return saved && saveNumbers(id, request.numbers) &&
           writeTextFile(directory, request.content, QStringLiteral("content"));
}

bool LocalTaskWriter::saveForward()
{
    const ForwardEntry &entry = *recordFromVariant<ForwardEntry>(argument);
    const int id = entry.taskid;
    return kindParam(id) && param(id, "objectid", entry.objectid) &&
           param(id, "objecttype", entry.objecttype) && param(id, "forward", entry.forward) &&
           param(id, "to", entry.to);
}

bool LocalTaskWriter::saveGroup()
{
    qtContactGroupInfo &group = *recordFromVariant<qtContactGroupInfo>(argument);
    const int id = assignTaskId(group.taskid);
    return kindParam(id) && param(id, "id", group.id) && param(id, "objecttype", group.type) &&
           param(id, "localid", group.localid) && param(id, "name", group.name) &&
           param(id, "status", group.status);
}

bool LocalTaskWriter::saveContact()
{
    qtContactInfo &contact = *recordFromVariant<qtContactInfo>(argument);
    const int id = assignTaskId(contact.taskid);
    return kindParam(id) && param(id, "id", contact.id) && param(id, "objecttype", contact.type) &&
           param(id, "localid", contact.localid) && param(id, "name", contact.name) &&
           param(id, "number", contact.number) && param(id, "gsmnumber", contact.gsmnumber) &&
           param(id, "groupid", contact.groupid) && param(id, "status", contact.status);
}

bool LocalTaskWriter::saveFolder()
{
    QelFolderInfo &folder = *recordFromVariant<QelFolderInfo>(argument);
    const int id = assignTaskId(folder.taskid);
    return kindParam(id) && param(id, "id", folder.id) && param(id, "localid", folder.localid) &&
           param(id, "name", folder.name) && param(id, "status", folder.status);
}

bool LocalTaskWriter::saveObjectsTask()
{
    ObjectsRequest &request = *recordFromVariant<ObjectsRequest>(argument);
    const int id = assignTaskId(request.taskid);
    return kindParam(id) && saveObjects(id, request);
}

bool LocalTaskWriter::saveMove()
{
    MoveToFolderRequest &request = *recordFromVariant<MoveToFolderRequest>(argument);
    const int id = assignTaskId(request.taskid);
    const ObjectsRequest none;
    return kindParam(id) && param(id, "from_folderid", request.from_folderid) &&
           param(id, "to_folderid", request.to_folderid) &&
           saveObjects(id, request.objects ? *request.objects : none);
}
