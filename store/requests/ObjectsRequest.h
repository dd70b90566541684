#pragma once

#include <QList>
#include <QMap>

// Argument of the delete and mark tasks, and the items of a move: object ids grouped by object type.
class ObjectsRequest
{
public:
    QMap<int, QList<int>> objects;
    int taskid = 0;
};
