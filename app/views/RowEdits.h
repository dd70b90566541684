#pragma once

#include <QPointer>
#include <QSignalBlocker>
#include <QTreeWidget>

// The data of many rows changed at once. Each change would make the list's model look its row up (a linear
// search once rows have moved) and tell the view; instead the model stays silent and the list is painted
// once at the end, and sorted once when the changes may change the order. While it lives rows may change
// their data only, and no row may be added, removed or moved.
class RowEdits
{
public:
    RowEdits(QTreeWidget *list, bool orderMayChange);
    ~RowEdits();
    RowEdits(const RowEdits &) = delete;
    RowEdits &operator=(const RowEdits &) = delete;

private:
    QPointer<QTreeWidget> m_list;
    bool m_orderMayChange;
    QSignalBlocker m_silence;
};
