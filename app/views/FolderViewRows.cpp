// FolderView: the rows of every record kind, pending Outbox rows, read marks and the time shift.
#include "FolderView.h"

#include "CustomQTreeWidgetItem.h"
#include "EMAILSentInfoRegister.h"
#include "ItemTexts.h"
#include "ObjectsRequest.h"
#include "OutlookContactInfo.h"
#include "OwnedRecord.h"
#include "RecordKinds.h"
#include "RowEdits.h"
#include "TextHelpers.h"
#include "ViewIcons.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"
#include "qtFAXReceivedInfo.h"
#include "qtFAXSentInfo.h"
#include "qtSMSSentInfo.h"
#include "qtVOICEReceivedInfo.h"


namespace {

constexpr const char *inboxIcon = ":/images/folder_inbox.png";
constexpr const char *outboxIcon = ":/images/folder_outbox.png";

const char *faxIcon(int faxType)
{
    switch (faxType) {
    case 13:
        return ":/images/merge.png";
    case 16:
        return ":/images/list_authorized.png";
    case 14:
    case 15:
    case 17:
        return ":/images/cover-page.png";
    default:
        return ":/images/list_fax.png";
    }
}

// The date marker that stands for a pending item's sent status until the service gives its date.
QString pendingMarker(int sentStatus)
{
    switch (sentStatus) {
    case 1:
        return QStringLiteral("OK");
    case 2:
        return QStringLiteral("IQ");
    case -2:
        return QStringLiteral("IQL");
    default:
        return QStringLiteral("FA");
    }
}

void setContactTexts(QTreeWidgetItem *row, const BaseContactInfo &contact)
{
    row->setText(1, contact.name);
    row->setText(2, contact.number);
    row->setText(3, contact.gsmnumber);
}

} // namespace

void FolderView::addItem(std::unique_ptr<BaseObject> record, QTreeWidgetItem *row)
{
    switch (record ? record->type : 0) {
    case ObjectType::FaxSent:
        addFaxSentItem(ownedAs<qtFAXSentInfo>(std::move(record)), row);
        break;
    case ObjectType::FaxReceived:
        addFaxReceivedItem(ownedAs<qtFAXReceivedInfo>(std::move(record)), row);
        break;
    case ObjectType::VoiceReceived:
        addVoiceItem(ownedAs<qtVOICEReceivedInfo>(std::move(record)), row);
        break;
    case ObjectType::SmsSent:
        addSmsSentItem(ownedAs<qtSMSSentInfo>(std::move(record)), row);
        break;
    }
}

QStringList FolderView::itemTexts(BaseObject &record)
{
    switch (record.type) {
    case ObjectType::FaxReceived: {
        auto &fax = static_cast<qtFAXReceivedInfo &>(record);
        return {QString(), senderText(fax), QString(), pagescountText(fax), dateText(fax, m_timeShift)};
    }
    case ObjectType::VoiceReceived: {
        auto &voice = static_cast<qtVOICEReceivedInfo &>(record);
        return {QString(), senderText(voice), QString(), durationText(voice), dateText(voice, m_timeShift)};
    }
    default:
        break;
    }
    auto &item = static_cast<BaseRecipients &>(record);
    QString size;
    if (record.type == ObjectType::FaxSent || record.type == ObjectType::PendingFax)
        size = pagescountText(static_cast<BaseFAXSentInfo &>(record));
    else if (record.type == ObjectType::SmsSent || record.type == ObjectType::PendingSms)
        size = QStringLiteral("1");
    return {QString(), recipientsText(item), sentStatusText(item.sentstatus), size, dateText(item, m_timeShift)};
}

const QString &FolderView::sentStatusText(int sentStatus)
{
    // Rows of one status share its text rather than each holding a copy.
    auto found = m_statusTexts.constFind(sentStatus);
    if (found == m_statusTexts.constEnd())
        found = m_statusTexts.insert(sentStatus, statusText(sentStatus));
    return *found;
}

