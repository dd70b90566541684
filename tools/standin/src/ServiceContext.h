#pragma once

#include "Mailbox.h"

#include <QList>
#include <QString>

struct soap;

// What the configuration gives the service: the version that the update check
// announces with its installer link, and the sign-up service's IP nationality.
struct ServiceSettings
{
    QString appVersion = QStringLiteral(QELVOX_VERSION);
    QString appLink;
    QString ipNationality = "FRA";
};

// Everything an operation needs besides its decoded parameters; it rides in the
// engine's user pointer for the length of one request.
struct ServiceContext
{
    Mailbox &mailbox;
    const ServiceSettings &settings;
    Account account;             // the caller, checked before an account-service operation runs
    QList<Document> attachments; // the request's MIME attachments, decoded
};

ServiceContext &serviceContext(soap *engine);
