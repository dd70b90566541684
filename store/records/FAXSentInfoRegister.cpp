#include "FAXSentInfoRegister.h"

#include "ForwardEntry.h"
#include "ObjectType.h"
#include "SendFaxRequest.h"

FAXSentInfoRegister::FAXSentInfoRegister() : BaseFAXSentInfo(ObjectType::PendingFax, 0, 0, 0, QString()) {}

FAXSentInfoRegister *FAXSentInfoRegister::clone() const
{
    return new FAXSentInfoRegister(*this);
}

FAXSentInfoRegister *FAXSentInfoRegister::fromForwardEntry(const ForwardEntry &entry, int folderId)
{
    auto *pending = new FAXSentInfoRegister;
    pending->recipientlist = QStringList{entry.to};
    pending->setPending(entry.taskid, folderId, pending->recipientlist);
    return pending;
}

FAXSentInfoRegister *FAXSentInfoRegister::fromSendFaxRequest(const SendFaxRequest &request, int folderId)
{
    auto *pending = new FAXSentInfoRegister;
    pending->recipientlist = request.numbers;
    pending->setPending(request.taskid, folderId, pending->recipientlist);
    return pending;
}
