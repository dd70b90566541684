#pragma once

#include <QPointer>
#include <QSignalBlocker>
#include <QTreeWidget>

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
// and the list is sorted and painted once at the end. While it lives rows may change their data only, and
// no row may be added, removed or moved.
class RowEdits
{
public:
    explicit RowEdits(QTreeWidget *list);
    ~RowEdits();
    RowEdits(const RowEdits &) = delete;
    RowEdits &operator=(const RowEdits &) = delete;

private:
    QPointer<QTreeWidget> m_list;
    SortingPause m_sorting;
    QSignalBlocker m_silence;
};
