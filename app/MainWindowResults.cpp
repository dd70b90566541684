// What a task's success changes in the cache and the views.
#include "MainWindow.h"

#include "EntitiesView.h"
#include "ForwardEntry.h"
#include "MoveToFolderRequest.h"
#include "ObjectRef.h"
#include "ObjectsRequest.h"
#include "QelFolderInfo.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "TaskKind.h"
#include "TaskOutcome.h"
#include "TaskType.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"
#include "qtObjectsInfo.h"


bool MainWindow::applyTaskResult(TaskOutcome &outcome)
{
    const TaskItem &task = outcome.task;
    switch (task.type) {
    case TaskType::IMPORT_OUTLOOK_CONTACTS:
        m_entities->removeOutlookContacts();
        importContactsCsv(outcome.csvPath, true);
        break;
    // A value the cache could not keep is asked again after the back-off, as a failed query would be.
    case TaskType::GET_SHIFT_TIME:
        if (!m_cache.setTimeShift(outcome.timeShift))
            return false;
        m_entities->setTimeShift(outcome.timeShift);
        break;
    case TaskType::GET_INBOX_OUTBOX_ID:
        if (!m_cache.setInboxOutboxIds(outcome.inboxId, outcome.outboxId))
            return false;
        m_entities->setInboxOutboxIds(outcome.inboxId, outcome.outboxId);
        break;
    case TaskType::REVIEW_OBJECTS:
        m_cache.collectRemoved(outcome.changes);
        m_entities->removeChanged(outcome.changes.entries);
        processChangeList(outcome.changes);
        break;
    case TaskType::SEND_SMS:
        if (auto *sms = taskRecord<SendSmsRequest>(task.type, task.argument))
            applySendResult(sms->taskid, sms->remoteid, sms->sentstatus);
        break;
    case TaskType::SEND_FAX:
        if (auto *fax = taskRecord<SendFaxRequest>(task.type, task.argument))
            applySendResult(fax->taskid, fax->remoteid, fax->sentstatus);
        break;
    case TaskType::SEND_FORWARD:
        if (auto *entry = taskRecord<ForwardEntry>(task.type, task.argument))
            applySendResult(entry->taskid, entry->remoteid, entry->sentstatus);
        break;
    case TaskType::CHECK_APP_VERSION:
        handleUpdateCheck(outcome);
        break;
    case TaskType::CHANGE_GROUP:
        if (auto *group = taskRecord<qtContactGroupInfo>(task.type, task.argument))
            applyCreatedGroup(*group);
        break;
    case TaskType::CHANGE_CONTACT:
        if (auto *contact = taskRecord<qtContactInfo>(task.type, task.argument))
            applyCreatedContact(*contact);
        break;
    case TaskType::DELETE_OBJECT:
        if (auto *request = taskRecord<ObjectsRequest>(task.type, task.argument)) {
            m_cache.deleteObjects(*request);
            m_tasks.complete(request->taskid);
            eventSyncGenerate();
        }
        break;
    case TaskType::MARK_READ:
    case TaskType::MARK_UNREAD:
        if (auto *request = taskRecord<ObjectsRequest>(task.type, task.argument)) {
            m_tasks.complete(request->taskid);
            eventSyncGenerate();
        }
        break;
    case TaskType::CHANGE_FOLDER:
        if (auto *folder = taskRecord<QelFolderInfo>(task.type, task.argument))
            applyCreatedFolder(*folder);
        break;
    case TaskType::MOVE_TO_FOLDER:
        if (auto *move = taskRecord<MoveToFolderRequest>(task.type, task.argument)) {
            m_cache.moveObjects(*move);
            m_tasks.complete(move->taskid);
        }
        break;
    case TaskType::GET_OBJECTS:
        if (!outcome.objects)
            break;
        if (!applyObjects(*outcome.objects, outcome.timeShift))
            return false;
        forgetFetched(task);
        break;
    case TaskType::SET_TIMESTAMP:
        // The cycle is done only once its timestamp is stored.
        if (!m_cache.setTimestamp(task.argument.toInt()))
            return false;
        // A full review leaves the change query's start where it was; the cycle's end moves it.
        m_pump.setSyncTimestamp(task.argument.toInt());
        m_pump.endCycle();
        break;
    case TaskType::GET_MODIFIED_OBJECTS:
        applyChangeQuery(outcome.changes);
        break;
    default:
        break;
    }
    return true;
}

