#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// Reads the records of a contacts file: fields separated by ";" (a line without one is split at tabs),
// quoted as CSV quotes them only where a field holds a ";", a double quote or a line break, so that every
// other line reads as plain text. field() writes a field that way.
class ContactsCsvReader
{
public:
    // The stream must outlive the reader.
    explicit ContactsCsvReader(QTextStream &stream);

    // The next record's fields; a quoted field may go on over the lines that follow. False at the end.
    bool readRecord(QStringList &fields);

    // The field as written: quoted, inner quotes doubled, when it needs it; as it is otherwise.
    static QString field(const QString &text);

private:
    bool nextLine(QString &line);

    QTextStream &m_stream;
    // Lines read ahead for a quote that was never closed; they are records of their own.
    QStringList m_backlog;
};
