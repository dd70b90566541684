#include "InfoSound.h"

#include <QUrl>

InfoSound::InfoSound()
{
    m_effect.setSource(QUrl(QStringLiteral("qrc:/info.wav")));
}

void InfoSound::play()
{
    m_effect.play();
}
