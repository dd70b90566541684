#pragma once

// Receives one raw HTTP reply (status line, headers and SOAP envelope) on an engine through its
// receive callback, with the sequence of calls that a service proxy makes, so that the readers meet
// exactly what they meet behind a socket.

#include "BindingReaders.h"

#include <algorithm>
#include <cstring>
#include <string>

class ReplyReceiver
{
public:
    // The engine must outlive the receiver; it is configured as the client configures its engines.
    explicit ReplyReceiver(struct soap *soap) : soap(soap) {}

    // Reads the reply in bytes with getter, the operation's top-level reader, called with the empty tag
    // and type as the proxies call it; returns the code a proxy would return (0 on success).
    template <class T>
    int receive(const std::string &bytes, T *(*getter)(struct soap *, T *, const char *, const char *),
                T *target)
    {
        return run(bytes, [&] { return getter(soap, target, "", "") != nullptr; });
    }

    // As receive, for a reader that hands back what it made (a target of null).
    template <class T>
    int receive(const std::string &bytes, T *(*getter)(struct soap *, T *, const char *, const char *),
                T **made)
    {
        return run(bytes, [&] { return (*made = getter(soap, nullptr, "", "")) != nullptr; });
    }

    // The error that the getter left, before the runtime looked for a fault instead.
    int readerError = SOAP_OK;

private:
    template <class Read> int run(const std::string &bytes, Read read)
    {
        input = &bytes;
        readerError = SOAP_OK;
        offset = 0;
        soap_begin(soap);
        soap->user = this;
        soap->frecv = feed;
        soap->socket = SOAP_INVALID_SOCKET;
        if (soap_begin_recv(soap) || soap_envelope_begin_in(soap) || soap_recv_header(soap) ||
            soap_body_begin_in(soap))
            return soap->error;
        if (soap_recv_fault(soap, 1))
            return soap->error;
        bool read_ = read();
        readerError = soap->error;
        if (!read_ || soap->error)
            return soap_recv_fault(soap, 0);
        if (soap_body_end_in(soap) || soap_envelope_end_in(soap) || soap_end_recv(soap))
            return soap->error;
        return SOAP_OK;
    }

    static size_t feed(struct soap *soap, char *buffer, size_t length)
    {
        auto *self = static_cast<ReplyReceiver *>(soap->user);
        size_t n = std::min(length, self->input->size() - self->offset);
        std::memcpy(buffer, self->input->data() + self->offset, n);
        self->offset += n;
        return n;
    }

    struct soap *soap;
    const std::string *input = nullptr;
    size_t offset = 0;
};
