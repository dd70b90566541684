#pragma once

#include "BaseContactInfo.h"

// A contact read from the Outlook export; never cached and never sent to the service.
class OutlookContactInfo : public BaseContactInfo
{
public:
    OutlookContactInfo();

    OutlookContactInfo *clone() const override;
};
