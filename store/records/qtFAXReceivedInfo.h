#pragma once

#include "BaseForView.h"

class qtFAXReceivedInfo : public BaseForView
{
public:
    qtFAXReceivedInfo(int id, int status);

    qtFAXReceivedInfo *clone() const override;

    int pagescount = 0;
    QString sender;
};
