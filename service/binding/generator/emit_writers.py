"""Emits the writing half of the binding: reference marking (soap_serialize_*), element
writers (soap_out_*), top-level writers (soap_put_*) and the dispatchers soap_putelement and
soap_markelement."""

from cppfile import each, write

OUTPUTS = ["BindingWriters.h", "BindingWriters.cpp"]
EMITTER = "emit_writers.py"

# The highest id that the element and marking dispatchers cover; the SOAP-ENV records above
# it are written by their own writers only.
LAST_DISPATCHED_ID = 504
FIRST_MARKED_ID = 4

HEADER = """#pragma once

#include "BindingTypes.h"
#include "WriterSupport.h"

{declarations}"""

DECLARE_VALUE = """SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_{t.name}(struct soap *, {cpp} const *);
SOAP_FMAC3 int SOAP_FMAC4 soap_out_{t.name}(struct soap *, const char *, int, {cpp} const *, const char *);
SOAP_FMAC3 int SOAP_FMAC4 soap_put_{t.name}(struct soap *, {cpp} const *, const char *, const char *);
"""

DECLARE_PUT = """SOAP_FMAC3 int SOAP_FMAC4 soap_put_{t.name}(struct soap *, {t.cpp} const *, const char *, const char *);
"""

DECLARE_CLASS_OUT = """SOAP_FMAC3 int SOAP_FMAC4 soap_out_{t.name}(struct soap *, const char *, int, const {t.name} *, const char *);
"""

SOURCE = """#include "BindingWriters.h"

{bodies}
extern "C" {{

SOAP_FMAC3 int SOAP_FMAC4 soap_putelement(struct soap *soap, const void *ptr, const char *tag, int id, int type)
{{
    switch (type) {{
{put_cases}    }}
    return SOAP_OK;
}}

SOAP_FMAC3 void SOAP_FMAC4 soap_markelement(struct soap *soap, const void *ptr, int type)
{{
    switch (type) {{
{mark_cases}    }}
}}

}} // extern "C"
"""

CLASS_METHODS = """void {t.name}::soap_serialize(struct soap *soap) const
{{
{mark}}}

int {t.name}::soap_put(struct soap *soap, const char *tag, const char *type) const
{{
    const int id = soap_embed(soap, this, {embedded}, SOAP_TYPE_{t.name});
    return qelvox::end_put(soap, soap_out_{t.name}(soap, tag ? tag : "{t.default_tag}", id, this, type));
}}

int {t.name}::soap_out(struct soap *soap, const char *tag, int id, const char *type) const
{{
    return soap_out_{t.name}(soap, tag, id, this, type);
}}

"""

ARRAY_OUT = """SOAP_FMAC3 int SOAP_FMAC4 soap_out_{t.name}(struct soap *soap, const char *tag, int id, const {t.name} *a,
    const char *type)
{{
    return qelvox::out_array(soap, tag, id, a, type, SOAP_TYPE_{t.name}, "{t.item_xml}", {item_writer});
}}

"""

RECORD_OUT = """SOAP_FMAC3 int SOAP_FMAC4 soap_out_{t.name}(struct soap *soap, const char *tag, int id, {cpp} const *a,
    const char *type)
{{
    if (soap_element_begin_out(soap, tag, soap_embedded_id(soap, id, a, SOAP_TYPE_{t.name}), type){members})
        return soap->error;
    return soap_element_end_out(soap, tag);
}}

"""

MEMBER_OUT = """
        || soap_out_{m.type_id_name}(soap, "{m.tag}", -1, &a->{m.ident}, "{m.xml}")"""

VALUE_MARK = """SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_{t.name}(struct soap *{soap}, {cpp} const *{a})
{{
{mark}}}

"""

PUT = """SOAP_FMAC3 int SOAP_FMAC4 soap_put_{t.name}(struct soap *soap, {cpp} const *a, const char *tag, const char *type)
{{
    return qelvox::put(soap, a, tag ? tag : "{t.default_tag}", type, SOAP_TYPE_{t.name}, soap_out_{t.name});
}}

"""

# Pointer writers: ask the engine for the element's id (a negative answer means the pointer is null
# or the value is written elsewhere and referred to), then write the value pointed to.
POINTER_OUT = """SOAP_FMAC3 int SOAP_FMAC4 soap_out_{t.name}(struct soap *soap, const char *tag, int id, {cpp} const *a,
    const char *type)
{{
    id = soap_element_id(soap, tag, id, *a, {items}, type, SOAP_TYPE_{pointee}, nullptr);
    if (id < 0)
        return soap->error;
    return {write};
}}

"""


def _member_mark(m, owner):
    if m.kind == "int":
        return "    soap_embedded(soap, &%s%s, SOAP_TYPE_int);\n" % (owner, m.ident)
    if m.kind == "string":
        return "    soap_embedded(soap, &%s%s, SOAP_TYPE_std__string);\n" % (owner, m.ident)
    if m.kind == "pointer":
        return "    soap_serialize_%s(soap, &%s%s);\n" % (m.pointer.name, owner, m.ident)
    return ""  # doubles are values in place and never shared


def _array_mark(t):
    if t.item.kind == "record":
        item = "soap_serialize_PointerTo%s(soap, &__ptr[i]);" % t.item.name
    else:
        item = "soap_embedded(soap, &__ptr[i], SOAP_TYPE_%s);" % t.item.name
    return ("    if (!__ptr || soap_array_reference(soap, this, __ptr, __size, SOAP_TYPE_%s))\n"
            "        return;\n"
            "    for (int i = 0; i < __size; ++i)\n"
            "        %s\n" % (t.name, item))


