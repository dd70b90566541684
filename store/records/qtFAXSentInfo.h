#pragma once

#include "BaseFAXSentInfo.h"

class qtFAXSentInfo : public BaseFAXSentInfo
{
public:
    qtFAXSentInfo(int id, int status);

    qtFAXSentInfo *clone() const override;

    // The sent fax that replaces a pending one once the service has queued it: every fax field copied,
    // then the service's id, type 1 and "queued at the service". The caller owns the result.
    static qtFAXSentInfo *queuedCopy(const BaseFAXSentInfo &pending, int newId);
};
