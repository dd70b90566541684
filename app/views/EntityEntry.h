#pragma once

#include <QString>

class FolderView;
class QTreeWidgetItem;

// One entity of the entity tree: its display name without the count, its item in the tree (owned by the
// tree) and its list (owned through the Qt parent tree).
struct EntityEntry
{
    QString name;
    QTreeWidgetItem *item = nullptr;
    FolderView *view = nullptr;
};
