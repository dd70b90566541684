#include "SettingsDlg.h"

#include "Languages.h"
#include "QelvoxAPI.h"
#include "SettingsStore.h"

SettingsDlg::SettingsDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
{
    setupUi(this);
    connect(saveButton, &QPushButton::clicked, this, &SettingsDlg::eventAction);
    connect(cancelButton, &QPushButton::clicked, this, &SettingsDlg::eventCancel);
    fillLanguages();
    connect(optionTabs, &QListWidget::currentRowChanged, selectedTab, &QStackedWidget::setCurrentIndex);
    optionTabs->setCurrentRow(0);
}

void SettingsDlg::loadAndShow()
{
    loadSettings();
    show();
}

// Once only: an abandoned language choice stays in the list until the next Save stores it.
void SettingsDlg::fillLanguages()
{
    const QString effective = SettingsStore::instance().effectiveLanguage();
    int selected = -1;
    for (const QString &code : languageCodes()) {
        languageBox->addItem(languageName(code), code);
        if (code == effective)
            selected = languageBox->count() - 1;
    }
    if (selected < 0) {
        SettingsStore::instance().setLanguage(QStringLiteral("en"));
        selected = 0;
    }
    languageBox->setCurrentIndex(selected);
}

void SettingsDlg::loadSettings()
{
    const SettingsStore &settings = SettingsStore::instance();
    proxyPort->setValue(settings.proxyPort());
    proxyHost->setText(settings.proxyHost());
    proxyUserid->setText(settings.proxyUserId());
    proxyPasswd->setText(settings.proxyPassword());
    proxySettings->setChecked(settings.proxyEnabled() != 0);
    sound->setChecked(settings.sound());
    format->setCurrentIndex(settings.faxFormat());
    check->setValue(settings.syncInterval());
    outlook->setChecked(settings.outlook());
    ui_autostart->setChecked(SettingsStore::isAutostart());
    ui_checkSave->setChecked(settings.autoConnect());
}

void SettingsDlg::eventAction()
{
    accept();
    saveSettings();
    emit signalClose(true);
}

void SettingsDlg::eventCancel()
{
    reject();
}

void SettingsDlg::reject()
{
    // Escape on a dialog that is already hidden must not report a second closing.
    if (!isVisible())
        return;
    QDialog::reject();
    emit signalClose(false);
}

void SettingsDlg::saveSettings()
{
    SettingsStore &settings = SettingsStore::instance();
    settings.setProxyEnabled(proxySettings->isChecked() ? 1 : 0);
    settings.setProxyPort(proxyPort->value());
    settings.setProxyHost(proxyHost->text().trimmed());
    settings.setProxyUserId(proxyUserid->text().trimmed());
    settings.setProxyPassword(proxyPasswd->text().trimmed());
    QelvoxAPI::resetConnection();
    settings.setSound(sound->isChecked());
    if (outlook->isChecked() != settings.outlook()) {
        settings.setOutlook(outlook->isChecked());
        emit signalOutlook();
    }
    settings.setFaxFormat(format->currentIndex());
    const QString language = languageBox->currentData().toString();
    if (language != settings.effectiveLanguage()) {
        settings.setLanguage(language);
        emit signalTranslate();
    }
    if (check->value() != settings.syncInterval()) {
        settings.setSyncInterval(check->value());
        emit signalSyncInterval();
    }
    settings.setAutoConnect(ui_checkSave->isChecked());
    SettingsStore::setAutostart(ui_autostart->isChecked());
}
