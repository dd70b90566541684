#include "AddContactGroupDlg.h"

#include "CacheDatabase.h"
#include "CustomQTreeWidgetItem2.h"
#include "ObjectType.h"
#include "ObjectsRequest.h"
#include "RecordVariant.h"
#include "TaskKind.h"
#include "TaskType.h"
#include "TextHelpers.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"

#include <QApplication>
#include <QHeaderView>

namespace {

const char *const serviceContactIcon = ":/images/contact-qelvox.png";
const char *const outlookContactIcon = ":/images/contact-outlook.png";
// A member of the edited group that was taken out: confirming deletes it.
const char *const removedMemberIcon = ":/images/contact-qelvox-grey.png";

CustomQTreeWidgetItem2 *rowOf(QTreeWidgetItem *item)
{
    return static_cast<CustomQTreeWidgetItem2 *>(item);
}

QList<CustomQTreeWidgetItem2 *> takeSelectedRows(QTreeWidget *list)
{
    QList<CustomQTreeWidgetItem2 *> rows;
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    for (QTreeWidgetItem *item : selected)
        rows += rowOf(list->takeTopLevelItem(list->indexOfTopLevelItem(item)));
    return rows;
}

} // namespace

AddContactGroupDlg::AddContactGroupDlg(QWidget *parent, QTreeWidget *contactsTree, const qtContactGroupInfo *group,
                                       CacheDatabase *database)
    : QDialog(parent),
      database(database),
      placeholderStyle(QStringLiteral("background-color:Window;color:Gray")),
      inputStyle(QStringLiteral("background-color:Window;color:Window")),
      group(group),
      groupId(group ? group->id : 0)
{
    setupUi(this);
    resetNewContactRow();
    setWindowTitle(group ? tr("Edit contact group") : tr("Add new contact group"));
    setUpTree(contacts);
    setUpTree(contactsFinal);
    if (groupId != 0)
        name->setText(group->name);
    fillLists(contactsTree);

    connect(btnOk, &QPushButton::clicked, this, &AddContactGroupDlg::eventSet);
    connect(btnCancel, &QPushButton::clicked, this, &AddContactGroupDlg::close);
    connect(name, &QLineEdit::textChanged, this, &AddContactGroupDlg::eventValidate);
    connect(addBtn, &QPushButton::clicked, this, &AddContactGroupDlg::eventAddBtn);
    connect(removeBtn, &QPushButton::clicked, this, &AddContactGroupDlg::eventRemoveBtn);
    connect(addContact, &QPushButton::clicked, this, &AddContactGroupDlg::eventAddContact);
    connect(contacts, &QTreeWidget::itemDoubleClicked, this, &AddContactGroupDlg::eventAddBtn);
    connect(contactsFinal, &QTreeWidget::itemDoubleClicked, this, &AddContactGroupDlg::eventRemoveBtn);
    connect(qApp, &QApplication::focusChanged, this, &AddContactGroupDlg::focusChanged);
    eventValidate();
}

AddContactGroupDlg::~AddContactGroupDlg()
{
    // The widgets' destruction moves the focus, and the application would report it to a dialog that is
    // no longer one.
    disconnect(qApp, nullptr, this, nullptr);
    for (const TaskItem &change : std::as_const(changes))
        releaseTaskArgument(change.type, change.argument);
}

QList<TaskItem> AddContactGroupDlg::takeChanges()
{
    return std::exchange(changes, {});
}

QList<AddContactGroupDlg::NewContactField> AddContactGroupDlg::newContactFields() const
{
    return {{contactName, tr("Name")}, {contactFax, tr("Fax Number")}, {contactSms, tr("SMS Number")}};
}

void AddContactGroupDlg::resetNewContactRow()
{
    for (const NewContactField &entry : newContactFields()) {
        entry.field->setText(entry.placeholder);
        entry.field->setStyleSheet(placeholderStyle);
    }
}

QString AddContactGroupDlg::typedText(const NewContactField &entry)
{
    const QString text = entry.field->text().trimmed();
    return text == entry.placeholder ? QString() : text;
}

void AddContactGroupDlg::setUpTree(QTreeWidget *list)
{
    list->headerItem()->setText(0, QString());
    list->sortByColumn(0, Qt::DescendingOrder);
    QHeaderView *header = list->header();
    header->resizeSection(0, 30);
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    for (int column = 1; column <= 3; ++column) {
        header->resizeSection(column, 80);
        header->setSectionResizeMode(column, QHeaderView::Interactive);
    }
}

void AddContactGroupDlg::fillLists(QTreeWidget *contactsTree)
{
    for (int top = 0; top < contactsTree->topLevelItemCount(); ++top) {
        const QTreeWidgetItem *row = contactsTree->topLevelItem(top);
        const auto *record = recordFromVariant<BaseObject>(row->data(0, Qt::UserRole));
        if (!record)
            continue;
        if (record->type == ObjectType::Contact || record->type == ObjectType::OutlookContact) {
            addContactRow(contacts, static_cast<const BaseContactInfo *>(record)->clone());
        } else if (record->type == ObjectType::ContactGroup && record->id == groupId) {
            for (int child = 0; child < row->childCount(); ++child) {
                const auto *member = recordFromVariant<BaseObject>(row->child(child)->data(0, Qt::UserRole));
                if (member && member->type == ObjectType::Contact)
                    addContactRow(contactsFinal, static_cast<const BaseContactInfo *>(member)->clone());
            }
        }
    }
}

