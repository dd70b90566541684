#pragma once

// Writes one message the way the service proxies write a request: mark the record, count the
// envelope's length in the engine's counting pass, then write it in the sending pass, here into
// a buffer instead of a socket.

#include "BindingWriters.h"

#include <functional>
#include <sstream>
#include <string>

struct WrittenMessage
{
    int result = SOAP_OK;
    size_t counted = 0; // the Content-Length the counting pass found
    std::string bytes;  // what the sending pass wrote
};

class MessageWriter
{
public:
    explicit MessageWriter(struct soap *soap) : soap(soap) {}

    // body writes the content of SOAP-ENV:Body; mark marks what it writes.
    WrittenMessage write(const std::function<void()> &mark, const std::function<int()> &body)
    {
        soap_begin(soap);
        soap_serializeheader(soap);
        mark();
        WrittenMessage written;
        soap_begin_count(soap);
        if ((soap->mode & SOAP_IO_LENGTH) && envelope(body)) {
            written.result = soap->error;
            return written;
        }
        soap_end_count(soap);
        written.counted = soap->count;
        std::ostringstream out;
        soap->os = &out;
        soap_begin_send(soap);
        written.result = envelope(body) ? soap->error : soap_end_send(soap);
        soap->os = nullptr;
        written.bytes = out.str();
        return written;
    }

    template <class T>
    WrittenMessage write(const T &record, void (*mark)(struct soap *, const T *),
                         int (*put)(struct soap *, const T *, const char *, const char *), const char *tag)
    {
        return write([&] { mark(soap, &record); }, [&] { return put(soap, &record, tag, nullptr); });
    }

    // Writes a value outside any envelope, as the element and top-level writers produce it alone.
    // It goes inside a wrapper element that takes the namespace declarations and is then cut away.
    std::string fragment(const std::function<void()> &mark, const std::function<int()> &body, int *result)
    {
        soap_begin(soap);
        mark();
        std::ostringstream out;
        soap->os = &out;
        soap_begin_send(soap);
        soap_element_begin_out(soap, "wrapper", 0, nullptr);
        *result = body();
        soap_element_end_out(soap, "wrapper");
        soap_end_send(soap);
        soap->os = nullptr;
        const std::string text = out.str();
        const size_t begin = text.find('>', text.find("<wrapper")) + 1;
        return text.substr(begin, text.rfind("</wrapper>") - begin);
    }

private:
    int envelope(const std::function<int()> &body)
    {
        return soap_envelope_begin_out(soap) || soap_putheader(soap) || soap_body_begin_out(soap) || body() ||
               soap_body_end_out(soap) || soap_envelope_end_out(soap);
    }

    struct soap *soap;
};
