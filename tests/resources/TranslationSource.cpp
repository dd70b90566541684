#include "TranslationSource.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {

// Reads one <message> whose start element the reader stands on.
TranslationEntry readMessage(QXmlStreamReader &xml, const QString &context)
{
    TranslationEntry entry;
    entry.context = context;
    entry.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            entry.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            entry.finished = type.isEmpty();
            if (entry.numerus) {
                while (xml.readNextStartElement())
                    entry.translations << xml.readElementText();
            } else {
                entry.translations << xml.readElementText();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    return entry;
}

} // namespace

QList<TranslationEntry> readTranslationSource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("TS"))
        return {};

    QList<TranslationEntry> entries;
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("context")) {
            xml.skipCurrentElement();
            continue;
        }
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("message"))
                entries << readMessage(xml, context);
            else
                xml.skipCurrentElement();
        }
    }
    return xml.hasError() ? QList<TranslationEntry>() : entries;
}
