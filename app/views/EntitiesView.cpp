#include "EntitiesView.h"

#include "FolderView.h"
#include "MenuActions.h"
#include "ObjectsRequest.h"
#include "QelFolderInfo.h"
#include "ViewIcons.h"

#include <QAction>
#include <QCursor>
#include <QHeaderView>
#include <QMenu>
#include <QStackedLayout>

namespace {

const char *entityIcon(int kind)
{
    switch (kind) {
    case EntitiesView::ContactsEntity:
        return ":/images/address-book.png";
    case EntitiesView::InboxEntity:
        return ":/images/folder_inbox.png";
    case EntitiesView::OutboxEntity:
        return ":/images/folder_outbox.png";
    default:
        return ":/images/folder.png";
    }
}

// The tree menu's folder actions: shown while the menu is open, Rename and Delete only on a user folder.
void showFolderActions(const QMenu *menu, bool visible, bool onUserFolder)
{
    for (const char *name : {"actionCreateFolder", "actionRenameFolder", "actionDeleteFolder"}) {
        if (QAction *action = menuAction(menu, name))
            action->setVisible(visible);
    }
    if (!visible)
        return;
    enableMenuAction(menu, "actionCreateFolder", true);
    enableMenuAction(menu, "actionRenameFolder", onUserFolder);
    enableMenuAction(menu, "actionDeleteFolder", onUserFolder);
}

} // namespace

EntitiesView::EntitiesView(QWidget *parent, QStackedLayout *stack, QMenu *contactMenu, QMenu *folderMenu,
                           QMenu *qelFolderMenu)
    : QTreeWidget(parent), m_stack(stack), m_contactMenu(contactMenu), m_folderMenu(folderMenu),
      m_qelFolderMenu(qelFolderMenu)
{
    setContextMenuPolicy(Qt::CustomContextMenu);
    setHeaderLabel(tr("Folders"));
    header()->setSectionResizeMode(QHeaderView::Stretch);
    header()->setSectionsMovable(false);
    setHeaderHidden(false);
    setMouseTracking(true);
    setAlternatingRowColors(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(20, 20));
    setRootIsDecorated(false);
    setSortingEnabled(false);
    setMaximumWidth(180);

    addEntity(InboxEntity, QString(), 0);
    addEntity(OutboxEntity, QString(), 0);
    addEntity(ContactsEntity, QString(), 0);

    connect(this, &QTreeWidget::currentItemChanged, this, &EntitiesView::eventSelectionChanged);
    makeInboxCurrent();
    connect(m_inbox.view, &FolderView::signalAction, this, &EntitiesView::eventAction);
    connect(this, &QWidget::customContextMenuRequested, this, &EntitiesView::eventContextMenu);
}

EntitiesView::~EntitiesView() = default;

void EntitiesView::addEntity(int kind, const QString &name, int folderId)
{
    QString shownName = name;
    QMenu *menu = m_folderMenu;
    if (kind == ContactsEntity) {
        shownName = tr("Contacts");
        menu = m_contactMenu;
    } else if (kind == InboxEntity) {
        shownName = tr("Inbox");
    } else if (kind == OutboxEntity) {
        shownName = tr("Outbox");
    }
    EntityEntry entry;
    entry.name = shownName;
    entry.view = new FolderView(this, menu, kind, folderId);
    // A folder that arrives with a batch gets its list after the batch set the shift.
    entry.view->setTimeShift(m_timeShift);
    entry.item = new QTreeWidgetItem(0);
    entry.item->setText(0, shownName);
    entry.item->setIcon(0, viewIcon(entityIcon(kind)));
    addTopLevelItem(entry.item);
    if (m_stack)
        m_stack->addWidget(entry.view);

    if (kind == ContactsEntity)
        m_contacts = entry;
    else if (kind == InboxEntity)
        m_inbox = entry;
    else if (kind == OutboxEntity)
        m_outbox = entry;
    else
        m_userFolders.push_back(entry);
}

QList<EntityEntry> EntitiesView::allEntries() const
{
    QList<EntityEntry> entries = {m_inbox, m_outbox, m_contacts};
    entries.append(QList<EntityEntry>(m_userFolders.cbegin(), m_userFolders.cend()));
    return entries;
}

int EntitiesView::stackIndexOf(const QTreeWidgetItem *item) const
{
    const QList<EntityEntry> entries = allEntries();
    for (int index = 0; index < entries.size(); ++index) {
        if (item && entries[index].item == item)
            return index;
    }
    return 0;
}

void EntitiesView::makeInboxCurrent()
{
    m_inbox.item->setSelected(true);
    setCurrentItem(m_inbox.item);
}

void EntitiesView::eventSelectionChanged(QTreeWidgetItem *current, QTreeWidgetItem *)
{
    const int index = stackIndexOf(current);
    if (m_stack)
        m_stack->setCurrentIndex(index);
    emit signalViewActivated(index);
}

