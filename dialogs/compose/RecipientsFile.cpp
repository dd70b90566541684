#include "RecipientsFile.h"

#include "TextHelpers.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

namespace {

FileRecipient parseLine(const QString &line)
{
    const QStringList fields = line.split(line.contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char('\t'));
    if (fields.size() == 1)
        return {normalizeNumber(line.trimmed()), QString()};
    return {normalizeNumber(fields.at(1).trimmed()), fields.at(0).trimmed()};
}

} // namespace

bool readRecipientsFile(const QString &path, const std::function<bool(const FileRecipient &)> &take)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    QString line;
    while (stream.readLineInto(&line)) {
        // Files from old Mac tools end their lines with a CR alone.
        const QStringList pieces = line.split(QLatin1Char('\r'));
        for (const QString &piece : pieces) {
            const FileRecipient recipient = parseLine(piece);
            if (!recipient.number.isEmpty() && !take(recipient))
                return true;
        }
    }
    return true;
}
