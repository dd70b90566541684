#include "DesktopOpen.h"

#include "MessageBoxes.h"
#include "Utils.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QUrl>

namespace {

QString shownUrl(const QUrl &url)
{
    return url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
}

} // namespace

bool openLink(const QUrl &url, QWidget *parent)
{
    if (QDesktopServices::openUrl(url))
        return true;
    showError(Utils::tr("No application could open %1.").arg(shownUrl(url)), parent);
    return false;
}

bool openDocument(const QString &path, QWidget *parent)
{
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
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
