#include "AutostartEntry.h"
#include "ConnectProxy.h"
#include "DesktopFixture.h"
#include "InstallerValues.h"
#include "Languages.h"
#include "QelvoxAPI.h"
#include "SettingsDlg.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

// The preferences window against the settings store of a fresh home per test: what it selects and shows,
// what Save writes and announces, and that every other way of closing stores nothing.
class SettingsDlgTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<QWidget> m_parent;

    // Every signal of the dialog, in the order it came.
    static std::shared_ptr<QStringList> recordSignals(SettingsDlg &dialog)
    {
        auto names = std::make_shared<QStringList>();
        connect(&dialog, &SettingsDlg::signalClose, [names](bool update) {
            *names << (update ? QStringLiteral("close(true)") : QStringLiteral("close(false)"));
        });
        connect(&dialog, &SettingsDlg::signalOutlook, [names] { *names << QStringLiteral("outlook"); });
        connect(&dialog, &SettingsDlg::signalTranslate, [names] { *names << QStringLiteral("translate"); });
        connect(&dialog, &SettingsDlg::signalSyncInterval, [names] { *names << QStringLiteral("interval"); });
        return names;
    }

    // The keys the settings file holds, as "GROUP/KEY".
    static QStringList storedKeys()
    {
        QSettings file(SettingsStore::settingsFilePath(), QSettings::IniFormat);
        return file.allKeys();
    }

    static QVariant storedValue(const QString &key)
    {
        QSettings file(SettingsStore::settingsFilePath(), QSettings::IniFormat);
        return file.value(key);
    }

    static void setInstallerLanguage(const QString &code)
    {
        QSettings values(InstallerValues::filePath(), QSettings::IniFormat);
        values.setValue(QStringLiteral("Language"), code);
    }

    std::unique_ptr<SettingsDlg> openDialog()
    {
        auto dialog = std::make_unique<SettingsDlg>(m_parent.get());
        dialog->loadAndShow();
        return dialog;
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<DesktopFixture>();
        m_parent = std::make_unique<QWidget>();
    }
    void cleanup()
    {
        QVERIFY2(m_fixture->prompts.boxes.isEmpty(), "a message box the test did not expect");
        m_parent.reset();
        m_fixture.reset();
    }

    void showsTheGeneralPageAndTheLanguagesByTheirOwnNames()
    {
        SettingsDlg dialog(m_parent.get());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Preferences"));
        QCOMPARE(dialog.windowModality(), Qt::WindowModal);
        QCOMPARE(dialog.selectedTab->currentIndex(), 0);
        dialog.optionTabs->setCurrentRow(1);
        QCOMPARE(dialog.selectedTab->currentWidget(), dialog.page_2);

        QStringList names, codes;
        for (int row = 0; row < dialog.languageBox->count(); ++row) {
            names << dialog.languageBox->itemText(row);
            codes << dialog.languageBox->itemData(row).toString();
        }
        QCOMPARE(codes, QStringList({"en", "fr", "it", "es", "de", "ro", "ru"}));
        QCOMPARE(names, QStringList({"English", "Français", "Italiano", "Español", "Deutsch", "Română",
                                     QStringLiteral("P") + QString::fromUtf8("усский")}));
        QCOMPARE(languageName("ru").at(0).unicode(), u'P');
    }

    void languageFromStoredValueInstallerOrFallback_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("installer");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QVariant>("storedAfter");
        QTest::newRow("stored value") << "de"
                                      << "it"
                                      << "Deutsch" << QVariant("de");
        QTest::newRow("installer value in capitals") << ""
                                                     << "FR"
                                                     << "Français" << QVariant();
        QTest::newRow("neither") << ""
                                 << ""
                                 << "English" << QVariant();
        QTest::newRow("stored code not offered") << "pt"
                                                 << ""
                                                 << "English" << QVariant("en");
        QTest::newRow("installer code not offered") << ""
                                                    << "nl"
                                                    << "English" << QVariant("en");
    }

    void languageFromStoredValueInstallerOrFallback()
    {
        QFETCH(QString, stored);
        QFETCH(QString, installer);
        QFETCH(QString, selected);
        QFETCH(QVariant, storedAfter);
        if (!stored.isEmpty())
            SettingsStore::instance().setLanguage(stored);
        if (!installer.isEmpty())
            setInstallerLanguage(installer);
        SettingsDlg dialog(m_parent.get());
        QCOMPARE(dialog.languageBox->currentText(), selected);
        QCOMPARE(storedValue(QStringLiteral("CLIENT/LANGUAGE")), storedAfter);
    }

    void saveWritesEveryValueAndSignalsInOrder_data()
    {
        QTest::addColumn<bool>("changeOutlook");
        QTest::addColumn<bool>("changeLanguage");
        QTest::addColumn<bool>("changeInterval");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("untouched") << false << false << false << QStringList{"close(true)"};
        QTest::newRow("interval only") << false << false << true << QStringList{"interval", "close(true)"};
        QTest::newRow("all three") << true << true << true
                                   << QStringList{"outlook", "translate", "interval", "close(true)"};
    }

    void saveWritesEveryValueAndSignalsInOrder()
    {
        QFETCH(bool, changeOutlook);
        QFETCH(bool, changeLanguage);
        QFETCH(bool, changeInterval);
        QFETCH(QStringList, expected);
        SettingsStore &settings = SettingsStore::instance();
        auto dialog = openDialog();
        const auto names = recordSignals(*dialog);
        if (changeOutlook)
            dialog->outlook->setChecked(!dialog->outlook->isChecked());
        if (changeLanguage)
            dialog->languageBox->setCurrentIndex(4);
        if (changeInterval)
            dialog->check->setValue(17);
        dialog->proxyHost->setText(QStringLiteral("  proxy.example.test "));
        dialog->proxyUserid->setText(QStringLiteral(" me "));
        dialog->proxyPasswd->setText(QStringLiteral(" pa ss "));
        dialog->proxyPort->setValue(3128);
        dialog->proxySettings->setChecked(false);
        dialog->sound->setChecked(true);
        dialog->format->setCurrentIndex(1);
        dialog->ui_checkSave->setChecked(false);
        QTest::mouseClick(dialog->saveButton, Qt::LeftButton);

        QCOMPARE(*names, expected);
        QVERIFY(!dialog->isVisible());
        for (const char *key : {"PROXY/ProxyEnabled", "PROXY/PORT", "PROXY/HOST", "PROXY/USERID",
                                "PROXY/PASSWD", "CLIENT/SOUND", "CLIENT/FAX_FORMAT", "CLIENT/AUTOCONNECT"})
            QVERIFY2(storedKeys().contains(QLatin1String(key)), key);
        QCOMPARE(settings.proxyEnabled(), 0);
        QCOMPARE(settings.proxyPort(), 3128);
        QCOMPARE(settings.proxyHost(), QStringLiteral("proxy.example.test"));
        QCOMPARE(settings.proxyUserId(), QStringLiteral("me"));
        QCOMPARE(settings.proxyPassword(), QStringLiteral("pa ss"));
        QVERIFY(settings.sound());
        QCOMPARE(settings.faxFormat(), 1);
        QVERIFY(!settings.autoConnect());
        QCOMPARE(storedKeys().contains(QStringLiteral("CLIENT/LANGUAGE")), changeLanguage);
        QCOMPARE(storedKeys().contains(QStringLiteral("CLIENT/SYNC_INTERVAL")), changeInterval);
        QCOMPARE(storedKeys().contains(QStringLiteral("CLIENT/OUTLOOK")), changeOutlook);
        if (changeLanguage)
            QCOMPARE(settings.effectiveLanguage(), QStringLiteral("de"));
        if (changeInterval)
            QCOMPARE(settings.syncInterval(), 17);
    }

    // Escape and the close box leave the main window's tray actions waiting for a signal otherwise.
    void everyOtherWayOfClosingStoresNothing_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Close button") << "button";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("close box") << "closebox";
    }

    void everyOtherWayOfClosingStoresNothing()
    {
        QFETCH(QString, way);
        auto dialog = openDialog();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        const auto names = recordSignals(*dialog);
        const QStringList keysBefore = storedKeys();
        dialog->languageBox->setCurrentIndex(1);
        dialog->sound->setChecked(!dialog->sound->isChecked());
        dialog->proxyHost->setText(QStringLiteral("abandoned.example.test"));
        if (way == "button")
            QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
        else if (way == "escape")
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        else
            dialog->close();

        QVERIFY(!dialog->isVisible());
        QCOMPARE(*names, QStringList{"close(false)"});
        QCOMPARE(storedKeys(), keysBefore);
        // Closing what is already closed reports nothing more.
        dialog->reject();
        QCOMPARE(names->size(), 1);

        // The next showing reloads every field but the language list, which keeps the abandoned choice
        // until a Save stores it.
        dialog->loadAndShow();
        QCOMPARE(dialog->proxyHost->text(), QString());
        QCOMPARE(dialog->sound->isChecked(), SettingsStore::instance().sound());
        QCOMPARE(dialog->languageBox->currentData().toString(), QStringLiteral("fr"));
        QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        QCOMPARE(*names, QStringList({"close(false)", "translate", "close(true)"}));
        QCOMPARE(SettingsStore::instance().effectiveLanguage(), QStringLiteral("fr"));
    }

    void autostartThroughTheDesktopEntry()
    {
        QVERIFY(!AutostartEntry::isEnabled());
        auto dialog = openDialog();
        QVERIFY(!dialog->ui_autostart->isChecked());
        dialog->ui_autostart->setChecked(true);
        QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        QVERIFY(AutostartEntry::isEnabled());
        QFile entry(AutostartEntry::filePath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains("-silent"));

        dialog->loadAndShow();
        QVERIFY(dialog->ui_autostart->isChecked());
        dialog->ui_autostart->setChecked(false);
        QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        QVERIFY(!QFile::exists(AutostartEntry::filePath()));
        dialog->loadAndShow();
        QVERIFY(!dialog->ui_autostart->isChecked());
    }

    // Only what the program can use gets stored: a TCP port, and an interval that the next start keeps.
    void valuesAreHeldToWhatTheProgramKeeps_data()
    {
        QTest::addColumn<int>("storedInterval");
        QTest::addColumn<int>("shownInterval");
        QTest::addColumn<int>("storedPort");
        QTest::addColumn<int>("shownPort");
        QTest::newRow("below the ranges") << 3 << 5 << -1 << 0;
        QTest::newRow("no proxy") << 5 << 5 << 0 << 0;
        QTest::newRow("inside") << 30 << 30 << 65535 << 65535;
        QTest::newRow("above the ranges") << 90 << 60 << 65536 << 65535;
    }

    void valuesAreHeldToWhatTheProgramKeeps()
    {
        QFETCH(int, storedInterval);
        QFETCH(int, shownInterval);
        QFETCH(int, storedPort);
        QFETCH(int, shownPort);
        SettingsStore &settings = SettingsStore::instance();
        settings.setSyncInterval(storedInterval);
        settings.setProxyPort(storedPort);
        auto dialog = openDialog();
        QCOMPARE(dialog->check->value(), shownInterval);
        QCOMPARE(dialog->proxyPort->value(), shownPort);
        if (shownPort == 0)
            QCOMPARE(dialog->proxyPort->text(), QStringLiteral("no proxy"));
        dialog->check->setValue(1000);
        QCOMPARE(dialog->check->value(), 60);
        dialog->check->setValue(shownInterval);
        const auto names = recordSignals(*dialog);
        QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        QCOMPARE(names->contains(QStringLiteral("interval")), storedInterval != shownInterval);
        QCOMPARE(settings.syncInterval(), shownInterval);
        QCOMPARE(settings.proxyPort(), shownPort);
        settings.load();
        QCOMPARE(settings.syncInterval(), shownInterval);
    }

    // Save hands the proxy to the service facade at once, changed or not.
    void saveReappliesTheProxy()
    {
        QVERIFY(m_fixture->startService());
        ConnectProxy proxy;
        int shift = 0;
        QCOMPARE(QelvoxAPI::getShiftTime(&shift), 0);
        QCOMPARE(proxy.tunnels().size(), 0);

        auto dialog = openDialog();
        dialog->proxySettings->setChecked(true);
        dialog->proxyHost->setText(QStringLiteral("127.0.0.1"));
        dialog->proxyPort->setValue(proxy.port());
        QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        QCOMPARE(QelvoxAPI::getShiftTime(&shift), 0);
        QCOMPARE(proxy.tunnels().size(), 1);

        dialog->loadAndShow();
        dialog->proxySettings->setChecked(false);
        QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        QCOMPARE(QelvoxAPI::getShiftTime(&shift), 0);
        QCOMPARE(proxy.tunnels().size(), 1);
    }

    // A Save whose values cannot be written says so, naming the file that could not take them: the
    // settings file, the autostart entry, or both; the dialog still closes as after any Save.
    void saveThatCannotBeWrittenIsTold_data()
    {
        QTest::addColumn<bool>("settingsFails");
        QTest::addColumn<bool>("autostartFails");
        QTest::newRow("settings file") << true << false;
        QTest::newRow("autostart entry") << false << true;
        QTest::newRow("both") << true << true;
    }
    void saveThatCannotBeWrittenIsTold()
    {
        QFETCH(bool, settingsFails);
        QFETCH(bool, autostartFails);
        auto dialog = openDialog();
        QStringList blocked;
        if (settingsFails)
            blocked += SettingsStore::settingsFilePath();
        if (autostartFails)
            blocked += AutostartEntry::filePath();
        for (const QString &file : blocked) // a folder where the file should be
            QVERIFY((!QFile::exists(file) || QFile::remove(file)) && QDir().mkpath(file));
        const auto names = recordSignals(*dialog);
        dialog->sound->setChecked(!dialog->sound->isChecked());
        dialog->ui_autostart->setChecked(true);
        QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        QCOMPARE(*names, QStringList{"close(true)"});
        QCOMPARE(m_fixture->prompts.boxes.size(), 1);
        QCOMPARE(m_fixture->prompts.boxes.takeFirst().text,
                 QStringLiteral("The settings could not be saved in %1.").arg(blocked.join(", ")));
        for (const QString &file : blocked)
            QVERIFY(QDir(file).removeRecursively());
    }
};

QTEST_MAIN(SettingsDlgTest)
#include "tst_settingsdlg.moc"
