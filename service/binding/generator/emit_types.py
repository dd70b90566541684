"""Emits the type model of the binding: type ids, data classes, message records,
initial values, copies, allocation and release by type id, the namespace table."""

from cppfile import each, write

OUTPUTS = ["BindingTypes.h", "BindingTypes.cpp"]
EMITTER = "emit_types.py"

HEADER = """#pragma once

#include "BindingSupport.h"

{ids}
{forward}
// Data classes. The order of the virtual operations is part of the binding's interface.
{classes}
// Message records of the operations, in type-id order.
{messages}
{class_functions}
{message_functions}
SOAP_FMAC3 void SOAP_FMAC4 soap_copy_std__string(struct soap *, int, int, void *, size_t, const void *, size_t);
SOAP_FMAC3 std::string *SOAP_FMAC4 soap_instantiate_std__string(struct soap *, int, const char *, const char *,
                                                               size_t *);
{envelope_functions}
SOAP_FMAC3 void *SOAP_FMAC4 soap_instantiate(struct soap *, int, const char *, const char *, size_t *);
SOAP_FMAC3 int SOAP_FMAC4 soap_fdelete(struct soap *, struct soap_clist *);
SOAP_FMAC3 void SOAP_FMAC4 soap_finsert(struct soap *, int, int, void *, size_t, const void *, void **);

// Releases an ArrayOfString that the application built with new, with its string table; null is allowed.
void deleteArrayOfString(ArrayOfString *array);
"""

CLASS = """class {t.name}
{{
public:
{members}    struct soap *soap;

    virtual int soap_type() const;
    virtual void soap_default(struct soap *);
    virtual void soap_serialize(struct soap *) const;
    virtual int soap_put(struct soap *, const char *tag, const char *type) const;
    virtual int soap_out(struct soap *, const char *tag, int id, const char *type) const;
    virtual void *soap_get(struct soap *, const char *tag, const char *type);
    virtual void *soap_in(struct soap *, const char *tag, const char *type);
    {t.name}();
    virtual ~{t.name}();
}};

"""

CLASS_FUNCTIONS = """SOAP_FMAC3 void SOAP_FMAC4 soap_copy_{t.name}(struct soap *, int, int, void *, size_t, const void *, size_t);
SOAP_FMAC3 {t.name} *SOAP_FMAC4 soap_instantiate_{t.name}(struct soap *, int, const char *, const char *, size_t *);
"""

MESSAGE_FUNCTIONS = """SOAP_FMAC3 void SOAP_FMAC4 soap_default_{t.name}(struct soap *, struct {t.name} *);
SOAP_FMAC3 struct {t.name} *SOAP_FMAC4 soap_instantiate_{t.name}(struct soap *, int, const char *, const char *,
    size_t *);
"""

MESSAGE_COPY = """SOAP_FMAC3 void SOAP_FMAC4 soap_copy_{t.name}(struct soap *, int, int, void *, size_t, const void *, size_t);
"""

ENVELOPE_FUNCTIONS = """SOAP_FMAC3 struct {t.name} *SOAP_FMAC4 soap_instantiate_{t.name}(struct soap *, int, const char *,
    const char *, size_t *);
"""

SOURCE = """#include "BindingTypes.h"

#include <new>

{class_bodies}
{message_bodies}
{copies}
{allocators}
SOAP_FMAC3 void *SOAP_FMAC4 soap_instantiate(struct soap *soap, int t, const char *type, const char *arrayType,
                                             size_t *n)
{{
    switch (t) {{
{instantiate_cases}    }}
    return nullptr;
}}

SOAP_FMAC3 int SOAP_FMAC4 soap_fdelete(struct soap *, struct soap_clist *p)
{{
    switch (p->type) {{
{delete_cases}    default:
        return SOAP_ERR;
    }}
    return SOAP_OK;
}}

SOAP_FMAC3 void SOAP_FMAC4 soap_finsert(struct soap *soap, int t, int tt, void *p, size_t, const void *q, void **)
{{
    switch (tt) {{
{insert_cases}    }}
}}

SOAP_NMAC struct Namespace namespaces[] = {{
    {{"SOAP-ENV", "http://schemas.xmlsoap.org/soap/envelope/", "http://www.w3.org/*/soap-envelope", nullptr}},
    {{"SOAP-ENC", "http://schemas.xmlsoap.org/soap/encoding/", "http://www.w3.org/*/soap-encoding", nullptr}},
    {{"xsi", "http://www.w3.org/2001/XMLSchema-instance", "http://www.w3.org/*/XMLSchema-instance", nullptr}},
    {{"xsd", "http://www.w3.org/2001/XMLSchema", "http://www.w3.org/*/XMLSchema", nullptr}},
{namespace_rows}    {{nullptr, nullptr, nullptr, nullptr}},
}};
"""

