#pragma once

#include "BaseRecipients.h"

class ForwardEntry;

// An e-mail forward shown in the Outbox while its task is not yet confirmed.
class EMAILSentInfoRegister : public BaseRecipients
{
public:
    EMAILSentInfoRegister();

    EMAILSentInfoRegister *clone() const override;

    // The caller owns the result.
    static EMAILSentInfoRegister *fromForwardEntry(const ForwardEntry &entry, int folderId);
};