void EntitiesView::eventAction()
{
    emit signalInboxAction();
}

void EntitiesView::eventContextMenu()
{
    int folderId = 0;
    QString name;
    showFolderActions(m_qelFolderMenu, true, currentUserFolder(&folderId, &name));
    if (m_qelFolderMenu)
        m_qelFolderMenu->exec(QCursor::pos());
    showFolderActions(m_qelFolderMenu, false, false);
}

void EntitiesView::renameFolder(const QelFolderInfo &folder)
{
    if (folder.foldertype == 1) {
        m_inbox.view->setFolderId(folder.id);
    } else if (folder.foldertype == 2) {
        m_outbox.view->setFolderId(folder.id);
    } else {
        auto entry = std::find_if(m_userFolders.begin(), m_userFolders.end(),
                                  [&folder](const EntityEntry &e) { return e.view->folderId() == folder.id; });
        if (entry != m_userFolders.end())
            entry->name = folder.name;
        else
            addEntity(UserFolderEntity, folder.name, folder.id);
    }
    refreshLabels();
}

void EntitiesView::dropUserFolder(std::size_t index)
{
    EntityEntry entry = m_userFolders[index];
    m_userFolders.erase(m_userFolders.begin() + std::ptrdiff_t(index));
    delete entry.item;
    if (m_stack)
        m_stack->removeWidget(entry.view);
    entry.view->clearItems();
    delete entry.view;
}

void EntitiesView::removeFolderEntity(int folderId)
{
    for (std::size_t index = 0; index < m_userFolders.size(); ++index) {
        if (m_userFolders[index].view->folderId() != folderId)
            continue;
        if (currentItem() == m_userFolders[index].item)
            makeInboxCurrent();
        dropUserFolder(index);
        return;
    }
}

void EntitiesView::replaceFolderId(int oldId, int newId)
{
    for (const EntityEntry &entry : m_userFolders) {
        if (entry.view->folderId() == oldId) {
            entry.view->changeFolderId(newId);
            return;
        }
    }
}

void EntitiesView::setInboxOutboxIds(int inboxId, int outboxId)
{
    m_inbox.view->setFolderId(inboxId);
    m_outbox.view->setFolderId(outboxId);
}

bool EntitiesView::currentUserFolder(int *folderId, QString *name) const
{
    for (const EntityEntry &entry : m_userFolders) {
        if (currentItem() && entry.item == currentItem()) {
            *folderId = entry.view->folderId();
            *name = entry.name;
            return true;
        }
    }
    return false;
}

const EntityEntry *EntitiesView::findUserFolder(int folderId) const
{
    for (const EntityEntry &entry : m_userFolders) {
        if (entry.view->folderId() == folderId)
            return &entry;
    }
    return nullptr;
}

bool EntitiesView::isContactsCurrent() const
{
    return currentItem() && currentItem() == m_contacts.item;
}

int EntitiesView::outboxFolderId() const
{
    return m_outbox.view->folderId();
}

FolderView *EntitiesView::viewByFolderId(int folderId) const
{
    if (m_inbox.view->folderId() == folderId)
        return m_inbox.view;
    if (m_outbox.view->folderId() == folderId)
        return m_outbox.view;
    const EntityEntry *entry = findUserFolder(folderId);
    return entry ? entry->view : nullptr;
}

FolderView *EntitiesView::currentView() const
{
    return allEntries().at(stackIndexOf(currentItem())).view;
}

void EntitiesView::updateEntityLabel(const EntityEntry &entry)
{
    entry.item->setText(0, entry.name + QLatin1Char('(') + entry.view->rowCountText() + QLatin1Char(')'));
}

void EntitiesView::refreshLabels()
{
    m_inbox.name = tr("Inbox");
    m_outbox.name = tr("Outbox");
    updateEntityLabel(m_inbox);
    updateEntityLabel(m_outbox);
    for (const EntityEntry &entry : m_userFolders)
        updateEntityLabel(entry);
}

void EntitiesView::retranslate()
{
    headerItem()->setText(0, tr("Folders"));
    m_contacts.name = tr("Contacts");
    m_contacts.item->setText(0, m_contacts.name);
    refreshLabels();
    for (const EntityEntry &entry : allEntries())
        entry.view->retranslate();
}

void EntitiesView::clearAll()
{
    m_contacts.view->clearItems();
    m_inbox.view->clearItems();
    m_outbox.view->clearItems();
    makeInboxCurrent();
    while (!m_userFolders.empty())
        dropUserFolder(m_userFolders.size() - 1);
    refreshLabels();
}

void EntitiesView::setTimeShift(int seconds)
{
    m_timeShift = seconds;
    m_contacts.view->setTimeShift(seconds);
    m_inbox.view->setTimeShift(seconds);
    m_outbox.view->setTimeShift(seconds);
    for (const EntityEntry &entry : m_userFolders)
        entry.view->setTimeShift(seconds);
}
