#pragma once

#include "BaseObject.h"

#include <QString>

class BaseContactInfo : public BaseObject
{
public:
    BaseContactInfo(int type, int id) : BaseObject(type, id) {}

    BaseContactInfo *clone() const override = 0;

    int groupid = 0;
    QString name;
    QString number;
    QString gsmnumber;
};
