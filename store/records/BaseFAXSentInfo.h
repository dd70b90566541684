#pragma once

#include "BaseRecipients.h"

class BaseFAXSentInfo : public BaseRecipients
{
public:
    BaseFAXSentInfo(int type, int id, int folderid, int status, const QString &date)
        : BaseRecipients(type, id, folderid, status, date)
    {
    }

    BaseFAXSentInfo *clone() const override = 0;

    int faxtype = 0;
    int pagescount = 0;
};
