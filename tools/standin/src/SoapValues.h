#pragma once

// Conversions between the generated service records and Qt values, shared by
// the operation implementations.

#include "Mailbox.h"
// The envelope records first: the service module hides the global ones it would otherwise declare.
#include "envH.h"
#include "standinH.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>

namespace standin {

inline QString text(const std::string &value)
{
    return QString::fromStdString(value);
}

inline std::string utf8(const QString &value)
{
    return value.toStdString();
}

inline ArrayOfInteger *integers(soap *engine, const QList<int> &values)
{
    ArrayOfInteger *array = soap_new_ArrayOfInteger(engine);
    array->__size = int(values.size());
    array->__ptr = static_cast<int *>(soap_malloc(engine, sizeof(int) * std::max<size_t>(1, values.size())));
    for (int i = 0; i < values.size(); ++i)
        array->__ptr[i] = values[i];
    return array;
}

// Fills a SOAP-encoded array of records with items that the engine owns.
template <class Array, class Item> Array *withItems(soap *engine, Array *array, const QList<Item *> &items)
{
    array->__size = int(items.size());
    array->__ptr =
        static_cast<Item **>(soap_malloc(engine, sizeof(Item *) * std::max<size_t>(1, items.size())));
    for (int i = 0; i < items.size(); ++i)
        array->__ptr[i] = items[i];
    return array;
}

inline QStringList strings(const ArrayOfString *array)
{
    QStringList result;
    for (int i = 0; array && array->__ptr && i < array->__size; ++i)
        result.append(text(array->__ptr[i]));
    return result;
}

// One item for a refusal (its code), two for success (0 and the id of the object made).
inline ArrayOfInteger *outcomeReply(soap *engine, const Mailbox::Outcome &outcome)
{
    return outcome.accepted() ? integers(engine, {0, outcome.id}) : integers(engine, {outcome.code});
}

// A fault whose code carries a number after its colon, as the sign-up service reports refusals.
inline int numberedFault(soap *engine, int code, const char *reason)
{
    soap_fault(engine);
    engine->fault->faultcode = soap_strdup(engine, ("SOAP-ENV:" + std::to_string(code)).c_str());
    engine->fault->faultstring = soap_strdup(engine, reason);
    return SOAP_FAULT;
}

} // namespace standin
