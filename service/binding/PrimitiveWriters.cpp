#include "BindingTypes.h"
#include "WriterSupport.h"

SOAP_FMAC3 int SOAP_FMAC4 soap_out_int(struct soap *soap, const char *tag, int id, const int *a,
                                       const char *type)
{
    return soap_outint(soap, tag, id, a, type, SOAP_TYPE_int);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_out_byte(struct soap *soap, const char *tag, int id, const char *a,
                                        const char *type)
{
    return soap_outbyte(soap, tag, id, a, type, SOAP_TYPE_byte);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_out_double(struct soap *soap, const char *tag, int id, const double *a,
                                          const char *type)
{
    return soap_outdouble(soap, tag, id, a, type, SOAP_TYPE_double);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_out_string(struct soap *soap, const char *tag, int id, char *const *a,
                                          const char *type)
{
    return soap_outstring(soap, tag, id, a, type, SOAP_TYPE_string);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_out__QName(struct soap *soap, const char *tag, int id, char *const *a,
                                          const char *type)
{
    return soap_outstring(soap, tag, id, a, type, SOAP_TYPE__QName);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_out_std__string(struct soap *soap, const char *tag, int id,
                                               const std::string *a, const char *type)
{
    if ((soap->mode & SOAP_C_NILSTRING) && a->empty())
        return soap_element_null(soap, tag, id, type);
    if (soap_element_begin_out(soap, tag, soap_embedded_id(soap, id, a, SOAP_TYPE_std__string), type) ||
        soap_string_out(soap, a->c_str(), 0) || soap_element_end_out(soap, tag))
        return soap->error;
    return SOAP_OK;
}

SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_string(struct soap *soap, char *const *a)
{
    soap_reference(soap, *a, SOAP_TYPE_string);
}

// Qualified names share the text's pointer-table entries, so they are marked as texts.
SOAP_FMAC3 void SOAP_FMAC4 soap_serialize__QName(struct soap *soap, char *const *a)
{
    soap_reference(soap, *a, SOAP_TYPE_string);
}

SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_std__string(struct soap *, const std::string *) {}

SOAP_FMAC3 int SOAP_FMAC4 soap_putindependent(struct soap *soap)
{
    if (soap->version != 1 || !soap->encodingStyle || (soap->mode & (SOAP_XML_TREE | SOAP_XML_GRAPH)))
        return SOAP_OK;
    for (int i = 0; i < SOAP_PTRHASH; ++i)
        for (const struct soap_plist *pp = soap->pht[i]; pp; pp = pp->next)
            if ((pp->mark1 == 2 || pp->mark2 == 2) && soap_putelement(soap, pp->ptr, "id", pp->id, pp->type))
                return soap->error;
    return SOAP_OK;
}
