#include "QelApplication.h"

#include "LocalInstanceChannel.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "ScreenFit.h"
#include "SettingsStore.h"

#include <cstdio>

namespace {

// Without a screen nobody could close a message box, and the process would never end.
bool hasScreenForUser()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

QelApplication::QelApplication(int &argc, char **argv)
    : QApplication(argc, argv), m_channel(InstanceChannelFactory::create())
{
    setApplicationName(QStringLiteral("Qelvoxdesk"));
    setApplicationVersion(QString::fromLatin1(appVersion()));
    setWindowIcon(QIcon(QStringLiteral(":/images/qelvoxdesk.png")));
    installTranslator(&m_translator);
    ScreenFit::installOn(this);
}

// The main window goes before the translator it points to.
QelApplication::~QelApplication() = default;

int QelApplication::runSingleInstance()
{
    switch (m_channel->claim()) {
    case InstanceChannel::Claim::Forwarded:
        return 0;
    case InstanceChannel::Claim::Failed: {
        const QString text = tr("Qelvoxdesk cannot start: %1").arg(m_channel->errorText());
        std::fprintf(stderr, "%s\n", qPrintable(text));
        if (hasScreenForUser())
            showError(text, nullptr);
        return 1;
    }
    case InstanceChannel::Claim::Owner:
        break;
    }
    startUp();
    return exec();
}

void QelApplication::startUp()
{
    setQuitOnLastWindowClosed(false);
    SettingsStore::instance().load();
    connect(m_channel.get(), &InstanceChannel::showRequested, this, &QelApplication::eventShowRequested);
    m_mainWindow = std::make_unique<MainWindow>(&m_translator);
    setActiveWindow(m_mainWindow.get());
    m_mainWindow->showMainState(0);
    m_mainWindow->setKeepHidden(arguments().contains(QStringLiteral("-silent")));
}

void QelApplication::eventShowRequested()
{
    m_mainWindow->showMainState(0);
}
