#pragma once

class QAction;
class QMenu;

// The main window's actions reach the views through the context menus that hold them; a view finds an
// action there by its object name ("actionDelete"). Null when the menu is null or holds no such action.
QAction *menuAction(const QMenu *menu, const char *objectName);

// Enables the named action of the menu, when the menu holds it.
void enableMenuAction(const QMenu *menu, const char *objectName, bool enabled);
