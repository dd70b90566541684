"""Emits a table of every type the description defines, for the tests that check the binding
against the type ids of the service: id, name, kind, XML type name, size and, where the type
has one, its allocator. Compiled into the tests, not into the binding."""

from cppfile import write

OUTPUTS = ["GeneratedTypeTable.cpp"]

SOURCE = """#include "BindingTypes.h"
#include "GeneratedTypeTable.h"

const GeneratedType generatedTypes[] = {{
{rows}}};

const size_t generatedTypeCount = sizeof generatedTypes / sizeof generatedTypes[0];
"""

ROW = """    {{{t.id}, "{t.name}", "{t.kind}", {xml}, {size},
     {allocate},
     {class_type}}},
"""


def _cpp(t):
    if t.kind in ("array", "record", "builtin", "pointer"):
        return t.cpp
    if t.kind == "envelope" and t.pointer_to:
        return "struct " + t.pointer_to + " *"
    return "struct " + t.name


def _row(t, allocatable):
    allocate = "nullptr"
    if t.id in allocatable:
        allocate = ("[](struct soap *soap, int n, size_t *size) -> void * {\n"
                    "         return soap_instantiate_%s(soap, n, nullptr, nullptr, size);\n     }" % t.name)
    class_type = "nullptr"
    if t.kind in ("array", "record"):
        class_type = "[](const void *p) { return static_cast<const %s *>(p)->soap_type(); }" % t.name
    xml = '"%s"' % t.xml if t.xml else "nullptr"
    return ROW.format(t=t, xml=xml, size="sizeof(%s)" % _cpp(t), allocate=allocate, class_type=class_type)


def emit(model, outdir):
    allocatable = {t.id for t in model.allocatable}
    rows = "".join(_row(t, allocatable) for t in model.types)
    write(outdir, OUTPUTS[0], "emit_type_table.py", SOURCE.format(rows=rows))
