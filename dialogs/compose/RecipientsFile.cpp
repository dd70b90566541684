#include "RecipientsFile.h"

#include "TextHelpers.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>

namespace {

FileRecipient parseLine(const QString &line)
{
    const QStringList fields = line.split(line.contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char('\t'));
    if (fields.size() == 1)
        return {normalizeNumber(line.trimmed()), QString()};
    return {normalizeNumber(fields.at(1).trimmed()), fields.at(0).trimmed()};
}

// UTF-16 without a byte-order mark, told by its zero bytes, which text in UTF-8 or Latin-1 never holds:
// the digits, separators and Latin letters of a recipients file have their zero byte second in
// little-endian order, first in big-endian order.
QStringConverter::Encoding unmarkedEncoding(const QByteArray &bytes)
{
    qsizetype evenZeros = 0;
    qsizetype oddZeros = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        evenZeros += bytes[i] == '\0';
        oddZeros += bytes[i + 1] == '\0';
    }
    if (evenZeros + oddZeros == 0)
        return QStringConverter::Utf8;
    return oddZeros >= evenZeros ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
}

QString decode(const QByteArray &bytes)
{
    std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(bytes);
    if (!encoding)
        encoding = unmarkedEncoding(bytes);
    QStringDecoder decoder(*encoding);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() && *encoding == QStringConverter::Utf8)
        return QString::fromLatin1(bytes);
    return text;
}

} // namespace

RecipientsFileRead readRecipientsFile(const QString &path, const std::function<bool(const FileRecipient &)> &take)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return RecipientsFileRead::NoFile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return RecipientsFileRead::NoFile;
    const QByteArray bytes = file.read(maxRecipientsFileSize + 1);
    if (bytes.size() > maxRecipientsFileSize)
        return RecipientsFileRead::TooLarge;
    QString text = decode(bytes);
    // Files from old Mac tools end their lines with a CR alone.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const FileRecipient recipient = parseLine(line);
        if (!recipient.number.isEmpty() && !take(recipient))
            break;
    }
    return RecipientsFileRead::Read;
}
