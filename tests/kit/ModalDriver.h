#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Acts on the next modal dialog that a blocking call (exec()) shows: arm it, then make the call. The action
// runs once the dialog is up; a dialog that is still open after the action is rejected, so that a failed
// check inside the action never leaves the test hanging in the dialog's event loop.
class ModalDriver
{
public:
    using Action = std::function<void(QWidget *dialog)>;

    // Gives up after timeoutMs without a modal dialog; shown() then stays false. With a class name, only a
    // dialog of that class counts: a window-modal dialog that is already up is a modal widget too.
    void whenShown(Action action, int timeoutMs = 10000, const char *className = nullptr)
    {
        m_shown = false;
        m_action = std::move(action);
        m_className = className;
        m_deadline = QDeadlineTimer(timeoutMs);
        poll();
    }

    bool shown() const { return m_shown; }

private:
    void poll()
    {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || (m_className && !dialog->inherits(m_className))) {
            if (!m_deadline.hasExpired())
                QTimer::singleShot(10, &m_context, [this] { poll(); });
            return;
        }
        m_shown = true;
        QPointer<QWidget> guard(dialog);
        m_action(dialog);
        if (guard && guard->isVisible())
            QMetaObject::invokeMethod(guard, "reject", Qt::QueuedConnection);
    }

    // The poll timer's receiver: a driver that goes stops its polling, so that no poll runs on a freed
    // driver.
    QObject m_context;
    Action m_action;
    QDeadlineTimer m_deadline;
    const char *m_className = nullptr;
    bool m_shown = false;
};
