#include "RecipientsCsv.h"

#include "Prompts.h"
#include "TextHelpers.h"
#include "Utils.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTreeWidget>

QString askCsvFileName()
{
    FileDialogRequest request;
    request.parent = QApplication::activeWindow();
    request.caption = Utils::tr("Select file location ...");
    request.directory = QDir::toNativeSeparators(QDir::homePath());
    request.filter = Utils::tr("CSV files (*.csv)");
    QString name = Prompts::askSaveFileName(request);
    if (name.isEmpty())
        return name;
    if (!name.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        name += QStringLiteral(".csv");
    return QFileInfo(name).dir().exists() ? name : QString();
}

bool exportRecipientsCsv(const QList<RecipientStatus> &deliveryList)
{
    const QString name = askCsvFileName();
    if (name.isEmpty())
        return false;
    QString text;
    for (const RecipientStatus &entry : deliveryList)
        text += entry.recipient + u';' + statusText(entry.status) + QStringLiteral("\r\n");
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // UTF-8 like every other text file of the program: a local 8-bit encoding would lose names and
    // statuses in scripts it cannot encode.
    file.write(text.toUtf8());
    return file.commit();
}

void fillRecipientStatusTree(const QList<RecipientStatus> &deliveryList, QTreeWidget *tree)
{
    for (const RecipientStatus &entry : deliveryList)
        tree->addTopLevelItem(new QTreeWidgetItem({entry.recipient, statusText(entry.status)}));
}
