#pragma once

#include <QByteArray>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtGlobal>

// Points the per-user data and configuration locations into a fresh temporary home for the life of the
// object, so that tests running in parallel never share a settings file.
class TestHome
{
public:
    TestHome() : m_oldHome(qgetenv("HOME"))
    {
        qputenv("HOME", QFile::encodeName(m_dir.path()));
        QStandardPaths::setTestModeEnabled(true);
    }
    ~TestHome() { qputenv("HOME", m_oldHome); }

    TestHome(const TestHome &) = delete;
    TestHome &operator=(const TestHome &) = delete;

    QString path() const { return m_dir.path(); }
    bool isValid() const { return m_dir.isValid(); }

private:
    QByteArray m_oldHome;
    QTemporaryDir m_dir;
};