void MainWindow::applySendResult(int taskId, int serviceId, int status)
{
    m_entities->updatePendingSent(taskId, serviceId, status);
    // When the rows cannot go now, the queue tries again before the next task, and the send is never
    // restored in this run meanwhile.
    m_tasks.complete(taskId);
}

namespace {

// The removals and the records of one fetch, stored as one unit: a batch half stored would count as
// fetched, and no later change query would list the rest again. The service can give it again, so its
// commit needs no disk sync of its own: the log keeps the commits in order, and the cycle's timestamp,
// stored after it, never survives a power cut that this unit does not.
bool storeFetchedObjects(CacheDatabase &cache, const qtObjectsInfo &objects, int &fresh)
{
    if (!cache.beginTransaction(CacheDatabase::Unit::Mirror))
        return false;
    if (cache.deleteObjectList(objects.removed) && cache.storeObjects(objects, fresh) &&
        cache.commitTransaction())
        return true;
    cache.rollbackTransaction();
    return false;
}

// A record created offline takes the service's id in the views and in every task still to run that refers
// to it, queued or parked.
template <typename Record>
void adoptServiceId(Record &record, EntitiesView &views, void (EntitiesView::*replaceInViews)(int, int),
                    TaskPump &pump)
{
    if (record.localid <= 0)
        return;
    (views.*replaceInViews)(-record.localid, record.id);
    // When the rows cannot follow, the creation's own rows stay until they do: a restart then makes the
    // record again for the rows that still name it by its local id.
    pump.replaceLocalId(-record.localid, record.id, record.taskid);
    record.localid = 0;
}

} // namespace

// A creation the service refused answers no id: nothing is stored and no reference is rewritten. The
// refusal is the task's outcome all the same, so its persisted rows go.
void MainWindow::applyCreatedGroup(qtContactGroupInfo &group)
{
    if (group.id > 0) {
        adoptServiceId(group, *m_entities, &EntitiesView::replaceGroupId, m_pump);
        m_cache.storeContactGroup(&group);
    }
    m_tasks.complete(group.taskid);
    eventSyncGenerate();
}

void MainWindow::applyCreatedContact(qtContactInfo &contact)
{
    if (contact.id > 0) {
        adoptServiceId(contact, *m_entities, &EntitiesView::replaceContactId, m_pump);
        m_cache.storeContact(&contact);
    }
    m_tasks.complete(contact.taskid);
    eventSyncGenerate();
}

void MainWindow::applyCreatedFolder(QelFolderInfo &folder)
{
    if (folder.id > 0) {
        adoptServiceId(folder, *m_entities, &EntitiesView::replaceFolderId, m_pump);
        m_cache.storeFolder(&folder);
    }
    m_tasks.complete(folder.taskid);
}

void MainWindow::applyChangeQuery(ChangeList &changes)
{
    if (changes.entries.isEmpty()) {
        // Nothing changed, but the objects given up before are asked for all the same; the timestamp
        // stays where it is.
        if (askUnfetchedAgain({}))
            m_tasks.add(TaskType::SET_TIMESTAMP, m_cache.timestamp());
        else
            m_pump.endCycle();
        return;
    }
    m_pump.setSyncTimestamp(changes.timestamp);
    changes.markUnknownAsChanged();
    processChangeList(changes);
}

bool MainWindow::applyObjects(qtObjectsInfo &objects, int timeShift)
{
    objects.takeDeletedAsRemoved();
    int fresh = 0;
    if (!storeFetchedObjects(m_cache, objects, fresh))
        return false;
    // Fetched objects carry no time shift of their own: they are shown with the lists' current one.
    objects.shifttime = timeShift;
    m_entities->fillViews(objects);
    if (fresh != 0)
        notifyNewItem(fresh);
    return true;
}
