#pragma once

#include "BaseObject.h"

#include <QString>

class BaseForView : public BaseObject
{
public:
    BaseForView(int type, int id, int folderid, int status, const QString &date)
        : BaseObject(type, id), folderid(folderid), status(status), date(date)
    {
    }

    BaseForView *clone() const override = 0;

    int folderid;
    int status;
    QString date;
    QString shifteddate;
};
