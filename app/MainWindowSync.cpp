// The synchronisation cycle: change queries, the fetches and follow-ups they lead to, the cache at log-in.
#include "MainWindow.h"

#include "BusyCursor.h"
#include "ChangeList.h"
#include "EntitiesView.h"
#include "ObjectRef.h"
#include "RecordVariant.h"
#include "TaskType.h"
#include "qtObjectsInfo.h"

#include <memory>

void MainWindow::eventSyncGenerate()
{
    m_pump.syncNow();
}

void MainWindow::processChangeList(const ChangeList &list)
{
    auto batch = std::make_unique<QList<ObjectRef>>();
    const auto queueBatch = [&] {
        m_tasks.add(TaskType::GET_OBJECTS, recordToVariant(batch.release()));
        batch = std::make_unique<QList<ObjectRef>>();
    };

    bool fullReview = false;
    bool askTimeShift = false;
    bool pendingProgressed = false;
    for (const ChangeEntry &entry : list.entries) {
        switch (entry.type) {
        case 5:
        case 7:
            batch->append(ObjectRef(entry.object, entry.type));
            break;
        case ChangeEntry::AskFullReview:
            fullReview = true;
            break;
        case ChangeEntry::AskTimeShift:
            askTimeShift = true;
            break;
        case ChangeEntry::OutboxProgress:
            if (entry.action >= 1) {
                m_entities->updatePendingProgress(entry.object, entry.action);
                pendingProgressed = true;
            } else {
                m_entities->updatePendingStatus(entry.object, -entry.action);
            }
            break;
        default:
            break;
        }
    }
    // Groups and folders first, so that the items and contacts that refer to them arrive after them.
    for (const QList<int> &types : {QList<int>{2, 3}, QList<int>{1, 4}, QList<int>{6}}) {
        for (const ChangeEntry &entry : list.entries) {
            if (!types.contains(entry.type))
                continue;
            batch->append(ObjectRef(entry.object, entry.type));
            if (batch->size() >= fetchBatchSize)
                queueBatch();
        }
    }
    if (!batch->isEmpty())
        queueBatch();
    askUnfetchedAgain(list.entries);

    if (askTimeShift)
        m_tasks.add(TaskType::GET_SHIFT_TIME, 0);
    if (fullReview) {
        // The review's own list ends the cycle with its timestamp, after the review's fetches: stored now,
        // this one would pass the removals the review is to find.
        m_tasks.add(TaskType::REVIEW_OBJECTS, 0);
        return;
    }
    if (pendingProgressed)
        m_tasks.add(TaskType::GET_MODIFIED_OBJECTS, 0);
    m_tasks.add(TaskType::SET_TIMESTAMP, list.timestamp);
}

void MainWindow::loadLocalObjects()
{
    BusyCursor busy(this);
    qtObjectsInfo objects;
    m_cache.loadAll(objects);
    m_entities->fillViews(objects);
    eventSetupOutlookContacts();
    m_tasks.add(TaskType::GET_MODIFIED_OBJECTS, 0);
}
