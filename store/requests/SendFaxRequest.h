#pragma once

#include "AttachmentInfo.h"

#include <QStringList>

// Argument of a send-fax task. Owns its attachments, hence not copyable.
class SendFaxRequest
{
public:
    SendFaxRequest() = default;
    SendFaxRequest(const SendFaxRequest &) = delete;
    SendFaxRequest &operator=(const SendFaxRequest &) = delete;
    ~SendFaxRequest();

    int taskid = 0;
    int remoteid = 0;
    int sentstatus = 0;
    QStringList numbers;
    QList<AttachmentInfo *> attachments;
    QString content;
    QString header;
    int coverpage = 0;
    int dithering = 0;
    QString report;
};
