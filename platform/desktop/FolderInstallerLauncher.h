#pragma once

#include "InstallerLauncher.h"
#include "SeamFactory.h"

// The installer the service offers is a program for another operating system: it is never executed here.
// The folder that holds it is opened in the file manager instead, and nothing counts as started.
class FolderInstallerLauncher : public InstallerLauncher
{
public:
    bool launch(const QString &installerPath) override;
};

using InstallerLauncherFactory = SeamFactory<InstallerLauncher, FolderInstallerLauncher>;
