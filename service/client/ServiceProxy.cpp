#include "ServiceProxy.h"

#include "HttpPost.h"
#include "ServiceResult.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

const char *const SoapEncoding = "http://schemas.xmlsoap.org/soap/encoding/";

enum class FaultSide { Client, Server, Other };

// Which side a fault code blames, by its namespace and local name. The reader has already rewritten the
// code's prefix: either envelope namespace reads as "SOAP-ENV", whatever the reply called it, and a
// namespace outside the table as "URI":name.
FaultSide faultSide(const char *code)
{
    if (!code)
        return FaultSide::Other;
    const std::string text(code);
    const size_t colon = text.find(':');
    if (colon == std::string::npos || text.compare(0, colon, "SOAP-ENV") != 0)
        return FaultSide::Other;
    const std::string local = text.substr(colon + 1);
    if (local == "Client" || local == "Sender")
        return FaultSide::Client;
    if (local == "Server" || local == "Receiver")
        return FaultSide::Server;
    return FaultSide::Other;
}

// The program-wide table starts with the rows SOAP-ENV, SOAP-ENC, xsi and xsd.
const size_t EnvelopeRows = 4;

} // namespace

ServiceProxy::ServiceProxy(const char *defaultEndpoint, const NamespaceTable &table)
    : defaultEndpoint(defaultEndpoint), ownNamespaces(table)
{
    init(0, 0);
    runtimeParse = fparse;
}

ServiceProxy::~ServiceProxy()
{
    // The runtime's own destructor only closes the context down; the objects and the temporary data
    // of the last reply would be lost with it.
    destroy();
}

void ServiceProxy::init(int imode, int omode)
{
    this->imode = imode;
    this->omode = omode;
    mode = omode;
    soap_endpoint = nullptr;
    soap_set_namespaces(this, ownNamespaces.data());
}

ServiceProxy::NamespaceTable ServiceProxy::namespaceTable(const char *prefix)
{
    NamespaceTable table{};
    std::copy(::namespaces, ::namespaces + EnvelopeRows, table.begin());
    for (const Namespace *row = ::namespaces + EnvelopeRows; row->id; ++row) {
        if (std::strcmp(row->id, prefix) == 0)
            table[EnvelopeRows] = *row;
    }
    return table;
}

void ServiceProxy::destroy()
{
    soap_destroy(this);
    soap_end(this);
}

void ServiceProxy::soap_noheader()
{
    header = nullptr;
}

SOAP_ENV__Fault *ServiceProxy::soap_fault()
{
    return fault;
}

const char *ServiceProxy::soap_fault_string()
{
    return ::soap_fault_string(this);
}

const char *ServiceProxy::soap_fault_detail()
{
    return ::soap_fault_detail(this);
}

int ServiceProxy::soap_close_socket()
{
    return soap_closesock(this);
}

void ServiceProxy::soap_print_fault(FILE *fd)
{
    ::soap_print_fault(this, fd);
}

void ServiceProxy::soap_stream_fault(std::ostream &os)
{
    ::soap_stream_fault(this, os);
}

char *ServiceProxy::soap_sprint_fault(char *buf, size_t len)
{
    return ::soap_sprint_fault(this, buf, len);
}

void ServiceProxy::beginRequest()
{
    if (!soap_endpoint)
        soap_endpoint = defaultEndpoint;
    encodingStyle = SoapEncoding;
    // Set on every call: re-initialising the engine puts the runtime's own head writer back.
    installHttpPost(this);
    fparse = parseHead;
    tunnelStatus = 0;
    soap_begin(this);
    soap_serializeheader(this);
}

int ServiceProxy::beginReply()
{
    if (soap_begin_recv(this))
        return proxyRefusal(soap_closesock(this), Stage::Reply);
    if (soap_envelope_begin_in(this) || soap_recv_header(this) || soap_body_begin_in(this))
        return soap_closesock(this);
    return recvFault(1);
}

int ServiceProxy::parseHead(struct soap *engine)
{
    auto *self = static_cast<ServiceProxy *>(engine);
    // The runtime writes the tunnel request with this status, and reads the proxy's answer right after.
    const bool tunnelAnswer = engine->status == SOAP_CONNECT;
    const int result = self->runtimeParse(engine);
    if (tunnelAnswer)
        self->tunnelStatus = engine->status;
    return result;
}

int ServiceProxy::proxyRefusal(int failure, Stage stage)
{
    // Over HTTPS the proxy only ever answers the tunnel request: what comes through the tunnel is the
    // service's. The runtime accepts some error answers to it (a 500 may carry a fault) and fails later,
    // in the TLS handshake, so the answer's status decides, not the failure. Over plain HTTP every reply
    // passes the proxy, and only a 407 is surely its own.
    int answer = 0;
    if (stage == Stage::Connect)
        answer = tunnelStatus >= 300 && tunnelStatus < 600 ? tunnelStatus : 0;
    else if (proxy_host && soap_tag_cmp(soap_endpoint, "http:*") == 0 && status == 407)
        answer = status;
    if (!answer)
        return failure;
    return error = answer == 407 ? proxyRefusedCredentials : proxyRefusedConnection;
}

int ServiceProxy::recvFault(int check)
{
    const int status = soap_recv_fault(this, check);
    // The runtime matches the code's prefix only against the reply's own bindings, which are gone by the
    // time it looks: a reply that names the envelope namespace other than "SOAP-ENV" would read as an
    // unknown fault, and a Server fault would then look like a refusal.
    if (!fault || (status != SOAP_CLI_FAULT && status != SOAP_SVR_FAULT && status != SOAP_FAULT))
        return status;
    const char *const *code = soap_faultcode(this);
    switch (faultSide(code ? *code : nullptr)) {
    case FaultSide::Client:
        return error = SOAP_CLI_FAULT;
    case FaultSide::Server:
        return error = SOAP_SVR_FAULT;
    default:
        return status;
    }
}

int ServiceProxy::endReply()
{
    if (soap_body_end_in(this) || soap_envelope_end_in(this) || soap_end_recv(this))
        return soap_closesock(this);
    return SOAP_OK;
}

void ServiceProxy::resetValue(int *value)
{
    soap_default_int(this, value);
}

void ServiceProxy::resetValue(std::string *value)
{
    soap_default_std__string(this, value);
}
