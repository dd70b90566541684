#pragma once

#include "BindingReaders.h"
#include "BindingWriters.h"

#include <array>
#include <cstdio>
#include <iosfwd>

// The engine and the exchange shared by both service proxies. A proxy is itself the engine through
// which it talks; each generated proxy adds one method per operation of its service, and every such
// method makes one complete exchange: one HTTP POST of the request, then the reading of the reply.
// Objects read from a reply belong to the engine until destroy() or the next soap_destroy.
// One call at a time per proxy; it takes no lock, so the caller serialises the calls.
class ServiceProxy : public soap
{
public:
    ServiceProxy(const ServiceProxy &) = delete;
    ServiceProxy &operator=(const ServiceProxy &) = delete;
    // Ends the engine with every object and connection it holds. Virtual, unlike the runtime's own
    // destructor, so that a proxy can be deleted as a ServiceProxy.
    virtual ~ServiceProxy();

    // Endpoint URL of the next call, not owned. A call that finds it null stores the service's
    // built-in endpoint in it and uses that.
    const char *soap_endpoint = nullptr;

    // Deletes every object that the engine made, then frees its temporary data.
    virtual void destroy();
    // The next request goes without a SOAP header.
    virtual void soap_noheader();
    // The fault read last, or null.
    virtual SOAP_ENV__Fault *soap_fault();
    // The fault's string and detail texts; an empty fault record is made first when there is none.
    virtual const char *soap_fault_string();
    virtual const char *soap_fault_detail();
    virtual int soap_close_socket();
    virtual void soap_print_fault(FILE *fd);
    virtual void soap_stream_fault(std::ostream &os);
    virtual char *soap_sprint_fault(char *buf, size_t len);

    // The functions and names of one operation's request and reply records.
    template <class Request, class Reply> struct Operation
    {
        const char *element; // the request's element name
        const char *action;  // its SOAPAction
        void (*mark)(struct soap *, const Request *);
        int (*put)(struct soap *, const Request *, const char *tag, const char *type);
        void (*reset)(struct soap *, Reply *);
        Reply *(*get)(struct soap *, Reply *, const char *tag, const char *type);
    };

protected:
    using NamespaceTable = std::array<Namespace, 6>;

    // The engine is set up as by init(0, 0).
    ServiceProxy(const char *defaultEndpoint, const NamespaceTable &table);

    // Input mode := imode, output and current mode := omode, no endpoint, the proxy's own namespaces.
    void init(int imode, int omode);

    // The envelope and schema rows of the program-wide namespace table, then the row of the service
    // with the given prefix.
    static NamespaceTable namespaceTable(const char *prefix);

    // The exchange of an operation whose result is the single int or text member of its reply.
    template <class Request, class Reply, class Value>
    int exchangeValue(const Operation<Request, Reply> &op, const Request &request, Value Reply::*member,
                      Value &result)
    {
        if (int status = send(op, request))
            return status;
        resetValue(&result);
        Reply *reply = nullptr;
        if (int status = receive([&] { return (reply = op.get(this, nullptr, "", "")) != nullptr; }))
            return status;
        result = reply->*member;
        return soap_closesock(this);
    }

    // The exchange of an operation whose reply is read into the caller's response record.
    template <class Request, class Reply>
    int exchangeRecord(const Operation<Request, Reply> &op, const Request &request, Reply &result)
    {
        if (int status = send(op, request))
            return status;
        op.reset(this, &result);
        if (int status = receive([&] { return op.get(this, &result, "", "") != nullptr; }))
            return status;
        return soap_closesock(this);
    }

private:
    // Counts the request's length, connects (the head names the action) and sends it.
    template <class Request, class Reply>
    int send(const Operation<Request, Reply> &op, const Request &request)
    {
        beginRequest();
        op.mark(this, &request);
        const auto body = [&] { return op.put(this, &request, op.element, nullptr); };
        if (soap_begin_count(this) || ((mode & SOAP_IO_LENGTH) && writeMessage(body)) || soap_end_count(this))
            return error;
        if (soap_connect(this, soap_endpoint, op.action))
            return proxyRefusal(soap_closesock(this), Stage::Connect);
        if (writeMessage(body) || soap_end_send(this))
            return soap_closesock(this);
        return SOAP_OK;
    }

    template <class Body> bool writeMessage(const Body &body)
    {
        return soap_envelope_begin_out(this) || soap_putheader(this) || soap_body_begin_out(this) || body() ||
               soap_body_end_out(this) || soap_envelope_end_out(this);
    }

    // Reads the reply up to its body, lets read take the body's element and reads the rest; the
    // connection stays open on success so that the caller can take its result first.
    template <class Read> int receive(const Read &read)
    {
        if (int status = beginReply())
            return status;
        if (!read() || error)
            return recvFault(0);
        return endReply();
    }
    // The runtime's fault reading, with the fault's kind decided by the namespace of its code.
    int recvFault(int check);
    enum class Stage { Connect, Reply };
    // A failure at that stage as the proxy's refusal (see proxyRefusedCredentials), when the proxy gave it:
    // any error status to the tunnel request during the connect, or a 407 to a plain request in the reply.
    // Any other failure keeps its status.
    int proxyRefusal(int failure, Stage stage);
    // The engine's head reader: the runtime's, noting the status of the proxy's answer to a tunnel request.
    static int parseHead(struct soap *engine);

    void beginRequest();
    int beginReply();
    int endReply();
    void resetValue(int *value);
    void resetValue(std::string *value);

    int (*runtimeParse)(struct soap *) = nullptr;
    // The status of the proxy's answer to this call's tunnel request; 0 when there was none.
    int tunnelStatus = 0;
    const char *const defaultEndpoint;
    const NamespaceTable &ownNamespaces;
};
