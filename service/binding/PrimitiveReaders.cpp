#include "PrimitiveReaders.h"

#include "BindingTypes.h"
#include "ReaderSupport.h"

#include <cstring>

namespace {

bool in_list(const char *name, const char *const *names)
{
    for (; *names; ++names)
        if (!std::strcmp(name, *names))
            return true;
    return false;
}

const char *local_part(const char *name)
{
    const char *colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

const char *const kIntTypes[] = {"int", "short", "byte", nullptr};
const char *const kByteTypes[] = {"byte", nullptr};
const char *const kDoubleTypes[] = {"double", "float", "decimal", nullptr};

template <class T> bool parse_int(struct soap *soap, const char *text, T *value)
{
    // An element without text reads as 0, as the service writes no value for an unset number.
    if (!*text) {
        *value = 0;
        return true;
    }
    return soap_s2int(soap, text, value) == SOAP_OK;
}

bool parse_byte(struct soap *soap, const char *text, char *value)
{
    if (!*text) {
        *value = 0;
        return true;
    }
    return soap_s2byte(soap, text, value) == SOAP_OK;
}

bool parse_double(struct soap *soap, const char *text, double *value)
{
    if (!*text) {
        *value = 0.0;
        return true;
    }
    return soap_s2double(soap, text, value) == SOAP_OK;
}

// The number readers: not nillable; an xsi:type must be the expected one or a related number type.
template <class T>
T *read_number(struct soap *soap, const char *tag, T *a, const char *type, int typeId,
               const char *const *accepted, bool (*parse)(struct soap *, const char *, T *))
{
    if (soap_element_begin_in(soap, tag, 0, nullptr))
        return nullptr;
    if (*soap->type && type && !qelvox::match_name(soap, soap->type, type) &&
        !in_list(local_part(soap->type), accepted)) {
        soap->error = SOAP_TYPE;
        soap_revert(soap);
        return nullptr;
    }
    a = static_cast<T *>(soap_id_enter(soap, qelvox::ElementId(soap), a, typeId, sizeof(T), nullptr, nullptr,
                                       nullptr, nullptr));
    if (!a)
        return nullptr;
    if (*soap->href) {
        a = static_cast<T *>(
            soap_id_forward(soap, soap->href, a, 0, typeId, typeId, sizeof(T), 0, nullptr, nullptr));
    } else {
        const char *text = soap->body ? soap_value(soap) : "";
        // The runtime yields no text at all for content it cannot read (cut short or malformed).
        if (!text) {
            if (!soap->error)
                soap->error = SOAP_SYNTAX_ERROR;
            return nullptr;
        }
        if (!parse(soap, text, a))
            return nullptr;
    }
    if (soap->body && soap_element_end_in(soap, tag))
        return nullptr;
    return a;
}

} // namespace

SOAP_FMAC3 int *SOAP_FMAC4 soap_in_int(struct soap *soap, const char *tag, int *a, const char *type)
{
    return read_number(soap, tag, a, type, SOAP_TYPE_int, kIntTypes, parse_int<int>);
}

SOAP_FMAC3 char *SOAP_FMAC4 soap_in_byte(struct soap *soap, const char *tag, char *a, const char *type)
{
    return read_number(soap, tag, a, type, SOAP_TYPE_byte, kByteTypes, parse_byte);
}

SOAP_FMAC3 double *SOAP_FMAC4 soap_in_double(struct soap *soap, const char *tag, double *a, const char *type)
{
    return read_number(soap, tag, a, type, SOAP_TYPE_double, kDoubleTypes, parse_double);
}

SOAP_FMAC3 char **SOAP_FMAC4 soap_in_string(struct soap *soap, const char *tag, char **a, const char *type)
{
    return soap_instring(soap, tag, a, type, SOAP_TYPE_string, 1, -1, -1, nullptr);
}

SOAP_FMAC3 char **SOAP_FMAC4 soap_in__QName(struct soap *soap, const char *tag, char **a, const char *type)
{
    return soap_instring(soap, tag, a, type, SOAP_TYPE__QName, 2, -1, -1, nullptr);
}

SOAP_FMAC3 std::string *SOAP_FMAC4 soap_in_std__string(struct soap *soap, const char *tag, std::string *s,
                                                       const char *)
{
    if (soap_element_begin_in(soap, tag, 1, nullptr))
        return nullptr;
    if (!s && !(s = soap_instantiate_std__string(soap, -1, nullptr, nullptr, nullptr)))
        return nullptr;
    if (soap->null)
        s->erase();
    s = static_cast<std::string *>(soap_class_id_enter(soap, qelvox::ElementId(soap), s,
                                                       SOAP_TYPE_std__string, sizeof(std::string), soap->type,
                                                       soap->arrayType));
    if (soap->body && !*soap->href) {
        if (!s)
            return nullptr;
        const char *text = soap_string_in(soap, 1, -1, -1, nullptr);
        if (!text)
            return nullptr;
        s->assign(text);
    } else {
        s = static_cast<std::string *>(soap_id_forward(soap, soap->href, s, 0, SOAP_TYPE_std__string,
                                                       SOAP_TYPE_std__string, sizeof(std::string), 0,
                                                       soap_finsert, nullptr));
    }
    if (soap->body && soap_element_end_in(soap, tag))
        return nullptr;
    return s;
}

SOAP_FMAC3 int **SOAP_FMAC4 soap_in_PointerToint(struct soap *soap, const char *tag, int **a,
                                                 const char *type)
{
    return qelvox::read_struct_pointer(soap, tag, a, type, SOAP_TYPE_int, soap_in_int);
}

SOAP_FMAC3 std::string **SOAP_FMAC4 soap_in_PointerTostd__string(struct soap *soap, const char *tag,
                                                                 std::string **a, const char *type)
{
    return qelvox::read_struct_pointer(soap, tag, a, type, SOAP_TYPE_std__string, soap_in_std__string);
}

SOAP_FMAC3 char **SOAP_FMAC4 soap_get_string(struct soap *soap, char **p, const char *tag, const char *type)
{
    return qelvox::read_top_level(soap, p, tag, type, soap_in_string);
}

SOAP_FMAC3 char **SOAP_FMAC4 soap_get__QName(struct soap *soap, char **p, const char *tag, const char *type)
{
    return qelvox::read_top_level(soap, p, tag, type, soap_in__QName);
}

SOAP_FMAC3 int **SOAP_FMAC4 soap_get_PointerToint(struct soap *soap, int **p, const char *tag,
                                                  const char *type)
{
    return qelvox::read_top_level(soap, p, tag, type, soap_in_PointerToint);
}

SOAP_FMAC3 std::string **SOAP_FMAC4 soap_get_PointerTostd__string(struct soap *soap, std::string **p,
                                                                  const char *tag, const char *type)
{
    return qelvox::read_top_level(soap, p, tag, type, soap_in_PointerTostd__string);
}

namespace qelvox {

bool read_int(struct soap *soap, int *value)
{
    return soap_in_int(soap, nullptr, value, "xsd:int") != nullptr;
}

bool read_double(struct soap *soap, double *value)
{
    return soap_in_double(soap, nullptr, value, "xsd:double") != nullptr;
}

bool read_text(struct soap *soap, std::string *value)
{
    return soap_in_std__string(soap, nullptr, value, "xsd:string") != nullptr;
}

} // namespace qelvox
