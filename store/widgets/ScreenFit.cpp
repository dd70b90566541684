#include "ScreenFit.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace {

// Where a window is in its fitting: shown once and waiting for its frame, then done.
const char fitProperty[] = "qelvoxScreenFit";
enum FitState { NotShown = 0, AwaitingFrame, Fitted };

// A window's frame before the window manager has drawn one: a title bar and thin borders, generously
// counted; a window fitted with it is a few pixels smaller than it could be rather than out of reach.
constexpr QSize assumedFrame(12, 40);

QSize frameOf(const QWidget *window, bool *known = nullptr)
{
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const bool isKnown = !frame.isNull() || window->windowFlags().testFlag(Qt::FramelessWindowHint);
    if (known)
        *known = isKnown;
    return isKnown ? frame : assumedFrame;
}

void fit(QWidget *window, bool placed)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QSize frame = frameOf(window);
    const QRect available = screen->availableGeometry();
    const QSize size = window->size().boundedTo(ScreenFit::room(window));
    if (size != window->size())
        window->resize(size);
    if (!placed)
        return;
    QRect bounds(window->pos(), window->size() + frame);
    if (bounds.right() > available.right())
        bounds.moveRight(available.right());
    if (bounds.bottom() > available.bottom())
        bounds.moveBottom(available.bottom());
    bounds.moveTopLeft(QPoint(qMax(bounds.left(), available.left()), qMax(bounds.top(), available.top())));
    if (bounds.topLeft() != window->pos())
        window->move(bounds.topLeft());
}

} // namespace

QSize ScreenFit::room(const QWidget *window)
{
    const QScreen *screen = window->screen();
    return screen ? screen->availableGeometry().size() - frameOf(window) : QSize();
}

void ScreenFit::clamp(QWidget *window)
{
    fit(window, window->testAttribute(Qt::WA_Moved));
}

void ScreenFit::installOn(QApplication *application)
{
    application->installEventFilter(new ScreenFit(application));
}

bool ScreenFit::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize) || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (!widget->isWindow())
        return false;
    const int state = widget->property(fitProperty).toInt();
    if (type == QEvent::Show && state == NotShown) {
        widget->setProperty(fitProperty, AwaitingFrame);
        clamp(widget);
    } else if (type != QEvent::Show && state == AwaitingFrame && widget->isVisible()) {
        bool known = false;
        frameOf(widget, &known);
        if (known) {
            // The window manager has framed and placed the window: its title bar counts now, wherever
            // the manager put it.
            widget->setProperty(fitProperty, Fitted);
            fit(widget, true);
        }
    }
    return false;
}
