#include "FileHelpers.h"

#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

} // namespace

bool readFileBytes(QByteArray &bytes, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool readTextFile(QString &text, const QString &path)
{
    QByteArray bytes;
    if (!readFileBytes(bytes, path))
        return false;
    text = QString::fromUtf8(bytes);
    return true;
}

bool writeTextFile(const QString &directory, const QString &text, const QString &fileName)
{
    return writeBytes(directory + fileName, text.toUtf8());
}

bool readLines(QStringList &lines, const QString &path)
{
    QString text;
    if (!readTextFile(text, path))
        return false;
    const QStringList all = text.split(u'\n');
    for (const QString &line : all) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            lines += trimmed;
    }
    return true;
}

bool writeLines(const QString &directory, const QStringList &lines, const QString &fileName)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return writeBytes(directory + fileName, bytes);
}

void splitKeyValue(const QString &line, QString &key, QString &value, QChar separator)
{
    const qsizetype at = line.indexOf(separator);
    if (at <= 0 || at == line.size() - 1)
        return;
    key = line.left(at).trimmed();
    value = line.mid(at + 1).trimmed();
}

bool readKeyValueFile(QMap<QString, QString> &map, const QString &path)
{
    QStringList lines;
    if (!readLines(lines, path))
        return false;
    for (const QString &line : std::as_const(lines)) {
        QString key;
        QString value;
        splitKeyValue(line, key, value, u'=');
        if (!key.isEmpty() && !value.isEmpty())
            map.insert(key, value);
    }
    return true;
}

bool removeDirectory(const QString &path)
{
    QDir directory(path);
    const QStringList files = directory.entryList(QDir::Files);
    for (const QString &name : files)
        directory.remove(name);
    return QDir().rmdir(path);
}

QString fileNameOfPath(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString taskDirectoryPath(int taskId)
{
    return SettingsStore::instance().customerDirectory() + QStringLiteral("/Task-%1/").arg(taskId);
}

bool removeTaskDirectory(int taskId)
{
    if (taskId < 1)
        return true;
    return removeDirectory(taskDirectoryPath(taskId));
}
