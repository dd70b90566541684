#include "EnvelopeReaders.h"

#include "BindingTypes.h"
#include "PrimitiveReaders.h"
#include "ReaderSupport.h"

using qelvox::MemberReader;
using qelvox::MemberTable;

namespace {

template <class T> T *as(void *p)
{
    return static_cast<T *>(p);
}

bool read_text(struct soap *soap, char **slot)
{
    return soap_in_string(soap, nullptr, slot, "xsd:string");
}

bool read_qname(struct soap *soap, char **slot)
{
    return soap_in__QName(soap, nullptr, slot, "");
}

const MemberReader kFaultMembers[] = {
    {"faultcode", false, [](soap *s, void *f) { return read_qname(s, &as<SOAP_ENV__Fault>(f)->faultcode); }},
    {"faultstring", false,
     [](soap *s, void *f) { return read_text(s, &as<SOAP_ENV__Fault>(f)->faultstring); }},
    {"faultactor", false, [](soap *s, void *f) { return read_text(s, &as<SOAP_ENV__Fault>(f)->faultactor); }},
    {"detail", false,
     [](soap *s, void *f) {
         return soap_in_PointerToSOAP_ENV__Detail(s, nullptr, &as<SOAP_ENV__Fault>(f)->detail, "") != nullptr;
     }},
    {"SOAP-ENV:Code", false,
     [](soap *s, void *f) {
         return soap_in_PointerToSOAP_ENV__Code(s, nullptr, &as<SOAP_ENV__Fault>(f)->SOAP_ENV__Code, "") !=
                nullptr;
     }},
    {"SOAP-ENV:Reason", false,
     [](soap *s, void *f) {
         return soap_in_PointerToSOAP_ENV__Reason(s, nullptr, &as<SOAP_ENV__Fault>(f)->SOAP_ENV__Reason,
                                                  "") != nullptr;
     }},
    {"SOAP-ENV:Node", false,
     [](soap *s, void *f) { return read_text(s, &as<SOAP_ENV__Fault>(f)->SOAP_ENV__Node); }},
    {"SOAP-ENV:Role", false,
     [](soap *s, void *f) { return read_text(s, &as<SOAP_ENV__Fault>(f)->SOAP_ENV__Role); }},
    {"SOAP-ENV:Detail", false,
     [](soap *s, void *f) {
         return soap_in_PointerToSOAP_ENV__Detail(s, nullptr, &as<SOAP_ENV__Fault>(f)->SOAP_ENV__Detail,
                                                  "") != nullptr;
     }},
};

const MemberReader kCodeMembers[] = {
    {"SOAP-ENV:Value", false,
     [](soap *s, void *c) { return read_qname(s, &as<SOAP_ENV__Code>(c)->SOAP_ENV__Value); }},
    // A subcode is a code record again, to any depth.
    {"SOAP-ENV:Subcode", false,
     [](soap *s, void *c) {
         return soap_in_PointerToSOAP_ENV__Code(s, nullptr, &as<SOAP_ENV__Code>(c)->SOAP_ENV__Subcode, "") !=
                nullptr;
     }},
};

const MemberReader kReasonMembers[] = {
    {"SOAP-ENV:Text", false,
     [](soap *s, void *r) { return read_text(s, &as<SOAP_ENV__Reason>(r)->SOAP_ENV__Text); }},
};

template <class T, size_t N> MemberTable table(int type, const MemberReader (&members)[N])
{
    return {type, sizeof(T), members, N};
}

// The readers reset every member each time, whether they were handed the record or made it.
template <class T, void (*Init)(struct soap *, T *)> void reset(struct soap *soap, void *record)
{
    Init(soap, as<T>(record));
}

// The detail's first child that the dispatcher recognises becomes its typed fault object, the first
// other child its literal XML; later children are skipped.
bool read_detail_children(struct soap *soap, SOAP_ENV__Detail *d)
{
    bool faultUnread = true;
    bool anyUnread = true;
    for (;;) {
        soap->error = SOAP_TAG_MISMATCH;
        if (faultUnread) {
            d->fault = soap_getelement(soap, nullptr, &d->__type);
            if (d->fault) {
                faultUnread = false;
                continue;
            }
        }
        if (soap->error == SOAP_NO_TAG)
            break;
        if (soap->error == SOAP_TAG_MISMATCH && anyUnread) {
            if (soap_inliteral(soap, "-any", &d->__any)) {
                anyUnread = false;
                continue;
            }
            if (soap->error == SOAP_NO_TAG)
                break;
        }
        if (soap->error == SOAP_TAG_MISMATCH)
            soap->error = soap_ignore_element(soap);
        if (soap->error == SOAP_NO_TAG)
            break;
        if (soap->error)
            return false;
    }
    soap->error = SOAP_OK;
    return true;
}

} // namespace

