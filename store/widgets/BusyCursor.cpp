#include "BusyCursor.h"

#include <QCoreApplication>
#include <QWidget>

BusyCursor::BusyCursor(QWidget *widget) : m_widget(widget)
{
    m_widget->setCursor(Qt::BusyCursor);
    // Repaints the cursor only: a click let through here would run its slot in the middle of the caller's
    // blocking call.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

BusyCursor::~BusyCursor()
{
    m_widget->setCursor(Qt::ArrowCursor);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
