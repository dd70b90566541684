"""Placeholder for the reading half until its emitter lands: every reader fails with
SOAP_NO_METHOD, so that the library links and nothing pretends to have read a reply.
Remove this emitter (and its line in CMakeLists.txt) when emit_readers.py provides these."""

from cppfile import each, write

OUTPUTS = ["BindingPendingReaders.cpp"]

SOURCE = """#include "BindingTypes.h"

namespace {{

void *notYetRead(struct soap *soap)
{{
    soap->error = SOAP_NO_METHOD;
    return nullptr;
}}

}} // namespace

{classes}
SOAP_FMAC3 int SOAP_FMAC4 soap_getheader(struct soap *soap)
{{
    notYetRead(soap);
    return soap->error;
}}

SOAP_FMAC3 int SOAP_FMAC4 soap_getfault(struct soap *soap)
{{
    notYetRead(soap);
    return soap->error;
}}

extern "C" SOAP_FMAC3 void *SOAP_FMAC4 soap_getelement(struct soap *soap, const char *, int *)
{{
    return notYetRead(soap);
}}
"""

CLASS = """void *{t.name}::soap_get(struct soap *soap, const char *, const char *)
{{
    return notYetRead(soap);
}}

void *{t.name}::soap_in(struct soap *soap, const char *, const char *)
{{
    return notYetRead(soap);
}}

"""


def emit(model, outdir):
    write(outdir, OUTPUTS[0], "emit_pending_readers.py", SOURCE.format(classes=each(model.classes, CLASS)))
