#pragma once

// One request of every shape the binding writes, built as the proxies build them. The golden
// tests compare each with its fixture; the stand-in tests send each to the independent server.

#include "MessageWriter.h"

#include <QMetaType>
#include <functional>
#include <vector>

struct RequestShape
{
    const char *name;
    const char *fixture;   // the expected envelope, under fixtures/
    bool withHeader;       // whether the engine carries the credentials
    const char *service;   // "Qelvox" (account service) or "Client" (sign-up service)
    const char *operation; // as the server names it
    const char *params;    // the parameters as JSON, as the server must decode them
    std::function<WrittenMessage(MessageWriter &)> write;
};

const std::vector<RequestShape> &requestShapes();

// One row per shape, in the column "shape", for a data-driven test.
void addRequestShapeRows();

// Puts the given items into an array object without copying them.
template <class Array, class Item> void point(Array &array, Item *items, int size)
{
    array.__ptr = items;
    array.__size = size;
}

Q_DECLARE_METATYPE(const RequestShape *)
