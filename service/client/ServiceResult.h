#pragma once

// What the result of a service call (an int: the engine's status, 0 success) tells its caller. The engine
// gives gSOAP's error codes (SOAP_EOF -1, SOAP_TCP_ERROR 28, the SOAP faults 1, 2 and 12, ...) and HTTP
// statuses; the two proxy results below are the client's own and collide with none of them.

// True for the results that mean the service could not be reached (as opposed to a refusal): -1 and 28.
bool isConnectionError(int result);

// The configured HTTP proxy turned the call down before the service was reached: it answered the tunnel
// request (CONNECT) with an error, or a plain HTTP request with 407. Like a connection error, such a result
// says nothing about the service; unlike one, it names the proxy as the cause.
//
// The proxy refused the configured credentials (407 Proxy Authentication Required).
constexpr int proxyRefusedCredentials = -407;
// The proxy refused to open the connection to the service (403, 502 or any other error to CONNECT).
constexpr int proxyRefusedConnection = -403;

bool isProxyRefusal(int result);
// A connection error or a proxy refusal: what the call asked for was neither done nor refused by the
// service, so it is tried again rather than given up.
bool isServiceUnreached(int result);
