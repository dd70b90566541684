#include "ReaderSupport.h"

#include "BindingTypes.h"
#include "PrimitiveReaders.h"

#include <climits>
#include <cstring>

namespace {

// Deeper than any reply of the two services by far; keeps hostile nesting from exhausting the stack
// of the mutually recursive skipper, dispatcher and readers.
constexpr unsigned kMaxDepth = 200;

// Item storage that all declared array sizes of one reply may claim before any item is read.
constexpr uintptr_t kDeclaredBudget = 16 * 1024 * 1024;
// A declared size beyond this is not trusted at all.
constexpr long kMaxDeclared = 1000000;

const char kBudgetPlugin[] = "qelvox-declared-array-budget";

int create_budget(struct soap *, struct soap_plugin *p, void *)
{
    p->id = kBudgetPlugin;
    p->data = reinterpret_cast<void *>(kDeclaredBudget);
    // A copied engine starts a budget of its own; the runtime insists on both callbacks.
    p->fcopy = [](struct soap *, struct soap_plugin *dst, struct soap_plugin *) {
        dst->data = reinterpret_cast<void *>(kDeclaredBudget);
        return SOAP_OK;
    };
    p->fdelete = [](struct soap *, struct soap_plugin *) {};
    return SOAP_OK;
}

// The budget lives in the plugin's data pointer itself, so the plugin owns no memory.
struct soap_plugin *budget_plugin(struct soap *soap)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        for (struct soap_plugin *p = soap->plugins; p; p = p->next)
            if (p->id == kBudgetPlugin)
                return p;
        if (soap_register_plugin_arg(soap, create_budget, nullptr))
            return nullptr;
    }
    return nullptr;
}

bool take_budget(struct soap *soap, size_t bytes)
{
    struct soap_plugin *p = budget_plugin(soap);
    if (!p)
        return false;
    uintptr_t left = reinterpret_cast<uintptr_t>(p->data);
    if (bytes > left)
        return false;
    p->data = reinterpret_cast<void *>(left - bytes);
    return true;
}

// Parses "[d1,d2,...]" (brackets optional) into the product of the dimensions; -1 when the text is
// empty or malformed, a dimension is negative, or the product exceeds kMaxDeclared.
long parse_dimensions(const char *text)
{
    const char *s = text;
    if (*s == '[')
        ++s;
    if (!*s || *s == ']')
        return -1;
    long product = 1;
    for (;;) {
        while (*s == ' ')
            ++s;
        if (*s < '0' || *s > '9')
            return -1;
        long dim = 0;
        while (*s >= '0' && *s <= '9') {
            dim = dim * 10 + (*s++ - '0');
            if (dim > kMaxDeclared)
                return -1;
        }
        product *= dim;
        if (product > kMaxDeclared)
            return -1;
        while (*s == ' ')
            ++s;
        if (*s == ',') {
            ++s;
            continue;
        }
        if (*s == ']')
            ++s;
        return *s ? -1 : product;
    }
}

const char *local_part(const char *name)
{
    const char *colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

// As match_name, with the local part of the peeked element's name found once for all members.
bool matches(const qelvox::MemberReader &m, struct soap *soap, const char *local)
{
    if (!m.tag)
        return true;
    return std::strchr(m.tag, ':') ? soap_match_tag(soap, soap->tag, m.tag) == SOAP_OK
                                   : !std::strcmp(local, m.tag);
}

// Offers each child of the element just begun to the members not yet read; skips the others.
bool read_members(struct soap *soap, void *object, const qelvox::MemberTable &table, uint64_t &unread)
{
    for (;;) {
        if (soap_peek_element(soap)) {
            if (soap->error != SOAP_NO_TAG)
                return false;
            soap->error = SOAP_OK;
            return true;
        }
        const char *local = local_part(soap->tag);
        size_t i = 0;
        while (i < table.count && !((unread >> i & 1) && matches(table.members[i], soap, local)))
            ++i;
        if (i < table.count) {
            if (!table.members[i].read(soap, object))
                return false;
            unread &= ~(uint64_t(1) << i);
            continue;
        }
        if (soap_ignore_element(soap)) {
            if (soap->error != SOAP_NO_TAG)
                return false;
            soap->error = SOAP_OK;
            return true;
        }
    }
}

// The part every record and message reader shares once its object is entered: the members of an
// element with content, or a forward reference for an empty or referring element.
void *read_content(struct soap *soap, const char *tag, void *a, const qelvox::MemberTable &table,
                   void (*finsert)(struct soap *, int, int, void *, size_t, const void *, void **))
{
    uint64_t unread = table.count >= 64 ? ~uint64_t(0) : (uint64_t(1) << table.count) - 1;
    if (soap->body && !*soap->href) {
        if (!read_members(soap, a, table, unread) || soap_element_end_in(soap, tag))
            return nullptr;
    } else {
        a = soap_id_forward(soap, soap->href, a, 0, table.type, table.type, table.size, 0, finsert,
                            soap_fbase);
        if (soap->body && soap_element_end_in(soap, tag))
            return nullptr;
    }
    if (a && (soap->mode & SOAP_XML_STRICT)) {
        for (size_t i = 0; i < table.count; ++i) {
            if ((unread >> i & 1) && table.members[i].required) {
                soap->error = SOAP_OCCURS;
                return nullptr;
            }
        }
    }
    return a;
}

} // namespace