SOAP_FMAC3 struct SOAP_ENV__Header *SOAP_FMAC4 soap_in_SOAP_ENV__Header(struct soap *soap, const char *tag,
                                                                        struct SOAP_ENV__Header *a,
                                                                        const char *type)
{
    // No member: every child goes to the skipper, which refuses what must be understood.
    static const MemberTable kHeader = {SOAP_TYPE_SOAP_ENV__Header, sizeof(SOAP_ENV__Header), nullptr, 0};
    return as<SOAP_ENV__Header>(qelvox::read_message(soap, tag, a, type, kHeader, true,
                                                     reset<SOAP_ENV__Header, soap_default_SOAP_ENV__Header>));
}

SOAP_FMAC3 struct SOAP_ENV__Fault *SOAP_FMAC4 soap_in_SOAP_ENV__Fault(struct soap *soap, const char *tag,
                                                                      struct SOAP_ENV__Fault *a,
                                                                      const char *type)
{
    static const MemberTable kFault = table<SOAP_ENV__Fault>(SOAP_TYPE_SOAP_ENV__Fault, kFaultMembers);
    return as<SOAP_ENV__Fault>(qelvox::read_message(soap, tag, a, type, kFault, false,
                                                    reset<SOAP_ENV__Fault, soap_default_SOAP_ENV__Fault>));
}

SOAP_FMAC3 struct SOAP_ENV__Code *SOAP_FMAC4 soap_in_SOAP_ENV__Code(struct soap *soap, const char *tag,
                                                                    struct SOAP_ENV__Code *a,
                                                                    const char *type)
{
    static const MemberTable kCode = table<SOAP_ENV__Code>(SOAP_TYPE_SOAP_ENV__Code, kCodeMembers);
    return as<SOAP_ENV__Code>(qelvox::read_message(soap, tag, a, type, kCode, false,
                                                   reset<SOAP_ENV__Code, soap_default_SOAP_ENV__Code>));
}

SOAP_FMAC3 struct SOAP_ENV__Reason *SOAP_FMAC4 soap_in_SOAP_ENV__Reason(struct soap *soap, const char *tag,
                                                                        struct SOAP_ENV__Reason *a,
                                                                        const char *type)
{
    static const MemberTable kReason = table<SOAP_ENV__Reason>(SOAP_TYPE_SOAP_ENV__Reason, kReasonMembers);
    return as<SOAP_ENV__Reason>(qelvox::read_message(soap, tag, a, type, kReason, false,
                                                     reset<SOAP_ENV__Reason, soap_default_SOAP_ENV__Reason>));
}

SOAP_FMAC3 struct SOAP_ENV__Detail *SOAP_FMAC4 soap_in_SOAP_ENV__Detail(struct soap *soap, const char *tag,
                                                                        struct SOAP_ENV__Detail *a,
                                                                        const char *type)
{
    if (soap_element_begin_in(soap, tag, 0, type))
        return nullptr;
    a = as<SOAP_ENV__Detail>(soap_id_enter(soap, qelvox::ElementId(soap), a, SOAP_TYPE_SOAP_ENV__Detail,
                                           sizeof(SOAP_ENV__Detail), nullptr, nullptr, nullptr, nullptr));
    if (!a)
        return nullptr;
    soap_default_SOAP_ENV__Detail(soap, a);
    if (soap->body && !*soap->href) {
        if (!read_detail_children(soap, a) || soap_element_end_in(soap, tag))
            return nullptr;
        return a;
    }
    a = as<SOAP_ENV__Detail>(soap_id_forward(soap, soap->href, a, 0, SOAP_TYPE_SOAP_ENV__Detail,
                                             SOAP_TYPE_SOAP_ENV__Detail, sizeof(SOAP_ENV__Detail), 0, nullptr,
                                             soap_fbase));
    if (soap->body && soap_element_end_in(soap, tag))
        return nullptr;
    return a;
}

SOAP_FMAC3 struct SOAP_ENV__Code **SOAP_FMAC4 soap_in_PointerToSOAP_ENV__Code(struct soap *soap,
                                                                              const char *tag,
                                                                              struct SOAP_ENV__Code **a,
                                                                              const char *type)
{
    return qelvox::read_struct_pointer(soap, tag, a, type, SOAP_TYPE_SOAP_ENV__Code, soap_in_SOAP_ENV__Code);
}

