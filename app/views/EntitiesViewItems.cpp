// EntitiesView: items across the lists, loading, removals, moves and the pending Outbox items.
#include "EntitiesView.h"

#include "BaseForView.h"
#include "ChangeEntry.h"
#include "CustomQTreeWidgetItem.h"
#include "FolderView.h"
#include "MoveToFolderRequest.h"
#include "ObjectType.h"
#include "OwnedRecord.h"
#include "RecordKinds.h"
#include "qtObjectsInfo.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QSet>
#include <algorithm>
#include <memory>

namespace {

// A load lets other events run this often: often enough for timers and painting, rarely enough that the
// lists it fills do not lay out all their rows again and again.
constexpr int millisecondsBetweenEvents = 100;

} // namespace

void EntitiesView::letEventsRun()
{
    // Timers and finished tasks may run, but no user command: a log-out in the middle of applying a batch
    // would see the rest of the batch land in the next customer's lists.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool EntitiesView::findItem(int id, int type, FolderView **list, QTreeWidgetItem **row) const
{
    if (m_inbox.view->locateItem(id, type, list, row) || m_outbox.view->locateItem(id, type, list, row))
        return true;
    for (const EntityEntry &entry : m_userFolders) {
        if (entry.view->locateItem(id, type, list, row))
            return true;
    }
    return false;
}

bool EntitiesView::hasItem(int type, int id) const
{
    FolderView *list = nullptr;
    QTreeWidgetItem *row = nullptr;
    return findItem(id, type, &list, &row);
}

void EntitiesView::addOrUpdateRecord(const BaseForView &record)
{
    FolderView *target = viewByFolderId(record.folderid);
    if (!target)
        return;
    removeArrivedPendingRow(record);
    FolderView *list = nullptr;
    QTreeWidgetItem *row = nullptr;
    if (findItem(record.id, record.type, &list, &row) && list != target) {
        list->removeItem(row);
        row = nullptr;
    }
    target->addItem(owned(record.clone()), row);
}

void EntitiesView::removeArrivedPendingRow(const BaseForView &record)
{
    const int pendingType = record.type == ObjectType::SmsSent   ? ObjectType::PendingSms
                            : record.type == ObjectType::FaxSent ? ObjectType::PendingFax
                                                                 : 0;
    QTreeWidgetItem *row = pendingType ? m_outbox.view->findItem(record.id, pendingType) : nullptr;
    // Only a row whose send the service confirmed carries the service's id; one still waiting, or parked
    // after a refusal, carries its task's id, which may equal a service id by chance.
    if (row && static_cast<const CustomQTreeWidgetItem *>(row)->sendConfirmed())
        m_outbox.view->removePendingItem(row);
}

void EntitiesView::addOrUpdateItem(const BaseForView &record)
{
    addOrUpdateRecord(record);
    refreshLabels();
    letEventsRun();
}

void EntitiesView::removeItem(int id, int type)
{
    FolderView *list = nullptr;
    QTreeWidgetItem *row = nullptr;
    if (findItem(id, type, &list, &row))
        list->removeItem(row);
    refreshLabels();
    letEventsRun();
}

void EntitiesView::removeObject(int id, int type)
{
    switch (type) {
    case ObjectType::ContactGroup:
        m_contacts.view->removeGroupItem(id);
        break;
    case ObjectType::Contact:
        m_contacts.view->removeContactItem(id);
        break;
    case ObjectType::Folder:
        removeFolderEntity(id);
        break;
    default:
        if (RecordKinds::isServiceItem(type))
            removeItem(id, type);
    }
}

void EntitiesView::removeObjects(const ObjectsRequest &request)
{
    for (auto type = request.objects.cbegin(); type != request.objects.cend(); ++type) {
        for (const int id : type.value())
            removeObject(id, type.key());
    }
    refreshLabels();
}

void EntitiesView::removeChanged(const QList<ChangeEntry> &entries)
{
    for (const ChangeEntry &entry : entries) {
        if (entry.action == -1)
            removeObject(entry.object, entry.type);
    }
    refreshLabels();
}

void EntitiesView::moveItems(const MoveToFolderRequest &request)
{
    FolderView *source = viewByFolderId(request.from_folderid);
    FolderView *target = viewByFolderId(request.to_folderid);
    if (!source || !target || !request.objects)
        return;
    for (auto type = request.objects->objects.cbegin(); type != request.objects->objects.cend(); ++type) {
        if (!RecordKinds::isServiceItem(type.key()))
            continue;
        for (const int id : type.value())
            source->moveItemTo(id, type.key(), target);
    }
    refreshLabels();
}

void EntitiesView::fillViews(const qtObjectsInfo &objects)
{
    setTimeShift(objects.shifttime);
    for (const QelFolderInfo &folder : objects.folders)
        renameFolder(folder);

    // Each list takes its new rows in one call at the end, each at its sorted place, rather than one
    // insertion (and one layout) a row; rows that came so far go in whenever other events may run.
    QList<QPointer<FolderView>> lists;
    for (const EntityEntry &entry : allEntries()) {
        entry.view->beginRows();
        lists.append(entry.view);
    }
    const auto flush = [&lists] {
        for (FolderView *list : std::as_const(lists)) {
            if (list)
                list->flushRows();
        }
    };
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    const auto apply = [&](const BaseForView &record) {
        addOrUpdateRecord(record);
        if (sinceEvents.hasExpired(millisecondsBetweenEvents)) {
            m_repaints.aboutToChange(currentView());
            flush();
            m_repaints.changed(currentView());
            letEventsRun();
            sinceEvents.restart();
        }
    };
    for (const qtFAXReceivedInfo &fax : objects.faxesreceived)
        apply(fax);
    for (const qtVOICEReceivedInfo &voice : objects.voicesreceived)
        apply(voice);
    for (const qtSMSSentInfo &sms : objects.smsessent)
        apply(sms);
    for (const qtFAXSentInfo &fax : objects.faxessent)
        apply(fax);
    for (const qtContactGroupInfo &group : objects.contactgroups)
        addGroupRow(group);
    for (const qtContactInfo &contact : objects.contacts)
        addContactRow(contact);
    m_repaints.aboutToChange(currentView());
    for (FolderView *list : std::as_const(lists)) {
        if (list)
            list->endRows();
    }
    refreshLabels();
    m_repaints.changed(currentView());
    letEventsRun();

    removeChanged(objects.removed);
}

void EntitiesView::updatePendingProgress(int taskId, int serviceId)
{
    FolderView *outbox = m_outbox.view;
    QTreeWidgetItem *row = outbox->findPendingItem(taskId);
    if (!row)
        return;
    switch (CustomQTreeWidgetItem::record(row)->type) {
    case ObjectType::PendingEmail:
        outbox->queuePendingItem(row, serviceId);
        break;
    case ObjectType::PendingFax:
    case ObjectType::PendingSms: {
        const bool isFax = CustomQTreeWidgetItem::record(row)->type == ObjectType::PendingFax;
        if (hasItem(isFax ? ObjectType::FaxSent : ObjectType::SmsSent, serviceId))
            outbox->removePendingItem(row);
        else
            outbox->queuePendingItem(row, serviceId);
        break;
    }
    default:
        return;
    }
    refreshLabels();
}

std::unique_ptr<MoveToFolderRequest> EntitiesView::moveSelectionTo(int folderId)
{
    FolderView *source = currentView();
    if (folderId == 0 || source->folderId() == 0 || source == m_contacts.view || folderId == source->folderId())
        return nullptr;
    std::unique_ptr<ObjectsRequest> objects = source->selectionForMove();
    if (!objects)
        return nullptr;
    auto request = std::make_unique<MoveToFolderRequest>();
    request->from_folderid = source->folderId();
    request->to_folderid = folderId;
    request->objects = objects.release();
    return request;
}