CLASS_BODY = """{t.name}::{t.name}() : soap(nullptr)
{{
    {t.name}::soap_default(nullptr);
}}

{t.name}::~{t.name}() = default;

int {t.name}::soap_type() const
{{
    return SOAP_TYPE_{t.name};
}}

void {t.name}::soap_default(struct soap *soap)
{{
    this->soap = soap;
{defaults}}}

"""

MESSAGE_DEFAULT = """SOAP_FMAC3 void SOAP_FMAC4 soap_default_{t.name}(struct soap *{soap}, struct {t.name} *{a})
{{
{defaults}}}

"""

COPY = """SOAP_FMAC3 void SOAP_FMAC4 soap_copy_{t.name}(struct soap *, int, int, void *p, size_t, const void *q, size_t)
{{
    *static_cast<{t.cpp} *>(p) = *static_cast<const {t.cpp} *>(q);
}}

"""

ALLOCATOR = """SOAP_FMAC3 {t.cpp} *SOAP_FMAC4 soap_instantiate_{t.name}(struct soap *soap, int n, const char *, const char *,
    size_t *size)
{{
    return qelvox::{helper}<{t.cpp}>(soap, SOAP_TYPE_{t.name}, n, size);
}}

"""


def _member_default(m, target):
    if m.kind == "string":
        return "    soap_default_std__string(soap, &%s%s);\n" % (target, m.ident)
    value = {"int": "0", "double": "0.0", "pointer": "nullptr"}[m.kind]
    return "    %s%s = %s;\n" % (target, m.ident, value)


def _class_defaults(t):
    if t.kind == "array":
        return "    __size = 0;\n    __ptr = nullptr;\n"
    return "".join(_member_default(m, "") for m in t.members)


def _class_members(t):
    if t.kind == "array":
        return "    %s *__ptr;\n    int __size;\n" % t.item_cpp
    return "".join("    %s %s;\n" % (m.cpp, m.ident) for m in t.members)


def _struct(t):
    body = "".join("    %s %s;\n" % (m.cpp, m.ident) for m in t.members)
    return "struct %s\n{\n%s};\n\n" % (t.name, body)


def _ids(model):
    out = "// Type ids: the dispatchers switch on these.\n"
    out += each(model.types, "#define SOAP_TYPE_{t.name} ({t.id})\n")
    return out


def _forward(model):
    return (each(model.classes, "class {t.name};\n") + each(model.messages, "struct {t.name};\n")
            + "\n")


def _allocator(t):
    helper = "instantiate_object" if t.kind in ("array", "record") else "instantiate_value"
    return ALLOCATOR.format(t=_Named(t.name, _cpp(t)), helper=helper)


class _Named:
    def __init__(self, name, cpp):
        self.name, self.cpp = name, cpp


def _cpp(t):
    return t.cpp if t.kind in ("array", "record") or t.name == "std__string" else "struct " + t.name


def emit(model, outdir):
    messages_with_text = [m for m in model.messages if m.has_text]
    envelopes = [e for e in model.envelopes if e.pointer_to is None]
    header = HEADER.format(
        ids=_ids(model),
        forward=_forward(model),
        classes="".join(CLASS.format(t=t, members=_class_members(t)) for t in model.classes),
        messages="".join(_struct(t) for t in model.messages),
        class_functions=each(model.classes, CLASS_FUNCTIONS),
        message_functions=each(model.messages, MESSAGE_FUNCTIONS) + each(messages_with_text, MESSAGE_COPY),
        envelope_functions=each(envelopes, ENVELOPE_FUNCTIONS))
    write(outdir, "BindingTypes.h", EMITTER, header)

    message_bodies = ""
    for t in model.messages:
        defaults = "".join(_member_default(m, "a->") for m in t.members)
        message_bodies += MESSAGE_DEFAULT.format(
            t=t, defaults=defaults, soap="soap" if t.has_text else "", a="a" if t.members else "")
    source = SOURCE.format(
        class_bodies="".join(CLASS_BODY.format(t=t, defaults=_class_defaults(t)) for t in model.classes),
        message_bodies=message_bodies,
        copies="".join(COPY.format(t=_Named(t.name, _cpp(t))) for t in model.copyable),
        allocators="".join(_allocator(t) for t in model.allocatable),
        instantiate_cases=each(model.allocatable, "    case SOAP_TYPE_{t.name}:\n"
                               "        return soap_instantiate_{t.name}(soap, -1, type, arrayType, n);\n"),
        delete_cases="".join("    case SOAP_TYPE_%s:\n        qelvox::release<%s>(p);\n        break;\n"
                             % (t.name, _cpp(t)) for t in model.allocatable),
        insert_cases=each(model.copyable, "    case SOAP_TYPE_{t.name}:\n"
                          "        soap_copy_{t.name}(soap, t, tt, p, 0, q, 0);\n        break;\n"),
        namespace_rows=each([s for s in model.services if s.uri],
                            '    {{"{t.prefix}", "{t.uri}", nullptr, nullptr}},\n'))
    write(outdir, "BindingTypes.cpp", EMITTER, source)
