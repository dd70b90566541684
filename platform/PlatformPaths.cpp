#include "PlatformPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>

namespace {

constexpr QFileDevice::Permissions ownerFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions ownerDirectory = ownerFile | QFileDevice::ExeOwner;

// The worker thread reads it while it runs the exporter.
QMutex exporterMutex;
QString exporterOverride;

} // namespace

QString PlatformPaths::dataLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString PlatformPaths::configLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString PlatformPaths::contactsExporter()
{
    {
        QMutexLocker locker(&exporterMutex);
        if (!exporterOverride.isEmpty())
            return exporterOverride;
    }
    return QCoreApplication::applicationDirPath() + QStringLiteral("/outlookcontacts");
}

void PlatformPaths::setContactsExporter(const QString &path)
{
    QMutexLocker locker(&exporterMutex);
    exporterOverride = path;
}

bool PlatformPaths::makePrivateDirectory(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    const QFileInfo info(clean);
    if (info.isDir())
        return QFile::setPermissions(clean, ownerDirectory);
    QDir().mkpath(info.absolutePath());
    return QDir().mkdir(clean, ownerDirectory);
}

bool PlatformPaths::makePrivateFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.isFile() && QFile::setPermissions(path, ownerFile);
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly, ownerFile);
}
