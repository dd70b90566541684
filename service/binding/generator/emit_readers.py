"""Emits the reading half of the binding: the readers of every record, array, pointer and message
type, the top-level getters, the classes' virtual soap_in and soap_get, and the element dispatcher
soap_getelement. Each reader is a table of its members (or its item and type ids) handed to one
of the shapes of ReaderSupport.h; the primitive, SOAP-ENV and pointer-to-builtin readers are
written by hand (PrimitiveReaders.cpp, EnvelopeReaders.cpp)."""

from cppfile import write
from model import DescriptionError

OUTPUTS = ["BindingReaders.h", "BindingReaders.cpp", "BindingDispatch.cpp"]
EMITTER = "emit_readers.py"

# The one response member read under whatever element name it comes; the client's own writer
# calls it "param-3".
ANY_NAME_MEMBERS = {("ns1__QelvoxService_x002egetExtendedTitleResponse", "param-3")}

HEADER = """#pragma once

#include "BindingTypes.h"
#include "EnvelopeReaders.h"
#include "PrimitiveReaders.h"

{declarations}"""

SOURCE = """#include "BindingReaders.h"
#include "ReaderSupport.h"

using qelvox::member;
using qelvox::MemberReader;
using qelvox::MemberTable;

namespace {{

{cell_readers}
}} // namespace

{bodies}"""

DISPATCH = """#include "BindingReaders.h"
#include "ReaderSupport.h"

#include <algorithm>

namespace {{

using Reader = void *(*)(struct soap *, const char *tag, const char *type);

struct ById
{{
    int type;
    const char *xml; // the expected type handed to the reader
    Reader read;
}};

// Every type that an element can be read as, by type id.
const ById kById[] = {{
{by_id}}};

struct ByName
{{
    bool arrayItem; // test the item type of the element's arrayType, not its name
    const char *name;
    int type;
}};

// The name tests, in the order they are tried; the first that matches chooses the reader.
const ByName kByName[] = {{
{by_name}}};

const ById *find(int type)
{{
    const ById *end = kById + sizeof kById / sizeof *kById;
    const ById *e = std::lower_bound(kById, end, type, [](const ById &a, int t) {{ return a.type < t; }});
    return e != end && e->type == type ? e : nullptr;
}}

bool matches(struct soap *soap, const ByName &test)
{{
    if (test.arrayItem)
        return *soap->arrayType && qelvox::match_array_item(soap, test.name);
    return qelvox::match_name(soap, *soap->type ? soap->type : soap->tag, test.name);
}}

}} // namespace

extern "C" SOAP_FMAC3 void *SOAP_FMAC4 soap_getelement(struct soap *soap, const char *tag, int *type)
{{
    if (soap_peek_element(soap))
        return nullptr;
    // A type recorded for the element's id by an earlier reference decides, whatever its names say.
    if (!*soap->id || !(*type = soap_lookup_type(soap, soap->id)))
        *type = soap_lookup_type(soap, soap->href);
    if (const ById *e = find(*type))
        return e->read(soap, tag, e->xml);
    for (const ByName &test : kByName) {{
        if (matches(soap, test)) {{
            *type = test.type;
            return find(test.type)->read(soap, tag, nullptr);
        }}
    }}
    soap->error = SOAP_TAG_MISMATCH;
    return nullptr;
}}
"""


def _cpp(t):
    """The C++ type that holds a value of t (a struct keyword for message records)."""
    return "struct " + t.name if t.kind == "message" else t.cpp


def _pointers(model):
    """The pointer types with generated readers; pointers to builtins are read by hand."""
    return [p for p in model.pointers if p.target.kind != "builtin"]


def _record_pointer(record, model):
    return model.by_name["PointerTo" + record.name]


def _decl(ret, name, args):
    return "SOAP_FMAC3 %s SOAP_FMAC4 %s(%s);\n" % (ret, name, args)


def _declarations(model):
    out = "// Readers: soap_in_<T>(engine, tag, target or null, expected type).\n"
    for t in model.classes:
        out += _decl(t.cpp + " *", "soap_in_" + t.name, "struct soap *, const char *, %s *, const char *" % t.cpp)
    for p in _pointers(model):
        out += _decl(p.cpp + " *", "soap_in_" + p.name, "struct soap *, const char *, %s *, const char *" % p.cpp)
    for m in model.messages:
        out += _decl(_cpp(m) + " *", "soap_in_" + m.name,
                     "struct soap *, const char *, %s *, const char *" % _cpp(m))
    out += "\n// Top-level getters: soap_get_<T>(engine, target or null, tag, expected type).\n"
    for t in model.classes + _pointers(model) + model.messages:
        out += _decl(_cpp(t) + " *", "soap_get_" + t.name,
                     "struct soap *, %s *, const char *, const char *" % _cpp(t))
    return out


