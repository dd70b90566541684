// The user's changes on the cache's side: stored before they run, the user told when they cannot be, and
// nothing run that could not be recorded as done.
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "ObjectType.h"
#include "ObjectsRequest.h"
#include "QelFolderInfo.h"
#include "SettingsStore.h"
#include "StorageProbe.h"
#include "TaskKind.h"
#include "TaskType.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"

#include <QDir>

namespace {

QString named(const QString &action, const QString &name)
{
    return QStringLiteral("%1 \"%2\"").arg(action, name);
}

} // namespace

void MainWindow::queueChange(int type, const QVariant &argument)
{
    queueChanges({TaskItem(type, argument)});
}

void MainWindow::queueChanges(const QList<TaskItem> &changes)
{
    QStringList unsaved;
    for (const TaskItem &change : changes) {
        // Queued all the same: it is carried out while the program runs.
        if (!m_tasks.add(change.type, change.argument))
            unsaved += changeName(change);
    }
    if (unsaved.isEmpty())
        return;
    unsaved.removeDuplicates();
    const QString names = unsaved.join(QStringLiteral(", "));
    // Where the data cannot be written nothing runs that could not be recorded as done: the changes wait,
    // with the ones stored, until they can be saved.
    if (m_dataUnwritable || !dataWritable()) {
        holdChanges();
        tellChangesHeld(names);
        return;
    }
    showError(tr("This change could not be saved on this computer: %1\nIt stays queued and is carried out "
                 "while the program runs, but it is lost if the program ends before then.")
                  .arg(names),
              this);
}

QString MainWindow::changeName(const TaskItem &change) const
{
    const int type = change.type;
    const QVariant &argument = change.argument;
    // The names of the actions that make the changes.
    if (auto *group = taskRecord<qtContactGroupInfo>(type, argument))
        return named(group->id < 0 ? tr("Add contact group") : tr("Edit"), group->name);
    if (auto *contact = taskRecord<qtContactInfo>(type, argument))
        return named(contact->id < 0 ? tr("Add contact") : tr("Edit"), contact->name);
    if (auto *folder = taskRecord<QelFolderInfo>(type, argument))
        return named(folder->id < 0 ? tr("Create folder") : tr("Rename folder"), folder->name);
    switch (type) {
    case TaskType::SEND_FAX:
        return tr("New Fax");
    case TaskType::SEND_SMS:
        return tr("New SMS");
    case TaskType::SEND_FORWARD:
        return tr("Forward");
    case TaskType::DELETE_OBJECT: {
        const auto *request = taskRecord<ObjectsRequest>(type, argument);
        return request && request->objects.contains(ObjectType::Folder) ? tr("Delete folder") : tr("Delete");
    }
    case TaskType::MARK_READ:
        return tr("Mark as read");
    case TaskType::MARK_UNREAD:
        return tr("Mark as unread");
    case TaskType::MOVE_TO_FOLDER:
        return tr("Move to folder");
    default:
        return QString();
    }
}

QString MainWindow::storageFaultText(StorageFault fault) const
{
    const QString folder = QDir::toNativeSeparators(SettingsStore::instance().customerDirectory());
    return fault == StorageFault::Full ? tr("The disk that holds %1 is full.").arg(folder)
                                       : tr("%1 cannot be written.").arg(folder);
}

void MainWindow::tellChangesHeld(const QString &unsaved)
{
    const QString reason = storageFaultText(probeStorage(SettingsStore::instance().customerDirectory()));
    const QString text =
        unsaved.isEmpty()
            ? reason + QLatin1Char('\n') +
                  tr("The account is shown as last stored. What you change waits until the data can be "
                     "written again, and is sent then.")
            : tr("This change could not be saved on this computer: %1").arg(unsaved) + QLatin1Char('\n') +
                  reason + QLatin1Char('\n') +
                  tr("It waits until the data can be written again, and is lost if the program ends before "
                     "then.");
    tellMessage(MessageKind::Error, text, this);
}

bool MainWindow::dataWritable()
{
    return probeStorage(SettingsStore::instance().customerDirectory()) == StorageFault::None &&
           !m_cache.isReadOnly() && m_cache.canWrite();
}

void MainWindow::holdChanges()
{
    m_dataUnwritable = true;
    m_tasks.holdUserTasks(true);
}

void MainWindow::holdChangesUnlessWritable()
{
    m_dataUnwritable = false;
    m_tasks.holdUserTasks(false);
    if (!dataWritable())
        holdChanges();
}

void MainWindow::retryPendingWrites()
{
    m_tasks.retryPending();
    if (!m_dataUnwritable) {
        // A folder that stopped taking writes since the log-in: the change waits, as at the log-in.
        if (m_tasks.nextIsUserTask() && !dataWritable()) {
            holdChanges();
            tellChangesHeld(QString());
        }
        return;
    }
    if (probeStorage(SettingsStore::instance().customerDirectory()) != StorageFault::None)
        return;
    // A connection that met the fault may stay read-only after it is gone: a fresh one writes again.
    const auto writable = [this] { return m_cache.isOpen() && !m_cache.isReadOnly() && m_cache.canWrite(); };
    if (!writable() && (!m_cache.open() || !writable()))
        return;
    // A change that still cannot be saved, for a reason of its own, runs in this run as any other would.
    m_tasks.saveUnsaved();
    m_dataUnwritable = false;
    m_tasks.holdUserTasks(false);
}

bool MainWindow::confirmLosingUnsaved()
{
    const int unsaved = m_tasks.unsavedCount();
    return unsaved == 0 ||
           askYesNo(QMessageBox::Warning, windowTitle(),
                    tr("%n change(s) could not be saved on this computer and are lost if the program ends "
                       "now. Quit anyway?",
                       nullptr, unsaved),
                    false, this);
}
