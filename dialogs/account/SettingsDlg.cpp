#include "SettingsDlg.h"

#include "Languages.h"
#include "MessageBoxes.h"
#include "PageScroller.h"
#include "QelvoxAPI.h"
#include "SettingsStore.h"

#include <QDir>

SettingsDlg::SettingsDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
{
    setupUi(this);
    m_pages = new PageScroller(selectedTab);
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

void SettingsDlg::setVisible(bool visible)
{
    if (visible)
        m_pages->fitToScreen();
    QDialog::setVisible(visible);
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
    QStringList unsaved = saveSettings();
    for (QString &file : unsaved)
        file = QDir::toNativeSeparators(file);
    if (!unsaved.isEmpty())
        showError(tr("The settings could not be saved in %1.").arg(unsaved.join(QLatin1String(", "))),
                  parentWidget());
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

QStringList SettingsDlg::saveSettings()
{
    SettingsStore &settings = SettingsStore::instance();
    bool saved = settings.setProxyEnabled(proxySettings->isChecked() ? 1 : 0);
    saved &= settings.setProxyPort(proxyPort->value());
    saved &= settings.setProxyHost(proxyHost->text().trimmed());
    saved &= settings.setProxyUserId(proxyUserid->text().trimmed());
    saved &= settings.setProxyPassword(proxyPasswd->text().trimmed());
    QelvoxAPI::resetConnection();
    saved &= settings.setSound(sound->isChecked());
    if (outlook->isChecked() != settings.outlook()) {
        saved &= settings.setOutlook(outlook->isChecked());
        emit signalOutlook();
    }
    saved &= settings.setFaxFormat(format->currentIndex());
    const QString language = languageBox->currentData().toString();
    if (language != settings.effectiveLanguage()) {
        saved &= settings.setLanguage(language);
        emit signalTranslate();
    }
    if (check->value() != settings.syncInterval()) {
        saved &= settings.setSyncInterval(check->value());
        emit signalSyncInterval();
    }
    saved &= settings.setAutoConnect(ui_checkSave->isChecked());
    QStringList unsaved;
    if (!saved)
        unsaved += SettingsStore::settingsFilePath();
    if (!SettingsStore::setAutostart(ui_autostart->isChecked()))
        unsaved += SettingsStore::autostartFilePath();
    return unsaved;
}
