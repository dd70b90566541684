#pragma once

// Type codes of the local records, carried in BaseObject::type, in the task rows and in the cache.
namespace ObjectType {
enum Code : int {
    FaxSent = 1,
    FaxReceived = 2,
    VoiceReceived = 3,
    SmsSent = 4,
    ContactGroup = 5,
    Contact = 6,
    Folder = 7,
    PendingFax = 10001,
    PendingSms = 10004,
    OutlookContact = 10006,
    PendingEmail = 10101,
};
} // namespace ObjectType
