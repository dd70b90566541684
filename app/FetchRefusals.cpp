#include "FetchRefusals.h"

#include "TaskItem.h"
#include "TaskKind.h"
#include "TaskQueue.h"
#include "TaskType.h"

namespace {

// A fetch refused this often is no passing trouble of the service.
const int triesBeforeGivingUp = 3;

} // namespace

FetchRefusals::FetchRefusals(TaskQueue &tasks, Remember remember)
    : m_tasks(tasks), m_remember(std::move(remember))
{
}

bool FetchRefusals::refused(const TaskItem &fetch)
{
    const auto *batch = taskRecord<QList<ObjectRef>>(fetch.type, fetch.argument);
    if (!batch || ++m_refusals[fetch.sequence] < triesBeforeGivingUp)
        return false;
    if (batch->size() > 1) {
        // One object may spoil the reply for the whole batch: alone, the others come through.
        for (const ObjectRef &object : *batch)
            askAgain({object});
    } else if (!batch->isEmpty() && !m_remember(batch->first())) {
        return false;
    }
    m_refusals.remove(fetch.sequence);
    return true;
}

void FetchRefusals::askAgain(const QList<ObjectRef> &objects)
{
    const TaskItem fetch(TaskType::GET_OBJECTS, recordToVariant(new QList<ObjectRef>(objects)));
    m_refusals.insert(fetch.sequence, triesBeforeGivingUp - 1);
    // Into its place by the queue's order: after the fetches queued before it, ahead of the timestamp.
    m_tasks.requeue(fetch);
}
