// Log-in completion: the customer's cache opened, the start-up tasks queued, the persisted tasks restored.
#include "EMAILSentInfoRegister.h"
#include "EntitiesView.h"
#include "FAXSentInfoRegister.h"
#include "ForwardEntry.h"
#include "LoginDlg.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "MoveToFolderRequest.h"
#include "ObjectsRequest.h"
#include "OwnedRecord.h"
#include "QelFolderInfo.h"
#include "SMSSentInfoRegister.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "SettingsStore.h"
#include "StorageProbe.h"
#include "TaskKind.h"
#include "TaskType.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"

#include <QDir>

void MainWindow::eventLogoutClose(int customerid, bool autoconnect)
{
    m_automaticUpdate = true;
    SettingsStore::instance().setCustomerId(customerid);
    if (!m_cache.open()) {
        endSessionWithoutCache();
        return;
    }
    holdChangesUnlessWritable();
    queueStartupTasks();
    restoreLocalTasks();
    setTraySendEnabled(true);
    eventUpdateToolTip();
    if (!autoconnect)
        showMainState(0);
    m_pump.startSession();
    eventUpdate();
    // Only now, and without waiting for an answer: the start-up tasks and the pending changes go out while
    // the user reads.
    tellAboutLocalData();
}

void MainWindow::endSessionWithoutCache()
{
    const QString folder = SettingsStore::instance().customerDirectory();
    QString text = tr("The account's local data cannot be opened: %1")
                       .arg(QDir::toNativeSeparators(folder + QStringLiteral("/cache.db")));
    const StorageFault fault = probeStorage(folder);
    if (fault != StorageFault::None)
        text += QLatin1Char('\n') + storageFaultText(fault);
    // Nobody is logged in without a cache: the log-in form comes back, and the window stays hidden.
    SettingsStore::instance().setLoggedIn(false);
    showMainState(1);
    tellMessage(MessageKind::Error, text, m_login);
}

void MainWindow::tellAboutLocalData()
{
    const QString kept = m_cache.damagedCopy();
    if (!kept.isEmpty()) {
        // The fresh cache holds no timestamp: the start-up tasks went on with a first synchronisation.
        const QString tasks =
            m_cache.damagedTasksLost()
                ? tr("The changes that were waiting to be sent could not be read from it.")
                : tr("The changes waiting to be sent were kept, as far as they could be read.");
        tellMessage(
            MessageKind::Information,
            tr("The local copy of the account was damaged. It has been kept as %1 and is being rebuilt "
               "from the service.")
                    .arg(QDir::toNativeSeparators(kept)) +
                QLatin1Char(' ') + tasks,
            this);
    }
    if (m_dataUnwritable)
        tellChangesHeld(QString());
}

void MainWindow::queueStartupTasks()
{
    const int timestamp = m_cache.timestamp();
    const int timeShift = m_cache.timeShift();
    m_pump.setSyncTimestamp(timestamp);
    m_pump.setTimeShift(timeShift);
    m_entities->setTimeShift(timeShift);
    m_tasks.add(TaskType::GET_SHIFT_TIME, 0);
    int inboxId = 0;
    int outboxId = 0;
    if (!m_cache.loadInboxOutboxIds(inboxId, outboxId) || inboxId == 0)
        m_tasks.add(TaskType::GET_INBOX_OUTBOX_ID, 0);
    else
        m_entities->setInboxOutboxIds(inboxId, outboxId);
    m_tasks.add(TaskType::REGISTER_APP, 0);
    if (timestamp < 1) {
        eventSetupOutlookContacts();
        m_tasks.add(TaskType::REVIEW_OBJECTS, 0);
    } else {
        loadLocalObjects();
    }
}

void MainWindow::restoreLocalTasks()
{
    QList<TaskItem> restored;
    m_tasks.restore(restored);
    const int outbox = m_entities->outboxFolderId();
    for (const TaskItem &task : std::as_const(restored)) {
        const int type = task.type;
        const QVariant &argument = task.argument;
        if (auto *sms = taskRecord<SendSmsRequest>(type, argument)) {
            m_entities->addPendingSms(owned(SMSSentInfoRegister::fromSendSmsRequest(*sms, outbox)));
        } else if (auto *fax = taskRecord<SendFaxRequest>(type, argument)) {
            m_entities->addPendingFax(owned(FAXSentInfoRegister::fromSendFaxRequest(*fax, outbox)));
        } else if (auto *entry = taskRecord<ForwardEntry>(type, argument)) {
            if (entry->forward == 3)
                m_entities->addPendingFax(owned(FAXSentInfoRegister::fromForwardEntry(*entry, outbox)));
            else if (entry->forward == 4)
                m_entities->addPendingSms(owned(SMSSentInfoRegister::fromForwardEntry(*entry, outbox)));
            else if (entry->forward == 5)
                m_entities->addPendingEmail(owned(EMAILSentInfoRegister::fromForwardEntry(*entry, outbox)));
        } else if (auto *group = taskRecord<qtContactGroupInfo>(type, argument)) {
            m_entities->addGroupRow(*group);
        } else if (auto *contact = taskRecord<qtContactInfo>(type, argument)) {
            m_entities->addContactRow(*contact);
        } else if (auto *objects = taskRecord<ObjectsRequest>(type, argument)) {
            if (type == TaskType::DELETE_OBJECT)
                m_entities->removeObjects(*objects);
            else
                m_entities->markRows(*objects, type == TaskType::MARK_READ);
        } else if (auto *folder = taskRecord<QelFolderInfo>(type, argument)) {
            m_entities->renameFolder(*folder);
        } else if (auto *move = taskRecord<MoveToFolderRequest>(type, argument)) {
            m_entities->moveItems(*move);
        } else {
            releaseTaskArgument(type, argument);
            continue;
        }
        // The rows are in the cache already: queued, not persisted again.
        m_tasks.add(type, argument, true);
    }
}
