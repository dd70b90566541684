#pragma once

#include "MainWindowSession.h"
#include "QelvoxTestCase.h"

// The base of the main-window tests: one session against the stand-in, started once for the executable and
// set up afresh for every test. A test class with more to set up calls this class's setUp() and tearDown()
// from its own; what needs the started stand-in once goes into setUpTestCase().
class MainWindowTestCase : public QelvoxTestCase
{
    Q_OBJECT

protected:
    void setUp() override { m_session.setUp(); }
    void tearDown() override { m_session.tearDown(); }
    virtual void setUpTestCase() {}

    MainWindowSession &session() { return m_session; }

    MainWindowSession m_session;

private slots:
    void initTestCase()
    {
        QVERIFY(m_session.start());
        setUpTestCase();
    }
};
