#pragma once

#include <QString>
#include <functional>

// One usable line of a recipients file: the number normalised, and the name beside it (may be empty).
struct FileRecipient
{
    QString number;
    QString name;
};

enum class RecipientsFileRead { Read, NoFile, TooLarge };

// The largest recipients file read: far more than 2000 named lines, small enough to read at once.
constexpr qint64 maxRecipientsFileSize = 1024 * 1024;

// Reads a recipients file: one recipient per line (LF, CR LF or CR ends a line), either a number alone or a
// name and a number separated by ";" or, in a line without ";", by a tab. The text is UTF-8 or UTF-16
// (with or without a byte-order mark); a file that is not valid UTF-8 is read as Latin-1. Hands every line
// whose number holds a digit to take, in file order and duplicates included, until take returns false.
// NoFile when path names no readable file, TooLarge (nothing read) above maxRecipientsFileSize.
RecipientsFileRead readRecipientsFile(const QString &path, const std::function<bool(const FileRecipient &)> &take);
