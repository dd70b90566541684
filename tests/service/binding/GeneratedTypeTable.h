#pragma once

#include <cstddef>

struct soap;

// One row per type of the service description, generated from it (see emit_type_table.py).
struct GeneratedType
{
    int id;
    const char *name;
    const char *kind; // builtin, array, record, pointer, message, envelope
    const char *xml;  // the type text written with a value, or nullptr
    size_t size;
    void *(*allocate)(struct soap *, int n, size_t *size); // nullptr when the type has no allocator
    int (*classType)(const void *);                        // soap_type() of a data class, else nullptr
};

extern const GeneratedType generatedTypes[];
extern const size_t generatedTypeCount;
