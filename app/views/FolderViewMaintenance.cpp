// FolderView: finding, moving, renumbering and removing rows for the entity tree.
#include "FolderView.h"

#include "BaseContactInfo.h"
#include "BaseForView.h"
#include "CustomQTreeWidgetItem.h"
#include "RecordKinds.h"
#include "qtContactInfo.h"

namespace {

BaseObject *recordOf(const QTreeWidgetItem *row)
{
    return CustomQTreeWidgetItem::record(row);
}

RowIndex::Rows withoutChildRows(const RowIndex::Rows &rows)
{
    RowIndex::Rows childless;
    for (QTreeWidgetItem *row : rows) {
        if (row->childCount() == 0)
            childless.append(row);
    }
    return childless;
}

} // namespace

QList<QTreeWidgetItem *> FolderView::allRows() const
{
    QList<QTreeWidgetItem *> rows;
    for (QTreeWidgetItemIterator it(const_cast<FolderView *>(this)); *it; ++it)
        rows.append(*it);
    return rows;
}

QTreeWidgetItem *FolderView::firstInTreeOrder(const RowIndex::Rows &rows) const
{
    if (rows.size() <= 1)
        return rows.isEmpty() ? nullptr : rows.first();
    // Several rows with one key are rare (Outlook contacts); only then is the list walked.
    for (QTreeWidgetItem *row : allRows()) {
        if (rows.contains(row))
            return row;
    }
    return nullptr;
}

QTreeWidgetItem *FolderView::findItem(int id, int type) const
{
    return firstInTreeOrder(withoutChildRows(m_index.rows(type, id)));
}

bool FolderView::locateItem(int id, int type, FolderView **list, QTreeWidgetItem **row)
{
    QTreeWidgetItem *found = findItem(id, type);
    if (!found)
        return false;
    *list = this;
    *row = found;
    return true;
}

QTreeWidgetItem *FolderView::findGroupItem(int groupId) const
{
    RowIndex::Rows rows;
    for (QTreeWidgetItem *row : m_index.rows(ObjectType::ContactGroup, groupId)) {
        if (!row->parent())
            rows.append(row);
    }
    return firstInTreeOrder(rows);
}

QTreeWidgetItem *FolderView::findPendingItem(int id) const
{
    RowIndex::Rows rows;
    for (const int type : {ObjectType::PendingFax, ObjectType::PendingSms, ObjectType::PendingEmail}) {
        const RowIndex::Rows ofType = m_index.rows(type, id);
        rows.append(ofType.constData(), ofType.size());
    }
    return firstInTreeOrder(withoutChildRows(rows));
}

void FolderView::setRowRecord(QTreeWidgetItem *row, BaseObject *record)
{
    m_index.remove(row);
    CustomQTreeWidgetItem::replaceRecord(row, record);
    m_index.add(row);
}

void FolderView::changeRowId(QTreeWidgetItem *row, int newId)
{
    m_index.remove(row);
    recordOf(row)->id = newId;
    m_index.add(row);
}

void FolderView::insertTopLevelRow(QTreeWidgetItem *row)
{
    m_index.add(row);
    addTopLevelItem(row);
}

void FolderView::detachItem(QTreeWidgetItem *row)
{
    if (QTreeWidgetItem *parent = row->parent())
        parent->removeChild(row);
    else
        takeTopLevelItem(indexOfTopLevelItem(row));
}

void FolderView::unindexTree(QTreeWidgetItem *row)
{
    m_index.remove(row);
    for (int child = 0; child < row->childCount(); ++child)
        unindexTree(row->child(child));
}

void FolderView::deleteRow(QTreeWidgetItem *row)
{
    if (!row || row->treeWidget() != this)
        return;
    unindexTree(row);
    // Out of the list first, so that no signal of the removal reaches a row whose record is released.
    detachItem(row);
    delete row;
}

void FolderView::removeItem(QTreeWidgetItem *row)
{
    deleteRow(row);
}

void FolderView::removePendingItem(QTreeWidgetItem *row)
{
    deleteRow(row);
}

void FolderView::removeContactItem(int id)
{
    deleteRow(findItem(id, ObjectType::Contact));
}

void FolderView::removeGroupItem(int id)
{
    deleteRow(findGroupItem(id));
}

void FolderView::removeOutlookContacts()
{
    for (int top = topLevelItemCount() - 1; top >= 0; --top) {
        QTreeWidgetItem *row = topLevelItem(top);
        if (const BaseObject *record = recordOf(row); record && record->type == ObjectType::OutlookContact)
            deleteRow(row);
    }
}

void FolderView::clearItems()
{
    // Emptying the model in one go says nothing of the selection, so the actions learn of it first.
    clearSelection();
    m_index.clear();
    clear();
}

void FolderView::replaceContactId(int oldId, int newId)
{
    QTreeWidgetItem *row = findItem(oldId, ObjectType::Contact);
    if (!row)
        return;
    changeRowId(row, newId);
    static_cast<qtContactInfo *>(recordOf(row))->localid = 0;
}

void FolderView::replaceGroupId(int oldId, int newId)
{
    QTreeWidgetItem *groupRow = isItemList() ? nullptr : findGroupItem(oldId);
    if (!groupRow)
        return;
    changeRowId(groupRow, newId);
    for (QTreeWidgetItemIterator it(groupRow); *it; ++it) {
        BaseObject *record = recordOf(*it);
        if (record && record->type == ObjectType::Contact && static_cast<BaseContactInfo *>(record)->groupid == oldId)
            static_cast<BaseContactInfo *>(record)->groupid = newId;
    }
}

void FolderView::changeFolderId(int newId)
{
    if (newId == m_folderId)
        return;
    m_folderId = newId;
    if (m_kind != UserFolderList)
        return;
    for (int top = 0; top < topLevelItemCount(); ++top) {
        BaseObject *record = recordOf(topLevelItem(top));
        if (record && RecordKinds::isListItem(record->type))
            static_cast<BaseForView *>(record)->folderid = newId;
    }
}

void FolderView::moveItemTo(int id, int type, FolderView *target)
{
    QTreeWidgetItem *row = findItem(id, type);
    if (!row || row->parent() || !target || target == this)
        return;
    m_index.remove(row);
    detachItem(row);
    BaseObject *record = recordOf(row);
    if (RecordKinds::isServiceItem(record->type))
        static_cast<BaseForView *>(record)->folderid = target->folderId();
    target->insertTopLevelRow(row);
    target->filterItem(row);
}

QString FolderView::rowCountText() const
{
    // Item lists are flat; only the contacts list has child rows, the members of its groups.
    int count = topLevelItemCount();
    if (!isItemList()) {
        for (int top = 0; top < topLevelItemCount(); ++top)
            count += topLevelItem(top)->childCount();
    }
    return QString::number(count);
}
