#include "FileShelf.h"

#include <QDir>
#include <QFile>

bool FileShelf::isPlainName(const QString &name)
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') && !name.contains('\\');
}

bool FileShelf::put(const QString &name, const QByteArray &content, Mode mode)
{
    if (!isPlainName(name))
        return false;
    files.insert(name, {content, mode});
    return true;
}

bool FileShelf::setMode(const QString &name, Mode mode)
{
    auto found = files.find(name);
    if (found == files.end())
        return false;
    found->mode = mode;
    return true;
}

bool FileShelf::addDirectory(const QString &path)
{
    const QDir dir(path);
    if (!dir.exists())
        return false;
    for (const QFileInfo &info : dir.entryInfoList(QDir::Files)) {
        QFile file(info.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly))
            return false;
        put(info.fileName(), file.readAll());
    }
    return true;
}

HttpReply FileShelf::get(const QString &name) const
{
    const auto found = files.constFind(name);
    if (found == files.constEnd() || found->mode == Mode::NotFound)
        return HttpReply::make(404, "text/plain", "no such file\n");
    HttpReply reply = HttpReply::make(200, "application/octet-stream", found->content);
    if (found->mode == Mode::Cut) {
        const qsizetype headSize = reply.bytes.size() - found->content.size();
        reply.cutAfter = headSize + found->content.size() / 2;
    }
    return reply;
}
