#pragma once

#include "InstanceChannel.h"
#include "SeamFactory.h"

#include <QLocalServer>

// The channel as a local socket in the user's runtime directory, readable by that user only. A socket left
// behind by a crashed instance answers no connection and is replaced; a lock file beside it makes the
// decision of two simultaneous starts one after the other.
class LocalInstanceChannel : public InstanceChannel
{
    Q_OBJECT

public:
    Claim claim() override;
    QString errorText() const override { return m_error; }

    // The socket's path for the current user.
    static QString socketPath();

private:
    bool askOwnerToShow();
    bool listen();

    QLocalServer m_server;
    QString m_error;
};

using InstanceChannelFactory = SeamFactory<InstanceChannel, LocalInstanceChannel>;
