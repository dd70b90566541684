#include "ScreenFit.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace {

const char fittedProperty[] = "qelvoxScreenFitted";

} // namespace

void ScreenFit::clamp(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    // The frame is known only once the window was mapped; until then only the client area counts.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const QRect available = screen->availableGeometry();
    const QSize room = available.size() - frame;
    const QSize size = window->size().boundedTo(room);
    if (size != window->size())
        window->resize(size);
    if (!window->testAttribute(Qt::WA_Moved))
        return;
    QRect placed(window->pos(), window->size() + frame);
    if (placed.right() > available.right())
        placed.moveRight(available.right());
    if (placed.bottom() > available.bottom())
        placed.moveBottom(available.bottom());
    placed.moveTopLeft(QPoint(qMax(placed.left(), available.left()), qMax(placed.top(), available.top())));
    if (placed.topLeft() != window->pos())
        window->move(placed.topLeft());
}

void ScreenFit::installOn(QApplication *application)
{
    application->installEventFilter(new ScreenFit(application));
}

bool ScreenFit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->isWindow() && !widget->property(fittedProperty).toBool()) {
        widget->setProperty(fittedProperty, true);
        clamp(widget);
    }
    return false;
}
