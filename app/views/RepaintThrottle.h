#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

// Paints a widget that keeps changing (the current list while a synchronisation fills it batch after
// batch) at most once an interval: a change soon after the last painting holds the widget's updates back
// until the interval is over, and an item view's layout with them. GUI thread only.
class RepaintThrottle : public QObject
{
public:
    explicit RepaintThrottle(int intervalMs, QObject *parent = nullptr);
    ~RepaintThrottle() override;

    // The widget is about to change: soon after the last painting it is held before the change, so that an
    // item view's rows going in add nothing to a layout.
    void aboutToChange(QWidget *widget);
    // The widget changed and wants painting.
    void changed(QWidget *widget);

private:
    bool paintedWithinInterval() const;
    void hold(QWidget *widget);
    void release();

    int m_intervalMs;
    QPointer<QWidget> m_held;
    QElapsedTimer m_sincePainting;
    QTimer m_timer;
};
