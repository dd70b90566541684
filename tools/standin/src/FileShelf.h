#pragma once

#include "HttpReply.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// Files served by plain GET under "/files/<name>" (the update installer), each
// served whole, refused with 404 or cut off halfway, as the tests ask.
class FileShelf
{
public:
    enum class Mode { Serve, NotFound, Cut };

    // False when the name is not a plain file name.
    bool put(const QString &name, const QByteArray &content, Mode mode = Mode::Serve);
    bool setMode(const QString &name, Mode mode);
    // Adds every regular file of the directory; false when it cannot be read.
    bool addDirectory(const QString &path);
    HttpReply get(const QString &name) const;

    static bool isPlainName(const QString &name);

private:
    struct Entry
    {
        QByteArray content;
        Mode mode = Mode::Serve;
    };
    QHash<QString, Entry> files;
};
