#pragma once

#include "EntityEntry.h"
#include "RepaintThrottle.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <QTreeWidget>
#include <memory>
#include <vector>

class BaseForView;
class BaseObject;
class ChangeEntry;
class EMAILSentInfoRegister;
class FAXSentInfoRegister;
class FolderView;
class ForwardRequest;
class MoveToFolderRequest;
class ObjectsRequest;
class OutlookContactInfo;
class QelFolderInfo;
class QMenu;
class QStackedLayout;
class SMSSentInfoRegister;
class qtContactGroupInfo;
class qtContactInfo;
class qtObjectsInfo;

// The left pane of the main window: the entities Inbox, Outbox, Contacts and the user folders, each with
// its list (FolderView) in the stacked layout on the right; stack index 0 Inbox, 1 Outbox, 2 Contacts,
// 3 + k user folder k in the order the folders were added. The main window reaches the lists through it.
// GUI thread only.
class EntitiesView : public QTreeWidget
{
    Q_OBJECT

public:
    enum Kind { ContactsEntity = 0, InboxEntity = 1, OutboxEntity = 2, UserFolderEntity = 3 };

    // The menus hold the main window's actions and are not owned: contactMenu is the contacts list's,
    // folderMenu the item lists', qelFolderMenu the tree's own (its actions actionCreateFolder,
    // actionRenameFolder and actionDeleteFolder are found by their object names). Any may be null.
    EntitiesView(QWidget *parent, QStackedLayout *stack, QMenu *contactMenu, QMenu *folderMenu,
                 QMenu *qelFolderMenu);
    ~EntitiesView() override;

    // Entities.
    void addEntity(int kind, const QString &name, int folderId);
    // Folder type 1 gives the Inbox its id, type 2 the Outbox; any other renames the user folder with the
    // record's id or adds it.
    void renameFolder(const QelFolderInfo &folder);
    // Removes the user folder with its list and records; the Inbox becomes current when it was.
    void removeFolderEntity(int folderId);
    void replaceFolderId(int oldId, int newId);
    void setInboxOutboxIds(int inboxId, int outboxId);
    // True when the current entity is a user folder, with its folder id and name.
    bool currentUserFolder(int *folderId, QString *name) const;
    // Null when no user folder has this id; valid until the user folders change.
    const EntityEntry *findUserFolder(int folderId) const;
    // The entities whose lists hold items, for the folder chooser; valid until the user folders change.
    const EntityEntry &inboxEntry() const { return m_inbox; }
    const EntityEntry &outboxEntry() const { return m_outbox; }
    const std::vector<EntityEntry> &userFolderEntries() const { return m_userFolders; }
    bool isContactsCurrent() const;
    FolderView *contactsView() const { return m_contacts.view; }
    int outboxFolderId() const;
    // The Inbox list, the Outbox list or the first user-folder list with this folder id; null when none.
    FolderView *viewByFolderId(int folderId) const;
    // The list of the current entity; the Inbox list when there is none.
    FolderView *currentView() const;
    // Labels with their counts: Inbox, Outbox and the user folders.
    void refreshLabels();
    void updateEntityLabel(const EntityEntry &entry);
    void retranslate();
    // Log-out: empties every list, removes the user folders and makes the Inbox current.
    void clearAll();
    // The service's time shift for every list, those of folders added later included.
    void setTimeShift(int seconds);

    // Items of the Inbox, Outbox and user-folder lists (types 1 to 4 and the pending Outbox items).
    // The first row with this id and type in the Inbox, the Outbox, then the user folders.
    bool findItem(int id, int type, FolderView **list, QTreeWidgetItem **row) const;
    bool hasItem(int type, int id) const;
    // Shows a copy of the record in the list of its folder id, moving or updating a row shown already.
    // Lets pending events other than user input run.
    void addOrUpdateItem(const BaseForView &record);
    // Lets pending events other than user input run.
    void removeItem(int id, int type);
    // Items (1 to 4), groups with their members (5), contacts (6) and folders (7) of the request.
    void removeObjects(const ObjectsRequest &request);
    // The same for the entries removed on the service (action -1).
    void removeChanged(const QList<ChangeEntry> &entries);
    void moveItems(const MoveToFolderRequest &request);
    // A loaded or fetched set of objects into the lists: time shift, folders, items, groups and contacts,
    // removals. Lets pending events other than user input run now and then.
    void fillViews(const qtObjectsInfo &objects);
    // The service took over the pending Outbox item of a task: the row becomes the sent item, or goes
    // when the sent item is shown already.
    void updatePendingProgress(int taskId, int serviceId);
    // The move of the current list's movable selected items to the folder, or null: nothing chosen (0),
    // the folder they are in, or the contacts list.
    std::unique_ptr<MoveToFolderRequest> moveSelectionTo(int folderId);

    // Forwarders to the Outbox list.
    void addPendingFax(std::unique_ptr<FAXSentInfoRegister> record);
    void addPendingSms(std::unique_ptr<SMSSentInfoRegister> record);
    void addPendingEmail(std::unique_ptr<EMAILSentInfoRegister> record);
    void updatePendingSent(int taskId, int serviceId, int sentStatus);
    void updatePendingStatus(int id, int sentStatus);

    // Forwarders to the contacts list. The group and contact rows show copies of the records given.
    void addGroupRow(const qtContactGroupInfo &group);
    void addContactRow(const qtContactInfo &contact);
    void addOutlookContactRow(std::unique_ptr<OutlookContactInfo> contact);
    void removeGroup(int id);
    void removeContact(int id);
    void removeOutlookContacts();
    void replaceGroupId(int oldId, int newId);
    void replaceContactId(int oldId, int newId);
    // A copy of the single selected group or contact, or null.
    std::unique_ptr<BaseObject> selectedGroupOrContact() const;
    void selectedOutlookContacts(QList<QStringList> *contacts) const;
    void groupChoices(QMap<int, QString> *groups, int *groupId) const;

    // Forwarders to the current list.
    void markRows(const ObjectsRequest &request, bool read);
    // A copy of the record of the single selected row, or null.
    std::unique_ptr<BaseObject> currentRecord() const;
    void collectForward(ForwardRequest *request) const;
    void applyFilter(const QString &text);
    void clearFilter();
    // Selects every row of the current list.
    void selectAll() override;

signals:
    // The current entity changed; its stack index.
    void signalViewActivated(int index);
    // The pointer entered the Inbox's rows or left them, or a row of the Inbox was double-clicked.
    void signalInboxAction();

public slots:
    void eventSelectionChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void eventAction();
    // Shows the tree's menu for the current entity. Blocks in the menu.
    void eventContextMenu();

private:
    QList<EntityEntry> allEntries() const;
    int stackIndexOf(const QTreeWidgetItem *item) const;
    void makeInboxCurrent();
    void dropUserFolder(std::size_t index);
    void addOrUpdateRecord(const BaseForView &record);
    // A sent fax or SMS that arrives replaces the pending row of the send that made it.
    void removeArrivedPendingRow(const BaseForView &record);
    void removeObject(int id, int type);
    void letEventsRun();

    EntityEntry m_inbox;
    EntityEntry m_outbox;
    EntityEntry m_contacts;
    std::vector<EntityEntry> m_userFolders;
    QStackedLayout *m_stack;
    QMenu *m_contactMenu;
    QMenu *m_folderMenu;
    QMenu *m_qelFolderMenu;
    int m_timeShift = 0;
    // While fills follow each other (a synchronisation's batches), the current list is painted at most
    // every 100 ms.
    RepaintThrottle m_repaints{100, this};
};
