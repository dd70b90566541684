// The user's changes on the cache's side: stored before they run, the user told when they cannot be, and
// nothing run that could not be recorded as done.
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "ObjectType.h"
#include "ObjectsRequest.h"
#include "QelFolderInfo.h"
#include "SettingsStore.h"
#include "TaskKind.h"
#include "TaskType.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"

#include <QDir>
#include <QTemporaryFile>

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
    showError(tr("This change could not be saved on this computer: %1\nIt stays queued and is carried out "
                 "while the program runs, but it is lost if the program ends before then.")
                  .arg(unsaved.join(QStringLiteral(", "))),
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

bool MainWindow::dataWritable()
{
    QTemporaryFile probe(SettingsStore::instance().customerDirectory() +
                         QStringLiteral("/write-check-XXXXXX"));
    return probe.open() && m_cache.canWrite();
}

void MainWindow::checkDataWritable()
{
    m_dataUnwritable = !dataWritable();
    m_tasks.holdUserTasks(m_dataUnwritable);
    if (!m_dataUnwritable)
        return;
    showError(tr("The account's local data cannot be written: %1\nNothing you change is sent to the service "
                 "until it can be written again.")
                  .arg(QDir::toNativeSeparators(SettingsStore::instance().customerDirectory())),
              this);
}

void MainWindow::retryPendingWrites()
{
    m_tasks.retryPending();
    if (m_dataUnwritable && dataWritable()) {
        m_dataUnwritable = false;
        m_tasks.holdUserTasks(false);
    }
}
