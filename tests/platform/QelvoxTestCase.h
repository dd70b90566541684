#pragma once

#include <QObject>
#include <QRegularExpression>
#include <QTest>

// The base of every test class: a Qt warning that a test did not announce with QTest::ignoreMessage fails
// that test. Per-test set-up and tear-down go into setUp() and tearDown(); a slot of a derived class named
// init or cleanup would hide this class's and with them the check.
class QelvoxTestCase : public QObject
{
    Q_OBJECT

protected:
    virtual void setUp() {}
    virtual void tearDown() {}

private slots:
    void init()
    {
        // Every warning but what the offscreen platform says of itself, which tells nothing of the program.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support ).*")));
        setUp();
    }
    void cleanup() { tearDown(); }
};