def _member_reader(owner, m, model):
    if m.kind == "pointer":
        value, read = m.target.cpp + " *", "read_" + m.pointer.name
    else:
        value = {"int": "int", "double": "double", "string": "std::string"}[m.kind]
        read = "qelvox::read_" + {"int": "int", "double": "double", "string": "text"}[m.kind]
    tag = "nullptr" if (owner.name, m.tag) in ANY_NAME_MEMBERS else '"%s"' % m.tag
    required = "true" if m.kind in ("int", "string") else "false"
    return "    {%s, %s, member<%s, %s, &%s::%s, %s>},\n" % (tag, required, owner.name, value, owner.name,
                                                          m.ident, read)


def _member_table(owner, model):
    if len(owner.members) > 64:
        raise DescriptionError("%s: the readers take at most 64 members" % owner.name)
    if not owner.members:
        return "    static const MemberTable table = {SOAP_TYPE_%s, sizeof(%s), nullptr, 0};\n" % (
            owner.name, _cpp(owner))
    rows = "".join(_member_reader(owner, m, model) for m in owner.members)
    return ("    static const MemberReader members[] = {\n%s    };\n"
            "    static const MemberTable table = {SOAP_TYPE_%s, sizeof(%s), members, %d};\n"
            % (rows, owner.name, _cpp(owner), len(owner.members)))


def _cell_readers(model):
    """read_<Pointer>(engine, cell): a member or array item read through its pointer reader."""
    out = ""
    for p in _pointers(model):
        if p.target.kind == "pointer":
            continue
        out += ("bool read_%s(struct soap *soap, %s **cell)\n{\n"
                "    return soap_in_%s(soap, nullptr, cell, \"%s\") != nullptr;\n}\n\n"
                % (p.name, p.target.cpp, p.name, p.xml))
    return out


def _record_reader(t, model):
    return ("SOAP_FMAC3 {c} *SOAP_FMAC4 soap_in_{n}(struct soap *soap, const char *tag, {c} *a, const char *)\n"
            "{{\n{table}    return static_cast<{c} *>(\n"
            "        qelvox::read_record(soap, tag, a, table, qelvox::init_object<{c}>));\n}}\n\n"
            ).format(c=t.cpp, n=t.name, table=_member_table(t, model))


def _array_reader(t, model):
    head = ("SOAP_FMAC3 {c} *SOAP_FMAC4 soap_in_{n}(struct soap *soap, const char *tag, {c} *a, const char *type)\n"
            "{{\n").format(c=t.cpp, n=t.name)
    if t.item.name == "std__string":
        body = "    return qelvox::read_string_array(soap, tag, a, type);\n"
    elif t.item.kind == "builtin":
        body = ("    return qelvox::read_array<{c}, {i}>(soap, tag, a, type, SOAP_TYPE_{n}, qelvox::read_{k}, 0);\n"
                ).format(c=t.cpp, i=t.item_cpp, n=t.name, k=t.item.name)
    else:
        body = ("    return qelvox::read_array<{c}, {i}>(soap, tag, a, type, SOAP_TYPE_{n}, read_{p}, nullptr);\n"
                ).format(c=t.cpp, i=t.item_cpp, n=t.name, p=_record_pointer(t.item, model).name)
    return head + body + "}\n\n"


def _virtuals(t):
    return ("void *{c}::soap_in(struct soap *soap, const char *tag, const char *type)\n{{\n"
            "    return soap_in_{n}(soap, tag, this, type);\n}}\n\n"
            "void *{c}::soap_get(struct soap *soap, const char *tag, const char *type)\n{{\n"
            "    return soap_get_{n}(soap, this, tag, type);\n}}\n\n").format(c=t.cpp, n=t.name)


