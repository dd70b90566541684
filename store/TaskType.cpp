#include "TaskType.h"

#include <iterator>

namespace {

struct PersistedKind
{
    int type;
    const char *name;
};

// Caches written by older runs hold these names; they never change.
constexpr PersistedKind persistedKinds[] = {
    {TaskType::SEND_SMS, "SEND_SMS"},
    {TaskType::SEND_FAX, "SEND_FAX"},
    {TaskType::SEND_FORWARD, "SEND_FORWARD"},
    {TaskType::CHANGE_GROUP, "CHANGE_GROUP"},
    {TaskType::CHANGE_CONTACT, "CHANGE_CONTACT"},
    {TaskType::DELETE_OBJECT, "DELETE_OBJECT"},
    {TaskType::MARK_READ, "MARK_READ"},
    {TaskType::MARK_UNREAD, "MARK_UNREAD"},
    {TaskType::CHANGE_FOLDER, "CHANGE_FOLDER"},
    {TaskType::MOVE_TO_FOLDER, "MOVE_TO_FOLDER"},
};

} // namespace

QString TaskType::persistedName(int type)
{
    for (const PersistedKind &kind : persistedKinds) {
        if (kind.type == type)
            return QString::fromLatin1(kind.name);
    }
    return QString();
}

int TaskType::fromPersistedName(const QString &name)
{
    for (const PersistedKind &kind : persistedKinds) {
        if (name == QLatin1String(kind.name))
            return kind.type;
    }
    return -1;
}