SOAP_FMAC3 struct SOAP_ENV__Reason **SOAP_FMAC4 soap_in_PointerToSOAP_ENV__Reason(struct soap *soap,
                                                                                  const char *tag,
                                                                                  struct SOAP_ENV__Reason **a,
                                                                                  const char *type)
{
    return qelvox::read_struct_pointer(soap, tag, a, type, SOAP_TYPE_SOAP_ENV__Reason,
                                       soap_in_SOAP_ENV__Reason);
}

SOAP_FMAC3 struct SOAP_ENV__Detail **SOAP_FMAC4 soap_in_PointerToSOAP_ENV__Detail(struct soap *soap,
                                                                                  const char *tag,
                                                                                  struct SOAP_ENV__Detail **a,
                                                                                  const char *type)
{
    return qelvox::read_struct_pointer(soap, tag, a, type, SOAP_TYPE_SOAP_ENV__Detail,
                                       soap_in_SOAP_ENV__Detail);
}

SOAP_FMAC3 struct SOAP_ENV__Header *SOAP_FMAC4 soap_get_SOAP_ENV__Header(struct soap *soap,
                                                                         struct SOAP_ENV__Header *p,
                                                                         const char *tag, const char *type)
{
    return qelvox::read_top_level(soap, p, tag, type, soap_in_SOAP_ENV__Header);
}

SOAP_FMAC3 struct SOAP_ENV__Fault *SOAP_FMAC4 soap_get_SOAP_ENV__Fault(struct soap *soap,
                                                                       struct SOAP_ENV__Fault *p,
                                                                       const char *tag, const char *type)
{
    return qelvox::read_top_level(soap, p, tag, type, soap_in_SOAP_ENV__Fault);
}

SOAP_FMAC3 struct SOAP_ENV__Code *SOAP_FMAC4 soap_get_SOAP_ENV__Code(struct soap *soap,
                                                                     struct SOAP_ENV__Code *p,
                                                                     const char *tag, const char *type)
{
    return qelvox::read_top_level(soap, p, tag, type, soap_in_SOAP_ENV__Code);
}

SOAP_FMAC3 struct SOAP_ENV__Reason *SOAP_FMAC4 soap_get_SOAP_ENV__Reason(struct soap *soap,
                                                                         struct SOAP_ENV__Reason *p,
                                                                         const char *tag, const char *type)
{
    return qelvox::read_top_level(soap, p, tag, type, soap_in_SOAP_ENV__Reason);
}

SOAP_FMAC3 struct SOAP_ENV__Detail *SOAP_FMAC4 soap_get_SOAP_ENV__Detail(struct soap *soap,
                                                                         struct SOAP_ENV__Detail *p,
                                                                         const char *tag, const char *type)
{
    return qelvox::read_top_level(soap, p, tag, type, soap_in_SOAP_ENV__Detail);
}

SOAP_FMAC3 struct SOAP_ENV__Code **SOAP_FMAC4 soap_get_PointerToSOAP_ENV__Code(struct soap *soap,
                                                                               struct SOAP_ENV__Code **p,
                                                                               const char *tag,
                                                                               const char *type)
{
    return qelvox::read_top_level(soap, p, tag, type, soap_in_PointerToSOAP_ENV__Code);
}

SOAP_FMAC3 struct SOAP_ENV__Reason **SOAP_FMAC4 soap_get_PointerToSOAP_ENV__Reason(
    struct soap *soap, struct SOAP_ENV__Reason **p, const char *tag, const char *type)
{
    return qelvox::read_top_level(soap, p, tag, type, soap_in_PointerToSOAP_ENV__Reason);
}

SOAP_FMAC3 struct SOAP_ENV__Detail **SOAP_FMAC4 soap_get_PointerToSOAP_ENV__Detail(
    struct soap *soap, struct SOAP_ENV__Detail **p, const char *tag, const char *type)
{
    return qelvox::read_top_level(soap, p, tag, type, soap_in_PointerToSOAP_ENV__Detail);
}

SOAP_FMAC3 int SOAP_FMAC4 soap_getheader(struct soap *soap)
{
    // The runtime reads the header first in every reply, so this is where a reply's reading begins.
    qelvox::reset_declared_budget(soap);
    soap->part = SOAP_IN_HEADER;
    soap->header = soap_in_SOAP_ENV__Header(soap, "SOAP-ENV:Header", nullptr, nullptr);
    soap->part = SOAP_END_HEADER;
    return soap->header == nullptr;
}

SOAP_FMAC3 int SOAP_FMAC4 soap_getfault(struct soap *soap)
{
    soap->fault = soap_get_SOAP_ENV__Fault(soap, nullptr, "SOAP-ENV:Fault", nullptr);
    return soap->fault == nullptr;
}
