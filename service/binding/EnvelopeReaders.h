#pragma once

// Readers of the two envelope parts of a reply that are no operation's response: the SOAP header,
// whose content the client ignores, and a SOAP 1.1 or 1.2 fault.

#include "BindingSupport.h"

SOAP_FMAC3 struct SOAP_ENV__Header *SOAP_FMAC4 soap_in_SOAP_ENV__Header(struct soap *, const char *tag,
                                                                        struct SOAP_ENV__Header *,
                                                                        const char *type);
SOAP_FMAC3 struct SOAP_ENV__Fault *SOAP_FMAC4 soap_in_SOAP_ENV__Fault(struct soap *, const char *tag,
                                                                      struct SOAP_ENV__Fault *,
                                                                      const char *type);
SOAP_FMAC3 struct SOAP_ENV__Code *SOAP_FMAC4 soap_in_SOAP_ENV__Code(struct soap *, const char *tag,
                                                                    struct SOAP_ENV__Code *,
                                                                    const char *type);
SOAP_FMAC3 struct SOAP_ENV__Reason *SOAP_FMAC4 soap_in_SOAP_ENV__Reason(struct soap *, const char *tag,
                                                                        struct SOAP_ENV__Reason *,
                                                                        const char *type);
SOAP_FMAC3 struct SOAP_ENV__Detail *SOAP_FMAC4 soap_in_SOAP_ENV__Detail(struct soap *, const char *tag,
                                                                        struct SOAP_ENV__Detail *,
                                                                        const char *type);
SOAP_FMAC3 struct SOAP_ENV__Code **SOAP_FMAC4 soap_in_PointerToSOAP_ENV__Code(struct soap *, const char *tag,
                                                                              struct SOAP_ENV__Code **,
                                                                              const char *type);
SOAP_FMAC3 struct SOAP_ENV__Reason **SOAP_FMAC4 soap_in_PointerToSOAP_ENV__Reason(struct soap *,
                                                                                  const char *tag,
                                                                                  struct SOAP_ENV__Reason **,
                                                                                  const char *type);
SOAP_FMAC3 struct SOAP_ENV__Detail **SOAP_FMAC4 soap_in_PointerToSOAP_ENV__Detail(struct soap *,
                                                                                  const char *tag,
                                                                                  struct SOAP_ENV__Detail **,
                                                                                  const char *type);

SOAP_FMAC3 struct SOAP_ENV__Header *SOAP_FMAC4 soap_get_SOAP_ENV__Header(struct soap *,
                                                                         struct SOAP_ENV__Header *,
                                                                         const char *tag, const char *type);
SOAP_FMAC3 struct SOAP_ENV__Fault *SOAP_FMAC4 soap_get_SOAP_ENV__Fault(struct soap *,
                                                                       struct SOAP_ENV__Fault *,
                                                                       const char *tag, const char *type);
SOAP_FMAC3 struct SOAP_ENV__Code *SOAP_FMAC4 soap_get_SOAP_ENV__Code(struct soap *, struct SOAP_ENV__Code *,
                                                                     const char *tag, const char *type);
SOAP_FMAC3 struct SOAP_ENV__Reason *SOAP_FMAC4 soap_get_SOAP_ENV__Reason(struct soap *,
                                                                         struct SOAP_ENV__Reason *,
                                                                         const char *tag, const char *type);
SOAP_FMAC3 struct SOAP_ENV__Detail *SOAP_FMAC4 soap_get_SOAP_ENV__Detail(struct soap *,
                                                                         struct SOAP_ENV__Detail *,
                                                                         const char *tag, const char *type);
SOAP_FMAC3 struct SOAP_ENV__Code **SOAP_FMAC4 soap_get_PointerToSOAP_ENV__Code(struct soap *,
                                                                               struct SOAP_ENV__Code **,
                                                                               const char *tag,
                                                                               const char *type);
SOAP_FMAC3 struct SOAP_ENV__Reason **SOAP_FMAC4 soap_get_PointerToSOAP_ENV__Reason(struct soap *,
                                                                                   struct SOAP_ENV__Reason **,
                                                                                   const char *tag,
                                                                                   const char *type);
SOAP_FMAC3 struct SOAP_ENV__Detail **SOAP_FMAC4 soap_get_PointerToSOAP_ENV__Detail(struct soap *,
                                                                                   struct SOAP_ENV__Detail **,
                                                                                   const char *tag,
                                                                                   const char *type);
