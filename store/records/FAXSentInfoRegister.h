#pragma once

#include "BaseFAXSentInfo.h"

#include <QStringList>

class ForwardEntry;
class SendFaxRequest;

// A fax shown in the Outbox while its send or forward task is not yet confirmed.
class FAXSentInfoRegister : public BaseFAXSentInfo
{
public:
    FAXSentInfoRegister();

    FAXSentInfoRegister *clone() const override;

    // The caller owns the results.
    static FAXSentInfoRegister *fromForwardEntry(const ForwardEntry &entry, int folderId);
    static FAXSentInfoRegister *fromSendFaxRequest(const SendFaxRequest &request, int folderId);

    QStringList recipientlist;
};
