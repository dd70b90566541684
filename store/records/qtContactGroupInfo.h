#pragma once

#include "BaseObject.h"
#include "qtLocalID.h"
#include "qtLocalTaskBase.h"

#include <QString>

class qtContactGroupInfo : public BaseObject, public qtLocalTaskBase, public qtLocalID
{
public:
    qtContactGroupInfo(int id, int status);

    qtContactGroupInfo *clone() const override;

    // Outcome of the group's last change task.
    int status;
    QString name;
};
