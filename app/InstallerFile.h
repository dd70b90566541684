#pragma once

#include <QString>

class QUrl;

// Where a downloaded installer is kept: a folder of its own in the per-user data directory, under a name
// taken from the address but made safe, since the address comes from the service.

// The address's last path segment reduced to letters, digits, ".", "-" and "_", without leading dots and
// of bounded length; "installer" when nothing is left.
QString installerFileName(const QUrl &address);

// The download folder (made, owner only, when missing) joined with installerFileName.
QString installerDownloadPath(const QUrl &address);
