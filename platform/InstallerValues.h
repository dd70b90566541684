#pragma once

#include <QString>

// The values that the installer leaves for the program, kept in a small ini file of the user's
// configuration directory. Read only: the installer writes them.
class InstallerValues
{
public:
    static QString filePath();

    // The language code the installer chose; empty when none was stored.
    static QString language();
};
