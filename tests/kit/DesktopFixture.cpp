#include "DesktopFixture.h"

#include "FolderInstallerLauncher.h"
#include "InfoSound.h"
#include "SettingsStore.h"
#include "SystemTrayIcon.h"

DesktopFixture::DesktopFixture()
{
    SettingsStore::instance().load();
    TrayIconFactory::set([this] {
        auto tray = std::make_unique<RecordingTrayIcon>(trayAvailable);
        m_tray = tray.get();
        return std::unique_ptr<TrayIcon>(std::move(tray));
    });
    NotificationSoundFactory::set([this] { return std::make_unique<CountingSound>(seams); });
    InstallerLauncherFactory::set([this] { return std::make_unique<RecordingLauncher>(seams); });
}

DesktopFixture::~DesktopFixture()
{
    TrayIconFactory::set({});
    NotificationSoundFactory::set({});
    InstallerLauncherFactory::set({});
}
