#pragma once

#include <QObject>

// Replies held back by a "hold" injection wait here until a test releases them all at once, so that a
// test can keep a call in progress for exactly as long as it needs.
class HoldGate : public QObject
{
    Q_OBJECT

public:
    void release() { emit released(); }

signals:
    void released();
};
