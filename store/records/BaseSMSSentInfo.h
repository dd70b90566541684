#pragma once

#include "BaseRecipients.h"

class BaseSMSSentInfo : public BaseRecipients
{
public:
    BaseSMSSentInfo(int type, int id, int folderid, int status, const QString &date)
        : BaseRecipients(type, id, folderid, status, date)
    {
    }

    BaseSMSSentInfo *clone() const override = 0;

    QString content;
};
