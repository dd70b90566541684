#include "RowEdits.h"

SortingPause::SortingPause(QTreeWidget *list) : m_list(list), m_wasSorting(list->isSortingEnabled())
{
    if (m_wasSorting)
        list->setSortingEnabled(false);
}

SortingPause::~SortingPause()
{
    if (m_wasSorting && m_list)
        m_list->setSortingEnabled(true);
}

RowEdits::RowEdits(QTreeWidget *list, bool orderMayChange) : m_list(list), m_silence(list->model())
{
    if (orderMayChange)
        m_sorting.emplace(list);
}

RowEdits::~RowEdits()
{
    m_silence.unblock();
    if (m_list)
        m_list->viewport()->update();
}
