#include "RepaintThrottle.h"

#include <QAbstractItemView>
#include <QtWidgets/private/qabstractitemview_p.h>

namespace {

// Rows that come or go make an item view lay itself out again on the next pass of the event loop, a walk
// over every row it holds: a list that takes a batch every few milliseconds would pay a walk that grows
// with the list each time. While the list is held, its layout is marked as pending without being timed,
// as the view leaves it while hidden: new rows then add nothing to it, and whatever needs the layout
// sooner (a click, a key, a scroll, a selection) still runs it first, as for any layout not run yet; after
// that, rows lay the list out as usual until the next hold. Derived from the view only to reach its
// protected way of running a pending layout; never made.
class HeldLayout : public QAbstractItemView
{
public:
    static void hold(QWidget *widget)
    {
        if (auto *view = qobject_cast<QAbstractItemView *>(widget)) {
            // A layout already timed runs now, as it would have on the next pass, so that no timer is left.
            runPending(view);
            markPending(view);
        }
    }

    static void release(QWidget *widget)
    {
        if (auto *view = qobject_cast<QAbstractItemView *>(widget))
            runPending(view);
    }

private:
    // Qt exports no type information for the view's private side, which the sanitizer's type check needs.
    __attribute__((no_sanitize("vptr"))) static void markPending(QAbstractItemView *view)
    {
        static_cast<QAbstractItemViewPrivate *>(QObjectPrivate::get(view))->delayedPendingLayout = true;
    }
    static void runPending(QAbstractItemView *view) { (view->*(&HeldLayout::executeDelayedItemsLayout))(); }
};

} // namespace

RepaintThrottle::RepaintThrottle(int intervalMs, QObject *parent) : QObject(parent), m_intervalMs(intervalMs)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RepaintThrottle::release);
}

RepaintThrottle::~RepaintThrottle()
{
    release();
}

void RepaintThrottle::aboutToChange(QWidget *widget)
{
    if (m_held && m_held != widget)
        release();
    if (!m_held && paintedWithinInterval())
        hold(widget);
}

void RepaintThrottle::changed(QWidget *widget)
{
    if (m_held && m_held != widget)
        release();
    if (m_held)
        return;
    if (!paintedWithinInterval()) {
        m_sincePainting.restart();
        return;
    }
    hold(widget);
}

bool RepaintThrottle::paintedWithinInterval() const
{
    return m_sincePainting.isValid() && !m_sincePainting.hasExpired(m_intervalMs);
}

void RepaintThrottle::hold(QWidget *widget)
{
    m_held = widget;
    widget->setUpdatesEnabled(false);
    HeldLayout::hold(widget);
    m_timer.start(int(m_intervalMs - m_sincePainting.elapsed()));
}

void RepaintThrottle::release()
{
    m_timer.stop();
    if (m_held) {
        HeldLayout::release(m_held);
        // Updates on again paint the whole widget once.
        m_held->setUpdatesEnabled(true);
    }
    m_held = nullptr;
    m_sincePainting.restart();
}
