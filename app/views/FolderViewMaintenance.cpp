// FolderView: finding, moving, renumbering and removing rows for the entity tree.
#include "FolderView.h"

#include "BaseContactInfo.h"
#include "BaseForView.h"
#include "CustomQTreeWidgetItem.h"
#include "RecordKinds.h"
#include "qtContactInfo.h"

#include <QHeaderView>
#include <algorithm>

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

void FolderView::setRowRecord(QTreeWidgetItem *row, std::unique_ptr<BaseObject> record)
{
    m_index.remove(row);
    // Every row of a list is one that the list made (see the class comment).
    static_cast<CustomQTreeWidgetItem *>(row)->setRecord(std::move(record));
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
    placeTopLevelRow(row);
}

void FolderView::placeTopLevelRow(QTreeWidgetItem *row)
{
    if (m_batchDepth > 0)
        m_pendingRows.append(row);
    else
        insertSorted(nullptr, {row});
}

void FolderView::beginRows()
{
    ++m_batchDepth;
}

void FolderView::endRows()
{
    if (m_batchDepth > 0 && --m_batchDepth == 0)
        flushRows();
}

void FolderView::flushRows()
{
    if (m_pendingRows.isEmpty())
        return;
    QList<QTreeWidgetItem *> rows;
    rows.swap(m_pendingRows);
    insertSorted(nullptr, rows);
    if (m_filterText.isEmpty())
        return;
    for (QTreeWidgetItem *row : std::as_const(rows)) {
        filterItem(row);
        for (int child = 0; child < row->childCount(); ++child)
            filterItem(row->child(child));
    }
}

bool FolderView::ownsRow(const QTreeWidgetItem *row) const
{
    if (!row)
        return false;
    if (row->treeWidget())
        return row->treeWidget() == this;
    const QTreeWidgetItem *top = row->parent() ? row->parent() : row;
    return m_pendingRows.contains(top);
}

bool FolderView::rowBefore(const QTreeWidgetItem *row, const QTreeWidgetItem *other) const
{
    const int column = sortColumn();
    return header()->sortIndicatorOrder() == Qt::AscendingOrder
               ? CustomQTreeWidgetItem::lessThan(*row, *other, column)
               : CustomQTreeWidgetItem::lessThan(*other, *row, column);
}

void FolderView::insertSorted(QTreeWidgetItem *parent, QList<QTreeWidgetItem *> rows)
{
    const auto before = [this](const QTreeWidgetItem *row, const QTreeWidgetItem *other) {
        return rowBefore(row, other);
    };
    std::stable_sort(rows.begin(), rows.end(), before);
    QTreeWidgetItem *level = parent ? parent : invisibleRootItem();
    // New rows go after the rows they tie with, as a stable sort of the whole list would put them; each run
    // of new rows that falls between the same two rows goes in with one call.
    int from = 0;
    qsizetype first = 0;
    while (first < rows.size()) {
        int low = from;
        int high = level->childCount();
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (before(rows[first], level->child(middle)))
                high = middle;
            else
                low = middle + 1;
        }
        qsizetype end = first + 1;
        while (end < rows.size() && (low == level->childCount() || before(rows[end], level->child(low))))
            ++end;
        level->insertChildren(low, rows.mid(first, end - first));
        from = low + int(end - first);
        first = end;
    }
}

void FolderView::keepInOrder(QTreeWidgetItem *row)
{
    if (row->treeWidget() != this)
        return;
    QTreeWidgetItem *level = row->parent() ? row->parent() : invisibleRootItem();
    const int position = indexFromItem(row).row();
    const bool afterPrevious = position == 0 || !rowBefore(row, level->child(position - 1));
    const bool beforeNext = position + 1 >= level->childCount() || !rowBefore(level->child(position + 1), row);
    // A whole sort rather than taking the row out and in again, which would lose its selection.
    if (!afterPrevious || !beforeNext)
        sortRows();
}

void FolderView::sortRows()
{
    sortItems(sortColumn(), header()->sortIndicatorOrder());
}

void FolderView::detachItem(QTreeWidgetItem *row)
{
    if (QTreeWidgetItem *parent = row->parent())
        parent->removeChild(row);
    else if (!row->treeWidget())
        m_pendingRows.removeOne(row);
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
    if (!ownsRow(row))
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
    qDeleteAll(m_pendingRows);
    m_pendingRows.clear();
    clear();
}

void FolderView::replaceContactId(int oldId, int newId)
{
    QTreeWidgetItem *row = findItem(oldId, ObjectType::Contact);
    if (!row)
        return;
    changeRowId(row, newId);
    CustomQTreeWidgetItem::rowRecord<qtContactInfo>(row)->localid = 0;
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
    int count = topLevelItemCount() + int(m_pendingRows.size());
    if (!isItemList()) {
        for (int top = 0; top < topLevelItemCount(); ++top)
            count += topLevelItem(top)->childCount();
        for (const QTreeWidgetItem *row : m_pendingRows)
            count += row->childCount();
    }
    return QString::number(count);
}
