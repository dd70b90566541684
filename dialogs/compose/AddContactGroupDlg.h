#pragma once

#include "TaskItem.h"
#include "ui_AddContactGroupDlg.h"

#include <QDialog>
#include <QList>

class BaseContactInfo;
class CacheDatabase;
class qtContactGroupInfo;

// Creates a contact group or edits one: its name and its members. A contact belongs to one group at most,
// so a contact put into the group is created anew inside it (the one it was picked from stays), and a member
// taken out is deleted. Nothing changes until the user confirms: then the dialog lists the changes as tasks,
// which the caller takes after exec(): a group task (type 10) when the group is new or renamed, a deletion
// (type 12) of the members taken out, and a contact task (type 11) per new member in the list's order. New
// records get consecutive local ids from the cache's next task id, and negative ids.
class AddContactGroupDlg : public QDialog, public Ui::AddContactGroupDlg
{
    Q_OBJECT

public:
    // contactsTree: the main window's contacts list (groups with their members, ungrouped and Outlook
    // contacts, each row's record in column 0 under Qt::UserRole), read here only. group: the group to edit,
    // or null for a new one; only read, and must outlive the dialog. database: where new local ids come from.
    AddContactGroupDlg(QWidget *parent, QTreeWidget *contactsTree, const qtContactGroupInfo *group,
                       CacheDatabase *database);
    // Releases the records of changes that nobody took.
    ~AddContactGroupDlg() override;

    // The changes, empty unless the user confirmed; hands their records over, so a second call returns none.
    QList<TaskItem> takeChanges();

private slots:
    void focusChanged(QWidget *oldObject, QWidget *newObject);
    void eventSet();
    void eventValidate();
    void eventAddBtn();
    void eventRemoveBtn();
    void eventAddContact();

private:
    struct NewContactField
    {
        QLineEdit *field;
        QString placeholder;
    };

    QList<NewContactField> newContactFields() const;
    void resetNewContactRow();
    void setUpTree(QTreeWidget *list);
    void fillLists(QTreeWidget *contactsTree);
    void addContactRow(QTreeWidget *list, BaseContactInfo *record);
    void addRemovals();
    void addNewContacts(int newGroupId);
    int takeLocalId();
    // The field's text, or empty while it shows its placeholder.
    static QString typedText(const NewContactField &entry);

    CacheDatabase *database;
    const QString placeholderStyle;
    const QString inputStyle;
    const qtContactGroupInfo *group;
    QList<TaskItem> changes;
    int groupId;
};
