#pragma once

// The shapes that every generated reader shares: the member loop of records and message structs,
// pointer, pointer-to-pointer and array readers, and the trust placed in a declared array size.
// Everything here runs on the thread that drives the engine it is given and keeps no state of
// its own beyond the engine.

#include "BindingSupport.h"

#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

// Runtime adapters of the reading half that stdsoap2.h leaves to the binding.
SOAP_FMAC3 int SOAP_FMAC4 soap_ignore_element(struct soap *);
SOAP_FMAC3 int SOAP_FMAC4 soap_getindependent(struct soap *);
extern "C" SOAP_FMAC3 void *SOAP_FMAC4 soap_getelement(struct soap *, const char *tag, int *type);
SOAP_FMAC3 void SOAP_FMAC4 soap_finsert(struct soap *, int, int, void *, size_t, const void *, void **);

class ArrayOfString;

namespace qelvox {

// One member of a record or message struct, as the member loop offers child elements to it.
struct MemberReader
{
    const char *tag; // the child's element name; nullptr takes a child of any name
    bool required;   // an int or text member, which strict mode insists on
    // Reads the peeked child into the member of object; false leaves the cause in soap->error.
    bool (*read)(struct soap *, void *object);
};

// The members of one record or message struct; the member loop keeps one bit per member, so a table
// holds at most 64 (the generator checks this).
struct MemberTable
{
    int type;
    size_t size;
    const MemberReader *members;
    size_t count;
};

// The id of the element just begun, copied: the runtime copies the id it is given into the engine's own
// id field on some paths, and handing it that very field makes the copy overlap itself.
class ElementId
{
public:
    explicit ElementId(const struct soap *soap) { std::memcpy(text, soap->id, std::strlen(soap->id) + 1); }
    operator const char *() const { return text; }

private:
    char text[SOAP_TAGLEN];
};

// The member entries of the generated tables: Read fills member M of a T.
template <class T, class V, V T::*M, bool (*Read)(struct soap *, V *)>
bool member(struct soap *soap, void *object)
{
    return Read(soap, &(static_cast<T *>(object)->*M));
}

// A data class read into a new object starts from its own initial values.
template <class T> void init_object(struct soap *soap, void *object)
{
    static_cast<T *>(object)->soap_default(soap);
}

// A message struct is reset every time it is read, handed in or new.
template <class T, void (*Default)(struct soap *, T *)> void init_struct(struct soap *soap, void *object)
{
    Default(soap, static_cast<T *>(object));
}

// Tag matching of the readers: a name without a prefix matches any element with that local name,
// whatever namespace its prefix is bound to; a qualified name is matched namespace-aware.
bool match_name(struct soap *soap, const char *tag, const char *pattern);

// The arrayType test of the array readers: the element's item type must be the expected one,
// xsd:anyType or xsd:ur-type; no expected type, or no arrayType, passes.
bool match_array_item(struct soap *soap, const char *itemType);

// Reads a record class element into target (or a new object, given its initialiser); nullptr on
// failure with soap->error set.
void *read_record(struct soap *soap, const char *tag, void *target, const MemberTable &table,
                  void (*initialise)(struct soap *, void *));

// Reads a message struct element; text says whether the struct holds a std::string (then it is a
// managed object and a forward reference copies it with its copy routine).
void *read_message(struct soap *soap, const char *tag, void *target, const char *type,
                   const MemberTable &table, bool text, void (*initialise)(struct soap *, void *));

// The item count and offset declared by the array element just begun: -1 when there is no usable
// size. A size is trusted only while this reply's declared item storage stays within a fixed budget,
// so that a reply cannot make the reader allocate far more than it sends.
int declared_size(struct soap *soap, size_t itemSize, int *offset);

// Resets the declared-size budget; called at the start of every reply.
void reset_declared_budget(struct soap *soap);

// Reads an ArrayOfString element (the one array whose items are values with a constructor).
ArrayOfString *read_string_array(struct soap *soap, const char *tag, ArrayOfString *a, const char *type);

// The top-level getter shape: the element, then the multi-reference elements after it.
template <class T>
T *read_top_level(struct soap *soap, T *p, const char *tag, const char *type,
                  T *(*in)(struct soap *, const char *, T *, const char *))
{
    p = in(soap, tag, p, type);
    return p && !soap_getindependent(soap) ? p : nullptr;
}

// The common start of every pointer reader: opens the element and takes a cell (a new one in engine
// memory when none is given) holding null. A nil element or a "#id" reference is resolved through the
// id table (now, or when the element with that id has been read) and ends the read: *resolved is set.
// Null on failure.
void **begin_pointer(struct soap *soap, const char *tag, void **cell, int type, size_t size, unsigned level,
                     bool *resolved);

// Moves to the next item cell of an array of declared size: an item's SOAP-ENC:position places it
// (less the offset); false with SOAP_IOB when that falls outside the array. With taken, also when
// it falls on a cell an earlier item took: the runtime threads the pointer cells that wait for one
// id into a chain through the cells themselves, and a second item read into such a cell would
// corrupt the chain (values are resolved through a list of their own and may be read again).
bool next_array_cell(struct soap *soap, int &i, int size, int offset, std::vector<bool> *taken);

// T** pointer reader of the plain structs (the SOAP-ENV records), read by their own reader.
template <class T>
T **read_struct_pointer(struct soap *soap, const char *tag, T **a, const char *type, int typeId,
                        T *(*in)(struct soap *, const char *, T *, const char *))
{
    bool resolved = false;
    a = reinterpret_cast<T **>(
        begin_pointer(soap, tag, reinterpret_cast<void **>(a), typeId, sizeof(T), 0, &resolved));
    if (!a || resolved)
        return a;
    soap_revert(soap);
    return (*a = in(soap, tag, nullptr, type)) ? a : nullptr;
}

// T** pointer reader shared by every data class: anything but a nil element or a reference is read
// into a new engine-owned object.
template <class T>
T **read_pointer(struct soap *soap, const char *tag, T **a, int type,
                 T *(*instantiate)(struct soap *, int, const char *, const char *, size_t *))
{
    bool resolved = false;
    a = reinterpret_cast<T **>(
        begin_pointer(soap, tag, reinterpret_cast<void **>(a), type, sizeof(T), 0, &resolved));
    if (!a || resolved)
        return a;
    soap_revert(soap);
    if (!(*a = instantiate(soap, -1, soap->type, soap->arrayType, nullptr)))
        return nullptr;
    (*a)->soap_default(soap);
    return (*a)->soap_in(soap, tag, nullptr) ? a : nullptr;
}

// T*** reader: the item cells of record arrays.
template <class T>
T ***read_pointer_to_pointer(struct soap *soap, const char *tag, T ***a, const char *type, int pointerType,
                             T **(*readPointer)(struct soap *, const char *, T **, const char *))
{
    bool resolved = false;
    a = reinterpret_cast<T ***>(
        begin_pointer(soap, tag, reinterpret_cast<void **>(a), pointerType, sizeof(T *), 1, &resolved));
    if (!a || resolved)
        return a;
    soap_revert(soap);
    return (*a = readPointer(soap, tag, nullptr, type)) ? a : nullptr;
}

// The start that every array reader shares: opens the element, tests the item type, enters the array
// object (a new one when a is null). An empty or referring element is forwarded and ends the read
// (*done set). Null on failure.
template <class Array>
Array *begin_array(struct soap *soap, const char *tag, Array *a, const char *type, int arrayTypeId,
                   bool *done)
{
    *done = false;
    if (soap_element_begin_in(soap, tag, 1, nullptr))
        return nullptr;
    if (!match_array_item(soap, type)) {
        soap->error = SOAP_TYPE;
        return nullptr;
    }
    a = static_cast<Array *>(soap_class_id_enter(soap, ElementId(soap), a, arrayTypeId, sizeof(Array),
                                                 soap->type, soap->arrayType));
    if (!a)
        return nullptr;
    if (soap->alloced)
        a->soap_default(soap);
    if (soap->body && !*soap->href)
        return a;
    *done = true;
    a = static_cast<Array *>(soap_id_forward(soap, soap->href, a, 0, arrayTypeId, arrayTypeId, sizeof(Array),
                                             0, soap_finsert, soap_fbase));
    if (soap->body && soap_element_end_in(soap, tag))
        return nullptr;
    return a;
}

// SOAP-encoded array whose items are plain cells (record pointers or ints) in engine memory.
// readItem reads one item element into its cell; empty is what an unfilled cell holds.
template <class Array, class Item>
Array *read_array(struct soap *soap, const char *tag, Array *a, const char *type, int arrayTypeId,
                  bool (*readItem)(struct soap *, Item *), Item empty)
{
    bool done = false;
    a = begin_array(soap, tag, a, type, arrayTypeId, &done);
    if (!a || done)
        return a;
    int offset = 0;
    a->__size = declared_size(soap, sizeof(Item), &offset);
    if (a->__size >= 0) {
        a->__ptr = static_cast<Item *>(soap_malloc(soap, (a->__size ? a->__size : 1) * sizeof(Item)));
        if (!a->__ptr)
            return nullptr;
        for (int i = 0; i < a->__size; ++i)
            a->__ptr[i] = empty;
        std::vector<bool> taken(std::is_pointer<Item>::value ? a->__size : 0);
        for (int i = 0; i < a->__size; ++i) {
            if (!next_array_cell(soap, i, a->__size, offset, taken.empty() ? nullptr : &taken))
                return nullptr;
            if (!readItem(soap, a->__ptr + i)) {
                if (soap->error != SOAP_NO_TAG)
                    return nullptr;
                soap->error = SOAP_OK;
                break;
            }
        }
    } else {
        struct soap_blist *block = soap_alloc_block(soap);
        if (!block)
            return nullptr;
        for (a->__size = 0;; ++a->__size) {
            Item *cell = static_cast<Item *>(soap_push_block(soap, block, sizeof(Item)));
            if (!cell)
                return nullptr;
            *cell = empty;
            if (!readItem(soap, cell)) {
                if (soap->error != SOAP_NO_TAG)
                    return nullptr;
                soap->error = SOAP_OK;
                soap_pop_block(soap, block);
                break;
            }
        }
        // An array without items still gets a block, so that only an empty element reads as no block.
        if (a->__size) {
            a->__ptr = static_cast<Item *>(soap_save_block(soap, block, nullptr, 1));
        } else {
            soap_end_block(soap, block);
            a->__ptr = static_cast<Item *>(soap_malloc(soap, sizeof(Item)));
        }
        if (!a->__ptr)
            return nullptr;
    }
    return soap_element_end_in(soap, tag) ? nullptr : a;
}

} // namespace qelvox
