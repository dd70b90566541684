#include "Languages.h"

#include <QTranslator>

namespace {

QString resourceOf(const QString &code)
{
    return QStringLiteral(":/lang/lang_%1.qm").arg(code);
}

} // namespace

QStringList languageCodes()
{
    return {QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("it"), QStringLiteral("es"),
            QStringLiteral("de"), QStringLiteral("ro"), QStringLiteral("ru")};
}

bool loadLanguage(QTranslator &translator, const QString &languageCode)
{
    return translator.load(resourceOf(languageCode)) || translator.load(resourceOf(QStringLiteral("en")));
}
