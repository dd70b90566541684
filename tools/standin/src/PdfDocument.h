#pragma once

#include <QByteArray>
#include <QStringList>

// A small valid one-page PDF with a few lines of text, the documents of the seeded faxes.
class PdfDocument
{
public:
    static QByteArray singlePage(const QStringList &lines);
};
