#include "ContactsCsvReader.h"

#include <QTextStream>

namespace {

const QChar quote(u'"');
const QChar separator(u';');

// The fields of a record's text, split at the separators outside quotes; a quote opens only at a field's
// start.
struct Split
{
    QStringList fields;
    // The text ended inside a quoted field.
    bool open = false;
    // A quoted field went over a line break and its closing quote is followed by more than a separator or
    // the line's end: a stray quote of a file written by hand rather than a field over several lines.
    bool strayClose = false;
};

Split splitQuoted(const QString &text)
{
    Split split;
    QString current;
    bool quoted = false;
    bool overLines = false;
    bool atStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c != quote) {
                current += c;
                overLines = overLines || c == u'\n';
            } else if (i + 1 < text.size() && text.at(i + 1) == quote) {
                current += text.at(++i);
            } else {
                quoted = false;
                const QChar next = i + 1 < text.size() ? text.at(i + 1) : u'\n';
                const bool fieldEnds = next == separator || next == u'\n';
                split.strayClose = split.strayClose || (overLines && !fieldEnds);
            }
        } else if (c == separator) {
            split.fields += current;
            current.clear();
            atStart = true;
            continue;
        } else if (c == quote && atStart) {
            quoted = true;
            overLines = false;
        } else {
            current += c;
        }
        atStart = false;
    }
    split.fields += current;
    split.open = quoted;
    return split;
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
    Split split = splitQuoted(record);
    QString line;
    while (split.open && nextLine(line)) {
        following += line;
        record += u'\n' + line;
        split = splitQuoted(record);
    }
    fields = split.fields;
    if (split.open || split.strayClose) {
        // A quote that no line closes as a field ends is a plain character of a file written by hand:
        // each line is read as it stands.
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
