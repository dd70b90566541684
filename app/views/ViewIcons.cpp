#include "ViewIcons.h"

#include <QByteArray>
#include <QHash>

QIcon viewIcon(const char *resourcePath)
{
    static QHash<QByteArray, QIcon> icons;
    const QByteArray key = QByteArray::fromRawData(resourcePath, qstrlen(resourcePath));
    auto found = icons.constFind(key);
    if (found == icons.constEnd())
        found = icons.insert(QByteArray(resourcePath), QIcon(QString::fromLatin1(resourcePath)));
    return *found;
}
