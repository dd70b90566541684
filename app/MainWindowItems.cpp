// Item actions: sends, forwards, deletions, moves, read marks, details, selection and the search filter.
#include "MainWindow.h"

#include "BusyCursor.h"
#include "DetailDlg.h"
#include "EMAILSentInfoRegister.h"
#include "EntitiesView.h"
#include "FAXSentInfoRegister.h"
#include "FilterBox.h"
#include "FolderTracker.h"
#include "FolderView.h"
#include "ForwardDlg.h"
#include "MessageBoxes.h"
#include "MoveToFolderRequest.h"
#include "MovetoFolderDlg.h"
#include "ObjectsRequest.h"
#include "OwnedRecord.h"
#include "QelvoxAPI.h"
#include "RecordKinds.h"
#include "RecordVariant.h"
#include "SMSSentInfoRegister.h"
#include "SendDlg.h"
#include "TaskType.h"
#include "TrayPresence.h"

#include <QPointer>
#include <memory>
#include <vector>

namespace {

// Sent faxes and SMS whose recipients the service is still working through.
const int sentStatusInService = 2;

FolderChoice choiceOf(const EntityEntry &entry)
{
    return {entry.name, entry.view->folderId()};
}

void appendPendingRecipients(const QStringList &numbers, int sentStatus, QList<RecipientStatus> &list)
{
    for (const QString &number : numbers)
        list.append(RecipientStatus(number, sentStatus));
}

} // namespace

void MainWindow::connectItemActions()
{
    const auto connectAction = [this](QAction *action, void (MainWindow::*slot)()) {
        connect(action, &QAction::triggered, this, slot);
    };
    connectAction(actionFax, &MainWindow::eventSendFax);
    connectAction(actionTrayFax, &MainWindow::eventSendFax);
    connectAction(actionSMS, &MainWindow::eventSendSms);
    connectAction(actionTraySMS, &MainWindow::eventSendSms);
    connectAction(actionForward, &MainWindow::eventForward);
    connectAction(actionDelete, &MainWindow::eventDelete);
    connectAction(actionMovetoFolder, &MainWindow::eventMovetoFolder);
    connectAction(actionItemMarkAsRead, &MainWindow::eventItemMarkAsRead);
    connectAction(actionItemMarkAsUnread, &MainWindow::eventItemMarkAsUnread);
    connectAction(actionItemDetails, &MainWindow::eventItemDetails);
    connectAction(actionSelectAll, &MainWindow::eventSelectAll);
    connect(m_filter, &FilterBox::filterChanged, this, &MainWindow::eventFilter);
    connect(m_entities, &EntitiesView::signalInboxAction, this, &MainWindow::eventInboxAction);
}

void MainWindow::eventSendFax()
{
    sendMessage(true);
}

void MainWindow::eventSendSms()
{
    sendMessage(false);
}

void MainWindow::sendMessage(bool fax)
{
    std::unique_ptr<SendFaxRequest> faxRequest;
    std::unique_ptr<SendSmsRequest> smsRequest;
    runModal([&] {
        SendDlg dialog(this, m_entities->contactsView(), m_entities->isContactsCurrent(), fax, contactSink());
        dialog.exec();
        faxRequest = dialog.faxRequest();
        smsRequest = dialog.smsRequest();
    });
    const int outbox = m_entities->outboxFolderId();
    if (faxRequest) {
        faxRequest->taskid = m_cache.nextTaskId();
        m_entities->addPendingFax(owned(FAXSentInfoRegister::fromSendFaxRequest(*faxRequest, outbox)));
        queueChange(TaskType::SEND_FAX, recordToVariant(faxRequest.release()));
    } else if (smsRequest) {
        smsRequest->taskid = m_cache.nextTaskId();
        m_entities->addPendingSms(owned(SMSSentInfoRegister::fromSendSmsRequest(*smsRequest, outbox)));
        queueChange(TaskType::SEND_SMS, recordToVariant(smsRequest.release()));
    }
}

void MainWindow::eventForward()
{
    auto collected = std::make_unique<ForwardRequest>();
    m_entities->collectForward(collected.get());
    if (collected->isEmpty())
        return;
    std::unique_ptr<ForwardRequest> request;
    runModal([&] {
        ForwardDlg dialog(this, std::move(collected));
        dialog.exec();
        request = dialog.forwardRequest();
    });
    if (!request)
        return;
    const int outbox = m_entities->outboxFolderId();
    QList<TaskItem> forwards;
    for (ForwardEntry *entry : request->takeEntries()) {
        entry->taskid = m_cache.nextTaskId();
        if (entry->forward == 4)
            m_entities->addPendingSms(owned(SMSSentInfoRegister::fromForwardEntry(*entry, outbox)));
        else if (entry->forward == 5)
            m_entities->addPendingEmail(owned(EMAILSentInfoRegister::fromForwardEntry(*entry, outbox)));
        else
            m_entities->addPendingFax(owned(FAXSentInfoRegister::fromForwardEntry(*entry, outbox)));
        forwards += TaskItem(TaskType::SEND_FORWARD, recordToVariant(entry));
    }
    queueChanges(forwards);
}

