#pragma once

#include "ControlEndpoint.h"
#include "FaultInjector.h"
#include "FileShelf.h"
#include "HttpServer.h"
#include "Mailbox.h"
#include "RequestLog.h"
#include "SoapEndpoint.h"
#include "StandinOptions.h"
#include "StateStore.h"

#include <QObject>
#include <QTimer>

// The stand-in service as a whole: state, endpoints and listeners.
class Standin : public QObject
{
    Q_OBJECT

public:
    explicit Standin(const StandinOptions &options, QObject *parent = nullptr);

    // Seeds, creates the certificates and listens; prints the ports and "ready" on success.
    // Returns false with a message on standard error otherwise.
    bool start();

signals:
    void shutdownRequested();

private:
    HttpReply route(const HttpRequest &request, bool https);
    HttpReply dispatch(const HttpRequest &request, bool https);
    bool seed();
    void deliverDueItems();

    StandinOptions options;
    StateStore store;
    Mailbox mailbox;
    ServiceSettings settings;
    RequestLog log;
    FaultInjector faults;
    FileShelf files;
    HoldGate holds;
    SoapEndpoint soap;
    ControlEndpoint control;
    HttpServer server;
    QTimer deliveryTimer;
};
