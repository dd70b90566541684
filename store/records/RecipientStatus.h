#pragma once

#include <QString>

// One line of a sent item's delivery list.
class RecipientStatus
{
public:
    RecipientStatus(const QString &recipient, int status) : recipient(recipient), status(status) {}

    QString recipient;
    int status;
};
