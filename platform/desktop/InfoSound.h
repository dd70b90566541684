#pragma once

#include "NotificationSound.h"
#include "SeamFactory.h"

#include <QSoundEffect>
#include <memory>

// The notification sound of the resources, played through the desktop's audio output.
class InfoSound : public NotificationSound
{
public:
    void play() override;

private:
    // Made at the first sound: the effect opens the sound system, which a user who has the sounds off
    // never needs (and whose complaints, without a sound server, would fill every start's output).
    std::unique_ptr<QSoundEffect> m_effect;
};

using NotificationSoundFactory = SeamFactory<NotificationSound, InfoSound>;