def _item_writer(t):
    return "soap_out_PointerTo" + t.item.name if t.item.kind == "record" else "soap_out_" + t.item.name


def _class_body(t):
    if t.kind == "array":
        mark, embedded = _array_mark(t), "__ptr, __size"
        out = ARRAY_OUT.format(t=t, item_writer=_item_writer(t))
    else:
        mark, embedded = "".join(_member_mark(m, "") for m in t.members), "nullptr, 0"
        out = RECORD_OUT.format(t=t, cpp=t.name, members="".join(MEMBER_OUT.format(m=m) for m in t.members))
    return CLASS_METHODS.format(t=t, mark=mark, embedded=embedded) + out


def _message_body(t):
    cpp = "struct " + t.name
    mark = "".join(_member_mark(m, "a->") for m in t.members)
    used = bool(mark)
    return (VALUE_MARK.format(t=t, cpp=cpp, mark=mark, soap="soap" if used else "", a="a" if used else "")
            + RECORD_OUT.format(t=t, cpp=cpp, members="".join(MEMBER_OUT.format(m=m) for m in t.members))
            + PUT.format(t=t, cpp=cpp))


def _pointer_mark(t):
    target = t.target
    if target.kind == "array":
        return "    if (*a)\n        (*a)->soap_serialize(soap);\n"
    if target.kind == "builtin":
        return "    soap_reference(soap, *a, SOAP_TYPE_%s);\n" % target.name
    if target.kind == "record":
        return "    if (!soap_reference(soap, *a, SOAP_TYPE_%s))\n        (*a)->soap_serialize(soap);\n" % target.name
    return ("    if (!soap_reference(soap, *a, SOAP_TYPE_%s))\n        soap_serialize_%s(soap, *a);\n"
            % (target.name, target.name))


def _pointer_body(t):
    target = t.target
    if target.kind == "array":
        items = "*a ? (*a)->__ptr : nullptr, *a && (*a)->__ptr ? (*a)->__size : 0"
        write_ = "(*a)->soap_out(soap, tag, id, type)"
    elif target.kind == "record":
        items, write_ = "nullptr, 0", "(*a)->soap_out(soap, tag, id, type)"
    else:
        items, write_ = "nullptr, 0", "soap_out_%s(soap, tag, id, *a, type)" % target.name
    return (VALUE_MARK.format(t=t, cpp=t.cpp, mark=_pointer_mark(t), soap="soap", a="a")
            + POINTER_OUT.format(t=t, cpp=t.cpp, items=items, pointee=target.name, write=write_)
            + PUT.format(t=t, cpp=t.cpp))


def _put_case(t):
    if t.kind in ("array", "record"):
        call = 'static_cast<const %s *>(ptr)->soap_out(soap, tag, id, "%s")' % (t.name, t.xml)
    elif t.name in ("string", "_QName"):
        # The engine's pointer table holds a text by the text's own address.
        call = 'soap_out_string(soap, tag, id, static_cast<char *const *>(static_cast<void *>(&ptr)), "%s")' % t.xml
    elif t.kind == "message":
        call = 'soap_out_%s(soap, tag, id, static_cast<const struct %s *>(ptr), "%s")' % (t.name, t.name, t.xml)
    else:
        call = 'soap_out_%s(soap, tag, id, static_cast<%s const *>(ptr), "%s")' % (t.name, t.cpp, t.xml)
    return "    case SOAP_TYPE_%s:\n        return %s;\n" % (t.name, call)


def _mark_case(t):
    if t.kind in ("array", "record"):
        call = "static_cast<const %s *>(ptr)->soap_serialize(soap)" % t.name
    elif t.name in ("string", "_QName"):
        call = "soap_serialize_string(soap, static_cast<char *const *>(static_cast<void *>(&ptr)))"
    elif t.kind == "message":
        call = "soap_serialize_%s(soap, static_cast<const struct %s *>(ptr))" % (t.name, t.name)
    else:
        call = "soap_serialize_%s(soap, static_cast<%s const *>(ptr))" % (t.name, t.cpp)
    return "    case SOAP_TYPE_%s:\n        %s;\n        break;\n" % (t.name, call)


def emit(model, outdir):
    dispatched = [t for t in model.types if t.id <= LAST_DISPATCHED_ID and t.kind != "envelope"]
    marked = [t for t in dispatched if t.id >= FIRST_MARKED_ID and (
        t.kind in ("array", "record", "pointer") or t.name in ("string", "_QName")
        or (t.kind == "message" and t.members))]

    declarations = (each(model.classes, DECLARE_CLASS_OUT) + each(model.builtins, DECLARE_PUT)
                    + "".join(DECLARE_VALUE.format(t=t, cpp=t.cpp) for t in model.pointers)
                    + "".join(DECLARE_VALUE.format(t=t, cpp="struct " + t.name) for t in model.messages))
    write(outdir, "BindingWriters.h", EMITTER, HEADER.format(declarations=declarations))

    bodies = ("".join(_class_body(t) for t in model.classes)
              + "".join(_pointer_body(t) for t in model.pointers)
              + "".join(_message_body(t) for t in model.messages)
              + "".join(PUT.format(t=t, cpp=t.cpp) for t in model.builtins))
    source = SOURCE.format(bodies=bodies,
                           put_cases="".join(_put_case(t) for t in dispatched),
                           mark_cases="".join(_mark_case(t) for t in marked))
    write(outdir, "BindingWriters.cpp", EMITTER, source)
