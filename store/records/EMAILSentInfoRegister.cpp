#include "EMAILSentInfoRegister.h"

#include "ForwardEntry.h"
#include "ObjectType.h"

EMAILSentInfoRegister::EMAILSentInfoRegister() : BaseRecipients(ObjectType::PendingEmail, 0, 0, 0, QString())
{
}

EMAILSentInfoRegister *EMAILSentInfoRegister::clone() const
{
    return new EMAILSentInfoRegister(*this);
}

EMAILSentInfoRegister *EMAILSentInfoRegister::fromForwardEntry(const ForwardEntry &entry, int folderId)
{
    auto *pending = new EMAILSentInfoRegister;
    pending->setPending(entry.taskid, folderId, QStringList{entry.to});
    return pending;
}
