#include "FolderInstallerLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool FolderInstallerLauncher::launch(const QString &installerPath)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(installerPath).absolutePath()));
    return false;
}
