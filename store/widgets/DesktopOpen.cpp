#include "DesktopOpen.h"

#include "DesktopApplications.h"
#include "MessageBoxes.h"
#include "Utils.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QUrl>

namespace {

QString shownUrl(const QUrl &url)
{
    return url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
}

// A desktop platform hands every file to the desktop's launcher and reports success once the launcher
// has started, so the desktop is asked first whether an application will take the file. Web addresses
// are left to the launcher, which falls back to any browser it finds; the platforms without a desktop
// (tests) open nothing themselves and say so.
bool handedToAnApplication(const QUrl &url)
{
    const QString platform = QGuiApplication::platformName();
    const bool onADesktop = platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
    if (onADesktop && url.isLocalFile() && !DesktopApplications::hasDefaultFor(url.toLocalFile()))
        return false;
    return QDesktopServices::openUrl(url);
}

} // namespace

bool openLink(const QUrl &url, QWidget *parent)
{
    if (handedToAnApplication(url))
        return true;
    showError(Utils::tr("No application could open %1.").arg(shownUrl(url)), parent);
    return false;
}

bool openDocument(const QString &path, QWidget *parent)
{
    if (handedToAnApplication(QUrl::fromLocalFile(path)))
        return true;
    const QString question =
        Utils::tr("No application could open the file %1. Do you want to open the folder that holds it?")
            .arg(QDir::toNativeSeparators(path));
    if (askYesNo(QMessageBox::Warning, Utils::tr("Error"), question, true, parent))
        openLink(QUrl::fromLocalFile(QFileInfo(path).absolutePath()), parent);
    return false;
}

void openLinksWithDesktop(QLabel *label)
{
    label->setOpenExternalLinks(false);
    QObject::connect(label, &QLabel::linkActivated, label,
                     [label](const QString &link) { openLink(QUrl(link), label->window()); });
}
