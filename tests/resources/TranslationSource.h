#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One text of a translation source (.ts) file, as the program looks it up.
struct TranslationEntry
{
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    bool finished = true;
    // One per plural form for a %n text, else one.
    QStringList translations;

    // How a failure names the text.
    QString key() const { return context + QLatin1String(": ") + source; }
};

// Every text of the file, in its order; empty when the file cannot be read or is not a translation source.
QList<TranslationEntry> readTranslationSource(const QString &path);
