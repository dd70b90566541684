// Contacts: the contact and group editors, the contacts CSV import and export, and the Outlook contacts.
#include "MainWindow.h"

#include "AddContactDlg.h"
#include "AddContactGroupDlg.h"
#include "ContactsCsvReader.h"
#include "EntitiesView.h"
#include "FileHelpers.h"
#include "FolderView.h"
#include "LocalIdFollower.h"
#include "MessageBoxes.h"
#include "ObjectType.h"
#include "ObjectsRequest.h"
#include "OutlookContactInfo.h"
#include "Prompts.h"
#include "RecordVariant.h"
#include "SettingsStore.h"
#include "TaskKind.h"
#include "TaskType.h"
#include "TextHelpers.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <memory>

namespace {

// Fills the contact from a line's texts; false when neither number holds a digit.
bool fillContact(BaseContactInfo &contact, const QString &name, const QString &fax, const QString &sms)
{
    contact.name = name.trimmed();
    contact.number = normalizeNumber(fax.trimmed());
    contact.gsmnumber = normalizeNumber(sms.trimmed());
    return !contact.number.isEmpty() || !contact.gsmnumber.isEmpty();
}

// The ids a record returned by an editor names, brought up to date with what the pump did meanwhile.
void followIds(qtContactInfo &contact, const LocalIdFollower &follower)
{
    contact.groupid = follower.current(contact.groupid);
    if (contact.id == 0)
        return;
    contact.id = follower.current(contact.id);
    contact.localid = contact.id < 0 ? -contact.id : 0;
}

void followIds(const TaskItem &change, const LocalIdFollower &follower)
{
    if (auto *group = taskRecord<qtContactGroupInfo>(change.type, change.argument)) {
        group->id = follower.current(group->id);
        if (group->id > 0)
            group->localid = 0;
    } else if (auto *contact = taskRecord<qtContactInfo>(change.type, change.argument)) {
        followIds(*contact, follower);
    } else if (auto *request = taskRecord<ObjectsRequest>(change.type, change.argument)) {
        for (QList<int> &ids : request->objects) {
            for (int &id : ids)
                id = follower.current(id);
        }
    }
}

// The file dialogs of the contacts import and export: CSV files, from the user's home folder.
FileDialogRequest csvFileDialog(QWidget *parent, const QString &caption)
{
    FileDialogRequest request;
    request.parent = parent;
    request.caption = caption;
    request.directory = QDir::toNativeSeparators(QDir::homePath());
    request.filter = MainWindow::tr("CSV files (*.csv)");
    return request;
}

} // namespace

void MainWindow::connectContactActions()
{
    connect(actionAddContactGroup, &QAction::triggered, this, &MainWindow::eventAddContactGroup);
    connect(actionAddContact, &QAction::triggered, this, &MainWindow::eventAddContact);
    connect(actionEditContacts, &QAction::triggered, this, &MainWindow::eventEditContact);
    connect(actionImport, &QAction::triggered, this, &MainWindow::eventImport);
    connect(actionExport, &QAction::triggered, this, &MainWindow::eventExport);
}

ContactSink MainWindow::contactSink()
{
    return [this](std::unique_ptr<qtContactInfo> contact) { editContact(std::move(contact)); };
}

void MainWindow::eventAddContactGroup()
{
    editContactGroup(nullptr);
}

void MainWindow::eventAddContact()
{
    editContact(static_cast<const qtContactInfo *>(nullptr));
}

void MainWindow::eventEditContact()
{
    const std::unique_ptr<BaseObject> record(m_entities->selectedGroupOrContact());
    if (!record)
        return;
    if (record->type == ObjectType::ContactGroup)
        editContactGroup(static_cast<const qtContactGroupInfo *>(record.get()));
    else if (record->type == ObjectType::Contact)
        editContact(static_cast<const qtContactInfo *>(record.get()));
}

void MainWindow::editContact(const qtContactInfo *contact)
{
    QMap<int, QString> groups;
    int groupId = 0;
    m_entities->groupChoices(&groups, &groupId);
    const LocalIdFollower follower(m_entities->contactsView()->model());
    std::unique_ptr<qtContactInfo> result;
    runModal([&] {
        AddContactDlg dialog(this, groups, groupId, contact);
        dialog.exec();
        result = dialog.takeResult();
    });
    if (!result)
        return;
    followIds(*result, follower);
    editContact(std::move(result));
}

