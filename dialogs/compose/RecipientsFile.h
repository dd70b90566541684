#pragma once

#include <QString>
#include <functional>

// One usable line of a recipients file: the number normalised, and the name beside it (may be empty).
struct FileRecipient
{
    QString number;
    QString name;
};

// Reads a UTF-8 recipients file: one recipient per line (LF, CR LF or CR ends a line), either a number
// alone or a name and a number separated by ";" or, in a line without ";", by a tab. Hands every line whose
// number holds a digit to take, in file order and duplicates included, until take returns false. False
// when path names no readable file.
bool readRecipientsFile(const QString &path, const std::function<bool(const FileRecipient &)> &take);
