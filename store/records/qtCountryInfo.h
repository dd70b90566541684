#pragma once

#include <QString>

class qtCountryInfo
{
public:
    QString code;
    QString country;
};
