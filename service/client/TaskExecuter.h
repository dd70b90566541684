#pragma once

#include "ChangeList.h"
#include "TaskItem.h"
#include "qtAuthenticateInfo.h"

#include <QString>
#include <QThread>
#include <string>

class qtObjectsInfo;

// Runs one queued task against the service on its own thread and leaves the result code and the outputs
// in its members for the owner. Everything but run() happens on the owner's (GUI) thread, and the owner
// touches the members only while no run is pending: from before start() until signalEnd.
class TaskExecuter : public QThread
{
    Q_OBJECT

public:
    // The result of a task that makes no call returning a service status; applied like a success.
    static constexpr int noStatus = -3333;

    explicit TaskExecuter(QObject *parent = nullptr);
    // Blocks until a pending run has ended (the facade's time-outs bound it): a thread object must not die
    // under its thread. Releases a fetched batch that the owner did not take.
    ~TaskExecuter() override;

    // Runs currentTask's work for the given type once. False, with nothing started, while a run is pending,
    // after stop(), or when the type needs a record and currentTask carries none.
    bool start(int type);

    // Abandons the executer: no signalEnd follows, not even for a run that ended a moment ago, and it
    // deletes itself once its run has ended (at once when idle). The caller drops its pointer and uses a
    // fresh executer for the next attempt. Meant for the log-in, whose record the executer owns: a task
    // record must stay valid until the run ends.
    void stop();

    int taskType = -1;
    // Sent by the change query; written by the owner.
    int syncTimestamp = 0;
    int resultCode = noStatus;
    // The int reply of an operation that answers one.
    int outValue = -1;
    int inboxId = 0;
    int outboxId = 0;
    // Filled by the owner before a log-in; the run writes the result code and the customer id.
    qtAuthenticateInfo login;
    // The task to run; its argument points at a record that the owner keeps.
    TaskItem currentTask;
    ChangeList changes;
    // A fetched batch, handed over to the owner, who deletes it and sets the pointer back to null.
    qtObjectsInfo *objects = nullptr;
    std::string latestVersion;
    QString updateUrl;
    // The update check's status; its result stays noStatus, so that the check never changes the online look.
    int versionStatus = 0;
    QString csvPath;
    int timeShift = 0;

signals:
    // After each run that was not abandoned; the outputs are in place.
    void signalEnd();

protected:
    void run() override;

private slots:
    void eventFinished();

private:
    using Work = void (TaskExecuter::*)();
    // The work of a type; null for a type that calls nothing.
    static Work workOf(int type);

    // The task's record, which start() made sure of for every type with work that takes one.
    template <typename T> T *record() const;
    template <typename T> void send(int (*operation)(T *));

    void authenticate();
    void importOutlookContacts();
    void registerApp();
    void getShiftTime();
    void getInboxOutboxId();
    void reviewObjects();
    void sendSms();
    void sendFax();
    void forward();
    void checkAppVersion();
    void changeContactGroup();
    void changeContact();
    void deleteObjects();
    void markRead();
    void markUnread();
    void changeFolder();
    void moveToFolder();
    void getObjects();
    void getModifiedObjects();

    bool m_pending = false;
    bool m_abandoned = false;
};
