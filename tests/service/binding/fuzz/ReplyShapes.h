#pragma once

// Reads one raw reply as each of a few operations whose responses together reach every reader:
// records, arrays of every kind, text, faults, headers and, through the multi-reference elements,
// the dispatcher. Shared by the fuzzer and by the test that replays its corpus.

#include "ReplyReceiver.h"

inline void readAsEveryShape(const std::string &bytes)
{
    auto once = [](auto read) {
        struct soap *soap = soap_new1(SOAP_C_UTFSTRING);
        ReplyReceiver receiver(soap);
        read(receiver);
        soap_destroy(soap);
        soap_end(soap);
        soap_free(soap);
    };
    once([&](ReplyReceiver &r) {
        ns1__QelvoxService_x002egetObjectsResponse result{};
        r.receive(bytes, soap_get_ns1__QelvoxService_x002egetObjectsResponse, &result);
    });
    once([&](ReplyReceiver &r) {
        ns1__QelvoxService_x002egetAccountInfoResponse result{};
        r.receive(bytes, soap_get_ns1__QelvoxService_x002egetAccountInfoResponse, &result);
    });
    once([&](ReplyReceiver &r) {
        ns3__ClientService_x002egetAllLanguagesResponse result{};
        r.receive(bytes, soap_get_ns3__ClientService_x002egetAllLanguagesResponse, &result);
    });
    once([&](ReplyReceiver &r) {
        ns1__QelvoxService_x002egetExtendedTitleResponse *made = nullptr;
        r.receive(bytes, soap_get_ns1__QelvoxService_x002egetExtendedTitleResponse, &made);
    });
}
