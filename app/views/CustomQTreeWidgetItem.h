#pragma once

#include "BaseObject.h"

#include <QTreeWidgetItem>
#include <memory>

// One row of an item list or of the contacts list. The row owns the record it shows, kept in column 0 under
// Qt::UserRole: replacing the record or deleting the row releases it, so no list operation has to. The row
// also keeps the record's pointer and its search text at hand, so that sorting and filtering many
// thousand rows neither read variants nor build strings.
class CustomQTreeWidgetItem : public QTreeWidgetItem
{
public:
    static constexpr int RowType = QTreeWidgetItem::UserType + 1;

    // record may be null; texts fill the columns from column 0 on.
    explicit CustomQTreeWidgetItem(std::unique_ptr<BaseObject> record = nullptr,
                                   const QStringList &texts = QStringList());

    // Sort order of the lists: column 0 by object type and then name, sender or recipients; column 4 by the
    // shifted date; the other columns by their text; every comparison without regard to case.
    bool operator<(const QTreeWidgetItem &other) const override;
    // The same order for a given sort column, for rows that are not in a list yet.
    static bool lessThan(const QTreeWidgetItem &row, const QTreeWidgetItem &other, int column);

    // The record a row shows, or null; it stays owned by the row.
    static BaseObject *record(const QTreeWidgetItem *row);
    // The same as the record type T that the row's kind says it is (the caller checked the type).
    template <typename T> static T *rowRecord(const QTreeWidgetItem *row) { return static_cast<T *>(record(row)); }
    // The one way to change a row's record: the row releases the one it held (null leaves it without one).
    void setRecord(std::unique_ptr<BaseObject> record);

    // The row's search text, case-folded: the given columns' texts joined by line breaks, made by the first
    // call after forgetSearchText.
    const QString &searchText(const int *columns, int count);
    void forgetSearchText();

    // A pending Outbox row whose send the service confirmed: its id is the service's from then on, while
    // any other pending row still carries its task's id.
    bool sendConfirmed() const { return m_sendConfirmed; }
    void setSendConfirmed() { m_sendConfirmed = true; }

private:
    std::unique_ptr<BaseObject> m_record;
    bool m_sendConfirmed = false;
    QString m_searchText;
    bool m_hasSearchText = false;
};

// The sort key of column 0: the type code padded to 12 characters, then the name, sender or recipients.
QString itemSortKey(const BaseObject *record);
// The sort key of the Date column: the shifted service date of a list item (or its pending marker).
QString itemDateKey(const BaseObject *record);
