#pragma once

#include "BaseSMSSentInfo.h"

#include <QStringList>

class ForwardEntry;
class SendSmsRequest;

// An SMS shown in the Outbox while its send or forward task is not yet confirmed.
class SMSSentInfoRegister : public BaseSMSSentInfo
{
public:
    SMSSentInfoRegister();

    SMSSentInfoRegister *clone() const override;

    // The caller owns the results.
    static SMSSentInfoRegister *fromForwardEntry(const ForwardEntry &entry, int folderId);
    static SMSSentInfoRegister *fromSendSmsRequest(const SendSmsRequest &request, int folderId);

    QStringList recipientlist;
};
