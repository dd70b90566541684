#include "RowIndex.h"

#include "BaseObject.h"
#include "CustomQTreeWidgetItem.h"

quint64 RowIndex::key(int type, int id)
{
    return (quint64(quint32(type)) << 32) | quint32(id);
}

void RowIndex::add(QTreeWidgetItem *row)
{
    if (const BaseObject *record = CustomQTreeWidgetItem::record(row))
        m_rows.insert(key(record->type, record->id), row);
}

void RowIndex::remove(QTreeWidgetItem *row)
{
    if (const BaseObject *record = CustomQTreeWidgetItem::record(row))
        m_rows.remove(key(record->type, record->id), row);
}

RowIndex::Rows RowIndex::rows(int type, int id) const
{
    Rows found;
    const quint64 wanted = key(type, id);
    for (auto it = m_rows.constFind(wanted); it != m_rows.cend() && it.key() == wanted; ++it)
        found.append(it.value());
    return found;
}
