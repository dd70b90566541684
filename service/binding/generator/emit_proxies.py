"""Emits the client proxies of the two services that the client calls: one class per service,
derived from the hand-written ServiceProxy (service/client), with one method per operation. A
method builds the operation's request record from its arguments and hands it, with the names and
message functions of the operation, to the exchange that ServiceProxy shares between all of them."""

from cppfile import write
from model import DescriptionError

EMITTER = "emit_proxies.py"

# Service prefix: the proxy class and the ServiceEndpoints constant of its built-in endpoint.
PROXIES = {"ns1": ("QelvoxProxy", "account"), "ns3": ("ClientProxy", "signup")}

OUTPUTS = [name + ext for name, _ in PROXIES.values() for ext in (".h", ".cpp")]

HEADER = """#pragma once

#include "ServiceProxy.h"

#include <string>

// The client of the service {service} ({uri}): one method per operation, each one complete
// exchange with the service. Every method returns the engine's status (SOAP_OK on success). The
// result is left alone when the request cannot go out; otherwise it is reset before the reply is
// read. An int or text result is then set by a complete exchange only; a response record is read in
// place, and its return member points at an object that the engine owns.
// Blocks until the exchange ends; one call at a time (see ServiceProxy).
class {cls} : public ServiceProxy
{{
public:
    {cls}();
    ~{cls}() override;

    virtual void {cls}_init(int imode, int omode);

{methods}}};
"""

SOURCE = """#include "{cls}.h"

#include "ServiceEndpoints.h"

namespace {{

template <class Request, class Reply> using Operation = ServiceProxy::Operation<Request, Reply>;

{operations}}} // namespace

{cls}::{cls}() : ServiceProxy(ServiceEndpoints::{endpoint}, ownTable())
{{
}}

{cls}::~{cls}() = default;

const ServiceProxy::NamespaceTable &{cls}::ownTable()
{{
    static const NamespaceTable table = namespaceTable("{prefix}");
    return table;
}}

void {cls}::{cls}_init(int imode, int omode)
{{
    init(imode, omode);
}}

{bodies}"""

OPERATION = """const Operation<{q.name}, {r.name}> {key} = {{
    "{q.element}", "{uri}#{q.action}",
    soap_serialize_{q.name}, soap_put_{q.name},
    soap_default_{r.name}, soap_get_{r.name}}};

"""

VALUE_BODY = """int {cls}::{method}({params})
{{
    const {q.name} request{{{args}}};
    return exchangeValue({key}, request, &{r.name}::{member}, result);
}}

"""

RECORD_BODY = """int {cls}::{method}({params})
{{
    const {q.name} request{{{args}}};
    return exchangeRecord({key}, request, result);
}}

"""

PARAMETER = {"int": "int {m.ident}", "double": "double {m.ident}", "string": "const std::string &{m.ident}",
             "pointer": "{m.target.name} *{m.ident}"}
RESULT = {"int": "int &result", "string": "std::string &result"}


class Operation:
    """One operation of a proxy: its request and response records and the C++ names they give."""

    def __init__(self, request, response):
        self.request, self.response = request, response
        self.method = request.operation.replace("-", "_")
        self.key = "k_" + self.method
        self.result = response.members[0]
        if self.result.kind not in ("int", "string", "pointer"):
            raise DescriptionError("%s: a reply member of kind %s is no proxy result"
                                   % (response.name, self.result.kind))

    @property
    def params(self):
        params = [PARAMETER[m.kind].format(m=m) for m in self.request.members]
        params.append(RESULT.get(self.result.kind, "%s &result" % self.response.name))
        return ", ".join(params)

    @property
    def args(self):
        return ", ".join(m.ident for m in self.request.members)


def _operations(model, prefix):
    """The operations of the service with this prefix, in description order."""
    pairs = {}
    for msg in model.messages:
        if msg.service.prefix == prefix:
            pairs.setdefault(msg.operation, {})[msg.response] = msg
    ops = [Operation(pair[False], pair[True]) for pair in pairs.values()]
    return sorted(ops, key=lambda op: op.request.id)


def _body(cls, op):
    template = RECORD_BODY if op.result.kind == "pointer" else VALUE_BODY
    return template.format(cls=cls, method=op.method, params=op.params, q=op.request, args=op.args,
                           key=op.key, r=op.response, member=op.result.ident)


def _emit_proxy(model, outdir, prefix, cls, endpoint):
    service = next((s for s in model.services if s.prefix == prefix), None)
    if service is None or not service.uri:
        raise DescriptionError("no service with prefix %s and a namespace for %s" % (prefix, cls))
    ops = _operations(model, prefix)
    methods = "".join("    virtual int %s(%s);\n" % (op.method, op.params) for op in ops)
    methods += "\nprivate:\n    static const NamespaceTable &ownTable();\n"
    write(outdir, cls + ".h", EMITTER,
          HEADER.format(cls=cls, service=service.name, uri=service.uri, methods=methods))
    operations = "".join(OPERATION.format(q=op.request, r=op.response, key=op.key, uri=service.uri)
                         for op in ops)
    write(outdir, cls + ".cpp", EMITTER,
          SOURCE.format(cls=cls, endpoint=endpoint, prefix=prefix, operations=operations,
                        bodies="".join(_body(cls, op) for op in ops)))


def emit(model, outdir):
    for prefix, (cls, endpoint) in PROXIES.items():
        _emit_proxy(model, outdir, prefix, cls, endpoint)
