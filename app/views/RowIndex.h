#pragma once

#include <QMultiHash>
#include <QVarLengthArray>

class QTreeWidgetItem;

// The rows of one list by the object type and id of their records, so that finding the row of a record
// does not walk lists of many thousand rows. Several rows may share a key (Outlook contacts all have id 0);
// the list resolves those by tree order. The list adds a row when it gains it and removes it, with the key
// it was added under, before the row's key changes or the row leaves the list.
class RowIndex
{
public:
    using Rows = QVarLengthArray<QTreeWidgetItem *, 4>;

    void add(QTreeWidgetItem *row);
    // Only rows that were added under their record's present key.
    void remove(QTreeWidgetItem *row);
    // Every row with this key, in no particular order.
    Rows rows(int type, int id) const;
    void clear() { m_rows.clear(); }

private:
    static quint64 key(int type, int id);

    QMultiHash<quint64, QTreeWidgetItem *> m_rows;
};
