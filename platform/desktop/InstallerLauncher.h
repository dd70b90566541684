#pragma once

#include <QString>

// Starts a downloaded installer of a newer version of the program.
class InstallerLauncher
{
public:
    virtual ~InstallerLauncher() = default;
    // True only when an installer was started, so that the caller may quit and let it replace the program.
    virtual bool launch(const QString &installerPath) = 0;
};
