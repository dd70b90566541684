#pragma once

#include "BaseSMSSentInfo.h"

class qtSMSSentInfo : public BaseSMSSentInfo
{
public:
    qtSMSSentInfo(int id, int status);

    qtSMSSentInfo *clone() const override;

    // The sent SMS that replaces a pending one once the service has queued it; see qtFAXSentInfo.
    static qtSMSSentInfo *queuedCopy(const BaseSMSSentInfo &pending, int newId);
};
