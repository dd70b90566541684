#pragma once

#include <stdsoap2.h>

// Writes the head of one SOAP request. Installed as the engine's post callback by
// installHttpPost(), in place of the runtime's own writer, whose head differs
// (its own User-Agent, an Accept-Encoding line, no SOAPAction when it is empty).
int http_post(struct soap *soap, const char *endpoint, const char *host, int port, const char *path,
              const char *action, ULONG64 count);

void installHttpPost(struct soap *soap);
