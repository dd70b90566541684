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
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        setUp();
    }
    void cleanup() { tearDown(); }
};
