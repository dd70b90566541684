#pragma once

#include "ObjectRef.h"

#include <QHash>
#include <QList>
#include <functional>

class TaskItem;
class TaskQueue;

// The fetches of the synchronisation that the service keeps refusing, which would otherwise hold the
// cycle's end back for good. A fetch refused three times is split into fetches of one object each, which
// inherit its refusals: one more refusal gives each up. A fetch of one object given up has its object
// remembered (asked for again in every later cycle), and the cycle ends without it. A fetch of objects
// remembered before starts with the same refusals as a split one. GUI thread only.
class FetchRefusals
{
public:
    // Remembers an object given up; false when it could not be remembered, which keeps its fetch.
    using Remember = std::function<bool(const ObjectRef &)>;

    // The queue outlives this object.
    FetchRefusals(TaskQueue &tasks, Remember remember);

    // Counts a refusal of the fetch; true when it was given up (split, or its object remembered) and the
    // task is done with, false when it is to be tried again.
    bool refused(const TaskItem &fetch);
    // Queues a fetch of objects whose fetch failed before, as a suspect: one refusal gives it up.
    void askAgain(const QList<ObjectRef> &objects);
    // At the end of a cycle or a session: the fetches counted are done with.
    void clear() { m_refusals.clear(); }

private:
    TaskQueue &m_tasks;
    Remember m_remember;
    // Refusals by the task's sequence number.
    QHash<int, int> m_refusals;
};
