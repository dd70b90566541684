// Reads one getObjects reply holding 20,000 records with the client's readers, and the same bytes
// with the stand-in server's readers (generated independently by soapcpp2), and prints both rates.

#include "ReplyReceiver.h"
#include "standinH.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr int kRecords = 20000;
constexpr int kRuns = 7;

std::string field(const char *tag, const char *type, const std::string &value)
{
    return std::string("<") + tag + " xsi:type=\"xsd:" + type + "\">" + value + "</" + tag + ">";
}

std::string number(const char *tag, int value)
{
    return field(tag, "int", std::to_string(value));
}

std::string text(const char *tag, const std::string &value)
{
    return field(tag, "string", value);
}

// One array member of the snapshot with count records, each written by item(i).
template <class Item> std::string array(const char *tag, const char *type, int count, Item item)
{
    std::string out = std::string("<") + tag +
                      " xsi:type=\"SOAP-ENC:Array\" SOAP-ENC:arrayType=\"ns1:" + type + "[" +
                      std::to_string(count) + "]\">";
    for (int i = 0; i < count; ++i)
        out += std::string("<item xsi:type=\"ns1:") + type + "\">" + item(i) + "</item>";
    return out + "</" + tag + ">";
}

// The snapshot as the service writes it, its records spread over the kinds of a real account.
std::string snapshotReply()
{
    const std::string date = "2026-12-01 10:00:00";
    std::string body = "<ns1:QelvoxService.getObjectsResponse><return xsi:type=\"ns1:ObjectsInfo\">" +
                       number("timestamp", 1700000000) + number("shifttime", 3600);
    body += array("contactgroups", "ContactGroupInfo", 1000,
                  [](int i) { return number("id", i) + text("name", "Group " + std::to_string(i)); });
    body += array("contacts", "ContactInfo", 6000, [](int i) {
        return number("groupid", i % 1000) + number("id", i) +
               text("name", "Contact Müller " + std::to_string(i)) +
               text("number", "+4930" + std::to_string(1000000 + i)) +
               text("gsmnumber", "+49170" + std::to_string(i));
    });
    body += array("folders", "FolderInfo", 1000, [](int i) {
        return number("foldertype", 0) + number("id", i) + text("name", "Folder " + std::to_string(i));
    });
    body += array("smsessent", "SMSSentInfo", 3000, [&](int i) {
        return number("folderid", 2) + number("id", i) + number("status", 1) + number("sentstatus", 2) +
               text("date", date) + text("content", "Message number " + std::to_string(i)) +
               number("recipients", 1) + text("recipient", "+49170" + std::to_string(i));
    });
    body += array("faxesreceived", "FAXReceivedInfo", 4000, [&](int i) {
        return number("folderid", 1) + number("id", i) + number("type", 2) + number("status", 0) +
               text("date", date) + number("pagescount", 3) + text("sender", "+4940" + std::to_string(i));
    });
    body += array("faxessent", "FAXSentInfo", 4000, [&](int i) {
        return number("folderid", 2) + number("id", i) + number("type", 1) + number("status", 1) +
               number("sentstatus", 3) + text("date", date) + number("pagescount", 2) +
               number("recipients", 1) + text("recipient", "+4989" + std::to_string(i));
    });
    body += array("voicesreceived", "VOICEReceivedInfo", 1000, [&](int i) {
        return number("folderid", 1) + number("id", i) + number("status", 0) + text("date", date) +
               number("duration", 30) + text("sender", "+4921" + std::to_string(i));
    });
    body += "</return></ns1:QelvoxService.getObjectsResponse>";
    const std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><SOAP-ENV:Envelope "
        "xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" xmlns:ns1=\"urn:QelvoxService\" "
        "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xmlns:SOAP-ENC=\"http://schemas.xmlsoap.org/soap/encoding/\" "
        "SOAP-ENV:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\"><SOAP-ENV:Body>" +
        body + "</SOAP-ENV:Body></SOAP-ENV:Envelope>";
    return "HTTP/1.1 200 OK\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: " +
           std::to_string(xml.size()) + "\r\n\r\n" + xml;
}

template <class Objects> int records(const Objects *o)
{
    auto n = [](const auto *a) { return a ? a->__size : 0; };
    return n(o->contactgroups) + n(o->contacts) + n(o->folders) + n(o->smsessent) + n(o->faxesreceived) +
           n(o->faxessent) + n(o->voicesreceived) + n(o->removed);
}

// The best of kRuns reads, each on a fresh engine, in seconds; exits when a read fails.
template <class Response>
double best(const std::string &reply,
            Response *(*getter)(struct soap *, Response *, const char *, const char *), const char *who)
{
    double fastest = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        struct soap *soap = soap_new1(SOAP_C_UTFSTRING);
        Response response{};
        const auto start = std::chrono::steady_clock::now();
        const int code = ReplyReceiver(soap).receive(reply, getter, &response);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const int read = code == SOAP_OK ? records(response.return_) : 0;
        soap_destroy(soap);
        soap_end(soap);
        soap_free(soap);
        if (read != kRecords) {
            std::fprintf(stderr, "%s: the reply read with code %d and %d records\n", who, code, read);
            std::exit(1);
        }
        fastest = std::min(fastest, seconds);
    }
    return fastest;
}

void print(const char *who, double seconds, size_t bytes)
{
    std::printf("%-28s %8.1f ms  %10.0f records/s  %7.1f MB/s\n", who, seconds * 1e3, kRecords / seconds,
                bytes / seconds / 1e6);
}

} // namespace

int main()
{
    const std::string reply = snapshotReply();
    std::printf("getObjects reply: %d records, %zu bytes; best of %d reads each\n", kRecords, reply.size(),
                kRuns);
    const double ours = best(reply, soap_get_ns1__QelvoxService_x002egetObjectsResponse, "binding");
    const double theirs =
        best(reply, standin::soap_get_ns1__QelvoxService_x002egetObjectsResponse, "stand-in");
    print("binding readers", ours, reply.size());
    print("stand-in (soapcpp2) readers", theirs, reply.size());
    std::printf("time ratio binding / stand-in: %.2f\n", ours / theirs);
    return 0;
}
