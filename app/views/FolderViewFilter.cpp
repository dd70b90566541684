// FolderView: the search filter.
#include "FolderView.h"

#include "BaseObject.h"
#include "CustomQTreeWidgetItem.h"
#include "ObjectType.h"


namespace {

// The columns whose texts make up a row's search text, in the order of its parts. Each column shows what
// its part names: the Date column the date text with the list's time shift, Size the page count or
// duration, To/From the recipients or sender, Status the sent status; name, fax number and SMS number in
// the contacts list. Pending rows and Outlook contacts have no search text, so any filter hides them.
struct SearchColumns
{
    int count;
    int columns[4];
};

SearchColumns searchColumns(int type)
{
    switch (type) {
    case ObjectType::FaxSent:
        return {4, {4, 3, 1, 2}};
    case ObjectType::FaxReceived:
    case ObjectType::VoiceReceived:
        return {3, {4, 3, 1}};
    case ObjectType::SmsSent:
        return {3, {4, 1, 2}};
    case ObjectType::ContactGroup:
        return {1, {1}};
    case ObjectType::Contact:
        return {3, {3, 1, 2}};
    default:
        return {0, {}};
    }
}

const QString &searchTextOf(CustomQTreeWidgetItem *row)
{
    const BaseObject *record = CustomQTreeWidgetItem::record(row);
    const SearchColumns search = searchColumns(record ? record->type : 0);
    return row->searchText(search.columns, search.count);
}

// foldedFilter is the filter text case-folded; the empty one matches every row.
bool matches(QTreeWidgetItem *row, const QString &foldedFilter)
{
    if (foldedFilter.isEmpty())
        return true;
    if (row->type() != CustomQTreeWidgetItem::RowType)
        return false;
    // Folded on both sides, a plain search finds what a search without regard to case finds.
    return searchTextOf(static_cast<CustomQTreeWidgetItem *>(row)).contains(foldedFilter);
}

// Which rows a new filter can change, given the one the rows are filtered by now.
enum class Recheck { AllRows, ShownRows, HiddenRows };

Recheck rowsToRecheck(const QString &oldFilter, const QString &newFilter)
{
    // A row that lacks the old text lacks any text that contains it, and a row that holds the old text holds
    // every part of it.
    if (!oldFilter.isEmpty() && newFilter.contains(oldFilter, Qt::CaseInsensitive))
        return Recheck::ShownRows;
    if (!newFilter.isEmpty() && oldFilter.contains(newFilter, Qt::CaseInsensitive))
        return Recheck::HiddenRows;
    return Recheck::AllRows;
}

} // namespace

void FolderView::applyFilter(const QString &text)
{
    const Recheck recheck = rowsToRecheck(m_filterText, text);
    // Without a filter every row is shown, so the first keystroke need not ask the view row by row.
    const bool noneHidden = m_filterText.isEmpty();
    m_filterText = text;
    m_foldedFilter = text.toCaseFolded();
    refilterRows(recheck == Recheck::AllRows || recheck == Recheck::ShownRows,
                 recheck == Recheck::AllRows || recheck == Recheck::HiddenRows, noneHidden);
    eventRefreshMenu();
}

void FolderView::filterItem(QTreeWidgetItem *row)
{
    // Called after every change of a row's texts.
    renewSearchText(row);
    // A row on its way into the list is filtered once it is there: hiding needs the list.
    if (!row->treeWidget())
        return;
    const bool hide = !matches(row, m_foldedFilter);
    if (row->isHidden() != hide)
        row->setHidden(hide);
}

void FolderView::renewSearchText(QTreeWidgetItem *row)
{
    // Made now rather than at the next keystroke, which would make those of a whole list after a fill.
    if (row->type() == CustomQTreeWidgetItem::RowType) {
        auto *custom = static_cast<CustomQTreeWidgetItem *>(row);
        custom->forgetSearchText();
        searchTextOf(custom);
    }
}

void FolderView::refilterRows(bool shownRows, bool hiddenRows, bool noneHidden)
{
    // By position rather than row by row: a row finds its own position by a search once the rows have
    // been sorted.
    const auto filterLevel = [&](QTreeWidgetItem *parentRow, const QModelIndex &parent) {
        for (int position = 0; position < parentRow->childCount(); ++position) {
            const bool hidden = !noneHidden && isRowHidden(position, parent);
            if (hidden ? !hiddenRows : !shownRows)
                continue;
            const bool hide = !matches(parentRow->child(position), m_foldedFilter);
            if (hidden != hide)
                setRowHidden(position, parent, hide);
        }
    };
    QTreeWidgetItem *root = invisibleRootItem();
    filterLevel(root, QModelIndex());
    for (int top = 0; top < root->childCount(); ++top) {
        if (root->child(top)->childCount() > 0)
            filterLevel(root->child(top), model()->index(top, 0));
    }
}
