#pragma once

#include <QString>

// Where the two services live. The host and the extra CA file are build settings
// (QELVOX_SERVICE_HOST and QELVOX_SERVICE_CA_FILE in CMake).
namespace ServiceEndpoints {

extern const char *const account; // the account service's URL
extern const char *const signup;  // the sign-up service's URL

// The address of one of the provider's web pages, which live on the services' host.
QString webPage(const char *pathAndQuery);

// A CA file trusted for the services besides the system store; nullptr when the build names none.
const char *caFile();

} // namespace ServiceEndpoints
