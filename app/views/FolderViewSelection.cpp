// FolderView: what the selection yields: counts, records, requests, forwards, and contacts as CSV lines.
#include "FolderView.h"

#include "BaseContactInfo.h"
#include "BaseFAXSentInfo.h"
#include "BaseSMSSentInfo.h"
#include "ContactsCsvReader.h"
#include "CustomQTreeWidgetItem.h"
#include "ForwardRequest.h"
#include "ObjectsRequest.h"
#include "RecordKinds.h"
#include "qtContactGroupInfo.h"

#include <algorithm>

namespace {

BaseObject *recordOf(const QTreeWidgetItem *row)
{
    return CustomQTreeWidgetItem::record(row);
}

// Sent faxes and SMS the service is still sending (2) or that are not sent yet (-2).
bool isBeingSent(const BaseRecipients &item)
{
    return item.sentstatus == 2 || item.sentstatus == -2;
}

bool mayDelete(const BaseObject &record)
{
    switch (record.type) {
    case ObjectType::FaxSent:
        return !isBeingSent(static_cast<const BaseRecipients &>(record))
            && static_cast<const BaseFAXSentInfo &>(record).faxtype != 16;
    case ObjectType::SmsSent:
        return !isBeingSent(static_cast<const BaseRecipients &>(record));
    default:
        // A pending row's task still has to send it; deleting it on the service would name an object
        // type the service does not know.
        return !RecordKinds::isPending(record.type);
    }
}

bool mayMove(const BaseObject &record)
{
    if (record.type == ObjectType::FaxReceived || record.type == ObjectType::VoiceReceived)
        return true;
    if (record.type == ObjectType::FaxSent || record.type == ObjectType::SmsSent)
        return !isBeingSent(static_cast<const BaseRecipients &>(record));
    return false;
}

} // namespace

QList<QTreeWidgetItem *> FolderView::visibleSelectedRows() const
{
    // From the selection model rather than by asking every row, which costs a search per row once the
    // rows have been sorted. Rows are at most two levels deep: groups and their members.
    struct Found
    {
        int topRow;
        int childRow; // -1 for a top-level row
        QTreeWidgetItem *row;
    };
    QList<Found> found;
    const QModelIndexList selected = selectionModel()->selectedRows();
    for (const QModelIndex &index : selected) {
        const QModelIndex parent = index.parent();
        if (isRowHidden(index.row(), parent) || (parent.isValid() && isRowHidden(parent.row(), parent.parent())))
            continue;
        const bool isChild = parent.isValid();
        found.append({isChild ? parent.row() : index.row(), isChild ? index.row() : -1, itemFromIndex(index)});
    }
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return a.topRow != b.topRow ? a.topRow < b.topRow : a.childRow < b.childRow;
    });
    QList<QTreeWidgetItem *> rows;
    rows.reserve(found.size());
    for (const Found &entry : found)
        rows.append(entry.row);
    return rows;
}

int FolderView::countSelected() const
{
    return int(visibleSelectedRows().size());
}

BaseObject *FolderView::firstSelectedRecord() const
{
    const QList<QTreeWidgetItem *> rows = visibleSelectedRows();
    return rows.isEmpty() ? nullptr : recordOf(rows.first());
}

std::unique_ptr<BaseObject> FolderView::selectedRecordCopy() const
{
    const QList<QTreeWidgetItem *> rows = visibleSelectedRows();
    const BaseObject *record = rows.size() == 1 ? recordOf(rows.first()) : nullptr;
    return std::unique_ptr<BaseObject>(record ? record->clone() : nullptr);
}

std::unique_ptr<BaseObject> FolderView::selectedContactCopy() const
{
    return isItemList() ? nullptr : selectedRecordCopy();
}

FolderView::DeletionCheck FolderView::checkDeletion(bool wholeList) const
{
    const QList<QTreeWidgetItem *> rows = wholeList ? allRows() : visibleSelectedRows();
    DeletionCheck check;
    check.rows = int(rows.size());
    for (const QTreeWidgetItem *row : rows) {
        const BaseObject *record = recordOf(row);
        check.refused = check.refused || !mayDelete(*record);
        check.objects.insert({record->type, record->id});
    }
    return check;
}

std::unique_ptr<ObjectsRequest> FolderView::deletionRequest()
{
    return takeRows(visibleSelectedRows(), true);
}

std::unique_ptr<ObjectsRequest> FolderView::markRequest()
{
    return takeRows(visibleSelectedRows(), false);
}

