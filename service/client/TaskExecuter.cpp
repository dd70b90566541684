#include "TaskExecuter.h"

#include "ForwardEntry.h"
#include "MoveToFolderRequest.h"
#include "ObjectRef.h"
#include "ObjectsRequest.h"
#include "QelFolderInfo.h"
#include "QelvoxAPI.h"
#include "RecordVariant.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "SettingsStore.h"
#include "TaskKind.h"
#include "TaskType.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"
#include "qtObjectsInfo.h"

#include <QFile>
#include <QProcess>
#include <array>

namespace {

// An exporter that hangs would hold the task pump, and the owner's destruction, for ever.
constexpr int exporterTimeoutMs = 5 * 60 * 1000;

} // namespace

TaskExecuter::TaskExecuter(QObject *parent)
    : QThread(parent), currentTask(TaskType::GET_MODIFIED_OBJECTS, QVariant(0))
{
    // Queued: finished comes from the worker thread, and the abandoned flag is read on this one.
    connect(this, &QThread::finished, this, &TaskExecuter::eventFinished);
}

TaskExecuter::~TaskExecuter()
{
    wait();
    delete objects;
}

TaskExecuter::Work TaskExecuter::workOf(int type)
{
    using E = TaskExecuter;
    // Indexed by task type; types 17 to 22 are never queued and 24 only marks a timestamp for the owner.
    static const std::array<Work, 26> works = {
        &E::authenticate,
        &E::importOutlookContacts,
        &E::registerApp,
        &E::getShiftTime,
        &E::getInboxOutboxId,
        &E::reviewObjects,
        &E::sendSms,
        &E::sendFax,
        &E::forward,
        &E::checkAppVersion,
        &E::changeContactGroup,
        &E::changeContact,
        &E::deleteObjects,
        &E::markRead,
        &E::markUnread,
        &E::changeFolder,
        &E::moveToFolder,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        &E::getObjects,
        nullptr,
        &E::getModifiedObjects,
    };
    return type >= 0 && type < int(works.size()) ? works[size_t(type)] : nullptr;
}

bool TaskExecuter::start(int type)
{
    if (m_pending || m_abandoned)
        return false;
    const TaskKind *kind = TaskKind::of(type);
    if (workOf(type) && kind->argument != TaskArgument::None && !holdsRecord(currentTask.argument))
        return false;
    taskType = type;
    m_pending = true;
    QThread::start(QThread::InheritPriority);
    return true;
}

void TaskExecuter::stop()
{
    m_abandoned = true;
    if (!m_pending)
        deleteLater();
}

void TaskExecuter::eventFinished()
{
    m_pending = false;
    if (m_abandoned)
        deleteLater();
    else
        emit signalEnd();
}

void TaskExecuter::run()
{
    resultCode = noStatus;
    outValue = -1;
    if (const Work work = workOf(taskType))
        (this->*work)();
}

template <typename T> T *TaskExecuter::record() const
{
    return taskRecord<T>(taskType, currentTask.argument);
}

template <typename T> void TaskExecuter::send(int (*operation)(T *))
{
    T *request = record<T>();
    // A send that fails keeps these, so the owner can tell it from a refusal.
    request->remoteid = 0;
    request->sentstatus = 2;
    resultCode = operation(request);
}

void TaskExecuter::authenticate()
{
    QelvoxAPI::authenticate(&login);
}

void TaskExecuter::importOutlookContacts()
{
    csvPath = SettingsStore::instance().outlookCsvPath();
    QFile::remove(csvPath);
    QProcess exporter;
    exporter.start(SettingsStore::outlookExporterPath(), {csvPath});
    // Neither a missing exporter nor its exit code is an error: the owner reads whatever file it left.
    if (!exporter.waitForStarted() || exporter.waitForFinished(exporterTimeoutMs))
        return;
    exporter.kill();
    exporter.waitForFinished();
    // Half a file would import half the contacts as if they were all.
    QFile::remove(csvPath);
}

void TaskExecuter::registerApp()
{
    resultCode = QelvoxAPI::registerApp(appVersion().toStdString(), &outValue);
}

void TaskExecuter::getShiftTime()
{
    resultCode = QelvoxAPI::getShiftTime(&timeShift);
}

void TaskExecuter::getInboxOutboxId()
{
    inboxId = 0;
    outboxId = 0;
    resultCode = QelvoxAPI::getInboxOutboxID(&inboxId, &outboxId, &outValue);
}

void TaskExecuter::reviewObjects()
{
    changes.clear();
    resultCode = QelvoxAPI::reviewObjects(&changes);
}

void TaskExecuter::sendSms()
{
    send<SendSmsRequest>(&QelvoxAPI::sendSmsAsynchronous);
}

void TaskExecuter::sendFax()
{
    send<SendFaxRequest>(&QelvoxAPI::sendFaxRegister);
}

void TaskExecuter::forward()
{
    send<ForwardEntry>(&QelvoxAPI::forwardAsynchronous);
}

void TaskExecuter::checkAppVersion()
{
    latestVersion.clear();
    updateUrl.clear();
    versionStatus = QelvoxAPI::getAppVersion(&latestVersion, &updateUrl);
}

void TaskExecuter::changeContactGroup()
{
    resultCode = QelvoxAPI::updateContactGroupInfo(record<qtContactGroupInfo>());
}

void TaskExecuter::changeContact()
{
    resultCode = QelvoxAPI::updateContactInfo(record<qtContactInfo>());
}

void TaskExecuter::deleteObjects()
{
    resultCode = QelvoxAPI::deleteObjects(record<ObjectsRequest>(), &outValue);
}

void TaskExecuter::markRead()
{
    resultCode = QelvoxAPI::changeStatus(record<ObjectsRequest>(), true, &outValue);
}

void TaskExecuter::markUnread()
{
    resultCode = QelvoxAPI::changeStatus(record<ObjectsRequest>(), false, &outValue);
}

void TaskExecuter::changeFolder()
{
    resultCode = QelvoxAPI::renameFolder(record<QelFolderInfo>());
}

void TaskExecuter::moveToFolder()
{
    resultCode = QelvoxAPI::moveToFolder(record<MoveToFolderRequest>(), &outValue);
}

void TaskExecuter::getObjects()
{
    // A batch the owner has not taken yet is replaced only by a successful fetch, never leaked.
    qtObjectsInfo *fetched = nullptr;
    resultCode = QelvoxAPI::getObjects(record<QList<ObjectRef>>(), &fetched);
    if (!fetched)
        return;
    delete objects;
    objects = fetched;
}

void TaskExecuter::getModifiedObjects()
{
    changes.clear();
    resultCode = QelvoxAPI::getModifiedObjects(syncTimestamp, &changes);
}