void FolderView::showItem(std::unique_ptr<BaseObject> record, QTreeWidgetItem *row, const char *iconPath,
                          const char *directionIconPath)
{
    const QStringList texts = itemTexts(*record);
    if (ownsRow(row)) {
        setRowRecord(row, std::move(record));
        for (int column = 1; column < texts.size(); ++column) {
            if (row->text(column) != texts[column])
                row->setText(column, texts[column]);
        }
        setItemFont(row);
        keepInOrder(row);
    } else {
        row = new CustomQTreeWidgetItem(std::move(record), texts);
        // Item lists are flat: the view then never asks a row for children when it lays the list out.
        row->setFlags(row->flags() | Qt::ItemNeverHasChildren);
        row->setIcon(0, viewIcon(iconPath));
        row->setIcon(1, viewIcon(directionIconPath));
        setItemFont(row);
        insertTopLevelRow(row);
    }
    filterItem(row);
}

void FolderView::addFaxSentItem(std::unique_ptr<BaseFAXSentInfo> record, QTreeWidgetItem *row)
{
    const char *icon = faxIcon(record->faxtype);
    showItem(std::move(record), row, icon, outboxIcon);
}

void FolderView::addFaxReceivedItem(std::unique_ptr<qtFAXReceivedInfo> record, QTreeWidgetItem *row)
{
    showItem(std::move(record), row, ":/images/list_fax.png", inboxIcon);
}

void FolderView::addVoiceItem(std::unique_ptr<qtVOICEReceivedInfo> record, QTreeWidgetItem *row)
{
    showItem(std::move(record), row, ":/images/voice-mail.png", inboxIcon);
}

void FolderView::addSmsSentItem(std::unique_ptr<BaseSMSSentInfo> record, QTreeWidgetItem *row)
{
    showItem(std::move(record), row, ":/images/list_sms.png", outboxIcon);
}

void FolderView::addEmailItem(std::unique_ptr<EMAILSentInfoRegister> record)
{
    showItem(std::move(record), nullptr, ":/images/email.png", outboxIcon);
}

void FolderView::updateItemTexts(QTreeWidgetItem *row)
{
    BaseObject *record = CustomQTreeWidgetItem::record(row);
    if (!record)
        return;
    if (RecordKinds::hasRecipients(record->type)) {
        auto *item = static_cast<BaseRecipients *>(record);
        row->setText(1, recipientsText(*item));
        row->setText(2, sentStatusText(item->sentstatus));
        row->setText(4, dateText(*item, m_timeShift));
    } else if (RecordKinds::isListItem(record->type) && !row->text(2).isEmpty()) {
        row->setText(2, QString());
    }
}

void FolderView::setItemFont(QTreeWidgetItem *row)
{
    const BaseObject *record = CustomQTreeWidgetItem::record(row);
    if (!isItemList() || !record || !RecordKinds::isListItem(record->type))
        return;
    const bool unread = static_cast<const BaseForView *>(record)->status == 0;
    // A row that was never bold already shows the plain font.
    if (!unread && row->data(1, Qt::FontRole).isNull())
        return;
    // One font for all rows of a weight: a font of its own would cost every unread row a copy.
    static const QFont plain;
    static const QFont bold = [] {
        QFont font;
        font.setBold(true);
        return font;
    }();
    for (int column = 1; column <= 4; ++column)
        row->setFont(column, unread ? bold : plain);
}

void FolderView::addGroupItem(std::unique_ptr<qtContactGroupInfo> record)
{
    QTreeWidgetItem *row = findGroupItem(record->id);
    const bool isNew = !row;
    const qtContactGroupInfo &group = *record;
    if (row) {
        setRowRecord(row, std::move(record));
    } else {
        row = new CustomQTreeWidgetItem(std::move(record));
        row->setIcon(0, viewIcon(":/images/contacts-name.png"));
    }
    row->setText(1, group.name);
    if (isNew)
        insertTopLevelRow(row);
    else
        keepInOrder(row);
    filterItem(row);
}

void FolderView::addOutlookContactItem(std::unique_ptr<OutlookContactInfo> record)
{
    const OutlookContactInfo &contact = *record;
    auto *row = new CustomQTreeWidgetItem(std::move(record));
    row->setIcon(0, viewIcon(":/images/contact-outlook.png"));
    setContactTexts(row, contact);
    insertTopLevelRow(row);
    filterItem(row);
}

