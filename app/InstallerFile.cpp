#include "InstallerFile.h"

#include "PlatformPaths.h"
#include "SettingsStore.h"

#include <QUrl>

namespace {

const int maximumNameLength = 100;

bool isSafeCharacter(QChar c)
{
    return (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('.') || c == QLatin1Char('-') ||
           c == QLatin1Char('_');
}

// A long name keeps its extension, which tells the desktop what the file is.
QString bounded(const QString &name)
{
    if (name.size() <= maximumNameLength)
        return name;
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot > 0 && name.size() - dot <= 10 ? name.mid(dot) : QString();
    return name.left(maximumNameLength - extension.size()) + extension;
}

} // namespace

QString installerFileName(const QUrl &address)
{
    // Fully decoded, so that an encoded "/" separates segments as it would on a disk.
    const QString path = address.path(QUrl::FullyDecoded);
    QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    for (QChar &c : name) {
        if (!isSafeCharacter(c))
            c = QLatin1Char('_');
    }
    // No hidden file, and neither "." nor "..".
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    name = bounded(name);
    return name.isEmpty() ? QStringLiteral("installer") : name;
}

QString installerDownloadPath(const QUrl &address)
{
    const QString folder = SettingsStore::dataDirectory() + QStringLiteral("download");
    PlatformPaths::makePrivateDirectory(folder);
    return folder + QLatin1Char('/') + installerFileName(address);
}
