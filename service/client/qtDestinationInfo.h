#pragma once

#include <QString>

// One fax region offered by the sign-up service.
class qtDestinationInfo
{
public:
    int id = 0;
    // The id of the region that contains this one.
    int parentid = 0;
    QString destination;
};
