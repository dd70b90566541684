#include "FolderView.h"

#include "BaseObject.h"
#include "CustomQTreeWidgetItem.h"
#include "MenuActions.h"
#include "RecordKinds.h"
#include "RowEdits.h"
#include "ViewIcons.h"

#include <QAction>
#include <QCursor>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMenu>
#include <QStyle>
#include <algorithm>

namespace {

constexpr int defaultColumnWidth = 210;
constexpr int minimumPartyWidth = 120;
constexpr int cellPadding = 16;

// The To/From column: the direction icon beside a full international number in the bold of unread rows.
int partyColumnWidth(const QWidget &view)
{
    QFont bold = view.font();
    bold.setBold(true);
    const int number = QFontMetrics(bold).horizontalAdvance(QStringLiteral("+000000000000000"));
    const int icon = view.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &view);
    return std::max(minimumPartyWidth, number + icon + cellPadding);
}

// A translated title wider than its column ("Dimensione" for the 64-pixel size column) widens the column
// rather than being clipped.
void fitSectionsToTitles(QHeaderView *columns)
{
    for (int column = 1; column < columns->count(); ++column)
        columns->resizeSection(column, std::max(columns->sectionSize(column), columns->sectionSizeHint(column)));
}

// Which item actions one visible selected row of a given kind allows, besides Delete.
struct ItemActions
{
    bool forward;
    bool preview;
    bool details;
    bool moveAndMark;
};

ItemActions itemActionsFor(int selectedCount, int type)
{
    if (selectedCount == 0)
        return {false, false, false, false};
    if (selectedCount > 1)
        return {true, false, false, true};
    if (type == ObjectType::FaxSent || type == ObjectType::SmsSent)
        return {true, true, true, true};
    if (type == ObjectType::FaxReceived || type == ObjectType::VoiceReceived)
        return {true, true, false, true};
    if (RecordKinds::isPending(type))
        return {false, false, true, false};
    return {true, false, false, true};
}

bool pointsAtItem(int column, int type)
{
    if (column == 0)
        return RecordKinds::isServiceItem(type);
    return column == 1 && RecordKinds::hasRecipients(type);
}

} // namespace

FolderView::FolderView(QWidget *parent, QMenu *contextMenu, int kind, int folderId)
    : QTreeWidget(parent), m_folderId(folderId), m_kind(kind), m_menu(contextMenu)
{
    setMouseTracking(true);
    setAlternatingRowColors(true);
    setRootIsDecorated(!isItemList());
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setIconSize(QSize(20, 20));
    // An item row is one line beside its icon, plain or bold: the list takes one row's height for all rather
    // than measuring the rows it lays out, which a list that grows batch after batch would pay each time.
    setUniformRowHeights(isItemList());
    setHeaderHidden(false);
    setAllColumnsShowFocus(true);
    // The list sorts by its header as a sorting tree widget does, but keeps its rows in order itself: a tree
    // widget with sorting on sorts all its rows again after every insertion, so that each batch of a
    // synchronisation would cost more than the one before. The indicator is shown before the columns take
    // the width of their titles, which it widens.
    header()->setSortIndicatorShown(true);
    header()->setSectionsClickable(true);
    setupColumns();
    connect(header(), &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) { sortItems(column, order); });

    if (isItemList()) {
        connect(this, &QTreeWidget::itemDoubleClicked, this, &FolderView::eventItemDoubleClicked);
        connect(this, &QTreeWidget::itemEntered, this, &FolderView::eventItemEntered);
        connect(this, &QAbstractItemView::viewportEntered, this, &FolderView::eventItemLeave);
    }
    connect(this, &QWidget::customContextMenuRequested, this, &FolderView::eventContextMenu);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &FolderView::eventRefreshMenu);
}

FolderView::~FolderView() = default;

