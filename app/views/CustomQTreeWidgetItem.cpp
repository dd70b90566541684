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

QString sortName(const BaseObject &record)
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
    default:
        return recipientsText(static_cast<const BaseRecipients &>(record));
    }
}

bool hasSortKey(int type)
{
    return RecordKinds::isListItem(type) || RecordKinds::isContact(type) || type == ObjectType::ContactGroup;
}

} // namespace

QString itemSortKey(const BaseObject *record)
{
    if (!record || !hasSortKey(record->type))
        return QString();
    return QStringLiteral("%1").arg(record->type, 12) + sortName(*record);
}

namespace {

const QString &dateKeyOf(const BaseObject *record)
{
    static const QString none;
    if (!record || !RecordKinds::isListItem(record->type))
        return none;
    return static_cast<const BaseForView *>(record)->shifteddate;
}

} // namespace

QString itemDateKey(const BaseObject *record)
{
    return dateKeyOf(record);
}

CustomQTreeWidgetItem::CustomQTreeWidgetItem(BaseObject *record, const QStringList &texts)
    : QTreeWidgetItem(texts, QTreeWidgetItem::Type)
{
    if (record)
        setData(0, Qt::UserRole, recordToVariant(record));
}

CustomQTreeWidgetItem::~CustomQTreeWidgetItem()
{
    delete record(this);
}

bool CustomQTreeWidgetItem::operator<(const QTreeWidgetItem &other) const
{
    const QTreeWidget *list = treeWidget();
    const int column = list ? list->sortColumn() : 0;
    int order;
    if (column == 0)
        order = QString::compare(itemSortKey(record(this)), itemSortKey(record(&other)), Qt::CaseInsensitive);
    else if (column == dateColumn)
        // Date keys hold digits, separators, upper-case markers or nothing, whose order does not depend on
        // case; comparing them as they are saves folding every character of every comparison.
        order = QString::compare(dateKeyOf(record(this)), dateKeyOf(record(&other)), Qt::CaseSensitive);
    else
        order = QString::compare(text(column), other.text(column), Qt::CaseInsensitive);
    return order < 0;
}

BaseObject *CustomQTreeWidgetItem::record(const QTreeWidgetItem *row)
{
    return recordFromVariant<BaseObject>(row->data(0, Qt::UserRole));
}

void CustomQTreeWidgetItem::replaceRecord(QTreeWidgetItem *row, BaseObject *newRecord)
{
    BaseObject *oldRecord = record(row);
    if (oldRecord == newRecord)
        return;
    row->setData(0, Qt::UserRole, newRecord ? recordToVariant(newRecord) : QVariant());
    delete oldRecord;
}
