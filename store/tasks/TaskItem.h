#pragma once

#include <QVariant>

// One queued task. Copies share the record that the argument points to; the item never frees it, the
// queue that holds the task does (TaskQueue).
class TaskItem
{
public:
    // Takes the next process-wide sequence number.
    TaskItem(int type, const QVariant &argument);
    TaskItem(int sequence, int type, const QVariant &argument);

    // By task type, then by order of creation; the account-changing types 10 to 16 count as one type, and
    // a task put behind the user's tasks comes right after them.
    bool operator<(const TaskItem &other) const;

    int sequence;
    int type;
    QVariant argument;
    // Set on a task that the user's sends and changes need not wait for, though the synchronisation's
    // fetches and timestamp do (an Inbox and Outbox query the service refused). Never persisted.
    bool behindUserTasks = false;
};
