#pragma once

#include <QString>

// One folder the user can choose as a target: its display name and its id on the service (0 while it has
// none; negative for a folder created offline).
struct FolderChoice
{
    QString name;
    int folderId = 0;
};
