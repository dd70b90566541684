#pragma once

#include "FaultInjector.h"
#include "FileShelf.h"
#include "HoldGate.h"
#include "HttpReply.h"
#include "HttpRequest.h"
#include "Mailbox.h"
#include "RequestLog.h"
#include "ServiceContext.h"

#include <functional>

// The test control interface under "/control/": seeding, advancing sent items,
// new received faxes, raw change entries, fault injection, held replies, served
// files, the announced version, the request log and shutdown. Bodies and answers are JSON.
class ControlEndpoint
{
public:
    struct Parts
    {
        Mailbox &mailbox;
        ServiceSettings &settings;
        RequestLog &log;
        FaultInjector &faults;
        FileShelf &files;
        HoldGate &holds;
        std::function<void()> shutdown;
    };

    explicit ControlEndpoint(const Parts &parts);

    static bool isControlRequest(const HttpRequest &request);
    HttpReply handle(const HttpRequest &request);

private:
    HttpReply seed(const QJsonObject &body);
    HttpReply advance(const QJsonObject &body);
    HttpReply receivedFax(const QJsonObject &body);
    HttpReply change(const QJsonObject &body);
    HttpReply inject(const QJsonObject &body);
    HttpReply file(const QJsonObject &body);
    HttpReply appVersion(const QJsonObject &body);
    std::optional<Account> account(const QJsonObject &body);

    Parts parts;
};
