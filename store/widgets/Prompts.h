#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// A modal message box: what it shows and the buttons it offers, in order.
struct MessageBoxRequest
{
    struct Button
    {
        QString text;
        QMessageBox::ButtonRole role;
    };

    QWidget *parent = nullptr;
    QMessageBox::Icon icon = QMessageBox::Information;
    QString title;
    QString text;
    QList<Button> buttons;
    int defaultButton = -1; // index into buttons; -1 for none
};

// A file dialog: save one file, open one file or open several.
struct FileDialogRequest
{
    enum Kind { SaveFile, OpenFile, OpenFiles };

    Kind kind = SaveFile;
    QWidget *parent = nullptr;
    QString caption;
    QString directory;
    QString filter;
};

// The one seam through which the program's modal message boxes and file dialogs pass, so that tests can
// record and answer them without a modal event loop. GUI thread only.
class Prompts
{
public:
    // The index of the pressed button, or -1 when the box was closed without one.
    using MessageBoxAnswer = std::function<int(const MessageBoxRequest &)>;
    // The chosen file names (one at most unless the kind is OpenFiles); empty when the dialog was cancelled.
    using FileDialogAnswer = std::function<QStringList(const FileDialogRequest &)>;

    // Blocks in a modal event loop unless an answer is installed.
    static int ask(const MessageBoxRequest &request);
    // Shows the box and returns at once, so that the event loop, its timers and the task pump go on while
    // it is up: modal to its parent window, or a window of its own without a parent. An installed answer
    // is asked as for ask(), its answer unused.
    static void tell(const MessageBoxRequest &request);
    // The chosen name, or an empty text when cancelled; the request's kind is set by the call.
    static QString askSaveFileName(FileDialogRequest request);
    static QString askOpenFileName(FileDialogRequest request);
    static QStringList askOpenFileNames(FileDialogRequest request);

    // Replace the real dialogs; an empty function restores them.
    static void setMessageBoxAnswer(MessageBoxAnswer answer);
    static void setFileDialogAnswer(FileDialogAnswer answer);
};
