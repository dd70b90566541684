#include "BusyCursor.h"

#include <QCoreApplication>
#include <QWidget>

BusyCursor::BusyCursor(QWidget *widget) : m_widget(widget)
{
    m_widget->setCursor(Qt::BusyCursor);
    QCoreApplication::processEvents();
}

BusyCursor::~BusyCursor()
{
    m_widget->setCursor(Qt::ArrowCursor);
    QCoreApplication::processEvents();
}
