#pragma once

#include <QTreeWidgetItem>

class BaseContactInfo;

// A row of the group editor's contact lists. The row owns the contact record it shows, kept in column 0
// under Qt::UserRole; deleting the row releases it.
class CustomQTreeWidgetItem2 : public QTreeWidgetItem
{
public:
    // Takes ownership of record; columns 1 to 3 show its name, fax number and SMS number.
    explicit CustomQTreeWidgetItem2(BaseContactInfo *record);
    ~CustomQTreeWidgetItem2() override;
    CustomQTreeWidgetItem2(const CustomQTreeWidgetItem2 &) = delete;
    CustomQTreeWidgetItem2 &operator=(const CustomQTreeWidgetItem2 &) = delete;

    // By a column other than 0: the column's texts without regard to case. By column 0, or outside a list:
    // by object type, then by group id; rows equal there keep no particular order.
    bool operator<(const QTreeWidgetItem &other) const override;

    BaseContactInfo *record() const { return m_record; }

private:
    BaseContactInfo *m_record;
};
