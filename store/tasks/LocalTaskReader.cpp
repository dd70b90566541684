#include "LocalTaskReader.h"

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

#include <QMap>

namespace {

// More documents than the service accepts in one fax.
constexpr int maxAttachments = 3;
// The send dialog takes fewer recipients than this; no task the program writes holds more.
constexpr int maxNumbers = 2000;

} // namespace

LocalTaskReader::LocalTaskReader(CacheDatabase *database, QList<TaskItem> *out, const QSet<int> &skipped)
    : database(database), out(out), skipped(skipped)
{
}

void LocalTaskReader::loadAll()
{
    QMap<int, QString> kinds;
    database->loadTaskTypes(kinds);
    bool unnumbered = false;
    for (auto task = kinds.cbegin(); task != kinds.cend(); ++task) {
        const TaskKind *kind = TaskKind::persistedAs(task.value());
        if (!kind || skipped.contains(task.key()))
            continue;
        taskId = task.key();
        if (taskId <= 0) {
            // Its completion could never delete it: it would be carried out again at every start.
            qWarning("persisted task %d dropped: it has no valid id", taskId);
            unnumbered = true;
            continue;
        }
        params.clear();
        if (!database->loadTaskParams(taskId, params))
            continue;
        type = kind->type;
        directory = taskDirectoryPath(taskId);
        (this->*kind->load)();
    }
    if (unnumbered && !database->deleteUnnumberedTasks())
        qWarning("the persisted tasks without a valid id could not be deleted");
}

QString LocalTaskReader::text(const QString &parameter) const
{
    return params.value(parameter);
}

QString LocalTaskReader::text(const char *parameter) const
{
    return text(QString::fromLatin1(parameter));
}

int LocalTaskReader::integer(const QString &parameter) const
{
    // A missing row or a text that is no number reads as 0.
    return text(parameter).toInt();
}

int LocalTaskReader::integer(const char *parameter) const
{
    return integer(QString::fromLatin1(parameter));
}

int LocalTaskReader::boundedCount(const QString &parameter, int limit) const
{
    const int count = integer(parameter);
    return count > limit || count > params.size() ? -1 : qMax(count, 0);
}

QString LocalTaskReader::fileText(const QString &name) const
{
    QString content;
    readTextFile(content, directory + name);
    return content;
}

template <typename Record> void LocalTaskReader::queue(Record *record)
{
    out->append(TaskItem(type, recordToVariant(record)));
}

template <typename Record> void LocalTaskReader::drop(Record *record)
{
    delete record;
    removeTaskDirectory(taskId);
    database->deleteTask(taskId);
}

template <typename Record> void LocalTaskReader::dropBroken(Record *record, const char *why)
{
    qWarning("persisted task %d dropped: %s", taskId, why);
    drop(record);
}

bool LocalTaskReader::loadNumbers(QStringList &numbers)
{
    const int count = boundedCount(QStringLiteral("T_NUMBERS"), maxNumbers);
    for (int n = 1; n <= count; ++n) {
        const QString name = QStringLiteral("T_NUMBER_%1").arg(n);
        if (!params.contains(name))
            return false;
        numbers.append(text(name));
    }
    return count >= 0;
}

bool LocalTaskReader::loadObjects(ObjectsRequest &request)
{
    const int entries = boundedCount(QStringLiteral("T_OBJECTS"), params.size());
    for (int k = 1; k <= entries; ++k) {
        const QString prefix = QStringLiteral("T_OBJECT_%1_").arg(k);
        // An entry written for an empty list has no rows: it names no type.
        const QString type = text(prefix + QStringLiteral("TYPE"));
        if (type.isNull())
            continue;
        const int count = boundedCount(prefix + QStringLiteral("COUNT"), params.size());
        if (count < 0)
            return false;
        QList<int> &ids = request.objects[type.toInt()];
        ids.clear();
        for (int j = 1; j <= count; ++j) {
            const QString name = prefix + QString::number(j);
            if (!params.contains(name))
                return false;
            ids.append(integer(name));
        }
    }
    return entries >= 0;
}

void LocalTaskReader::loadSendSms()
{
    auto *request = new SendSmsRequest;
    request->taskid = taskId;
    request->sentstatus = 2;
    request->unicode = integer("unicode");
    if (!loadNumbers(request->numbers))
        return dropBroken(request, "its numbers do not add up");
    request->content = fileText(QStringLiteral("content"));
    if (request->content.isEmpty() || request->numbers.isEmpty())
        return drop(request);
    queue(request);
}

void LocalTaskReader::loadSendFax()
{
    auto *request = new SendFaxRequest;
    request->taskid = taskId;
    request->sentstatus = 2;
    request->dithering = integer("dithering");
    request->coverpage = integer("coverpage");
    request->report = text("report");
    request->header = text("header");
    const int attachments = integer("attachments");
    if (attachments > maxAttachments || (request->coverpage == 0 && attachments == 0))
        return drop(request);
    if (!loadNumbers(request->numbers))
        return dropBroken(request, "its numbers do not add up");
    if (request->numbers.isEmpty())
        return drop(request);
    for (int i = 1; i <= attachments; ++i) {
        const QString name = QStringLiteral("attachment_%1").arg(i);
        auto *attachment = new AttachmentInfo{text(name), QByteArray()};
        request->attachments.append(attachment);
        readFileBytes(attachment->data, directory + name);
        if (attachment->filename.isEmpty() || attachment->data.isEmpty())
            return drop(request);
    }
    request->content = fileText(QStringLiteral("content"));
    queue(request);
}

void LocalTaskReader::loadForward()
{
    auto *entry = new ForwardEntry(0, 0, QString());
    entry->taskid = taskId;
    entry->sentstatus = 2;
    entry->objectid = integer("objectid");
    entry->objecttype = integer("objecttype");
    entry->forward = integer("forward");
    entry->to = text("to");
    queue(entry);
}

void LocalTaskReader::loadGroup()
{
    auto *group = new qtContactGroupInfo(0, 0);
    group->taskid = taskId;
    group->id = integer("id");
    group->type = integer("objecttype");
    group->localid = integer("localid");
    group->name = text("name");
    group->status = integer("status");
    queue(group);
}

void LocalTaskReader::loadContact()
{
    auto *contact = new qtContactInfo(0, 0);
    contact->taskid = taskId;
    contact->id = integer("id");
    contact->type = integer("objecttype");
    contact->localid = integer("localid");
    contact->name = text("name");
    contact->number = text("number");
    contact->gsmnumber = text("gsmnumber");
    contact->groupid = integer("groupid");
    contact->status = integer("status");
    queue(contact);
}

void LocalTaskReader::loadFolder()
{
    auto *folder = new QelFolderInfo(0, 0);
    folder->taskid = taskId;
    folder->id = integer("id");
    folder->localid = integer("localid");
    folder->status = integer("status");
    folder->name = text("name");
    queue(folder);
}

void LocalTaskReader::loadObjectsTask()
{
    auto *request = new ObjectsRequest;
    request->taskid = taskId;
    if (!loadObjects(*request))
        return dropBroken(request, "its objects do not add up");
    queue(request);
}

void LocalTaskReader::loadMove()
{
    auto *request = new MoveToFolderRequest;
    request->taskid = taskId;
    request->from_folderid = integer("from_folderid");
    request->to_folderid = integer("to_folderid");
    request->objects = new ObjectsRequest;
    if (!loadObjects(*request->objects))
        return dropBroken(request, "its objects do not add up");
    queue(request);
}
