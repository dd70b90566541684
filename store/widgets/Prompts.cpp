#include "Prompts.h"

#include <QFileDialog>
#include <QPushButton>

namespace {

int execMessageBox(const MessageBoxRequest &request)
{
    QMessageBox box(request.icon, request.title, request.text, QMessageBox::NoButton, request.parent,
                    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    QList<QAbstractButton *> buttons;
    for (const MessageBoxRequest::Button &button : request.buttons)
        buttons += box.addButton(button.text, button.role);
    if (request.defaultButton >= 0 && request.defaultButton < buttons.size())
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons[request.defaultButton]));
    box.exec();
    return int(buttons.indexOf(box.clickedButton()));
}

QString execSaveFileDialog(const SaveFileRequest &request)
{
    return QFileDialog::getSaveFileName(request.parent, request.caption, request.directory, request.filter);
}

Prompts::MessageBoxAnswer &messageBoxAnswer()
{
    static Prompts::MessageBoxAnswer answer;
    return answer;
}

Prompts::SaveFileAnswer &saveFileAnswer()
{
    static Prompts::SaveFileAnswer answer;
    return answer;
}

} // namespace

int Prompts::ask(const MessageBoxRequest &request)
{
    return messageBoxAnswer() ? messageBoxAnswer()(request) : execMessageBox(request);
}

QString Prompts::askSaveFileName(const SaveFileRequest &request)
{
    return saveFileAnswer() ? saveFileAnswer()(request) : execSaveFileDialog(request);
}

void Prompts::setMessageBoxAnswer(MessageBoxAnswer answer)
{
    messageBoxAnswer() = std::move(answer);
}

void Prompts::setSaveFileAnswer(SaveFileAnswer answer)
{
    saveFileAnswer() = std::move(answer);
}
