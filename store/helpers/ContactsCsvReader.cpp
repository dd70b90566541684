#include "ContactsCsvReader.h"

#include <QTextStream>

namespace {

const QChar quote(u'"');
const QChar separator(u';');

// Splits at the separators outside quotes; a quote opens only at a field's start. open tells whether the
// text ended inside a quoted field.
QStringList splitQuoted(const QString &text, bool &open)
{
    QStringList fields;
    QString current;
    bool quoted = false;
    bool atStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c != quote)
                current += c;
            else if (i + 1 < text.size() && text.at(i + 1) == quote)
                current += text.at(++i);
            else
                quoted = false;
        } else if (c == separator) {
            fields += current;
            current.clear();
            atStart = true;
            continue;
        } else if (c == quote && atStart) {
            quoted = true;
        } else {
            current += c;
        }
        atStart = false;
    }
    fields += current;
    open = quoted;
    return fields;
}

} // namespace

ContactsCsvReader::ContactsCsvReader(QTextStream &stream) : m_stream(stream) {}

bool ContactsCsvReader::nextLine(QString &line)
{
    if (m_backlog.isEmpty())
        return m_stream.readLineInto(&line);
    line = m_backlog.takeFirst();
    return true;
}

bool ContactsCsvReader::readRecord(QStringList &fields)
{
    QString first;
    if (!nextLine(first))
        return false;
    QString record = first;
    QStringList following;
    bool open = false;
    fields = splitQuoted(record, open);
    QString line;
    while (open && nextLine(line)) {
        following += line;
        record += u'\n' + line;
        fields = splitQuoted(record, open);
    }
    if (open) {
        // A quote that no line closes is a plain character of a file written by hand: each line is read
        // as it stands.
        m_backlog = following + m_backlog;
        record = first;
        fields = record.split(separator);
    }
    if (fields.size() < 2)
        fields = record.split(u'\t');
    return true;
}

QString ContactsCsvReader::field(const QString &text)
{
    if (!text.contains(separator) && !text.contains(quote) && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString doubled = text;
    doubled.replace(quote, QStringLiteral("\"\""));
    return quote + doubled + quote;
}
