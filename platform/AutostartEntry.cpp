#include "AutostartEntry.h"

#include "PlatformPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString execKey = QStringLiteral("Exec=");

// Inside a quoted Exec argument these four need a backslash; "%" starts a field code and is doubled.
QString quotedArgument(const QString &text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        else if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    return quoted + u'"';
}

} // namespace

QString AutostartEntry::filePath()
{
    return PlatformPaths::configLocation() + QStringLiteral("/autostart/Qelvoxdesk.desktop");
}

QString AutostartEntry::execValue(const QString &program, const QString &arguments)
{
    // The quoting rule applies to the value after the general string unescaping, which turns "\\" into
    // "\": every backslash of the quoted argument is therefore written twice.
    QString value = quotedArgument(program).replace(u'\\', QStringLiteral("\\\\"));
    if (!arguments.isEmpty())
        value += u' ' + arguments;
    return value;
}

bool AutostartEntry::isEnabled()
{
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(execKey))
            return !line.mid(execKey.size()).trimmed().isEmpty();
    }
    return false;
}

bool AutostartEntry::enable(const QString &program, const QString &arguments)
{
    if (program.contains(u'\n') || program.contains(u'\r') || arguments.contains(u'\n') ||
        arguments.contains(u'\r'))
        return false;
    const QString path = filePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Qelvoxdesk\n") +
                          execKey + execValue(program, arguments) +
                          QStringLiteral("\n"
                                         "X-GNOME-Autostart-enabled=true\n");
    file.write(entry.toUtf8());
    return file.commit();
}

bool AutostartEntry::disable()
{
    const QString path = filePath();
    return !QFileInfo::exists(path) || QFile::remove(path);
}
