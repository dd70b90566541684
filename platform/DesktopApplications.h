#pragma once

#include <QString>

// What the desktop has set up to open files with. Its launcher (xdg-open) starts for any file and is
// taken for a success at once, whether or not an application then takes the file; the desktop's own
// table of default applications tells beforehand.
class DesktopApplications
{
public:
    // False only when the desktop says that no application is set for the type of the file (or folder)
    // at path; true when it names one, and when it cannot tell: no xdg-mime, a failed query, or no answer
    // within a second, so that opening is still tried.
    static bool hasDefaultFor(const QString &path);
};
