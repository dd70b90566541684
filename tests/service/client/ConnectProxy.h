#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QSemaphore>
#include <QThread>
#include <atomic>

// A loopback HTTP proxy that only tunnels (CONNECT) and records each request's head; a test may make it
// refuse every request instead, or close each connection unanswered. It runs on a thread of its own, so that
// the test's thread may block in a call that goes through it. Every host name leads to 127.0.0.1, so a
// test can also reach the stand-in under a name that its certificate lacks.
class ConnectProxy : public QThread
{
public:
    struct Tunnel
    {
        QByteArray target;        // host:port of the CONNECT line
        QByteArray authorization; // the Proxy-Authorization value, empty when absent
    };

    // Listens once the constructor returns.
    ConnectProxy();
    ~ConnectProxy() override;

    quint16 port() const { return listeningPort; }
    QList<Tunnel> tunnels() const;
    void clear();

    // Every tunnel leads to this loopback port instead of the one asked for (0: the one asked for), so that
    // a client built for another port reaches a test's service.
    void redirectTo(quint16 port) { upstreamPort = port; }
    // While false, every connection is closed at once, as by a service out of reach.
    void setReachable(bool reachable) { open = reachable; }
    // How each request (CONNECT or plain) is answered from now on: with this status line and no tunnel
    // ("407 Proxy Authentication Required" asks for credentials), or, with an empty status, tunnelled.
    void refuseWith(const QByteArray &status);
    // While set, each connection is closed once its request has arrived, without a byte of answer.
    void setAnswering(bool answering) { answers = answering; }
    // Connections accepted, closed at once or not.
    int connections() const { return accepted; }

protected:
    void run() override;

private:
    void record(const Tunnel &tunnel);
    QByteArray refusal() const;

    QSemaphore ready;
    quint16 listeningPort = 0;
    std::atomic<quint16> upstreamPort{0};
    std::atomic<bool> open{true};
    std::atomic<bool> answers{true};
    std::atomic<int> accepted{0};
    mutable QMutex mutex;
    QList<Tunnel> opened;
    QByteArray refusalStatus;
};
