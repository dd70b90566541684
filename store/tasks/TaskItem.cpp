#include "TaskItem.h"

#include "TaskType.h"

#include <QMutex>
#include <QMutexLocker>

namespace {
// Innermost lock of the program: nothing else is taken while it is held.
QMutex taskSequenceMutex;
int taskSequence = 0;

// The account-changing tasks share one rank: they depend on each other in the order the user made them
// ("mark unread, then read"; "move into a folder, then delete the folder"), so a re-sort after a failure
// must keep their creation order.
int rank(const TaskItem &item)
{
    if (item.behindUserTasks)
        return TaskType::MOVE_TO_FOLDER + 1;
    const int type = item.type;
    return type >= TaskType::CHANGE_GROUP && type <= TaskType::MOVE_TO_FOLDER ? int(TaskType::CHANGE_GROUP)
                                                                              : type;
}

int nextSequence()
{
    QMutexLocker locker(&taskSequenceMutex);
    return ++taskSequence;
}
} // namespace

TaskItem::TaskItem(int type, const QVariant &argument) : type(type), argument(argument)
{
    sequence = nextSequence();
}

TaskItem::TaskItem(int sequence, int type, const QVariant &argument)
    : sequence(sequence), type(type), argument(argument)
{
}

bool TaskItem::operator<(const TaskItem &other) const
{
    if (rank(*this) != rank(other))
        return rank(*this) < rank(other);
    return sequence < other.sequence;
}
