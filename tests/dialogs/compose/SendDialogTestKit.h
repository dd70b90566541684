#pragma once

#include "DesktopFixture.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

// What the send dialog's tests share: a desktop fixture whose message boxes each test takes as it expects
// them, a temporary directory for files, and drops delivered as a window system would.
class SendDialogTestKit
{
public:
    SendDialogTestKit() : desktop(std::make_unique<DesktopFixture>()) {}

    // The texts of the message boxes shown since the last call.
    QStringList takeBoxTexts()
    {
        QStringList texts;
        for (const MessageBoxRequest &box : qAsConst(desktop->prompts.boxes))
            texts += box.text;
        desktop->prompts.boxes.clear();
        return texts;
    }

    // A file of the given bytes in the temporary directory (a sub-folder is created as needed).
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = files.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    std::unique_ptr<DesktopFixture> desktop;
    QTemporaryDir files;
};

// Drags mime data over widget and drops it there when the drag is accepted; returns whether it was.
inline bool dropOn(QWidget *widget, QMimeData &data)
{
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    QApplication::sendEvent(widget, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &drop);
    return true;
}

inline bool dropUrls(QWidget *widget, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    return dropOn(widget, data);
}

// "name|number" for each top-level row of a two-column list, in display order.
inline QStringList rowsOf(const QTreeWidget *list, int nameColumn = 0, int numberColumn = 1)
{
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows += list->topLevelItem(i)->text(nameColumn) + QLatin1Char('|') + list->topLevelItem(i)->text(numberColumn);
    return rows;
}