def _pointer_reader(p):
    head = ("SOAP_FMAC3 {c} *SOAP_FMAC4 soap_in_{n}(struct soap *soap, const char *tag, {c} *a, const char *type)\n"
            "{{\n").format(c=p.cpp, n=p.name)
    if p.target.kind == "pointer":
        body = ("    return qelvox::read_pointer_to_pointer(soap, tag, a, type, SOAP_TYPE_{t}, soap_in_{t});\n"
                ).format(t=p.target.name)
    else:
        body = ("    (void)type;\n"
                "    return qelvox::read_pointer(soap, tag, a, SOAP_TYPE_{t}, soap_instantiate_{t});\n"
                ).format(t=p.target.name)
    return head + body + "}\n\n"


def _message_reader(m, model):
    init = "qelvox::init_struct<%s, soap_default_%s>" % (_cpp(m), m.name)
    return ("SOAP_FMAC3 {c} *SOAP_FMAC4 soap_in_{n}(struct soap *soap, const char *tag, {c} *a, const char *type)\n"
            "{{\n{table}    return static_cast<{c} *>(\n"
            "        qelvox::read_message(soap, tag, a, type, table, {text}, {init}));\n}}\n\n"
            ).format(c=_cpp(m), n=m.name, table=_member_table(m, model),
                     text="true" if m.has_text else "false", init=init)


def _getter(t):
    return ("SOAP_FMAC3 {c} *SOAP_FMAC4 soap_get_{n}(struct soap *soap, {c} *p, const char *tag, const char *type)\n"
            "{{\n    return qelvox::read_top_level(soap, p, tag, type, soap_in_{n});\n}}\n\n"
            ).format(c=_cpp(t), n=t.name)


def _reader_entry(t):
    """One kById row: how the dispatcher reads a value of type t with no target."""
    xml = t.element if t.kind == "message" else t.xml
    if t.name in ("string", "_QName"):
        call = ("[](struct soap *s, const char *tag, const char *type) -> void * {\n"
                "         char **text = soap_in_%s(s, tag, nullptr, type);\n"
                "         return text ? *text : nullptr;\n"
                "     }" % t.name)
    else:
        call = ("[](struct soap *s, const char *tag, const char *type) -> void * {\n"
                "         return soap_in_%s(s, tag, nullptr, type);\n"
                "     }" % t.name)
    return "    {%d, \"%s\",\n     %s},\n" % (t.id, xml, call)


def _readable(model):
    return [t for t in model.types if t.kind in ("builtin", "array", "record", "pointer", "message")]


def _name_tests(model):
    tests = ['    {false, "xsd:string", SOAP_TYPE_std__string},\n']
    for r in sorted(model.records, key=lambda r: -r.id):
        tests.append('    {true, "%s", SOAP_TYPE_%s},\n' % (r.xml, r.array.name))
        tests.append('    {false, "%s", SOAP_TYPE_%s},\n' % (r.xml, r.name))
    tests.append('    {true, "xsd:string", SOAP_TYPE_ArrayOfString},\n')
    tests.append('    {true, "xsd:int", SOAP_TYPE_ArrayOfInteger},\n')
    for name in ("byte", "int", "double"):
        tests.append('    {false, "xsd:%s", SOAP_TYPE_%s},\n' % (name, name))
    # Only the services with a namespace row can be named in a reply; the sign-up service first.
    services = [s for s in model.services if s.uri]
    for service in sorted(services, key=lambda s: s.prefix != "ns3"):
        for m in sorted((m for m in model.messages if m.service is service), key=lambda m: -m.id):
            tests.append('    {false, "%s", SOAP_TYPE_%s},\n' % (m.element, m.name))
    tests.append('    {false, "xsd:QName", SOAP_TYPE__QName},\n')
    return "".join(tests)


def emit(model, outdir):
    write(outdir, "BindingReaders.h", EMITTER, HEADER.format(declarations=_declarations(model)))

    bodies = "".join(_record_reader(r, model) for r in model.records)
    bodies += "".join(_array_reader(a, model) for a in model.arrays)
    bodies += "".join(_virtuals(c) for c in model.classes)
    bodies += "".join(_pointer_reader(p) for p in _pointers(model))
    bodies += "".join(_message_reader(m, model) for m in model.messages)
    bodies += "".join(_getter(t) for t in model.classes + _pointers(model) + model.messages)
    write(outdir, "BindingReaders.cpp", EMITTER, SOURCE.format(cell_readers=_cell_readers(model), bodies=bodies))

    write(outdir, "BindingDispatch.cpp", EMITTER,
          DISPATCH.format(by_id="".join(_reader_entry(t) for t in _readable(model)),
                          by_name=_name_tests(model)))
