#pragma once

#include <QString>

// The HTTP proxy as the settings hold it, with the one rule by which every connection of the program
// decides whether to use it and with which credentials.
struct ProxySettings
{
    int enabled = 0;
    int port = 0;
    QString host;
    QString userId;
    QString password;

    // Switched on, with a host and a port that a connection can reach; a port of 0 means no proxy.
    bool isUsed() const { return enabled != 0 && !host.isEmpty() && port > 0 && port <= 65535; }
    // Credentials go to the proxy only as a pair.
    bool hasCredentials() const { return !userId.isEmpty() && !password.isEmpty(); }
    // "host:port", as the messages name the proxy.
    QString name() const { return host + u':' + QString::number(port); }

    bool operator==(const ProxySettings &other) const
    {
        return enabled == other.enabled && port == other.port && host == other.host &&
               userId == other.userId && password == other.password;
    }
    bool operator!=(const ProxySettings &other) const { return !(*this == other); }
};
