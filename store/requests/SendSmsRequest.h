#pragma once

#include <QStringList>

// Argument of a send-SMS task.
class SendSmsRequest
{
public:
    int taskid = 0;
    int remoteid = 0;
    int sentstatus = 0;
    QStringList numbers;
    QString content;
    int unicode = 0;
};
