#pragma once

// Stands in for the network under an engine through its transport callbacks: the connection opens
// without touching the network, what the engine sends is kept, and the reply comes from canned
// bytes. The engine must outlive the transport.

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstring>
#include <stdsoap2.h>
#include <sys/socket.h>
#include <unistd.h>

class FixtureTransport
{
public:
    FixtureTransport(struct soap *soap, const QByteArray &reply) : soap(soap), reply(reply)
    {
        soap->user = this;
        soap->fopen = open;
        soap->fsend = send;
        soap->frecv = receive;
        soap->fclose = close;
    }

    // The next connection fails as one to a host that does not answer.
    void refuseConnection() { refuse = true; }
    // Sending fails after the given number of bytes.
    void breakSendingAfter(qsizetype bytes) { sendLimit = bytes; }

    QByteArray sent() const { return output; }
    QByteArray head() const { return output.left(output.indexOf("\r\n\r\n")); }
    QByteArray body() const { return output.mid(output.indexOf("\r\n\r\n") + 4); }
    QByteArray headerValue(const QByteArray &name) const
    {
        for (const QByteArray &line : head().split('\n')) {
            if (line.startsWith(name + ": "))
                return line.mid(name.size() + 2).trimmed();
        }
        return QByteArray();
    }
    QByteArray requestLine() const { return head().left(head().indexOf("\r\n")); }

    QString openedEndpoint;
    QString openedHost;
    int openedPort = 0;
    int connections = 0;
    int openSockets = 0;

private:
    static FixtureTransport *self(struct soap *soap) { return static_cast<FixtureTransport *>(soap->user); }

    static SOAP_SOCKET open(struct soap *soap, const char *endpoint, const char *host, int port)
    {
        FixtureTransport *t = self(soap);
        t->openedEndpoint = QString::fromUtf8(endpoint);
        t->openedHost = QString::fromUtf8(host);
        t->openedPort = port;
        if (t->refuse) {
            soap->error = SOAP_TCP_ERROR;
            return SOAP_INVALID_SOCKET;
        }
        ++t->connections;
        ++t->openSockets;
        // A real descriptor, so that whatever the runtime does with its socket stays harmless.
        return ::socket(AF_INET, SOCK_STREAM, 0);
    }

    static int send(struct soap *soap, const char *data, size_t size)
    {
        FixtureTransport *t = self(soap);
        if (t->sendLimit >= 0 && t->output.size() + qsizetype(size) > t->sendLimit)
            return soap->error = SOAP_EOF;
        t->output.append(data, qsizetype(size));
        return SOAP_OK;
    }

    static size_t receive(struct soap *soap, char *buffer, size_t length)
    {
        FixtureTransport *t = self(soap);
        const qsizetype n = qMin(qsizetype(length), t->reply.size() - t->offset);
        memcpy(buffer, t->reply.constData() + t->offset, size_t(n));
        t->offset += n;
        return size_t(n);
    }

    static int close(struct soap *soap)
    {
        if (soap_valid_socket(soap->socket)) {
            --self(soap)->openSockets;
            ::close(soap->socket);
            soap->socket = SOAP_INVALID_SOCKET;
        }
        return SOAP_OK;
    }

    struct soap *soap;
    QByteArray reply;
    qsizetype offset = 0;
    QByteArray output;
    bool refuse = false;
    qsizetype sendLimit = -1;
};

// An HTTP reply carrying one SOAP 1.1 envelope whose body holds bodyContent.
inline QByteArray soapReply(const QByteArray &bodyContent, const QByteArray &status = "200 OK")
{
    const QByteArray envelope =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\""
        " xmlns:SOAP-ENC=\"http://schemas.xmlsoap.org/soap/encoding/\""
        " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\""
        " xmlns:ns1=\"urn:QelvoxService\" xmlns:ns3=\"urn:ClientService\""
        " SOAP-ENV:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\"><SOAP-ENV:Body>" +
        bodyContent + "</SOAP-ENV:Body></SOAP-ENV:Envelope>";
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: " +
           QByteArray::number(envelope.size()) + "\r\nConnection: close\r\n\r\n" + envelope;
}
