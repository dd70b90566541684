#pragma once

#include <QPointer>

class EntitiesView;
class FolderView;

// A folder created offline may get its service id from the pump, or go, while a dialog is open; its list
// follows the id, so the id is read from the list afterwards. GUI thread only.
class FolderTracker
{
public:
    explicit FolderTracker(FolderView *list);
    // The user folder's list with this id; none when there is no such folder.
    FolderTracker(const EntitiesView &entities, int folderId);

    // The list, null once the folder is gone.
    FolderView *list() const { return m_list; }
    // 0 once the folder is gone.
    int folderId() const;

private:
    QPointer<FolderView> m_list;
};
