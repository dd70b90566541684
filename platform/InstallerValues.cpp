#include "InstallerValues.h"

#include "PlatformPaths.h"

#include <QSettings>

QString InstallerValues::filePath()
{
    return PlatformPaths::configLocation() + QStringLiteral("/Qelvox/Qelvoxdesk.conf");
}

QString InstallerValues::language()
{
    const QSettings values(filePath(), QSettings::IniFormat);
    return values.value(QStringLiteral("Language")).toString();
}
