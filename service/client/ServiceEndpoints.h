#pragma once

// Where the two services live. The host and the extra CA file are build settings
// (QELVOX_SERVICE_HOST and QELVOX_SERVICE_CA_FILE in CMake).
namespace ServiceEndpoints {

extern const char *const account; // the account service's URL
extern const char *const signup;  // the sign-up service's URL

// A CA file trusted for the services besides the system store; nullptr when the build names none.
const char *caFile();

} // namespace ServiceEndpoints
