#include "DesktopApplications.h"

#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The query reads a few small files; a desktop that takes longer is not held against the user.
constexpr int queryTimeoutMs = 1000;

} // namespace

bool DesktopApplications::hasDefaultFor(const QString &path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (tool.isEmpty())
        return true;
    QProcess query;
    query.setStandardInputFile(QProcess::nullDevice());
    query.setStandardErrorFile(QProcess::nullDevice());
    query.start(tool, {QStringLiteral("query"), QStringLiteral("default"),
                       QMimeDatabase().mimeTypeForFile(path).name()});
    if (!query.waitForFinished(queryTimeoutMs)) {
        query.kill();
        query.waitForFinished();
        return true;
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return true;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}
