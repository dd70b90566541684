#include "BindingTypes.h"
#include "WriterSupport.h"

namespace {

template <class T>
T *newCleared(struct soap *soap, T *(*instantiate)(struct soap *, int, const char *, const char *, size_t *),
              void (*clear)(struct soap *, T *))
{
    T *p = instantiate(soap, -1, nullptr, nullptr, nullptr);
    if (p)
        clear(soap, p);
    return p;
}

SOAP_ENV__Code *newCode(struct soap *soap)
{
    return newCleared(soap, soap_instantiate_SOAP_ENV__Code, soap_default_SOAP_ENV__Code);
}

const char **slot(char **text)
{
    return const_cast<const char **>(text);
}

} // namespace

SOAP_FMAC3 void SOAP_FMAC4 soap_fault(struct soap *soap)
{
    if (!soap->fault) {
        soap->fault = newCleared(soap, soap_instantiate_SOAP_ENV__Fault, soap_default_SOAP_ENV__Fault);
        if (!soap->fault)
            return;
    }
    if (soap->version == 2 && !soap->fault->SOAP_ENV__Code)
        soap->fault->SOAP_ENV__Code = newCode(soap);
    if (soap->version == 2 && !soap->fault->SOAP_ENV__Reason)
        soap->fault->SOAP_ENV__Reason =
            newCleared(soap, soap_instantiate_SOAP_ENV__Reason, soap_default_SOAP_ENV__Reason);
}

// Every accessor answers null when the record or the part holding its slot could not be
// allocated, rather than pointing into nothing.
SOAP_FMAC3 const char **SOAP_FMAC4 soap_faultcode(struct soap *soap)
{
    soap_fault(soap);
    if (!soap->fault)
        return nullptr;
    if (soap->version != 2)
        return slot(&soap->fault->faultcode);
    SOAP_ENV__Code *code = soap->fault->SOAP_ENV__Code;
    return code ? slot(&code->SOAP_ENV__Value) : nullptr;
}

SOAP_FMAC3 const char **SOAP_FMAC4 soap_faultsubcode(struct soap *soap)
{
    soap_fault(soap);
    if (!soap->fault)
        return nullptr;
    if (soap->version != 2)
        return slot(&soap->fault->faultcode);
    SOAP_ENV__Code *code = soap->fault->SOAP_ENV__Code;
    if (!code)
        return nullptr;
    if (!code->SOAP_ENV__Subcode)
        code->SOAP_ENV__Subcode = newCode(soap);
    return code->SOAP_ENV__Subcode ? slot(&code->SOAP_ENV__Subcode->SOAP_ENV__Value) : nullptr;
}

SOAP_FMAC3 const char **SOAP_FMAC4 soap_faultstring(struct soap *soap)
{
    soap_fault(soap);
    if (!soap->fault)
        return nullptr;
    if (soap->version != 2)
        return slot(&soap->fault->faultstring);
    SOAP_ENV__Reason *reason = soap->fault->SOAP_ENV__Reason;
    return reason ? slot(&reason->SOAP_ENV__Text) : nullptr;
}

SOAP_FMAC3 const char **SOAP_FMAC4 soap_faultdetail(struct soap *soap)
{
    soap_fault(soap);
    if (!soap->fault)
        return nullptr;
    if (soap->version == 1) {
        if (!soap->fault->detail) {
            auto *detail = static_cast<SOAP_ENV__Detail *>(soap_malloc(soap, sizeof(SOAP_ENV__Detail)));
            if (!detail)
                return nullptr;
            soap_default_SOAP_ENV__Detail(soap, detail);
            soap->fault->detail = detail;
        }
        return slot(&soap->fault->detail->__any);
    }
    if (!soap->fault->SOAP_ENV__Detail)
        soap->fault->SOAP_ENV__Detail =
            newCleared(soap, soap_instantiate_SOAP_ENV__Detail, soap_default_SOAP_ENV__Detail);
    return soap->fault->SOAP_ENV__Detail ? slot(&soap->fault->SOAP_ENV__Detail->__any) : nullptr;
}

