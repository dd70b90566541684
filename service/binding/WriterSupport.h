#pragma once

#include "BindingSupport.h"

// Writers of the primitive values and of the SOAP-ENV records, written by hand because their
// shapes are not per-type.
SOAP_FMAC3 int SOAP_FMAC4 soap_out_int(struct soap *, const char *tag, int id, const int *a,
                                       const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_out_byte(struct soap *, const char *tag, int id, const char *a,
                                        const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_out_double(struct soap *, const char *tag, int id, const double *a,
                                          const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_out_string(struct soap *, const char *tag, int id, char *const *a,
                                          const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_out__QName(struct soap *, const char *tag, int id, char *const *a,
                                          const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_out_std__string(struct soap *, const char *tag, int id, const std::string *a,
                                               const char *type);
SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_string(struct soap *, char *const *a);
SOAP_FMAC3 void SOAP_FMAC4 soap_serialize__QName(struct soap *, char *const *a);
SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_std__string(struct soap *, const std::string *a);

// Writes every object that the marking pass found referenced more than once, as an independent
// element "id" after the top-level element.
SOAP_FMAC3 int SOAP_FMAC4 soap_putindependent(struct soap *);

SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_SOAP_ENV__Header(struct soap *, const struct SOAP_ENV__Header *);
SOAP_FMAC3 int SOAP_FMAC4 soap_out_SOAP_ENV__Header(struct soap *, const char *tag, int id,
                                                    const struct SOAP_ENV__Header *a, const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_put_SOAP_ENV__Header(struct soap *, const struct SOAP_ENV__Header *a,
                                                    const char *tag, const char *type);

SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_SOAP_ENV__Fault(struct soap *, const struct SOAP_ENV__Fault *);
SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_SOAP_ENV__Code(struct soap *, const struct SOAP_ENV__Code *);
SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_SOAP_ENV__Detail(struct soap *, const struct SOAP_ENV__Detail *);
SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_SOAP_ENV__Reason(struct soap *, const struct SOAP_ENV__Reason *);
SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_PointerToSOAP_ENV__Code(struct soap *,
                                                                  struct SOAP_ENV__Code *const *);
SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_PointerToSOAP_ENV__Detail(struct soap *,
                                                                    struct SOAP_ENV__Detail *const *);
SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_PointerToSOAP_ENV__Reason(struct soap *,
                                                                    struct SOAP_ENV__Reason *const *);
SOAP_FMAC3 int SOAP_FMAC4 soap_out_SOAP_ENV__Fault(struct soap *, const char *tag, int id,
                                                   const struct SOAP_ENV__Fault *a, const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_out_SOAP_ENV__Code(struct soap *, const char *tag, int id,
                                                  const struct SOAP_ENV__Code *a, const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_out_SOAP_ENV__Detail(struct soap *, const char *tag, int id,
                                                    const struct SOAP_ENV__Detail *a, const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_out_SOAP_ENV__Reason(struct soap *, const char *tag, int id,
                                                    const struct SOAP_ENV__Reason *a, const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_out_PointerToSOAP_ENV__Code(struct soap *, const char *tag, int id,
                                                           struct SOAP_ENV__Code *const *a, const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_out_PointerToSOAP_ENV__Detail(struct soap *, const char *tag, int id,
                                                             struct SOAP_ENV__Detail *const *a,
                                                             const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_out_PointerToSOAP_ENV__Reason(struct soap *, const char *tag, int id,
                                                             struct SOAP_ENV__Reason *const *a,
                                                             const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_put_SOAP_ENV__Fault(struct soap *, const struct SOAP_ENV__Fault *a,
                                                   const char *tag, const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_put_SOAP_ENV__Code(struct soap *, const struct SOAP_ENV__Code *a,
                                                  const char *tag, const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_put_SOAP_ENV__Detail(struct soap *, const struct SOAP_ENV__Detail *a,
                                                    const char *tag, const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_put_SOAP_ENV__Reason(struct soap *, const struct SOAP_ENV__Reason *a,
                                                    const char *tag, const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_put_PointerToSOAP_ENV__Code(struct soap *, struct SOAP_ENV__Code *const *a,
                                                           const char *tag, const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_put_PointerToSOAP_ENV__Detail(struct soap *, struct SOAP_ENV__Detail *const *a,
                                                             const char *tag, const char *type);
SOAP_FMAC3 int SOAP_FMAC4 soap_put_PointerToSOAP_ENV__Reason(struct soap *, struct SOAP_ENV__Reason *const *a,
                                                             const char *tag, const char *type);

namespace qelvox {

// The end of every top-level writer: a failed element leaves no independents behind it.
inline int end_put(struct soap *soap, int written)
{
    return written ? soap->error : soap_putindependent(soap);
}

// Opens an encoded array element. The runtime's own array opener no longer types the element
// as SOAP-ENC:Array, which the service's wire format has; without items there is neither type
// nor arrayType.
inline int begin_array(struct soap *soap, const char *tag, int id, const char *arrayType)
{
    if (!arrayType)
        return soap_element_begin_out(soap, tag, id, nullptr);
    if (soap_element(soap, tag, id, "SOAP-ENC:Array") ||
        soap_attribute(soap, "SOAP-ENC:arrayType", arrayType) || soap_element_start_end_out(soap, nullptr))
        return soap->error;
    return SOAP_OK;
}

// The top-level writer shape shared by every non-class type.
template <class T>
int put(struct soap *soap, const T *a, const char *tag, const char *type, int typeId,
        int (*write)(struct soap *, const char *, int, const T *, const char *))
{
    const int id = soap_embed(soap, a, nullptr, 0, typeId);
    return end_put(soap, write(soap, tag, id, a, type));
}

// The writer shape shared by every array class. Items are written without examining their
// results: a failure stays in the engine's error and surfaces when the array element closes.
template <class Array, class Item>
int out_array(struct soap *soap, const char *tag, int id, const Array *a, const char *type, int typeId,
              const char *itemType,
              int (*writeItem)(struct soap *, const char *, int, const Item *, const char *))
{
    // An array without an item table is written empty, whatever its size claims.
    const int n = a->__ptr ? a->__size : 0;
    const char *arrayType = a->__ptr ? soap_putsizesoffsets(soap, itemType, &n, nullptr, 1) : nullptr;
    id = soap_element_id(soap, tag, id, a, a->__ptr, n, type, typeId, nullptr);
    if (id < 0)
        return soap->error;
    if (begin_array(soap, tag, id, arrayType))
        return soap->error;
    for (int i = 0; i < n; ++i) {
        soap->position = 1;
        soap->positions[0] = i;
        writeItem(soap, "item", -1, &a->__ptr[i], itemType);
    }
    soap->position = 0;
    return soap_element_end_out(soap, tag);
}

} // namespace qelvox
