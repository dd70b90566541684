#pragma once

#include <QApplication>
#include <QTranslator>
#include <memory>

class InstanceChannel;
class MainWindow;

// The application object: one instance per user, the translator of every text, the main window.
class QelApplication : public QApplication
{
    Q_OBJECT

public:
    QelApplication(int &argc, char **argv);
    ~QelApplication() override;

    // The process's exit code: 0 after asking an instance that already runs to show itself, 1 when the
    // instance channel cannot be set up, otherwise the result of the event loop.
    int runSingleInstance();

private slots:
    void eventShowRequested();

private:
    void startUp();

    QTranslator m_translator;
    std::unique_ptr<InstanceChannel> m_channel;
    std::unique_ptr<MainWindow> m_mainWindow;
};
