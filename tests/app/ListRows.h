#pragma once

// Readers of the rows of the main window's lists, for the tests that act on them.

#include "BaseObject.h"
#include "CustomQTreeWidgetItem.h"
#include "FolderView.h"

#include <QList>
#include <QTreeWidgetItem>

// The record a list row shows, still owned by the row.
template <typename Record = BaseObject> Record *recordOf(const QTreeWidgetItem *row)
{
    return row ? static_cast<Record *>(CustomQTreeWidgetItem::record(row)) : nullptr;
}

// The top-level rows of a list whose record has this type, in display order.
inline QList<QTreeWidgetItem *> rowsOfType(const FolderView &list, int type)
{
    QList<QTreeWidgetItem *> rows;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        if (const BaseObject *record = recordOf(list.topLevelItem(i)); record && record->type == type)
            rows += list.topLevelItem(i);
    }
    return rows;
}

inline bool isBold(const QTreeWidgetItem *row)
{
    return row->font(1).bold();
}
