#pragma once

#include "RecordVariant.h"

#include <QList>
#include <QString>
#include <QVariant>

class ForwardEntry;
class LocalTaskReader;
class LocalTaskWriter;
class MoveToFolderRequest;
class ObjectRef;
class ObjectsRequest;
class QelFolderInfo;
class SendFaxRequest;
class SendSmsRequest;
class qtContactGroupInfo;
class qtContactInfo;
class qtFAXReceivedInfo;
class qtFAXSentInfo;
class qtSMSSentInfo;
class qtVOICEReceivedInfo;

// The record that a task's argument points at; None for an int argument.
enum class TaskArgument {
    None,
    SendSms,
    SendFax,
    Forward,
    ContactGroup,
    Contact,
    Objects,
    Folder,
    Move,
    ObjectRefs,
    FaxReceived,
    VoiceReceived,
    SmsSent,
    FaxSent,
};

// Everything the program knows about one task type code, in one row of one table (TaskKind.cpp): the
// record its argument points at, the name it is persisted under and its writer and reader, and how its
// record is released. The type list, the task queue, the persisted tasks and the worker all read it.
struct TaskKind
{
    int type;
    TaskArgument argument;
    // Null for the types that are never persisted.
    const char *persistedName;
    bool (LocalTaskWriter::*save)();
    void (LocalTaskReader::*load)();
    // Frees the argument's record as its own class; null when the argument carries none.
    void (*release)(const QVariant &argument);

    // The row of a type; null for a type outside the table.
    static const TaskKind *of(int type);
    // The row persisted under the name (compared exactly); null for any other text.
    static const TaskKind *persistedAs(const QString &name);
    // The number of rows, which are the types 0 and up.
    static int count();
};

// Frees the record of a task's argument; an int argument, or a type outside the table, frees nothing.
void releaseTaskArgument(int type, const QVariant &argument);

// The TaskArgument of each record class.
struct TaskArguments
{
    static constexpr TaskArgument of(const SendSmsRequest *) { return TaskArgument::SendSms; }
    static constexpr TaskArgument of(const SendFaxRequest *) { return TaskArgument::SendFax; }
    static constexpr TaskArgument of(const ForwardEntry *) { return TaskArgument::Forward; }
    static constexpr TaskArgument of(const qtContactGroupInfo *) { return TaskArgument::ContactGroup; }
    static constexpr TaskArgument of(const qtContactInfo *) { return TaskArgument::Contact; }
    static constexpr TaskArgument of(const ObjectsRequest *) { return TaskArgument::Objects; }
    static constexpr TaskArgument of(const QelFolderInfo *) { return TaskArgument::Folder; }
    static constexpr TaskArgument of(const MoveToFolderRequest *) { return TaskArgument::Move; }
    static constexpr TaskArgument of(const QList<ObjectRef> *) { return TaskArgument::ObjectRefs; }
    static constexpr TaskArgument of(const qtFAXReceivedInfo *) { return TaskArgument::FaxReceived; }
    static constexpr TaskArgument of(const qtVOICEReceivedInfo *) { return TaskArgument::VoiceReceived; }
    static constexpr TaskArgument of(const qtSMSSentInfo *) { return TaskArgument::SmsSent; }
    static constexpr TaskArgument of(const qtFAXSentInfo *) { return TaskArgument::FaxSent; }
};

// The argument's record when the type's argument is a T; null otherwise (an int argument, another record
// class, a type outside the table).
template <typename T> T *taskRecord(int type, const QVariant &argument)
{
    const TaskKind *kind = TaskKind::of(type);
    if (!kind || kind->argument != TaskArguments::of(static_cast<const T *>(nullptr)))
        return nullptr;
    return recordFromVariant<T>(argument);
}
