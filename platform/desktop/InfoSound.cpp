#include "InfoSound.h"

#include <QUrl>

void InfoSound::play()
{
    if (!m_effect) {
        m_effect = std::make_unique<QSoundEffect>();
        // Played as soon as it is loaded.
        m_effect->setSource(QUrl(QStringLiteral("qrc:/info.wav")));
    }
    m_effect->play();
}
