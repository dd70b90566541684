#include "BindingTypes.h"
#include "WriterSupport.h"

SOAP_FMAC3 int SOAP_FMAC4 soap_putheader(struct soap *soap)
{
    if (!soap->header)
        return SOAP_OK;
    soap->part = SOAP_IN_HEADER;
    if (soap_out_SOAP_ENV__Header(soap, "SOAP-ENV:Header", 0, soap->header, nullptr))
        return soap->error;
    soap->part = SOAP_END_HEADER;
    return SOAP_OK;
}

// The credentials are written in place in every request: nothing of the header is shared.
SOAP_FMAC3 void SOAP_FMAC4 soap_serializeheader(struct soap *) {}

SOAP_FMAC3 void SOAP_FMAC4 soap_serialize_SOAP_ENV__Header(struct soap *, const struct SOAP_ENV__Header *) {}

SOAP_FMAC3 int SOAP_FMAC4 soap_out_SOAP_ENV__Header(struct soap *soap, const char *tag, int id,
                                                    const struct SOAP_ENV__Header *a, const char *type)
{
    if (soap_element_begin_out(soap, tag, soap_embedded_id(soap, id, a, SOAP_TYPE_SOAP_ENV__Header), type))
        return soap->error;
    // The inner steps are not examined: a failure stays in the engine's error and surfaces when
    // the header element closes.
    const char *email = a->email.c_str();
    const char *password = a->password.c_str();
    soap_element_begin_out(soap, "AuthenticationHeader", -1, nullptr);
    soap_out_string(soap, "email", -1, const_cast<char *const *>(&email), "xsd:string");
    soap_out_string(soap, "password", -1, const_cast<char *const *>(&password), "xsd:string");
    soap_element_end_out(soap, "AuthenticationHeader");
    return soap_element_end_out(soap, tag);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_put_SOAP_ENV__Header(struct soap *soap, const struct SOAP_ENV__Header *a,
                                                    const char *tag, const char *type)
{
    return qelvox::put(soap, a, tag ? tag : "SOAP-ENV:Header", type, SOAP_TYPE_SOAP_ENV__Header,
                       soap_out_SOAP_ENV__Header);
}