// The texts behind the slots, for the runtime's fault printers; they create nothing.
SOAP_FMAC3 const char *SOAP_FMAC4 soap_fault_subcode(struct soap *soap)
{
    const SOAP_ENV__Fault *fault = soap->fault;
    if (!fault)
        return nullptr;
    if (soap->version != 2)
        return fault->faultcode;
    const SOAP_ENV__Code *code = fault->SOAP_ENV__Code;
    return code && code->SOAP_ENV__Subcode ? code->SOAP_ENV__Subcode->SOAP_ENV__Value : nullptr;
}

SOAP_FMAC3 const char *SOAP_FMAC4 soap_fault_string(struct soap *soap)
{
    const char **s = soap_faultstring(soap);
    return s ? *s : nullptr;
}

SOAP_FMAC3 const char *SOAP_FMAC4 soap_fault_detail(struct soap *soap)
{
    const char **s = soap_faultdetail(soap);
    return s ? *s : nullptr;
}

SOAP_FMAC3 void SOAP_FMAC4 soap_serializefault(struct soap *soap)
{
    soap_fault(soap);
    if (soap->fault)
        soap_serialize_SOAP_ENV__Fault(soap, soap->fault);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_putfault(struct soap *soap)
{
    if (!soap->fault)
        return SOAP_OK;
    return soap_put_SOAP_ENV__Fault(soap, soap->fault, "SOAP-ENV:Fault", nullptr);
}

SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_SOAP_ENV__Fault(struct soap *soap, const struct SOAP_ENV__Fault *a)
{
    soap_serialize_string(soap, &a->faultcode);
    soap_serialize_string(soap, &a->faultstring);
    soap_serialize_string(soap, &a->faultactor);
    soap_serialize_PointerToSOAP_ENV__Detail(soap, &a->detail);
    soap_serialize_PointerToSOAP_ENV__Code(soap, &a->SOAP_ENV__Code);
    soap_serialize_PointerToSOAP_ENV__Reason(soap, &a->SOAP_ENV__Reason);
    soap_serialize_string(soap, &a->SOAP_ENV__Node);
    soap_serialize_string(soap, &a->SOAP_ENV__Role);
    soap_serialize_PointerToSOAP_ENV__Detail(soap, &a->SOAP_ENV__Detail);
}

SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_SOAP_ENV__Code(struct soap *soap, const struct SOAP_ENV__Code *a)
{
    soap_serialize__QName(soap, &a->SOAP_ENV__Value);
    soap_serialize_PointerToSOAP_ENV__Code(soap, &a->SOAP_ENV__Subcode);
}

// The literal XML in __any is written verbatim and never shared, so only the payload is marked.
SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_SOAP_ENV__Detail(struct soap *soap,
                                                           const struct SOAP_ENV__Detail *a)
{
    soap_markelement(soap, a->fault, a->__type);
}

SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_SOAP_ENV__Reason(struct soap *soap,
                                                           const struct SOAP_ENV__Reason *a)
{
    soap_serialize_string(soap, &a->SOAP_ENV__Text);
}

SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_PointerToSOAP_ENV__Code(struct soap *soap,
                                                                  struct SOAP_ENV__Code *const *a)
{
    if (!soap_reference(soap, *a, SOAP_TYPE_SOAP_ENV__Code))
        soap_serialize_SOAP_ENV__Code(soap, *a);
}

SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_PointerToSOAP_ENV__Detail(struct soap *soap,
                                                                    struct SOAP_ENV__Detail *const *a)
{
    if (!soap_reference(soap, *a, SOAP_TYPE_SOAP_ENV__Detail))
        soap_serialize_SOAP_ENV__Detail(soap, *a);
}

SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_PointerToSOAP_ENV__Reason(struct soap *soap,
                                                                    struct SOAP_ENV__Reason *const *a)
{
    if (!soap_reference(soap, *a, SOAP_TYPE_SOAP_ENV__Reason))
        soap_serialize_SOAP_ENV__Reason(soap, *a);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_out_SOAP_ENV__Fault(struct soap *soap, const char *tag, int id,
                                                   const struct SOAP_ENV__Fault *a, const char *type)
{
    const char *code = soap_QName2s(soap, a->faultcode);
    if (soap_element_begin_out(soap, tag, soap_embedded_id(soap, id, a, SOAP_TYPE_SOAP_ENV__Fault), type) ||
        soap_out__QName(soap, "faultcode", -1, const_cast<char *const *>(&code), "") ||
        soap_out_string(soap, "faultstring", -1, &a->faultstring, "xsd:string") ||
        soap_out_string(soap, "faultactor", -1, &a->faultactor, "xsd:string") ||
        soap_out_PointerToSOAP_ENV__Detail(soap, "detail", -1, &a->detail, "") ||
        soap_out_PointerToSOAP_ENV__Code(soap, "SOAP-ENV:Code", -1, &a->SOAP_ENV__Code, "") ||
        soap_out_PointerToSOAP_ENV__Reason(soap, "SOAP-ENV:Reason", -1, &a->SOAP_ENV__Reason, "") ||
        soap_out_string(soap, "SOAP-ENV:Node", -1, &a->SOAP_ENV__Node, "") ||
        soap_out_string(soap, "SOAP-ENV:Role", -1, &a->SOAP_ENV__Role, "") ||
        soap_out_PointerToSOAP_ENV__Detail(soap, "SOAP-ENV:Detail", -1, &a->SOAP_ENV__Detail, ""))
        return soap->error;
    return soap_element_end_out(soap, tag);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_out_SOAP_ENV__Code(struct soap *soap, const char *tag, int id,
                                                  const struct SOAP_ENV__Code *a, const char *type)
{
    const char *value = soap_QName2s(soap, a->SOAP_ENV__Value);
    if (soap_element_begin_out(soap, tag, soap_embedded_id(soap, id, a, SOAP_TYPE_SOAP_ENV__Code), type) ||
        soap_out__QName(soap, "SOAP-ENV:Value", -1, const_cast<char *const *>(&value), "") ||
        soap_out_PointerToSOAP_ENV__Code(soap, "SOAP-ENV:Subcode", -1, &a->SOAP_ENV__Subcode, ""))
        return soap->error;
    return soap_element_end_out(soap, tag);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_out_SOAP_ENV__Reason(struct soap *soap, const char *tag, int id,
                                                    const struct SOAP_ENV__Reason *a, const char *type)
{
    if (soap_element_begin_out(soap, tag, soap_embedded_id(soap, id, a, SOAP_TYPE_SOAP_ENV__Reason), type))
        return soap->error;
    // The attribute is pending until the next element opens, which is SOAP-ENV:Text.
    if (soap->lang)
        soap_set_attr(soap, "xml:lang", soap->lang, 1);
    if (soap_out_string(soap, "SOAP-ENV:Text", -1, &a->SOAP_ENV__Text, ""))
        return soap->error;
    return soap_element_end_out(soap, tag);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_out_SOAP_ENV__Detail(struct soap *soap, const char *tag, int id,
                                                    const struct SOAP_ENV__Detail *a, const char *type)
{
    if (soap_element_begin_out(soap, tag, soap_embedded_id(soap, id, a, SOAP_TYPE_SOAP_ENV__Detail), type) ||
        soap_putelement(soap, a->fault, "fault", -1, a->__type))
        return soap->error;
    soap_outliteral(soap, "-any", &a->__any, nullptr);
    return soap_element_end_out(soap, tag);
}

namespace {

template <class T>
int outPointer(struct soap *soap, const char *tag, int id, T *const *a, const char *type, int typeId,
               int (*write)(struct soap *, const char *, int, const T *, const char *))
{
    id = soap_element_id(soap, tag, id, *a, nullptr, 0, type, typeId, nullptr);
    if (id < 0)
        return soap->error;
    return write(soap, tag, id, *a, type);
}

} // namespace

SOAP_FMAC3 int SOAP_FMAC4 soap_out_PointerToSOAP_ENV__Code(struct soap *soap, const char *tag, int id,
                                                           struct SOAP_ENV__Code *const *a, const char *type)
{
    return outPointer(soap, tag, id, a, type, SOAP_TYPE_SOAP_ENV__Code, soap_out_SOAP_ENV__Code);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_out_PointerToSOAP_ENV__Detail(struct soap *soap, const char *tag, int id,
                                                             struct SOAP_ENV__Detail *const *a,
                                                             const char *type)
{
    return outPointer(soap, tag, id, a, type, SOAP_TYPE_SOAP_ENV__Detail, soap_out_SOAP_ENV__Detail);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_out_PointerToSOAP_ENV__Reason(struct soap *soap, const char *tag, int id,
                                                             struct SOAP_ENV__Reason *const *a,
                                                             const char *type)
{
    return outPointer(soap, tag, id, a, type, SOAP_TYPE_SOAP_ENV__Reason, soap_out_SOAP_ENV__Reason);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_put_SOAP_ENV__Fault(struct soap *soap, const struct SOAP_ENV__Fault *a,
                                                   const char *tag, const char *type)
{
    return qelvox::put(soap, a, tag ? tag : "SOAP-ENV:Fault", type, SOAP_TYPE_SOAP_ENV__Fault,
                       soap_out_SOAP_ENV__Fault);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_put_SOAP_ENV__Code(struct soap *soap, const struct SOAP_ENV__Code *a,
                                                  const char *tag, const char *type)
{
    return qelvox::put(soap, a, tag ? tag : "SOAP-ENV:Code", type, SOAP_TYPE_SOAP_ENV__Code,
                       soap_out_SOAP_ENV__Code);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_put_SOAP_ENV__Detail(struct soap *soap, const struct SOAP_ENV__Detail *a,
                                                    const char *tag, const char *type)
{
    return qelvox::put(soap, a, tag ? tag : "SOAP-ENV:Detail", type, SOAP_TYPE_SOAP_ENV__Detail,
                       soap_out_SOAP_ENV__Detail);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_put_SOAP_ENV__Reason(struct soap *soap, const struct SOAP_ENV__Reason *a,
                                                    const char *tag, const char *type)
{
    return qelvox::put(soap, a, tag ? tag : "SOAP-ENV:Reason", type, SOAP_TYPE_SOAP_ENV__Reason,
                       soap_out_SOAP_ENV__Reason);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_put_PointerToSOAP_ENV__Code(struct soap *soap, struct SOAP_ENV__Code *const *a,
                                                           const char *tag, const char *type)
{
    return qelvox::put(soap, a, tag ? tag : "SOAP-ENV:Code", type, SOAP_TYPE_PointerToSOAP_ENV__Code,
                       soap_out_PointerToSOAP_ENV__Code);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_put_PointerToSOAP_ENV__Detail(struct soap *soap,
                                                             struct SOAP_ENV__Detail *const *a,
                                                             const char *tag, const char *type)
{
    return qelvox::put(soap, a, tag ? tag : "SOAP-ENV:Detail", type, SOAP_TYPE_PointerToSOAP_ENV__Detail,
                       soap_out_PointerToSOAP_ENV__Detail);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_put_PointerToSOAP_ENV__Reason(struct soap *soap,
                                                             struct SOAP_ENV__Reason *const *a,
                                                             const char *tag, const char *type)
{
    return qelvox::put(soap, a, tag ? tag : "SOAP-ENV:Reason", type, SOAP_TYPE_PointerToSOAP_ENV__Reason,
                       soap_out_PointerToSOAP_ENV__Reason);
}
