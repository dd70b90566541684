#include "Standin.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
}

// SIGTERM and SIGINT end the event loop, so the state is closed cleanly.
void quitOnSignals(QCoreApplication &application)
{
    if (pipe(signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &application);
    QObject::connect(notifier, &QSocketNotifier::activated, &application, &QCoreApplication::quit);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName("qelvox-standin");
    std::signal(SIGPIPE, SIG_IGN);
    const std::optional<StandinOptions> options = StandinOptions::parse(application);
    if (!options)
        return 2;
    quitOnSignals(application);
    try {
        Standin standin(*options);
        QObject::connect(&standin, &Standin::shutdownRequested, &application, &QCoreApplication::quit);
        if (!standin.start())
            return 1;
        return application.exec();
    } catch (const StoreError &error) {
        std::fprintf(stderr, "qelvox-standin: %s\n", error.what());
        return 1;
    }
}
