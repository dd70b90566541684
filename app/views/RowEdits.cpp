#include "RowEdits.h"

#include <QHeaderView>

RowEdits::RowEdits(QTreeWidget *list, bool orderMayChange)
    : m_list(list), m_orderMayChange(orderMayChange), m_silence(list->model())
{
}

RowEdits::~RowEdits()
{
    m_silence.unblock();
    if (!m_list)
        return;
    if (m_orderMayChange)
        m_list->sortItems(m_list->sortColumn(), m_list->header()->sortIndicatorOrder());
    m_list->viewport()->update();
}
