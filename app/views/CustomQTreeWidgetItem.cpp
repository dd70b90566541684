#include "CustomQTreeWidgetItem.h"

#include "BaseContactInfo.h"
#include "BaseRecipients.h"
#include "ItemTexts.h"
#include "RecordKinds.h"
#include "RecordVariant.h"
#include "qtContactGroupInfo.h"
#include "qtFAXReceivedInfo.h"
#include "qtVOICEReceivedInfo.h"

namespace {

constexpr int dateColumn = 4;

// The name part of the column-0 key. Only a sent item with several recipients has to build it; every other
// record lends its own field.
const QString &sortName(const BaseObject &record, QString &built)
{
    switch (record.type) {
    case ObjectType::ContactGroup:
        return static_cast<const qtContactGroupInfo &>(record).name;
    case ObjectType::Contact:
    case ObjectType::OutlookContact:
        return static_cast<const BaseContactInfo &>(record).name;
    case ObjectType::FaxReceived:
        return static_cast<const qtFAXReceivedInfo &>(record).sender;
    case ObjectType::VoiceReceived:
        return static_cast<const qtVOICEReceivedInfo &>(record).sender;
    default: {
        const auto &item = static_cast<const BaseRecipients &>(record);
        if (item.recipients == 1)
            return item.recipient;
        built = recipientsText(item);
        return built;
    }
    }
}

bool hasSortKey(const BaseObject *record)
{
    return record
           && (RecordKinds::isListItem(record->type) || RecordKinds::isContact(record->type)
               || record->type == ObjectType::ContactGroup);
}

// Column 0's keys compared without building them: a type code padded with blanks to 12 characters orders
// as the number does, and a record without a key has the empty key, which comes first.
int compareSortKeys(const BaseObject *record, const BaseObject *other)
{
    const bool keyed = hasSortKey(record);
    const bool otherKeyed = hasSortKey(other);
    if (!keyed || !otherKeyed)
        return int(keyed) - int(otherKeyed);
    if (record->type != other->type)
        return record->type < other->type ? -1 : 1;
    QString built;
    QString otherBuilt;
    return QString::compare(sortName(*record, built), sortName(*other, otherBuilt), Qt::CaseInsensitive);
}

const QString &dateKeyOf(const BaseObject *record)
{
    static const QString none;
    if (!record || !RecordKinds::isListItem(record->type))
        return none;
    return static_cast<const BaseForView *>(record)->shifteddate;
}

} // namespace

QString itemSortKey(const BaseObject *record)
{
    if (!hasSortKey(record))
        return QString();
    QString built;
    return QStringLiteral("%1").arg(record->type, 12) + sortName(*record, built);
}

QString itemDateKey(const BaseObject *record)
{
    return dateKeyOf(record);
}

CustomQTreeWidgetItem::CustomQTreeWidgetItem(std::unique_ptr<BaseObject> record, const QStringList &texts)
    : QTreeWidgetItem(texts, RowType)
{
    if (record)
        setRecord(std::move(record));
}

bool CustomQTreeWidgetItem::operator<(const QTreeWidgetItem &other) const
{
    const QTreeWidget *list = treeWidget();
    return lessThan(*this, other, list ? list->sortColumn() : 0);
}

bool CustomQTreeWidgetItem::lessThan(const QTreeWidgetItem &row, const QTreeWidgetItem &other, int column)
{
    int order;
    if (column == 0)
        order = compareSortKeys(record(&row), record(&other));
    else if (column == dateColumn)
        // Date keys hold digits, separators, upper-case markers or nothing, whose order does not depend on
        // case; comparing them as they are saves folding every character of every comparison.
        order = QString::compare(dateKeyOf(record(&row)), dateKeyOf(record(&other)), Qt::CaseSensitive);
    else
        order = QString::compare(row.text(column), other.text(column), Qt::CaseInsensitive);
    return order < 0;
}

BaseObject *CustomQTreeWidgetItem::record(const QTreeWidgetItem *row)
{
    if (row->type() == RowType)
        return static_cast<const CustomQTreeWidgetItem *>(row)->m_record.get();
    return recordFromVariant<BaseObject>(row->data(0, Qt::UserRole));
}

void CustomQTreeWidgetItem::setRecord(std::unique_ptr<BaseObject> record)
{
    // The variant goes first: it must never point at a record that has been released.
    setData(0, Qt::UserRole, record ? recordToVariant(record.get()) : QVariant());
    m_record = std::move(record);
}

const QString &CustomQTreeWidgetItem::searchText(const int *columns, int count)
{
    if (!m_hasSearchText) {
        QString joined;
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                joined += u'\n';
            joined += text(columns[i]);
        }
        m_searchText = joined.toCaseFolded();
        m_hasSearchText = true;
    }
    return m_searchText;
}

void CustomQTreeWidgetItem::forgetSearchText()
{
    m_hasSearchText = false;
    m_searchText = QString();
}