void FolderView::addContactItem(std::unique_ptr<qtContactInfo> record)
{
    QTreeWidgetItem *row = findItem(record->id, ObjectType::Contact);
    QTreeWidgetItem *group = nullptr;
    if (record->groupid != 0) {
        group = findGroupItem(record->groupid);
        if (!group)
            return;
    }
    if (row) {
        auto *shown = CustomQTreeWidgetItem::rowRecord<qtContactInfo>(row);
        if (shown->groupid != record->groupid)
            detachItem(row);
        *shown = *record;
    } else {
        row = new CustomQTreeWidgetItem(std::move(record));
        row->setIcon(0, viewIcon(":/images/contact-qelvox.png"));
        m_index.add(row);
    }
    setContactTexts(row, *CustomQTreeWidgetItem::rowRecord<qtContactInfo>(row));
    if (group && row->parent() != group)
        insertSorted(group, {row});
    else if (!group && !ownsRow(row))
        placeTopLevelRow(row);
    else
        keepInOrder(row);
    filterItem(row);
}

void FolderView::setPendingDate(QTreeWidgetItem *row, int sentStatus, const QString &marker)
{
    auto *item = CustomQTreeWidgetItem::rowRecord<BaseRecipients>(row);
    item->sentstatus = sentStatus;
    item->date = marker;
    updateItemTexts(row);
    keepInOrder(row);
    filterItem(row);
}

void FolderView::confirmPendingItem(int taskId, int serviceId, int sentStatus)
{
    QTreeWidgetItem *row = findPendingItem(taskId);
    if (!row)
        return;
    changeRowId(row, serviceId);
    static_cast<CustomQTreeWidgetItem *>(row)->setSendConfirmed();
    setPendingDate(row, sentStatus, pendingMarker(sentStatus));
}

void FolderView::setPendingStatus(int id, int sentStatus)
{
    QTreeWidgetItem *row = findPendingItem(id);
    if (row)
        setPendingDate(row, sentStatus, pendingMarker(sentStatus == 1 ? 1 : 0));
}

void FolderView::queuePendingItem(QTreeWidgetItem *row, int serviceId)
{
    BaseObject *record = row && row->treeWidget() == this ? CustomQTreeWidgetItem::record(row) : nullptr;
    switch (record ? record->type : 0) {
    case ObjectType::PendingSms:
        setRowRecord(row,
                     owned(qtSMSSentInfo::queuedCopy(*static_cast<BaseSMSSentInfo *>(record), serviceId)));
        break;
    case ObjectType::PendingFax:
        setRowRecord(row,
                     owned(qtFAXSentInfo::queuedCopy(*static_cast<BaseFAXSentInfo *>(record), serviceId)));
        break;
    case ObjectType::PendingEmail:
        static_cast<BaseRecipients *>(record)->sentstatus = 1;
        static_cast<BaseRecipients *>(record)->date = pendingMarker(1);
        break;
    default:
        return;
    }
    updateItemTexts(row);
    keepInOrder(row);
    filterItem(row);
}

void FolderView::setReadStatus(const ObjectsRequest &request, bool read)
{
    // The read state changes neither texts nor order.
    RowEdits edits(this, false);
    for (auto type = request.objects.cbegin(); type != request.objects.cend(); ++type) {
        if (!RecordKinds::isServiceItem(type.key()))
            continue;
        for (const int id : type.value()) {
            QTreeWidgetItem *row = findItem(id, type.key());
            if (!row)
                continue;
            CustomQTreeWidgetItem::rowRecord<BaseForView>(row)->status = read ? 1 : 0;
            updateItemTexts(row);
            setItemFont(row);
            // The read state is no part of the search text, so the row's filter state stays as it is.
        }
    }
}

void FolderView::setTimeShift(int seconds)
{
    if (seconds == m_timeShift)
        return;
    m_timeShift = seconds;
    if (!isItemList())
        return;
    {
        RowEdits edits(this, true);
        for (QTreeWidgetItem *row : allRows()) {
            if (auto *record = CustomQTreeWidgetItem::record(row); record && RecordKinds::isListItem(record->type)) {
                row->setText(4, dateText(*static_cast<BaseForView *>(record), m_timeShift));
                renewSearchText(row);
            }
        }
    }
    refilterRows();
}
