#pragma once

// Readers of the primitive values, of std::string and of pointers to them, written by hand because
// their shapes are not per-type. Each returns the filled storage, or null with soap->error set.

#include "BindingSupport.h"

SOAP_FMAC3 int *SOAP_FMAC4 soap_in_int(struct soap *, const char *tag, int *a, const char *type);
SOAP_FMAC3 char *SOAP_FMAC4 soap_in_byte(struct soap *, const char *tag, char *a, const char *type);
SOAP_FMAC3 double *SOAP_FMAC4 soap_in_double(struct soap *, const char *tag, double *a, const char *type);
SOAP_FMAC3 char **SOAP_FMAC4 soap_in_string(struct soap *, const char *tag, char **a, const char *type);
SOAP_FMAC3 char **SOAP_FMAC4 soap_in__QName(struct soap *, const char *tag, char **a, const char *type);
SOAP_FMAC3 std::string *SOAP_FMAC4 soap_in_std__string(struct soap *, const char *tag, std::string *s,
                                                       const char *type);
SOAP_FMAC3 int **SOAP_FMAC4 soap_in_PointerToint(struct soap *, const char *tag, int **a, const char *type);
SOAP_FMAC3 std::string **SOAP_FMAC4 soap_in_PointerTostd__string(struct soap *, const char *tag,
                                                                 std::string **a, const char *type);

SOAP_FMAC3 char **SOAP_FMAC4 soap_get_string(struct soap *, char **p, const char *tag, const char *type);
SOAP_FMAC3 char **SOAP_FMAC4 soap_get__QName(struct soap *, char **p, const char *tag, const char *type);
SOAP_FMAC3 int **SOAP_FMAC4 soap_get_PointerToint(struct soap *, int **p, const char *tag, const char *type);
SOAP_FMAC3 std::string **SOAP_FMAC4 soap_get_PointerTostd__string(struct soap *, std::string **p,
                                                                  const char *tag, const char *type);

namespace qelvox {

// Member and item readers of the generated code: any element name, the member's own XML type.
bool read_int(struct soap *, int *);
bool read_double(struct soap *, double *);
bool read_text(struct soap *, std::string *);

} // namespace qelvox
