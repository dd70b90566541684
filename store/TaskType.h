#pragma once

#include <QString>

// Task type codes. The argument each type carries is noted; "none" is int 0.
namespace TaskType {
enum Code : int {
    LOGIN = 0,                   // none; run only by the log-in dialog, never queued
    IMPORT_OUTLOOK_CONTACTS = 1, // none
    REGISTER_APP = 2,            // none
    GET_SHIFT_TIME = 3,          // none
    GET_INBOX_OUTBOX_ID = 4,     // none
    REVIEW_OBJECTS = 5,          // none
    SEND_SMS = 6,                // SendSmsRequest*
    SEND_FAX = 7,                // SendFaxRequest*
    SEND_FORWARD = 8,            // ForwardEntry*
    CHECK_APP_VERSION = 9,       // none
    CHANGE_GROUP = 10,           // qtContactGroupInfo*
    CHANGE_CONTACT = 11,         // qtContactInfo*
    DELETE_OBJECT = 12,          // ObjectsRequest*
    MARK_READ = 13,              // ObjectsRequest*
    MARK_UNREAD = 14,            // ObjectsRequest*
    CHANGE_FOLDER = 15,          // QelFolderInfo*
    MOVE_TO_FOLDER = 16,         // MoveToFolderRequest*
    GET_FAX_RECEIVED = 17,       // qtFAXReceivedInfo*
    GET_VOICE_RECEIVED = 18,     // qtVOICEReceivedInfo*
    GET_SMS_SENT = 19,           // qtSMSSentInfo*
    GET_FAX_SENT = 20,           // qtFAXSentInfo*
    GET_CONTACT_GROUP = 21,      // qtContactGroupInfo*
    GET_CONTACT = 22,            // qtContactInfo*
    GET_OBJECTS = 23,            // QList<ObjectRef>*, at most 20
    SET_TIMESTAMP = 24,          // int timestamp of the change list that produced the fetch tasks
    GET_MODIFIED_OBJECTS = 25,   // none
};
} // namespace TaskType

namespace TaskType {
// The name under which a task of the type is persisted; empty for the types that are never persisted.
QString persistedName(int type);
// The type persisted under the name; -1 for any other text (compared exactly).
int fromPersistedName(const QString &name);
} // namespace TaskType
