#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// The codes of the languages the program is translated into, in the order the program offers them.
QStringList languageCodes();

// The name of a language in that language, as the language lists show it whatever the interface language;
// empty for a code that is not in languageCodes().
QString languageName(const QString &languageCode);

// Loads the resource ":/lang/lang_<code>.qm" into the translator, or the English one when the code names no
// translation; false only when neither could be loaded.
bool loadLanguage(QTranslator &translator, const QString &languageCode);