void AddContactGroupDlg::addContactRow(QTreeWidget *list, BaseContactInfo *record)
{
    auto *row = new CustomQTreeWidgetItem2(record);
    row->setIcon(0, QIcon(record->type == ObjectType::Contact ? serviceContactIcon : outlookContactIcon));
    list->addTopLevelItem(row);
}

void AddContactGroupDlg::focusChanged(QWidget *oldObject, QWidget *newObject)
{
    const QList<NewContactField> fields = newContactFields();
    for (const NewContactField &entry : fields) {
        if (oldObject == entry.field && typedText(entry).isEmpty()) {
            entry.field->setText(entry.placeholder);
            entry.field->setStyleSheet(placeholderStyle);
            break;
        }
    }
    for (const NewContactField &entry : fields) {
        if (newObject == entry.field && entry.field->styleSheet() == placeholderStyle) {
            entry.field->setStyleSheet(inputStyle);
            entry.field->clear();
            break;
        }
    }
}

void AddContactGroupDlg::eventValidate()
{
    btnOk->setEnabled(!name->text().trimmed().isEmpty());
}

void AddContactGroupDlg::eventAddBtn()
{
    for (CustomQTreeWidgetItem2 *row : takeSelectedRows(contacts)) {
        if (row->record()->type == ObjectType::Contact)
            row->setIcon(0, QIcon(serviceContactIcon));
        contactsFinal->addTopLevelItem(row);
    }
}

void AddContactGroupDlg::eventRemoveBtn()
{
    for (CustomQTreeWidgetItem2 *row : takeSelectedRows(contactsFinal)) {
        const BaseContactInfo *record = row->record();
        if (record->type == ObjectType::Contact && record->id == 0) {
            // Typed into this dialog: it exists nowhere else.
            delete row;
            continue;
        }
        if (record->type == ObjectType::Contact)
            row->setIcon(0, QIcon(record->groupid == groupId ? removedMemberIcon : serviceContactIcon));
        contacts->addTopLevelItem(row);
    }
}

void AddContactGroupDlg::eventAddContact()
{
    const QList<NewContactField> fields = newContactFields();
    auto record = std::make_unique<qtContactInfo>(0, 0);
    record->name = typedText(fields.at(0));
    record->number = normalizeNumber(typedText(fields.at(1)));
    record->gsmnumber = normalizeNumber(typedText(fields.at(2)));
    if (record->number.isEmpty() && record->gsmnumber.isEmpty())
        return;
    addContactRow(contactsFinal, record.release());
    resetNewContactRow();
}

int AddContactGroupDlg::takeLocalId()
{
    // Each from the store, which never gives an id twice: the tasks queued meanwhile take ids too.
    return database->nextTaskId();
}

void AddContactGroupDlg::eventSet()
{
    const QString newName = name->text().trimmed();
    if (newName.isEmpty())
        return;
    if (group) {
        if (newName != group->name) {
            auto *renamed = new qtContactGroupInfo(group->id, 0);
            // Local only while the id is negative: the list may keep a stale local id after the creation,
            // and a local id makes the rename create the group a second time.
            renamed->localid = group->id < 0 ? -group->id : 0;
            renamed->name = newName;
            changes += TaskItem(TaskType::CHANGE_GROUP, recordToVariant(renamed));
        }
        addRemovals();
        addNewContacts(groupId);
    } else {
        const int localId = takeLocalId();
        auto *created = new qtContactGroupInfo(-localId, 0);
        created->localid = localId;
        created->name = newName;
        changes += TaskItem(TaskType::CHANGE_GROUP, recordToVariant(created));
        addNewContacts(-localId);
    }
    accept();
}

void AddContactGroupDlg::addRemovals()
{
    QList<int> removed;
    for (int top = 0; top < contacts->topLevelItemCount(); ++top) {
        const BaseContactInfo *record = rowOf(contacts->topLevelItem(top))->record();
        if (record->type == ObjectType::Contact && record->groupid == groupId)
            removed += record->id;
    }
    if (removed.isEmpty())
        return;
    auto *request = new ObjectsRequest;
    request->objects.insert(ObjectType::Contact, removed);
    changes += TaskItem(TaskType::DELETE_OBJECT, recordToVariant(request));
}

void AddContactGroupDlg::addNewContacts(int newGroupId)
{
    for (int top = 0; top < contactsFinal->topLevelItemCount(); ++top) {
        const QTreeWidgetItem *row = contactsFinal->topLevelItem(top);
        const BaseContactInfo *record = rowOf(contactsFinal->topLevelItem(top))->record();
        if (group && record->type == ObjectType::Contact && record->groupid == groupId)
            continue;
        const int localId = takeLocalId();
        auto *member = new qtContactInfo(-localId, 0);
        member->localid = localId;
        member->name = row->text(1);
        member->number = row->text(2);
        member->gsmnumber = row->text(3);
        member->groupid = newGroupId;
        changes += TaskItem(TaskType::CHANGE_CONTACT, recordToVariant(member));
    }
}
