#include "FolderTracker.h"

#include "EntitiesView.h"
#include "FolderView.h"

FolderTracker::FolderTracker(FolderView *list)
    : m_list(list)
{
}

FolderTracker::FolderTracker(const EntitiesView &entities, int folderId)
{
    if (const EntityEntry *entry = entities.findUserFolder(folderId))
        m_list = entry->view;
}

int FolderTracker::folderId() const
{
    return m_list ? m_list->folderId() : 0;
}
