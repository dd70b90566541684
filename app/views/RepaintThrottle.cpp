#include "RepaintThrottle.h"

#include <QWidget>

RepaintThrottle::RepaintThrottle(int intervalMs, QObject *parent) : QObject(parent), m_intervalMs(intervalMs)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RepaintThrottle::release);
}

RepaintThrottle::~RepaintThrottle()
{
    release();
}

void RepaintThrottle::changed(QWidget *widget)
{
    if (m_held && m_held != widget)
        release();
    if (m_held)
        return;
    if (!m_sincePainting.isValid() || m_sincePainting.hasExpired(m_intervalMs)) {
        m_sincePainting.restart();
        return;
    }
    m_held = widget;
    widget->setUpdatesEnabled(false);
    m_timer.start(int(m_intervalMs - m_sincePainting.elapsed()));
}

void RepaintThrottle::release()
{
    m_timer.stop();
    if (m_held)
        // Updates on again paint the whole widget once.
        m_held->setUpdatesEnabled(true);
    m_held = nullptr;
    m_sincePainting.restart();
}