void MainWindow::eventDelete()
{
    FolderView *list = m_entities->currentView();
    if (!askDeletion(*list, false))
        return;
    // Outlook contacts stay out of the request: it names only objects the service knows.
    std::unique_ptr<ObjectsRequest> request = list->deletionRequest();
    if (!request)
        return;
    m_entities->removeObjects(*request);
    queueChange(TaskType::DELETE_OBJECT, recordToVariant(request.release()));
}

bool MainWindow::askDeletion(FolderView &list, bool wholeList)
{
    // Results applied while a box is open may delete rows, or the list itself: the caller collects the
    // rows once the user has answered, and touches nothing of the list when it went meanwhile. They may
    // also bring rows, or make one undeletable (a send the service has taken on): the answer covers only
    // the rows it was asked about, so the check runs again on what is there now.
    const QPointer<FolderView> guard(&list);
    FolderView::DeletionCheck asked;
    bool confirmed = false;
    for (;;) {
        const FolderView::DeletionCheck check = list.checkDeletion(wholeList);
        if (check.refused) {
            showRestriction(tr("Impossible to delete selected item(s)."), this);
            confirmed = false;
            break;
        }
        if (confirmed && asked.covers(check))
            break;
        confirmed = check.rows > 0 && confirmDelete(check.rows, this);
        if (!confirmed || !guard)
            break;
        asked = check;
    }
    if (!guard)
        return false;
    if (!confirmed)
        list.clearSelection();
    return confirmed;
}

void MainWindow::markSelection(bool read)
{
    // Only sent and received items (types 1 to 4) come back: pending rows have nothing to mark yet.
    std::unique_ptr<ObjectsRequest> request = m_entities->currentView()->markRequest();
    if (!request)
        return;
    m_entities->markRows(*request, read);
    queueChange(read ? TaskType::MARK_READ : TaskType::MARK_UNREAD, recordToVariant(request.release()));
}

void MainWindow::eventItemMarkAsRead()
{
    markSelection(true);
}

void MainWindow::eventItemMarkAsUnread()
{
    markSelection(false);
}

void MainWindow::markItemRead(const BaseObject &item)
{
    auto request = std::make_unique<ObjectsRequest>();
    request->objects[item.type].append(item.id);
    m_entities->markRows(*request, true);
    queueChange(TaskType::MARK_READ, recordToVariant(request.release()));
}

void MainWindow::eventMovetoFolder()
{
    std::unique_ptr<MoveToFolderRequest> request = m_entities->moveSelectionTo(askMoveTarget());
    if (!request)
        return;
    m_entities->moveItems(*request);
    queueChange(TaskType::MOVE_TO_FOLDER, recordToVariant(request.release()));
}

int MainWindow::askMoveTarget()
{
    QList<FolderChoice> userFolders;
    // The pump may give a folder created offline its service id, or remove a folder, while the chooser is
    // open: the chosen folder's list knows its id then.
    std::vector<FolderTracker> offered;
    for (const EntityEntry &entry : m_entities->userFolderEntries()) {
        userFolders.append(choiceOf(entry));
        offered.emplace_back(entry.view);
    }
    int chosen = 0;
    runModal([&] {
        MovetoFolderDlg dialog(this, choiceOf(m_entities->inboxEntry()), choiceOf(m_entities->outboxEntry()),
                               userFolders);
        dialog.exec();
        chosen = dialog.selectedFolderId;
    });
    for (std::size_t i = 0; chosen != 0 && i < offered.size(); ++i) {
        if (userFolders.at(qsizetype(i)).folderId == chosen)
            return offered[i].folderId();
    }
    return chosen;
}

void MainWindow::eventItemDetails()
{
    const std::unique_ptr<BaseObject> record(m_entities->currentRecord());
    if (record && RecordKinds::hasRecipients(record->type))
        showDetails(static_cast<const BaseRecipients &>(*record));
}

void MainWindow::showDetails(const BaseRecipients &item)
{
    QList<RecipientStatus> recipients;
    if (item.recipients < 2)
        item.appendOwnRecipient(recipients);
    else if (!collectRecipients(item, recipients))
        return;
    runModal([&] {
        DetailDlg dialog(this, &recipients, &item);
        dialog.exec();
    });
}

bool MainWindow::collectRecipients(const BaseRecipients &item, QList<RecipientStatus> &recipients)
{
    switch (item.type) {
    case ObjectType::PendingFax:
        appendPendingRecipients(static_cast<const FAXSentInfoRegister &>(item).recipientlist, item.sentstatus,
                                recipients);
        return true;
    case ObjectType::PendingSms:
        appendPendingRecipients(static_cast<const SMSSentInfoRegister &>(item).recipientlist, item.sentstatus,
                                recipients);
        return true;
    case ObjectType::PendingEmail:
        item.appendOwnRecipient(recipients);
        return true;
    default:
        break;
    }
    if (item.sentstatus == sentStatusInService || m_cache.loadRecipients(item, recipients))
        return true;
    int status = 0;
    {
        BusyCursor busy(this);
        status = QelvoxAPI::getRecipients(&item, &recipients);
    }
    if (status != 0) {
        showError(tr("No internet connection."), this);
        return false;
    }
    m_cache.storeRecipients(item, recipients);
    if (item.status == 0)
        markItemRead(item);
    return true;
}

void MainWindow::eventSelectAll()
{
    m_entities->selectAll();
}

void MainWindow::eventFilter(const QString &text)
{
    m_entities->applyFilter(text);
}

void MainWindow::eventInboxAction()
{
    m_tray->clearNewItems();
}
