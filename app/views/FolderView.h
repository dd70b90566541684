#pragma once

#include "RowIndex.h"

#include <QHash>
#include <QMap>
#include <QPair>
#include <QSet>
#include <QStringList>
#include <QTreeWidget>
#include <memory>

class BaseFAXSentInfo;
class BaseObject;
class BaseSMSSentInfo;
class EMAILSentInfoRegister;
class ForwardRequest;
class ObjectsRequest;
class OutlookContactInfo;
class QMenu;
class qtContactGroupInfo;
class qtContactInfo;
class qtFAXReceivedInfo;
class qtVOICEReceivedInfo;

// The list of one entity of the entity tree: the contacts list, or the item list of the Inbox, the Outbox or
// a user folder. Each row shows one record and owns it (CustomQTreeWidgetItem). The selection-based
// operations work on the visible selected rows: selected, not hidden by the search filter, in tree order.
// Rows come and go only through the operations below, which keep the list's index of them: nobody else
// adds, takes or deletes rows. GUI thread only.
class FolderView : public QTreeWidget
{
    Q_OBJECT

public:
    enum Kind { ContactsList = 0, InboxList = 1, OutboxList = 2, UserFolderList = 3 };

    // parent is the entity tree until the stacked layout takes the list over. The list's menu holds the main
    // window's actions, which the list enables by its selection; they are found by their object names
    // (actionDelete, actionForward, ...). The menu is not owned and may be null.
    FolderView(QWidget *parent, QMenu *contextMenu, int kind, int folderId);
    ~FolderView() override;

    // Selection.
    int countSelected() const;
    // The record of the first visible selected row, still owned by the list; null without one.
    BaseObject *firstSelectedRecord() const;
    // A copy of the record when exactly one row is visible and selected, else null.
    std::unique_ptr<BaseObject> selectedRecordCopy() const;
    // The same in the contacts list only; null in item lists.
    std::unique_ptr<BaseObject> selectedContactCopy() const;
    // What deleting rows meets before anyone is asked: how many rows go, and whether one of them may not go
    // (an item the service is still sending, a pending row, a fax of type 16).
    struct DeletionCheck
    {
        int rows = 0;
        bool refused = false;
        // The rows' objects, as (type, id).
        QSet<QPair<int, int>> objects;

        // True when a question about these rows also covers the later ones: no row more, none new.
        bool covers(const DeletionCheck &later) const
        {
            return later.rows <= rows && objects.contains(later.objects);
        }
    };
    // Over the visible selected rows; with wholeList over every row, those the filter hides included, as
    // a folder's deletion takes them all.
    DeletionCheck checkDeletion(bool wholeList) const;
    // The visible selected rows as a deletion request, or null. Selected Outlook contact rows leave the
    // list without going into the request, since they exist only here. The selection is cleared.
    std::unique_ptr<ObjectsRequest> deletionRequest();
    // The visible selected sent and received items (types 1 to 4) as a request to mark them read or
    // unread, or null. The selection is cleared.
    std::unique_ptr<ObjectsRequest> markRequest();
    // The request that deletes this user folder with every row it holds, hidden ones included.
    std::unique_ptr<ObjectsRequest> folderDeletionRequest();
    // The visible selected items that may move to another folder; null when none.
    std::unique_ptr<ObjectsRequest> selectionForMove() const;
    // Adds the visible selected items to a forward request (item lists only).
    void collectForward(ForwardRequest *request) const;
    // Contacts list: every group's name by id, and the group of the single visible selected row (0 when
    // there is none); nothing is written in item lists.
    void groupChoices(QMap<int, QString> *groups, int *groupId) const;
    // The visible selected Outlook contacts, each as {name, fax number, SMS number}.
    void selectedOutlookContacts(QList<QStringList> *contacts) const;
    // Selects the member rows of every selected group row.
    void selectGroupMembers();
    // The CSV lines of the visible selected contacts and of the members of selected groups, which become
    // selected too; empty when there are none.
    QString selectedContactsCsv();

    // Maintenance, for the entity tree.
    int folderId() const { return m_folderId; }
    void setFolderId(int folderId) { m_folderId = folderId; }
    // A user folder's service id replaces its local id, in the list and in the folder id of every item.
    void changeFolderId(int newId);
    // The first row without child rows whose record has this id and type; null when none.
    QTreeWidgetItem *findItem(int id, int type) const;
    // findItem; when found, this list and the row through the out-parameters, and true.
    bool locateItem(int id, int type, FolderView **list, QTreeWidgetItem **row);
    QTreeWidgetItem *findGroupItem(int groupId) const;
    // The first pending fax, SMS or e-mail forward row with this id.
    QTreeWidgetItem *findPendingItem(int id) const;
    // Take a top-level row out of the list and delete it with its child rows and their records.
    void removeItem(QTreeWidgetItem *row);
    void removePendingItem(QTreeWidgetItem *row);
    void removeContactItem(int id);
    // Removes the group row together with its member rows.
    void removeGroupItem(int id);
    void removeOutlookContacts();
    // Empties the list, releasing every record.
    void clearItems();
    // Rows added while a batch is open wait, and go into the list together, each at its sorted place, when
    // the outermost batch ends or flushRows is called; they can be found, updated and removed meanwhile.
    void beginRows();
    void endRows();
    void flushRows();
    void replaceContactId(int oldId, int newId);
    // The group's new id is also written into its members' group ids.
    void replaceGroupId(int oldId, int newId);
    // Moves a top-level item row into the target list, with the target's folder id.
    void moveItemTo(int id, int type, FolderView *target);
    // The number of all rows, child and hidden rows included, in decimal.
    QString rowCountText() const;
    // Header texts and row texts in the current language, with the filter applied again.
    void retranslate();