std::unique_ptr<ObjectsRequest> FolderView::takeRows(const QList<QTreeWidgetItem *> &rows, bool forDeletion)
{
    if (rows.isEmpty()) {
        clearSelection();
        return nullptr;
    }
    auto request = std::make_unique<ObjectsRequest>();
    QList<QTreeWidgetItem *> outlookRows;
    for (QTreeWidgetItem *row : rows) {
        const BaseObject *record = recordOf(row);
        // Outlook contacts exist only in this list, and marks concern sent and received items only.
        if (record->type == ObjectType::OutlookContact)
            outlookRows.append(row);
        else if (forDeletion || RecordKinds::isServiceItem(record->type))
            request->objects[record->type].append(record->id);
    }
    clearSelection();
    if (forDeletion) {
        for (QTreeWidgetItem *row : outlookRows)
            deleteRow(row);
    }
    if (request->objects.isEmpty())
        return nullptr;
    return request;
}

std::unique_ptr<ObjectsRequest> FolderView::folderDeletionRequest()
{
    std::unique_ptr<ObjectsRequest> request = takeRows(allRows(), true);
    if (!request)
        request = std::make_unique<ObjectsRequest>();
    request->objects[ObjectType::Folder].append(m_folderId);
    return request;
}

std::unique_ptr<ObjectsRequest> FolderView::selectionForMove() const
{
    std::unique_ptr<ObjectsRequest> request;
    for (const QTreeWidgetItem *row : visibleSelectedRows()) {
        const BaseObject *record = recordOf(row);
        if (!mayMove(*record))
            continue;
        if (!request)
            request = std::make_unique<ObjectsRequest>();
        request->objects[record->type].append(record->id);
    }
    return request;
}

void FolderView::collectForward(ForwardRequest *request) const
{
    if (!isItemList())
        return;
    for (const QTreeWidgetItem *row : visibleSelectedRows()) {
        const BaseObject *record = recordOf(row);
        const QString text = record->type == ObjectType::SmsSent
            ? static_cast<const BaseSMSSentInfo *>(record)->content
            : QString();
        request->addObject(record->type, record->id, text);
    }
}

void FolderView::groupChoices(QMap<int, QString> *groups, int *groupId) const
{
    if (isItemList())
        return;
    const QList<QTreeWidgetItem *> rows = visibleSelectedRows();
    *groupId = 0;
    if (rows.size() == 1) {
        const BaseObject *record = recordOf(rows.first());
        if (record->type == ObjectType::ContactGroup)
            *groupId = record->id;
        else if (record->type == ObjectType::Contact)
            *groupId = static_cast<const BaseContactInfo *>(record)->groupid;
    }
    for (const QTreeWidgetItem *row : allRows()) {
        const BaseObject *record = recordOf(row);
        if (record && record->type == ObjectType::ContactGroup)
            groups->insert(record->id, static_cast<const qtContactGroupInfo *>(record)->name);
    }
}

void FolderView::selectedOutlookContacts(QList<QStringList> *contacts) const
{
    for (const QTreeWidgetItem *row : visibleSelectedRows()) {
        const BaseObject *record = recordOf(row);
        if (record->type != ObjectType::OutlookContact)
            continue;
        const auto *contact = static_cast<const BaseContactInfo *>(record);
        contacts->append({contact->name, contact->number, contact->gsmnumber});
    }
}

void FolderView::selectGroupMembers()
{
    for (int top = 0; top < topLevelItemCount(); ++top) {
        QTreeWidgetItem *groupRow = topLevelItem(top);
        const BaseObject *group = recordOf(groupRow);
        if (!group || group->type != ObjectType::ContactGroup || !groupRow->isSelected())
            continue;
        for (QTreeWidgetItemIterator it(groupRow, QTreeWidgetItemIterator::NoChildren); *it; ++it) {
            const BaseObject *record = recordOf(*it);
            if (record && record->type == ObjectType::Contact
                && static_cast<const BaseContactInfo *>(record)->groupid == group->id)
                (*it)->setSelected(true);
        }
    }
}

QString FolderView::selectedContactsCsv()
{
    selectGroupMembers();
    QString lines;
    for (const QTreeWidgetItem *row : visibleSelectedRows()) {
        const BaseObject *record = recordOf(row);
        if (!RecordKinds::isContact(record->type))
            continue;
        const auto *contact = static_cast<const BaseContactInfo *>(record);
        // Quoted only where a name or number would break the line's fields.
        lines += ContactsCsvReader::field(contact->name) + u';' + ContactsCsvReader::field(contact->number) + u';'
            + ContactsCsvReader::field(contact->gsmnumber) + QLatin1String("\r\n");
    }
    return lines;
}
