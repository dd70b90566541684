#pragma once

// The layout of struct soap depends on the WITH_* flags the runtime library was built with; a
// translation unit compiled without them corrupts memory silently. Link qelvox_gsoap to get them.
#if !defined(WITH_IPV6) || !defined(WITH_OPENSSL) || !defined(WITH_GZIP) || !defined(WITH_DOM)
#error "stdsoap2.h needs the compile flags of pkg-config gsoapssl++: link the qelvox_gsoap target"
#endif

#include <cstddef>
#include <new>
#include <stdsoap2.h>
#include <string>

// SOAP-ENV records. The runtime reaches their members only through the binding's accessors.
struct SOAP_ENV__Code
{
    char *SOAP_ENV__Value;
    struct SOAP_ENV__Code *SOAP_ENV__Subcode;
};

struct SOAP_ENV__Detail
{
    int __type;
    void *fault;
    char *__any;
};

struct SOAP_ENV__Reason
{
    char *SOAP_ENV__Text;
};

struct SOAP_ENV__Fault
{
    char *faultcode;
    char *faultstring;
    char *faultactor;
    struct SOAP_ENV__Detail *detail;
    struct SOAP_ENV__Code *SOAP_ENV__Code;
    struct SOAP_ENV__Reason *SOAP_ENV__Reason;
    char *SOAP_ENV__Node;
    char *SOAP_ENV__Role;
    struct SOAP_ENV__Detail *SOAP_ENV__Detail;
};

// The credentials of every request; written as the element "AuthenticationHeader".
struct SOAP_ENV__Header
{
    std::string email;
    std::string password;
};

SOAP_FMAC3 void SOAP_FMAC4 soap_default_byte(struct soap *, char *);
SOAP_FMAC3 void SOAP_FMAC4 soap_default_int(struct soap *, int *);
SOAP_FMAC3 void SOAP_FMAC4 soap_default_double(struct soap *, double *);
SOAP_FMAC3 void SOAP_FMAC4 soap_default_string(struct soap *, char **);
SOAP_FMAC3 void SOAP_FMAC4 soap_default_std__string(struct soap *, std::string *);
SOAP_FMAC3 void SOAP_FMAC4 soap_default_SOAP_ENV__Header(struct soap *, struct SOAP_ENV__Header *);
SOAP_FMAC3 void SOAP_FMAC4 soap_default_SOAP_ENV__Code(struct soap *, struct SOAP_ENV__Code *);
SOAP_FMAC3 void SOAP_FMAC4 soap_default_SOAP_ENV__Detail(struct soap *, struct SOAP_ENV__Detail *);
SOAP_FMAC3 void SOAP_FMAC4 soap_default_SOAP_ENV__Reason(struct soap *, struct SOAP_ENV__Reason *);
SOAP_FMAC3 void SOAP_FMAC4 soap_default_SOAP_ENV__Fault(struct soap *, struct SOAP_ENV__Fault *);

// The dispatchers by type id that the runtime imports.
extern "C" {
SOAP_FMAC3 int SOAP_FMAC4 soap_putelement(struct soap *, const void *ptr, const char *tag, int id, int type);
SOAP_FMAC3 void SOAP_FMAC4 soap_markelement(struct soap *, const void *ptr, int type);
SOAP_FMAC3 void *SOAP_FMAC4 soap_getelement(struct soap *, const char *tag, int *type);
SOAP_FMAC3 void *SOAP_FMAC4 soap_dupelement(struct soap *, const void *ptr, int type);
SOAP_FMAC3 void SOAP_FMAC4 soap_delelement(const void *ptr, int type);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_fdelete(struct soap *, struct soap_clist *);
// No type of the binding derives from another, so this always answers no.
SOAP_FMAC3 int SOAP_FMAC4 soap_fbase(int type, int base);
SOAP_FMAC3 void *SOAP_FMAC4 soap_class_id_enter(struct soap *, const char *id, void *p, int type, size_t n,
                                                const char *xsiType, const char *arrayType);
SOAP_FMAC3 void *SOAP_FMAC4 soap_container_id_forward(struct soap *, const char *href, void *p, size_t len,
                                                      int st, int tt, size_t n, unsigned int k);

namespace qelvox {

// The allocator shape shared by every soap_instantiate_<T>: register with the engine's class list
// first, then create one T (n < 0) or an array of n. Allocation never throws through the C runtime.
template <class T> T *instantiate_value(struct soap *soap, int type, int n, size_t *size)
{
    struct soap_clist *cp = soap_link(soap, type, n, soap_fdelete);
    if (!cp)
        return nullptr;
    T *p = n < 0 ? new (std::nothrow) T : new (std::nothrow) T[n];
    if (!p) {
        soap->error = SOAP_EOM;
        return nullptr;
    }
    cp->ptr = p;
    if (size)
        *size = n < 0 ? sizeof(T) : static_cast<size_t>(n) * sizeof(T);
    return p;
}

// As instantiate_value, for the data classes, which keep the engine that made them.
template <class T> T *instantiate_object(struct soap *soap, int type, int n, size_t *size)
{
    T *p = instantiate_value<T>(soap, type, n, size);
    for (int i = 0; p && i < (n < 0 ? 1 : n); ++i)
        p[i].soap = soap;
    return p;
}

// Releases what one class-list registration holds, in the form it was created.
template <class T> void release(const struct soap_clist *entry)
{
    if (entry->size < 0)
        delete static_cast<T *>(entry->ptr);
    else
        delete[] static_cast<T *>(entry->ptr);
}

} // namespace qelvox
