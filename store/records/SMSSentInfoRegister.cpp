#include "SMSSentInfoRegister.h"

#include "ForwardEntry.h"
#include "ObjectType.h"
#include "SendSmsRequest.h"

SMSSentInfoRegister::SMSSentInfoRegister() : BaseSMSSentInfo(ObjectType::PendingSms, 0, 0, 0, QString()) {}

SMSSentInfoRegister *SMSSentInfoRegister::clone() const
{
    return new SMSSentInfoRegister(*this);
}

SMSSentInfoRegister *SMSSentInfoRegister::fromForwardEntry(const ForwardEntry &entry, int folderId)
{
    auto *pending = new SMSSentInfoRegister;
    pending->content = entry.label;
    pending->recipientlist = QStringList{entry.to};
    pending->setPending(entry.taskid, folderId, pending->recipientlist);
    return pending;
}

SMSSentInfoRegister *SMSSentInfoRegister::fromSendSmsRequest(const SendSmsRequest &request, int folderId)
{
    auto *pending = new SMSSentInfoRegister;
    pending->content = request.content;
    pending->recipientlist = request.numbers;
    pending->setPending(request.taskid, folderId, pending->recipientlist);
    return pending;
}
