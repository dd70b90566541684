#include "ClientProcess.h"

#include <csignal>
#include <sys/prctl.h>

ClientProcess::Folders ClientProcess::foldersUnder(const QString &root)
{
    return {root + "/home", root + "/data", root + "/config", root + "/runtime"};
}

ClientProcess::ClientProcess(const Folders &folders, const QString &caFile)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("HOME", folders.home);
    environment.insert("XDG_DATA_HOME", folders.data);
    environment.insert("XDG_CONFIG_HOME", folders.config);
    environment.insert("XDG_RUNTIME_DIR", folders.runtime);
    environment.insert("SSL_CERT_FILE", caFile);
    process.setProcessEnvironment(environment);
    process.setProgram(QStringLiteral(QELVOXDESK_EXECUTABLE));
    process.setProcessChannelMode(QProcess::MergedChannels);
    // A test that dies must not leave the program running.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

ClientProcess::~ClientProcess()
{
    kill();
}

bool ClientProcess::start()
{
    process.start();
    return process.waitForStarted();
}

void ClientProcess::kill()
{
    if (process.state() == QProcess::NotRunning)
        return;
    ::kill(pid_t(process.processId()), SIGKILL);
    process.waitForFinished();
}
