#include "MenuActions.h"

#include <QAction>
#include <QMenu>

QAction *menuAction(const QMenu *menu, const char *objectName)
{
    if (!menu)
        return nullptr;
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (action->objectName() == QLatin1String(objectName))
            return action;
    }
    return nullptr;
}

void enableMenuAction(const QMenu *menu, const char *objectName, bool enabled)
{
    if (QAction *action = menuAction(menu, objectName))
        action->setEnabled(enabled);
}
