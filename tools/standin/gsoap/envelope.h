// SOAP envelope records of the stand-in, compiled by soapcpp2 into the global
// module that the gSOAP runtime links against (header and fault handling).
// The service types live in service.h, in their own C++ namespace.

#include <string>

// The client sends its credentials as an unqualified AuthenticationHeader element.
struct AuthCredentials
{
    std::string email;
    std::string password;
};

struct SOAP_ENV__Header
{
    struct AuthCredentials *AuthenticationHeader;
};