namespace qelvox {

bool match_name(struct soap *soap, const char *tag, const char *pattern)
{
    if (!std::strchr(pattern, ':'))
        return std::strcmp(local_part(tag), pattern) == 0;
    return soap_match_tag(soap, tag, pattern) == SOAP_OK;
}

bool match_array_item(struct soap *soap, const char *itemType)
{
    if (!itemType || !*soap->arrayType)
        return true;
    return match_name(soap, soap->arrayType, itemType) || match_name(soap, soap->arrayType, "xsd:anyType") ||
           match_name(soap, soap->arrayType, "xsd:ur-type");
}

void *read_record(struct soap *soap, const char *tag, void *target, const MemberTable &table,
                  void (*initialise)(struct soap *, void *))
{
    if (soap_element_begin_in(soap, tag, 0, nullptr))
        return nullptr;
    void *a = soap_class_id_enter(soap, qelvox::ElementId(soap), target, table.type, table.size, soap->type,
                                  soap->arrayType);
    if (!a)
        return nullptr;
    if (soap->alloced)
        initialise(soap, a);
    return read_content(soap, tag, a, table, soap_finsert);
}

void *read_message(struct soap *soap, const char *tag, void *target, const char *type,
                   const MemberTable &table, bool text, void (*initialise)(struct soap *, void *))
{
    if (soap_element_begin_in(soap, tag, 0, type))
        return nullptr;
    void *a = text ? soap_class_id_enter(soap, qelvox::ElementId(soap), target, table.type, table.size,
                                         soap->type, soap->arrayType)
                   : soap_id_enter(soap, qelvox::ElementId(soap), target, table.type, table.size, nullptr,
                                   nullptr, nullptr, nullptr);
    if (!a)
        return nullptr;
    initialise(soap, a);
    return read_content(soap, tag, a, table, text ? soap_finsert : nullptr);
}

int declared_size(struct soap *soap, size_t itemSize, int *offset)
{
    *offset = 0;
    long size = parse_dimensions(soap->arraySize);
    if (size < 0)
        return -1;
    if (*soap->arrayOffset) {
        long skip = parse_dimensions(soap->arrayOffset);
        if (skip < 0 || skip > size)
            return -1;
        *offset = static_cast<int>(skip);
        size -= skip;
    }
    return take_budget(soap, static_cast<size_t>(size) * itemSize) ? static_cast<int>(size) : -1;
}

void **begin_pointer(struct soap *soap, const char *tag, void **cell, int type, size_t size, unsigned level,
                     bool *resolved)
{
    *resolved = false;
    if (soap_element_begin_in(soap, tag, 1, nullptr))
        return nullptr;
    if (!cell && !(cell = static_cast<void **>(soap_malloc(soap, sizeof(void *)))))
        return nullptr;
    *cell = nullptr;
    if (!soap->null && *soap->href != '#')
        return cell;
    *resolved = true;
    cell = static_cast<void **>(soap_id_lookup(soap, soap->href, cell, type, size, level, soap_fbase));
    if (soap->body && soap_element_end_in(soap, tag))
        return nullptr;
    return cell;
}

bool next_array_cell(struct soap *soap, int &i, int size, int offset, std::vector<bool> *taken)
{
    if (soap_peek_element(soap) == SOAP_OK && soap->position)
        i = soap->positions[0] - offset;
    if (i < 0 || i >= size || (taken && (*taken)[i])) {
        soap->error = SOAP_IOB;
        return false;
    }
    if (taken)
        (*taken)[i] = true;
    return true;
}

void reset_declared_budget(struct soap *soap)
{
    if (struct soap_plugin *p = budget_plugin(soap))
        p->data = reinterpret_cast<void *>(kDeclaredBudget);
}

ArrayOfString *read_string_array(struct soap *soap, const char *tag, ArrayOfString *a, const char *type)
{
    bool done = false;
    a = begin_array(soap, tag, a, type, SOAP_TYPE_ArrayOfString, &done);
    if (!a || done)
        return a;
    int offset = 0;
    a->__size = declared_size(soap, sizeof(std::string), &offset);
    if (a->__size >= 0) {
        if (!(a->__ptr = soap_instantiate_std__string(soap, a->__size, nullptr, nullptr, nullptr)))
            return nullptr;
        for (int i = 0; i < a->__size; ++i) {
            if (!next_array_cell(soap, i, a->__size, offset, nullptr))
                return nullptr;
            soap_default_std__string(soap, a->__ptr + i);
            if (!soap_in_std__string(soap, nullptr, a->__ptr + i, "xsd:string")) {
                if (soap->error != SOAP_NO_TAG)
                    return nullptr;
                soap->error = SOAP_OK;
                break;
            }
        }
    } else {
        if (!soap_alloc_block(soap))
            return nullptr;
        for (a->__size = 0;; ++a->__size) {
            std::string *s = soap_block<std::string>::push(soap, nullptr);
            if (!s) {
                soap_block<std::string>::end(soap, nullptr);
                return nullptr;
            }
            soap_default_std__string(soap, s);
            if (!soap_in_std__string(soap, nullptr, s, "xsd:string")) {
                if (soap->error != SOAP_NO_TAG) {
                    // The collected strings own heap storage that the engine's bulk release never sees.
                    soap_block<std::string>::end(soap, nullptr);
                    return nullptr;
                }
                soap->error = SOAP_OK;
                soap_block<std::string>::pop(soap, nullptr);
                break;
            }
        }
        a->__ptr =
            a->__size ? soap_instantiate_std__string(soap, a->__size, nullptr, nullptr, nullptr) : nullptr;
        if (a->__ptr)
            soap_block<std::string>::save(soap, nullptr, a->__ptr);
        else
            soap_block<std::string>::end(soap, nullptr);
        if (a->__size && !a->__ptr)
            return nullptr;
    }
    return soap_element_end_in(soap, tag) ? nullptr : a;
}

} // namespace qelvox

