#include "Languages.h"

#include <QTranslator>

namespace {

struct Language
{
    const char *code;
    const char *name; // UTF-8
};

// The Russian name begins with a Latin capital P: the list has always shown it so.
const Language languages[] = {
    {"en", "English"},
    {"fr", "Fran\u00e7ais"},
    {"it", "Italiano"},
    {"es", "Espa\u00f1ol"},
    {"de", "Deutsch"},
    {"ro", "Rom\u00e2n\u0103"},
    {"ru", "P\u0443\u0441\u0441\u043a\u0438\u0439"},
};

QString resourceOf(const QString &code)
{
    return QStringLiteral(":/lang/lang_%1.qm").arg(code);
}

} // namespace

QStringList languageCodes()
{
    QStringList codes;
    for (const Language &language : languages)
        codes << QLatin1String(language.code);
    return codes;
}

QString languageName(const QString &languageCode)
{
    for (const Language &language : languages) {
        if (languageCode == QLatin1String(language.code))
            return QString::fromUtf8(language.name);
    }
    return {};
}

bool loadLanguage(QTranslator &translator, const QString &languageCode)
{
    return translator.load(resourceOf(languageCode)) || translator.load(resourceOf(QStringLiteral("en")));
}
