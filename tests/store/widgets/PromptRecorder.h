#pragma once

#include "Prompts.h"

#include <QList>
#include <functional>
#include <QStringList>

// Answers the program's message boxes and file dialogs for the life of the object, in the order
// scripted, and records what each one showed. Once its scripted answers run out, a box is closed without a
// button and a dialog cancelled. A test fixture checks `boxes` in cleanup() for boxes it did not expect.
class PromptRecorder
{
public:
    PromptRecorder()
    {
        Prompts::setMessageBoxAnswer([this](const MessageBoxRequest &request) {
            if (whileAsked)
                whileAsked();
            boxes += request;
            return boxAnswers.isEmpty() ? -1 : boxAnswers.takeFirst();
        });
        Prompts::setFileDialogAnswer([this](const FileDialogRequest &request) {
            fileDialogs += request;
            return fileAnswers.isEmpty() ? QStringList() : fileAnswers.takeFirst();
        });
    }
    ~PromptRecorder()
    {
        Prompts::setMessageBoxAnswer({});
        Prompts::setFileDialogAnswer({});
    }

    PromptRecorder(const PromptRecorder &) = delete;
    PromptRecorder &operator=(const PromptRecorder &) = delete;

    QList<int> boxAnswers;   // index of the button to press
    QList<QStringList> fileAnswers; // file names to choose, one list per dialog
    QList<MessageBoxRequest> boxes;
    QList<FileDialogRequest> fileDialogs;
    // Runs while a box is up, before it is answered: under a real box, timers and the pump go on.
    std::function<void()> whileAsked;
};
