#include "ServiceEndpoints.h"

namespace ServiceEndpoints {

// Constant-initialised, so that objects built before main may use them.
const char *const account = "https://" QELVOX_SERVICE_HOST "/index.php?service=Qelvox";
const char *const signup = "https://" QELVOX_SERVICE_HOST "/index.php?service=Client";

QString webPage(const char *pathAndQuery)
{
    return QStringLiteral("https://" QELVOX_SERVICE_HOST) + QLatin1String(pathAndQuery);
}

const char *caFile()
{
    static const char file[] = QELVOX_SERVICE_CA_FILE;
    return file[0] ? file : nullptr;
}

} // namespace ServiceEndpoints
