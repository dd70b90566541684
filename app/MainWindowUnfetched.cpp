// Objects whose fetch the service refused for good: remembered in the cache, named to the user once, and
// asked for again in every later cycle until a fetch brings them or reports them removed.
#include "MainWindow.h"

#include "MessageBoxes.h"
#include "ObjectType.h"
#include "SettingsStore.h"
#include "TaskKind.h"

#include <QStringList>
#include <algorithm>

bool MainWindow::rememberUnfetched(const ObjectRef &object)
{
    bool isNew = false;
    if (!m_cache.rememberUnfetched(object, isNew))
        return false;
    if (!isNew)
        return true;
    // One message for the objects given up in a row of tasks: it waits for the event loop, and the box
    // then holds nothing back while it is up.
    if (m_unfetchedToTell.isEmpty())
        QMetaObject::invokeMethod(this, &MainWindow::tellUnfetched, Qt::QueuedConnection);
    m_unfetchedToTell += object;
    return true;
}

void MainWindow::tellUnfetched()
{
    QStringList names;
    for (const ObjectRef &object : std::as_const(m_unfetchedToTell))
        names += unfetchedName(object);
    m_unfetchedToTell.clear();
    // A session closed meanwhile has nothing to say; the objects stay remembered for the next.
    if (names.isEmpty() || !SettingsStore::instance().isLoggedIn())
        return;
    tellMessage(MessageKind::Information,
                tr("These items could not be fetched from the service: %1. They will be asked for again at "
                   "each synchronisation.")
                    .arg(names.join(QStringLiteral(", "))),
                this);
}

QString MainWindow::unfetchedName(const ObjectRef &object) const
{
    switch (object.type) {
    case ObjectType::FaxSent:
        return tr("sent fax %1").arg(object.object);
    case ObjectType::FaxReceived:
        return tr("received fax %1").arg(object.object);
    case ObjectType::VoiceReceived:
        return tr("voice message %1").arg(object.object);
    case ObjectType::SmsSent:
        return tr("sent SMS %1").arg(object.object);
    case ObjectType::ContactGroup:
        return tr("contact group %1").arg(object.object);
    case ObjectType::Contact:
        return tr("contact %1").arg(object.object);
    default:
        return tr("folder %1").arg(object.object);
    }
}

bool MainWindow::askUnfetchedAgain(const QList<ChangeEntry> &listed)
{
    QList<ObjectRef> again;
    for (const ObjectRef &object : m_cache.unfetchedObjects()) {
        const bool inList = std::any_of(listed.begin(), listed.end(), [&](const ChangeEntry &entry) {
            return entry.object == object.object && entry.type == object.type;
        });
        if (!inList)
            again += object;
    }
    for (qsizetype first = 0; first < again.size(); first += fetchBatchSize)
        m_pump.askAgain(again.mid(first, fetchBatchSize));
    return !again.isEmpty();
}

void MainWindow::forgetFetched(const TaskItem &fetch)
{
    // Should this fail, the objects are asked for once more in the next cycle and forgotten then.
    if (const auto *objects = taskRecord<QList<ObjectRef>>(fetch.type, fetch.argument))
        m_cache.forgetUnfetched(*objects);
}
