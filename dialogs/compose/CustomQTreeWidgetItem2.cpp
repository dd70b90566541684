#include "CustomQTreeWidgetItem2.h"

#include "BaseContactInfo.h"
#include "RecordVariant.h"

CustomQTreeWidgetItem2::CustomQTreeWidgetItem2(BaseContactInfo *record)
    : QTreeWidgetItem({QString(), record->name, record->number, record->gsmnumber}), m_record(record)
{
    setData(0, Qt::UserRole, recordToVariant(record));
}

CustomQTreeWidgetItem2::~CustomQTreeWidgetItem2()
{
    delete m_record;
}

bool CustomQTreeWidgetItem2::operator<(const QTreeWidgetItem &other) const
{
    const QTreeWidget *list = treeWidget();
    const int column = list ? list->sortColumn() : 0;
    if (column != 0)
        return text(column).compare(other.text(column), Qt::CaseInsensitive) < 0;
    const auto *otherRecord = static_cast<const CustomQTreeWidgetItem2 &>(other).m_record;
    if (m_record->type != otherRecord->type)
        return m_record->type < otherRecord->type;
    return m_record->groupid < otherRecord->groupid;
}