void MainWindow::editContact(std::unique_ptr<qtContactInfo> contact)
{
    if (contact->id == 0 && contact->localid == 0) {
        // A record created offline carries the negated id of its creation task.
        contact->localid = m_cache.nextTaskId();
        contact->taskid = contact->localid;
        contact->id = -contact->localid;
    }
    m_entities->addContactRow(*contact);
    queueChange(TaskType::CHANGE_CONTACT, recordToVariant(contact.release()));
}

void MainWindow::editContactGroup(const qtContactGroupInfo *group)
{
    const LocalIdFollower follower(m_entities->contactsView()->model());
    QList<TaskItem> changes;
    runModal([&] {
        AddContactGroupDlg dialog(this, m_entities->contactsView(), group, &m_cache);
        dialog.exec();
        changes = dialog.takeChanges();
    });
    for (const TaskItem &change : std::as_const(changes)) {
        followIds(change, follower);
        if (const auto *changedGroup = taskRecord<qtContactGroupInfo>(change.type, change.argument))
            m_entities->addGroupRow(*changedGroup);
        else if (const auto *member = taskRecord<qtContactInfo>(change.type, change.argument))
            m_entities->addContactRow(*member);
        else if (const auto *removals = taskRecord<ObjectsRequest>(change.type, change.argument))
            m_entities->removeObjects(*removals);
    }
    queueChanges(changes);
}

void MainWindow::importContact(const QString &name, const QString &fax, const QString &sms)
{
    auto contact = std::make_unique<qtContactInfo>(0, 0);
    if (fillContact(*contact, name, fax, sms))
        editContact(std::move(contact));
}

void MainWindow::addOutlookContact(const QString &name, const QString &fax, const QString &sms)
{
    auto contact = std::make_unique<OutlookContactInfo>();
    if (fillContact(*contact, name, fax, sms))
        m_entities->addOutlookContactRow(std::move(contact));
}

void MainWindow::importContactsCsv(const QString &path, bool outlookFile)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    if (!outlookFile) {
        ContactsCsvReader reader(stream);
        QStringList fields;
        while (reader.readRecord(fields)) {
            if (fields.size() >= 2)
                importContact(fields.at(0), fields.at(1), fields.value(2));
        }
        return;
    }
    QString line;
    while (stream.readLineInto(&line)) {
        // The user may turn the Outlook contacts off while a long file is read.
        if (!SettingsStore::instance().outlook())
            return;
        const QStringList fields = line.split(QLatin1Char(';'));
        if (fields.size() >= 2)
            addOutlookContact(fields.at(0), fields.at(1), fields.value(3));
    }
}

void MainWindow::eventImport()
{
    importContactsCsv(Prompts::askOpenFileName(csvFileDialog(this, tr("Select a file ..."))), false);
}

void MainWindow::eventExport()
{
    FolderView *list = m_entities->contactsView();
    if (list->countSelected() == 0)
        return;
    const QString fileName = Prompts::askSaveFileName(csvFileDialog(this, tr("Select a file name ...")));
    if (!fileName.isEmpty() && !writeTextFile(QString(), list->selectedContactsCsv(), fileName))
        showError(tr("The contacts could not be saved in %1.").arg(QDir::toNativeSeparators(fileName)), this);
}

void MainWindow::eventAddToContacts()
{
    QList<QStringList> selected;
    m_entities->selectedOutlookContacts(&selected);
    for (const QStringList &contact : std::as_const(selected))
        importContact(contact.value(0), contact.value(1), contact.value(2));
}

void MainWindow::eventOutlookContacts()
{
    // Settings saved from the log-in dialog set the Outlook contacts up too: without a session there is none
    // to import into, and the log-in that follows queues the import itself.
    if (SettingsStore::instance().isLoggedIn())
        m_tasks.add(TaskType::IMPORT_OUTLOOK_CONTACTS, 0);
}
