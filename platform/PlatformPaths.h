#pragma once

#include <QString>

// Per-user locations and the owner-only files that hold credentials.
class PlatformPaths
{
public:
    // The per-user application-data directory (it may not exist yet).
    static QString dataLocation();

    // The per-user configuration directory (it may not exist yet).
    static QString configLocation();

    // Where the external contacts exporter is looked for: beside the executable. Absent by default.
    static QString contactsExporter();
    // For tests, which must not write beside their executable: the exporter's place from now on; an
    // empty path goes back to the place beside the executable.
    static void setContactsExporter(const QString &path);

    // Creates the missing parents of path, then path itself readable by its owner only. An existing
    // directory is narrowed to its owner. False when the directory does not exist afterwards.
    static bool makePrivateDirectory(const QString &path);

    // Creates an empty file at path readable by its owner only, or narrows an existing file to its owner.
    // False when that fails or something other than a plain file is in the way.
    static bool makePrivateFile(const QString &path);
};
