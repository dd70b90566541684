#pragma once

#include "InstallerLauncher.h"
#include "NotificationSound.h"

#include <QStringList>

// What the doubles of the sound and the installer launcher were asked, kept by the test's fixture so that it
// outlives the doubles, which their owners may destroy first.
struct SeamLog
{
    int soundPlays = 0;
    QStringList launchedInstallers;
    bool installerStarts = false; // what the launcher double reports
};

class CountingSound : public NotificationSound
{
public:
    explicit CountingSound(SeamLog &log) : m_log(log) {}
    void play() override { ++m_log.soundPlays; }

private:
    SeamLog &m_log;
};

class RecordingLauncher : public InstallerLauncher
{
public:
    explicit RecordingLauncher(SeamLog &log) : m_log(log) {}
    bool launch(const QString &installerPath) override
    {
        m_log.launchedInstallers += installerPath;
        return m_log.installerStarts;
    }

private:
    SeamLog &m_log;
};
