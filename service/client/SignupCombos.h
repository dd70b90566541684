#pragma once

#include <QMap>
#include <QString>

class QComboBox;

// Fill a combo box of the sign-up dialog from the lists that QelvoxAPI::loadSignupLists() cached: one item
// per entry in code order, the name as text and the code as item data; the current item is the one whose
// code is preferred (the interface language, or the caller's country by address), else the first. The combo
// is not cleared first. GUI thread only.
void fillLanguageCombo(QComboBox *combo);
void fillFaxCountryCombo(QComboBox *combo);
void fillCountryCombo(QComboBox *combo);
void fillCodeCombo(QComboBox *combo, const QMap<QString, QString> &names, const QString &preferredCode);
