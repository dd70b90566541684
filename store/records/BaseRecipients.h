#pragma once

#include "BaseForView.h"
#include "RecipientStatus.h"

#include <QList>
#include <QStringList>

class BaseRecipients : public BaseForView
{
public:
    BaseRecipients(int type, int id, int folderid, int status, const QString &date)
        : BaseForView(type, id, folderid, status, date)
    {
    }

    BaseRecipients *clone() const override = 0;

    // For an item with a single recipient: adds that recipient with the item's delivery status.
    void appendOwnRecipient(QList<RecipientStatus> &deliveryList) const;

    int sentstatus = 0;
    int recipients = 0;
    QString recipient;

protected:
    // The common state of a pending item built for a queued send or forward.
    void setPending(int taskId, int folderId, const QStringList &numbers);
};
