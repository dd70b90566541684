// Compiled into every program that links the binding (an interface source of the binding's target).
//
// The runtime library calls these functions of the binding, but nothing else in a program needs most of
// them, so the linker would leave their archive members out and then fail on the runtime's references.
// Taking their addresses here pulls them in. The declarations are the runtime's own (stdsoap2.h) and the
// binding's dispatcher header, so a definition whose signature drifts from them fails to link right here,
// under its own name.

#include "BindingSupport.h"

#include <stdsoap2.h>

namespace {

[[gnu::used]] const void *const runtimeImports[] = {
    reinterpret_cast<const void *>(namespaces),
    reinterpret_cast<const void *>(&soap_getelement),
    reinterpret_cast<const void *>(&soap_putelement),
    reinterpret_cast<const void *>(&soap_markelement),
    reinterpret_cast<const void *>(&soap_dupelement),
    reinterpret_cast<const void *>(&soap_delelement),
    reinterpret_cast<const void *>(&soap_getfault),
    reinterpret_cast<const void *>(&soap_putfault),
    reinterpret_cast<const void *>(&soap_faultcode),
    reinterpret_cast<const void *>(&soap_faultsubcode),
    reinterpret_cast<const void *>(&soap_faultstring),
    reinterpret_cast<const void *>(&soap_faultdetail),
    reinterpret_cast<const void *>(&soap_fault_subcode),
    reinterpret_cast<const void *>(&soap_fault_string),
    reinterpret_cast<const void *>(&soap_fault_detail),
    reinterpret_cast<const void *>(&soap_serializefault),
    reinterpret_cast<const void *>(&soap_serializeheader),
    reinterpret_cast<const void *>(&soap_getheader),
    reinterpret_cast<const void *>(&soap_putheader),
};

} // namespace
