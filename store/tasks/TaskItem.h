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

    // By task type, then by order of creation; the account-changing types 10 to 16 count as one type.
    bool operator<(const TaskItem &other) const;

    int sequence;
    int type;
    QVariant argument;
};
