#pragma once

#include <QProcess>
#include <QString>

// The program as users start it, on the per-user folders it is given, with the platform it runs on
// offscreen. It trusts the given CA file as the system's, so that it reaches the stand-in through the HTTP
// proxy of its settings when that leads every tunnel to the stand-in.
class ClientProcess
{
public:
    struct Folders
    {
        QString home;
        QString data;    // XDG_DATA_HOME
        QString config;  // XDG_CONFIG_HOME
        QString runtime; // XDG_RUNTIME_DIR
    };

    // home, data, config and runtime under the root.
    static Folders foldersUnder(const QString &root);

    ClientProcess(const Folders &folders, const QString &caFile);
    // Kills a program still running.
    ~ClientProcess();
    ClientProcess(const ClientProcess &) = delete;
    ClientProcess &operator=(const ClientProcess &) = delete;

    bool start();
    // As a crash or a power cut would end it: no destructor runs, nothing is flushed. Blocks until it ended.
    void kill();
    bool isRunning() const { return process.state() == QProcess::Running; }
    QString output() { return QString::fromLocal8Bit(process.readAll()); }

private:
    QProcess process;
};
