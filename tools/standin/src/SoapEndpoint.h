#pragma once

#include "FaultInjector.h"
#include "HttpReply.h"
#include "HttpRequest.h"
#include "RequestLog.h"
#include "ServiceContext.h"
#include "SoapXmlDecoder.h"

// Answers the POSTs of both web services: logs the call, applies an armed
// fault, checks the credentials, answers the operations that the client never
// calls with a Server fault, and runs the rest through the generated skeleton.
class SoapEndpoint
{
public:
    SoapEndpoint(Mailbox &mailbox, const ServiceSettings &settings, RequestLog &log, FaultInjector &faults);

    // True for the two service addresses, "/index.php?service=Qelvox" and "...=Client".
    static bool isServiceRequest(const HttpRequest &request);
    HttpReply handle(const HttpRequest &request, bool https);

private:
    QByteArray serve(const HttpRequest &request, const QString &service, const SoapCall &call,
                     ServiceContext &context);

    Mailbox &mailbox;
    const ServiceSettings &settings;
    RequestLog &log;
    FaultInjector &faults;
};
