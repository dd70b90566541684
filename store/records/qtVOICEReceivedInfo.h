#pragma once

#include "BaseForView.h"

class qtVOICEReceivedInfo : public BaseForView
{
public:
    qtVOICEReceivedInfo(int id, int status);

    qtVOICEReceivedInfo *clone() const override;

    int duration = 0;
    QString sender;
};
