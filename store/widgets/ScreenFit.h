#pragma once

#include <QObject>

class QApplication;
class QWidget;

// Keeps every window's first size within the available area of its screen: a form's designed size at a
// large scale factor can be taller than the screen and put the window's buttons out of reach.
class ScreenFit : public QObject
{
public:
    // Shrinks window (a top-level widget) to the available geometry of its screen, and moves it back
    // inside when it was placed already; a window that fits is left alone.
    static void clamp(QWidget *window);
    // From then on, every window of the application is clamped when it is shown for the first time. GUI
    // thread only; the filter belongs to the application.
    static void installOn(QApplication *application);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
