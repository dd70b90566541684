#pragma once

#include "ChangeEntry.h"
#include "QelFolderInfo.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"
#include "qtFAXReceivedInfo.h"
#include "qtFAXSentInfo.h"
#include "qtSMSSentInfo.h"
#include "qtVOICEReceivedInfo.h"

#include <QList>

// A snapshot of fetched or cached objects; it holds its records by value.
class qtObjectsInfo
{
public:
    int timestamp = 0;
    // The service's value is not taken over; the cache fills it from the stored time shift.
    int shifttime = 0;
    QList<qtContactGroupInfo> contactgroups;
    QList<qtContactInfo> contacts;
    QList<QelFolderInfo> folders;
    QList<qtSMSSentInfo> smsessent;
    QList<qtFAXReceivedInfo> faxesreceived;
    QList<qtFAXSentInfo> faxessent;
    QList<qtVOICEReceivedInfo> voicesreceived;
    // Objects deleted on the service, each with action -1.
    QList<ChangeEntry> removed;

    // The service answers a fetch of a deleted object with its record marked deleted (status -100): every
    // such record leaves its list for the removed entries, so that it is deleted like them.
    void takeDeletedAsRemoved();
};
