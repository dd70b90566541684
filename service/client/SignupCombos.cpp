#include "SignupCombos.h"

#include "QelvoxAPI.h"
#include "SettingsStore.h"

#include <QComboBox>

void fillLanguageCombo(QComboBox *combo)
{
    fillCodeCombo(combo, QelvoxAPI::languages(), SettingsStore::instance().effectiveLanguage());
}

void fillFaxCountryCombo(QComboBox *combo)
{
    fillCodeCombo(combo, QelvoxAPI::faxCountries(), QelvoxAPI::ipNationality());
}

void fillCountryCombo(QComboBox *combo)
{
    fillCodeCombo(combo, QelvoxAPI::countries(), QelvoxAPI::ipNationality());
}

void fillCodeCombo(QComboBox *combo, const QMap<QString, QString> &names, const QString &preferredCode)
{
    int preferred = -1;
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        if (it.key() == preferredCode)
            preferred = combo->count();
        combo->addItem(QIcon(), it.value(), it.key());
    }
    combo->setCurrentIndex(preferred >= 0 ? preferred : 0);
}
