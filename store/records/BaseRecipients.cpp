#include "BaseRecipients.h"

void BaseRecipients::appendOwnRecipient(QList<RecipientStatus> &deliveryList) const
{
    deliveryList.append(RecipientStatus(recipient, sentstatus));
}

void BaseRecipients::setPending(int taskId, int folderId, const QStringList &numbers)
{
    id = taskId;
    folderid = folderId;
    status = 1;
    sentstatus = -2;
    recipients = int(numbers.size());
    recipient = numbers.size() == 1 ? numbers.first() : QString();
}
