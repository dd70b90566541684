#pragma once

#include "ChangeList.h"
#include "TaskItem.h"
#include "qtObjectsInfo.h"

#include <QByteArray>
#include <QString>
#include <memory>

// What one task's run produced, handed by the pump to whoever applies it. The task's own record (a send's
// status, a creation's service id) is written in place through task.argument; the rest is copied or moved
// out of the worker, which is free for the next run once this is built.
struct TaskOutcome
{
    TaskOutcome(const TaskItem &task, int result) : task(task), result(result) {}

    TaskItem task;
    int result;
    // The lists' current time shift; the new one after a time shift query.
    int timeShift = 0;
    int inboxId = 0;
    int outboxId = 0;
    ChangeList changes;
    // A fetched batch, null for every other task.
    std::unique_ptr<qtObjectsInfo> objects;
    QByteArray latestVersion;
    QString updateUrl;
    // The update check's status: why an empty answer is empty.
    int versionStatus = 0;
    QString csvPath;
};
