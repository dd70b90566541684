#include "BindingTypes.h"

SOAP_FMAC3 void SOAP_FMAC4 soap_default_byte(struct soap *, char *a)
{
    *a = 0;
}

SOAP_FMAC3 void SOAP_FMAC4 soap_default_int(struct soap *, int *a)
{
    *a = 0;
}

SOAP_FMAC3 void SOAP_FMAC4 soap_default_double(struct soap *, double *a)
{
    *a = 0.0;
}

SOAP_FMAC3 void SOAP_FMAC4 soap_default_string(struct soap *, char **a)
{
    *a = nullptr;
}

SOAP_FMAC3 void SOAP_FMAC4 soap_default_std__string(struct soap *, std::string *a)
{
    a->erase();
}

// The header keeps its credentials: the facade sets them once and every call reuses them.
SOAP_FMAC3 void SOAP_FMAC4 soap_default_SOAP_ENV__Header(struct soap *, struct SOAP_ENV__Header *) {}

SOAP_FMAC3 void SOAP_FMAC4 soap_default_SOAP_ENV__Code(struct soap *, struct SOAP_ENV__Code *a)
{
    a->SOAP_ENV__Value = nullptr;
    a->SOAP_ENV__Subcode = nullptr;
}

SOAP_FMAC3 void SOAP_FMAC4 soap_default_SOAP_ENV__Detail(struct soap *, struct SOAP_ENV__Detail *a)
{
    a->__type = 0;
    a->fault = nullptr;
    a->__any = nullptr;
}

SOAP_FMAC3 void SOAP_FMAC4 soap_default_SOAP_ENV__Reason(struct soap *, struct SOAP_ENV__Reason *a)
{
    a->SOAP_ENV__Text = nullptr;
}

SOAP_FMAC3 void SOAP_FMAC4 soap_default_SOAP_ENV__Fault(struct soap *, struct SOAP_ENV__Fault *a)
{
    a->faultcode = nullptr;
    a->faultstring = nullptr;
    a->faultactor = nullptr;
    a->detail = nullptr;
    a->SOAP_ENV__Code = nullptr;
    a->SOAP_ENV__Reason = nullptr;
    a->SOAP_ENV__Node = nullptr;
    a->SOAP_ENV__Role = nullptr;
    a->SOAP_ENV__Detail = nullptr;
}

SOAP_FMAC3 int SOAP_FMAC4 soap_fbase(int, int)
{
    return 0;
}

SOAP_FMAC3 void *SOAP_FMAC4 soap_class_id_enter(struct soap *soap, const char *id, void *p, int type,
                                                size_t n, const char *xsiType, const char *arrayType)
{
    return soap_id_enter(soap, id, p, type, n, xsiType, arrayType, soap_instantiate, soap_fbase);
}

SOAP_FMAC3 void *SOAP_FMAC4 soap_container_id_forward(struct soap *soap, const char *href, void *p,
                                                      size_t len, int st, int tt, size_t n, unsigned int k)
{
    return soap_id_forward(soap, href, p, len, st, tt, n, k, soap_finsert, soap_fbase);
}

SOAP_FMAC3 void SOAP_FMAC4 soap_header(struct soap *soap)
{
    if (!soap->header)
        soap->header = soap_instantiate_SOAP_ENV__Header(soap, -1, nullptr, nullptr, nullptr);
}

void deleteArrayOfString(ArrayOfString *array)
{
    if (!array)
        return;
    // An empty list may still own an empty item table.
    delete[] array->__ptr;
    delete array;
}

// The runtime is built with DOM support and asks the binding to copy and delete typed DOM
// nodes; the binding puts none into DOM trees, so there is nothing to copy or delete.
extern "C" {

SOAP_FMAC3 void *SOAP_FMAC4 soap_dupelement(struct soap *, const void *, int)
{
    return nullptr;
}

SOAP_FMAC3 void SOAP_FMAC4 soap_delelement(const void *, int) {}

} // extern "C"
