// The update check: asked at log-in, daily while up to date, hourly while unanswered or declined, and on
// demand; a newer version's installer is downloaded and handed to the desktop's launcher.
#include "MainWindow.h"

#include "ConnectionProblem.h"
#include "FolderInstallerLauncher.h"
#include "InstallerFile.h"
#include "MessageBoxes.h"
#include "Prompts.h"
#include "SettingsStore.h"
#include "TaskOutcome.h"
#include "TaskType.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

namespace {

const int retryMs = 3600000;
const int upToDateMs = 86400000;

} // namespace

void MainWindow::connectUpdateActions()
{
    connect(actionUpdate, &QAction::triggered, this, &MainWindow::eventUpdateManual);
    connect(&m_updateTimer, &QTimer::timeout, this, &MainWindow::eventUpdate);
    connect(&m_downloader, &Downloader::signalDone, this, &MainWindow::eventDownloadDone);
}

void MainWindow::eventUpdate()
{
    m_updateTimer.stop();
    m_tasks.add(TaskType::CHECK_APP_VERSION, 0);
}

void MainWindow::eventUpdateManual()
{
    m_automaticUpdate = false;
    eventUpdate();
}

void MainWindow::handleUpdateCheck(const TaskOutcome &outcome)
{
    const QByteArray latest = outcome.latestVersion;
    const QString address = outcome.updateUrl;
    const int status = outcome.versionStatus;
    // Log-out and exit apply a result that is still on its way; a question or message then would come up
    // in the middle of closing the session. The boxes wait for the event loop, where a closed session
    // drops them: the next log-in asks again.
    QMetaObject::invokeMethod(
        this,
        [this, latest, address, status] {
            if (SettingsStore::instance().isLoggedIn())
                answerUpdateCheck(latest, address, status);
        },
        Qt::QueuedConnection);
}

void MainWindow::answerUpdateCheck(const QByteArray &latest, const QString &address, int status)
{
    // Whatever the answer, the checks after this one are automatic again and stay silent.
    const bool manual = !m_automaticUpdate;
    m_automaticUpdate = true;
    if (latest.isEmpty() || address.isEmpty()) {
        if (manual)
            showError(ConnectionProblem::explain(tr("Qelvoxdesk could not check for a newer version."), status),
                      this);
        restartUpdateTimer(retryMs);
        return;
    }
    if (isNewerVersion(latest)) {
        offerDownload(QUrl(address));
        return;
    }
    if (manual)
        showInformation(tr("Qelvoxdesk is up to date"), this);
    restartUpdateTimer(upToDateMs);
}

void MainWindow::offerDownload(const QUrl &address)
{
    MessageBoxRequest question;
    question.parent = this;
    question.icon = QMessageBox::Information;
    question.title = tr("Information");
    question.text = tr("A newer version is available");
    question.buttons = {{tr("Download"), QMessageBox::AcceptRole}, {tr("Cancel"), QMessageBox::RejectRole}};
    int answer = -1;
    runModal([&] { answer = Prompts::ask(question); });
    // The update timer stays stopped while the download runs; its end decides.
    if (answer != 0) {
        restartUpdateTimer(retryMs);
        return;
    }
    if (!m_downloader.download(installerDownloadPath(address), address)) {
        showDownloadFailure(Downloader::notReceived);
        restartUpdateTimer(retryMs);
    }
}

void MainWindow::showDownloadFailure(int result)
{
    showError(ConnectionProblem::explain(tr("The new version could not be downloaded."), result), this);
}

void MainWindow::eventDownloadDone(const QString &filename, bool error)
{
    if (error) {
        showDownloadFailure(m_downloader.result());
    } else {
        // Quitting is only for an installer that is about to replace the program: otherwise the user
        // would be left with neither the program nor the new version.
        if (InstallerLauncherFactory::create()->launch(filename)) {
            QCoreApplication::quit();
            return;
        }
        showInformation(tr("The installer of the new version was saved as:\n%1\nIt could not be started from "
                           "here; run it yourself to install the new version.")
                            .arg(QDir::toNativeSeparators(filename)),
                        this);
    }
    restartUpdateTimer(retryMs);
}

void MainWindow::restartUpdateTimer(int intervalMs)
{
    // A download may end after the log-out, which stopped the checks until the next log-in.
    if (!SettingsStore::instance().isLoggedIn())
        return;
    m_updateTimer.setInterval(intervalMs);
    m_updateTimer.start();
}
