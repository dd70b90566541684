#pragma once

#include "BindingSupport.h"

// One engine context for a test, configured as the client configures its engines, released with
// everything it allocated when the test ends.
class SoapEngine
{
public:
    SoapEngine() : soap(soap_new1(SOAP_C_UTFSTRING))
    {
        soap->encodingStyle = "http://schemas.xmlsoap.org/soap/encoding/";
    }
    ~SoapEngine()
    {
        soap->header = nullptr; // the tests own their headers
        soap_destroy(soap);
        soap_end(soap);
        soap_free(soap);
    }
    SoapEngine(const SoapEngine &) = delete;
    SoapEngine &operator=(const SoapEngine &) = delete;

    struct soap *operator->() const { return soap; }
    operator struct soap *() const { return soap; }

private:
    struct soap *soap;
};
