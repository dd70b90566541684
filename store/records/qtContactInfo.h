#pragma once

#include "BaseContactInfo.h"
#include "qtLocalID.h"
#include "qtLocalTaskBase.h"

class qtContactInfo : public BaseContactInfo, public qtLocalTaskBase, public qtLocalID
{
public:
    qtContactInfo(int id, int status);

    qtContactInfo *clone() const override;

    // Outcome of the contact's last change task.
    int status;
};
