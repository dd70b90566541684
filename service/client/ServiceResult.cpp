#include "ServiceResult.h"

#include <stdsoap2.h>

bool isConnectionError(int result)
{
    return result == SOAP_EOF || result == SOAP_TCP_ERROR;
}

bool isProxyRefusal(int result)
{
    return result == proxyRefusedCredentials || result == proxyRefusedConnection;
}

bool isServiceUnreached(int result)
{
    return isConnectionError(result) || isProxyRefusal(result);
}