void FolderView::setupColumns()
{
    QTreeWidgetItem *header = headerItem();
    header->setText(0, QString());
    if (isItemList()) {
        header->setIcon(0, viewIcon(":/images/eye.png"));
    } else {
        header->setIcon(0, viewIcon(":/images/contacts-name.png"));
        header->setIcon(2, viewIcon(":/images/contacts-fax.png"));
        header->setIcon(3, viewIcon(":/images/contacts-gsm.png"));
    }
    retranslate();

    QHeaderView *columns = this->header();
    columns->setDefaultSectionSize(defaultColumnWidth);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setSectionResizeMode(0, QHeaderView::Fixed);
    if (isItemList()) {
        columns->resizeSection(0, 32);
        const int party = partyColumnWidth(*this);
        columns->resizeSection(1, party);
        // Status gives up what To/From gains, so that a bold date still fits the window's first size.
        columns->resizeSection(2, std::max(minimumPartyWidth, defaultColumnWidth - (party - minimumPartyWidth)));
        columns->resizeSection(3, 64);
        columns->setSortIndicator(4, Qt::DescendingOrder);
    } else {
        columns->resizeSection(0, 64);
        columns->setSortIndicator(0, Qt::AscendingOrder);
    }
    fitSectionsToTitles(columns);
}

void FolderView::retranslate()
{
    QTreeWidgetItem *header = headerItem();
    if (isItemList()) {
        header->setText(1, tr("To/From"));
        header->setText(2, tr("Status"));
        header->setText(3, tr("Size"));
        header->setText(4, tr("Date"));
    } else {
        header->setText(1, tr("Name"));
        header->setText(2, tr("Fax Number"));
        header->setText(3, tr("SMS Number"));
    }
    fitSectionsToTitles(this->header());
    m_statusTexts.clear();
    {
        RowEdits edits(this, true);
        for (QTreeWidgetItem *row : allRows()) {
            updateItemTexts(row);
            renewSearchText(row);
        }
    }
    refilterRows();
}

void FolderView::eventRefreshMenu()
{
    const QList<QTreeWidgetItem *> rows = visibleSelectedRows();
    const int count = int(rows.size());
    if (!isItemList()) {
        enableMenuAction(m_menu, "actionEditContacts", count == 1);
        enableMenuAction(m_menu, "actionDelete", count >= 1);
        enableMenuAction(m_menu, "actionExport", count >= 1);
        enableMenuAction(m_menu, "actionAddToContacts", count >= 1);
        return;
    }
    const BaseObject *first = count == 1 ? CustomQTreeWidgetItem::record(rows.first()) : nullptr;
    const ItemActions allowed = itemActionsFor(count, first ? first->type : 0);
    enableMenuAction(m_menu, "actionDelete", count >= 1);
    enableMenuAction(m_menu, "actionForward", allowed.forward);
    enableMenuAction(m_menu, "actionItemPreview", allowed.preview);
    enableMenuAction(m_menu, "actionItemDetails", allowed.details);
    enableMenuAction(m_menu, "actionMovetoFolder", allowed.moveAndMark);
    enableMenuAction(m_menu, "actionItemMarkAsRead", allowed.moveAndMark);
    enableMenuAction(m_menu, "actionItemMarkAsUnread", allowed.moveAndMark);
}

void FolderView::eventContextMenu()
{
    eventRefreshMenu();
    if (m_menu)
        m_menu->exec(QCursor::pos());
}

void FolderView::eventItemEntered(QTreeWidgetItem *item, int column)
{
    const BaseObject *record = item ? CustomQTreeWidgetItem::record(item) : nullptr;
    const bool pointing = record && pointsAtItem(column, record->type);
    setCursor(pointing ? Qt::PointingHandCursor : Qt::ArrowCursor);
    emit signalAction();
}

void FolderView::eventItemLeave()
{
    setCursor(Qt::ArrowCursor);
    emit signalAction();
}

void FolderView::eventItemDoubleClicked(QTreeWidgetItem *item, int column)
{
    const BaseObject *record = item ? CustomQTreeWidgetItem::record(item) : nullptr;
    const char *actionName = nullptr;
    if (record && column == 0) {
        if (record->type == ObjectType::SmsSent)
            actionName = "actionItemDetails";
        else if (RecordKinds::isServiceItem(record->type))
            actionName = "actionItemPreview";
    } else if (record && column == 1 && RecordKinds::hasRecipients(record->type)) {
        actionName = "actionItemDetails";
    }
    QAction *action = actionName ? menuAction(m_menu, actionName) : nullptr;
    if (action && action->isEnabled())
        action->trigger();
    emit signalAction();
}
