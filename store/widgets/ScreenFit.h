#pragma once

#include <QObject>
#include <QSize>

class QApplication;
class QWidget;

// Keeps every window within the available area of its screen when it first opens: a form's designed size
// at a large scale factor can be taller than the screen and put the window's title bar or buttons out of
// reach. The window manager's frame counts, and it is known only once the window is on the screen: a
// window is fitted at its first showing, with room kept for a frame, and again once its frame is known.
class ScreenFit : public QObject
{
public:
    // Shrinks window (a top-level widget) to the available geometry of its screen, and moves it back
    // inside when it was placed already; a window that fits is left alone. Frame margins not known yet
    // count as those of a usual title bar.
    static void clamp(QWidget *window);
    // The size the window itself (without its frame) may take on its screen.
    static QSize room(const QWidget *window);
    // From then on, every window of the application is clamped when it is shown for the first time, and
    // once more when its frame becomes known. GUI thread only; the filter belongs to the application.
    static void installOn(QApplication *application);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
