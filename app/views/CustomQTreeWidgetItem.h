#pragma once

#include <QTreeWidgetItem>

class BaseObject;

// One row of an item list or of the contacts list. The row owns the record it shows, kept in column 0 under
// Qt::UserRole: replacing the record or deleting the row releases it, so no list operation has to.
class CustomQTreeWidgetItem : public QTreeWidgetItem
{
public:
    // Takes ownership of record (may be null); texts fill the columns from column 0 on.
    explicit CustomQTreeWidgetItem(BaseObject *record = nullptr, const QStringList &texts = QStringList());
    ~CustomQTreeWidgetItem() override;

    // Sort order of the lists: column 0 by object type and then name, sender or recipients; column 4 by the
    // shifted date; the other columns by their text; every comparison without regard to case.
    bool operator<(const QTreeWidgetItem &other) const override;

    // The record a row shows, or null; it stays owned by the row.
    static BaseObject *record(const QTreeWidgetItem *row);
    // The one way to change a row's record: the row takes ownership of the new one (null leaves it without
    // a record) and releases the one it held, unless that is the same record.
    static void replaceRecord(QTreeWidgetItem *row, BaseObject *newRecord);
};

// The sort key of column 0: the type code padded to 12 characters, then the name, sender or recipients.
QString itemSortKey(const BaseObject *record);
// The sort key of the Date column: the shifted service date of a list item (or its pending marker).
QString itemDateKey(const BaseObject *record);
