#pragma once

#include <QList>
#include <QMenu>

// Adds the actions in order; a null entry stands for a separator.
inline void addMenuEntries(QMenu &menu, const QList<QAction *> &entries)
{
    for (QAction *action : entries) {
        if (action)
            menu.addAction(action);
        else
            menu.addSeparator();
    }
}
