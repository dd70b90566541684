#pragma once

#include "FacadeFixture.h"
#include "PromptRecorder.h"
#include "RecordingTrayIcon.h"
#include "SeamDoubles.h"
#include "UrlRecorder.h"

#include <QPointer>

// One GUI test's world, built in init() and destroyed in cleanup(): its own home with the settings loaded
// from it, message boxes and file dialogs answered by `prompts`, opened URLs captured by `urls`, and the
// desktop seams replaced by doubles (the tray is available unless the test says otherwise before the
// program builds it). On request the stand-in service runs with the seeded accounts (FacadeFixture.h) and
// the facade is pointed at it.
class DesktopFixture
{
public:
    DesktopFixture();
    ~DesktopFixture();
    DesktopFixture(const DesktopFixture &) = delete;
    DesktopFixture &operator=(const DesktopFixture &) = delete;

    // Starts the stand-in with the seeded accounts and stores Ann's credentials; false when it did not start.
    bool startService() { return m_service.start(); }
    FacadeFixture &service() { return m_service; }
    StandinProcess &standin() { return m_service.standin; }
    QString homePath() const { return m_service.home.path(); }

    // The tray icon that the program built last; null before.
    RecordingTrayIcon *tray() const { return m_tray; }

    PromptRecorder prompts;
    UrlRecorder urls;
    SeamLog seams;
    bool trayAvailable = true;

private:
    FacadeFixture m_service;
    QPointer<RecordingTrayIcon> m_tray;
};
