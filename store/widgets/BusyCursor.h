#pragma once

class QWidget;

// Shows the busy cursor on a widget for the life of the guard, around a blocking call on the GUI thread.
// Pending events are processed on entry and exit so that the cursor change is painted.
class BusyCursor
{
public:
    explicit BusyCursor(QWidget *widget);
    ~BusyCursor();

    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    QWidget *m_widget;
};