SOAP_FMAC3 int SOAP_FMAC4 soap_ignore_element(struct soap *soap)
{
    if (soap_peek_element(soap))
        return soap->error;
    if (soap->mustUnderstand && !soap->other)
        return soap->error = SOAP_MUSTUNDERSTAND;
    if (((soap->mode & SOAP_XML_STRICT) && soap->part != SOAP_IN_HEADER) ||
        !soap_match_tag(soap, soap->tag, "SOAP-ENV:"))
        return soap->error = SOAP_TAG_MISMATCH;
    if (soap->level > kMaxDepth)
        return soap->error = SOAP_LEVEL;
    int type = 0;
    if (*soap->id && soap_getelement(soap, nullptr, &type))
        return soap->error;
    soap->peeked = 0;
    soap->error = soap->fignore ? soap->fignore(soap, soap->tag) : SOAP_OK;
    if (soap->error || !soap->body)
        return soap->error;
    soap->level++;
    while (!soap_ignore_element(soap)) {
    }
    if (soap->error == SOAP_NO_TAG)
        soap->error = soap_element_end_in(soap, nullptr);
    return soap->error;
}

SOAP_FMAC3 int SOAP_FMAC4 soap_getindependent(struct soap *soap)
{
    if (soap->version == 1) {
        int type;
        for (;;) {
            if (soap_getelement(soap, nullptr, &type))
                continue;
            if (soap->error || soap_ignore_element(soap))
                break;
        }
    }
    if (soap->error == SOAP_NO_TAG || soap->error == SOAP_EOF)
        soap->error = SOAP_OK;
    return soap->error;
}
