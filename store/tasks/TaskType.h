#pragma once

// Task type codes. What each type's argument is, whether and how it is persisted and how its record is
// released: TaskKind.
namespace TaskType {
enum Code : int {
    LOGIN = 0, // run only by the log-in dialog, never queued
    IMPORT_OUTLOOK_CONTACTS = 1,
    REGISTER_APP = 2,
    GET_SHIFT_TIME = 3,
    GET_INBOX_OUTBOX_ID = 4,
    REVIEW_OBJECTS = 5,
    SEND_SMS = 6,
    SEND_FAX = 7,
    SEND_FORWARD = 8,
    CHECK_APP_VERSION = 9,
    CHANGE_GROUP = 10,
    CHANGE_CONTACT = 11,
    DELETE_OBJECT = 12,
    MARK_READ = 13,
    MARK_UNREAD = 14,
    CHANGE_FOLDER = 15,
    MOVE_TO_FOLDER = 16,
    GET_FAX_RECEIVED = 17,
    GET_VOICE_RECEIVED = 18,
    GET_SMS_SENT = 19,
    GET_FAX_SENT = 20,
    GET_CONTACT_GROUP = 21,
    GET_CONTACT = 22,
    GET_OBJECTS = 23,   // at most 20 objects
    SET_TIMESTAMP = 24, // int: the timestamp of the change list that produced the fetch tasks
    GET_MODIFIED_OBJECTS = 25,
};
} // namespace TaskType
