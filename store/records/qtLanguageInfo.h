#pragma once

#include <QString>

class qtLanguageInfo
{
public:
    QString code;
    QString language;
};
