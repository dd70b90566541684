#pragma once

#include "NotificationSound.h"
#include "SeamFactory.h"

#include <QSoundEffect>

// The notification sound of the resources, played through the desktop's audio output.
class InfoSound : public NotificationSound
{
public:
    InfoSound();
    void play() override;

private:
    QSoundEffect m_effect;
};

using NotificationSoundFactory = SeamFactory<NotificationSound, InfoSound>;