    // Rows. Builders give an existing row (when passed) the new record, or add a new row.
    // Sent fax, received fax, voice message and sent SMS (types 1 to 4); any other record is not shown.
    void addItem(std::unique_ptr<BaseObject> record, QTreeWidgetItem *row = nullptr);
    // Also the pending fax (10001) and pending SMS (10004) of the Outbox.
    void addFaxSentItem(std::unique_ptr<BaseFAXSentInfo> record, QTreeWidgetItem *row = nullptr);
    void addFaxReceivedItem(std::unique_ptr<qtFAXReceivedInfo> record, QTreeWidgetItem *row = nullptr);
    void addVoiceItem(std::unique_ptr<qtVOICEReceivedInfo> record, QTreeWidgetItem *row = nullptr);
    void addSmsSentItem(std::unique_ptr<BaseSMSSentInfo> record, QTreeWidgetItem *row = nullptr);
    void addEmailItem(std::unique_ptr<EMAILSentInfoRegister> record);
    // Adds or updates the row of a group, or of a contact under its group. A contact whose group has no row
    // is not shown.
    void addGroupItem(std::unique_ptr<qtContactGroupInfo> record);
    void addContactItem(std::unique_ptr<qtContactInfo> record);
    void addOutlookContactItem(std::unique_ptr<OutlookContactInfo> record);
    // Rewrites the texts that follow the sent status, the recipients and the date.
    void updateItemTexts(QTreeWidgetItem *row);
    // Bold while the item is unread (item lists only).
    void setItemFont(QTreeWidgetItem *row);
    // The send task of a pending row succeeded: the row takes the service's id and the sent status.
    void confirmPendingItem(int taskId, int serviceId, int sentStatus);
    // The change list reports the delivery status of a pending row.
    void setPendingStatus(int id, int sentStatus);
    // The service took a pending row over: a pending fax or SMS becomes the queued sent item with the
    // service id; a pending e-mail forward is shown as sent.
    void queuePendingItem(QTreeWidgetItem *row, int serviceId);
    // Shows the sent and received items of the request as read or unread.
    void setReadStatus(const ObjectsRequest &request, bool read);
    // The service's time shift in seconds; the dates are shown shifted by it.
    void setTimeShift(int seconds);

    // Filter: hides every row whose texts do not contain the text (case ignored); the empty text shows all.
    void applyFilter(const QString &text);
    void clearFilter() { applyFilter(QString()); }
    // Hides or shows one row by the current filter.
    void filterItem(QTreeWidgetItem *row);

signals:
    // The pointer entered a row or left the rows, or a row was double-clicked.
    void signalAction();

public slots:
    void eventItemDoubleClicked(QTreeWidgetItem *item, int column);
    void eventItemEntered(QTreeWidgetItem *item, int column);
    void eventItemLeave();
    // Enables the actions by the selection, then shows the list's menu at the pointer. Blocks in the menu.
    void eventContextMenu();
    // Enables the main window's item or contact actions by the visible selection.
    void eventRefreshMenu();

private:
    bool isItemList() const { return m_kind != ContactsList; }
    void setupColumns();
    QList<QTreeWidgetItem *> visibleSelectedRows() const;
    QList<QTreeWidgetItem *> allRows() const;
    // After a change of the row's texts that filterItem does not follow.
    void renewSearchText(QTreeWidgetItem *row);
    // Filters the shown rows, the hidden rows or both again, by position; noneHidden when no row is hidden.
    void refilterRows(bool shownRows = true, bool hiddenRows = true, bool noneHidden = false);
    std::unique_ptr<ObjectsRequest> takeRows(const QList<QTreeWidgetItem *> &rows, bool forDeletion);
    QTreeWidgetItem *firstInTreeOrder(const RowIndex::Rows &rows) const;
    // Gives row a new record and keeps the index in step with the record's key.
    void setRowRecord(QTreeWidgetItem *row, std::unique_ptr<BaseObject> record);
    void changeRowId(QTreeWidgetItem *row, int newId);
    // The texts of an item row's columns, from column 0 (which shows only icons) to the Date column.
    QStringList itemTexts(BaseObject &record);
    const QString &sentStatusText(int sentStatus);
    // The common part of the item builders: an existing row of this list takes the record and its texts,
    // or a new row is added.
    void showItem(std::unique_ptr<BaseObject> record, QTreeWidgetItem *row, const char *iconPath,
                  const char *directionIconPath);
    // Adds a new top-level row at its sorted place, or to the open batch.
    void insertTopLevelRow(QTreeWidgetItem *row);
    // The same for a row that the index holds already.
    void placeTopLevelRow(QTreeWidgetItem *row);
    // The list keeps its rows in the order of its sort indicator itself (see the constructor).
    bool rowBefore(const QTreeWidgetItem *row, const QTreeWidgetItem *other) const;
    void insertSorted(QTreeWidgetItem *parent, QList<QTreeWidgetItem *> rows);
    // After a change of a row's texts or record: the list is sorted again when the row left its place.
    void keepInOrder(QTreeWidgetItem *row);
    void sortRows();
    // In the list or waiting in its batch.
    bool ownsRow(const QTreeWidgetItem *row) const;
    void detachItem(QTreeWidgetItem *row);
    void deleteRow(QTreeWidgetItem *row);
    void unindexTree(QTreeWidgetItem *row);
    void setPendingDate(QTreeWidgetItem *row, int sentStatus, const QString &marker);

    QString m_filterText;
    QString m_foldedFilter;
    int m_batchDepth = 0;
    QList<QTreeWidgetItem *> m_pendingRows;
    int m_folderId;
    int m_kind;
    QMenu *m_menu;
    int m_timeShift = 0;
    RowIndex m_index;
    QHash<int, QString> m_statusTexts;
};
