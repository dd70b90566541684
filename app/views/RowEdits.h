#pragma once

#include <QPointer>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <optional>

// Sorting switched off for the life of the object and switched on again at its end, which sorts the list
// once: inserting many rows into a sorted list would sort each one in. Nests; survives the list's deletion.
class SortingPause
{
public:
    explicit SortingPause(QTreeWidget *list);
    ~SortingPause();
    SortingPause(const SortingPause &) = delete;
    SortingPause &operator=(const SortingPause &) = delete;

private:
    QPointer<QTreeWidget> m_list;
    bool m_wasSorting;
};

// The data of many rows changed at once. Each change would make the list's model look its row up (a linear
// search once the rows have been sorted) and move it to its sorted place; instead the model stays silent
// and the list is painted once at the end, and sorted once when the changes may change the order. While it
// lives rows may change their data only, and no row may be added, removed or moved.
class RowEdits
{
public:
    RowEdits(QTreeWidget *list, bool orderMayChange);
    ~RowEdits();
    RowEdits(const RowEdits &) = delete;
    RowEdits &operator=(const RowEdits &) = delete;

private:
    QPointer<QTreeWidget> m_list;
    std::optional<SortingPause> m_sorting;
    QSignalBlocker m_silence;
};
