#include "TaskItem.h"

#include <QMutex>
#include <QMutexLocker>

namespace {
// Innermost lock of the program: nothing else is taken while it is held.
QMutex taskSequenceMutex;
int taskSequence = 0;

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
    if (type != other.type)
        return type < other.type;
    return sequence < other.sequence;
}
