#pragma once

#include <QString>

// Starting the program at log-on: an XDG autostart entry "Qelvoxdesk.desktop" in the user's
// configuration directory, whose Exec line holds the quoted program path and its arguments.
class AutostartEntry
{
public:
    static QString filePath();

    // True when the entry exists with a non-empty Exec line.
    static bool isEnabled();

    // The command of the entry: program is quoted; arguments are written as they are and must need no
    // quoting. False when the entry cannot be written or program holds a line break.
    static bool enable(const QString &program, const QString &arguments);

    // True when no entry is left.
    static bool disable();

    // The Exec value for program and arguments, escaped for a desktop entry.
    static QString execValue(const QString &program, const QString &arguments);
};
