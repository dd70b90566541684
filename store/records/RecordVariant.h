#pragma once

#include "BaseObject.h"

#include <QVariant>
#include <type_traits>

// Records ride in tasks and views as untyped pointers inside a QVariant. Local records always travel as
// BaseObject*, so that a holder that knows only the type code can cast back to the base; request records
// travel as their own type and are cast back by the task type.

template <typename T> QVariant recordToVariant(T *record)
{
    if constexpr (std::is_base_of_v<BaseObject, T>)
        return QVariant::fromValue(static_cast<void *>(static_cast<BaseObject *>(record)));
    else
        return QVariant::fromValue(static_cast<void *>(record));
}

inline bool holdsRecord(const QVariant &value)
{
    return value.typeId() == QMetaType::VoidStar;
}

// Null when the variant holds no record pointer (an int argument, for example).
template <typename T> T *recordFromVariant(const QVariant &value)
{
    if (!holdsRecord(value))
        return nullptr;
    void *pointer = value.value<void *>();
    if constexpr (std::is_base_of_v<BaseObject, T>)
        return static_cast<T *>(static_cast<BaseObject *>(pointer));
    else
        return static_cast<T *>(pointer);
}
