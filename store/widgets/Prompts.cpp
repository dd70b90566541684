#include "Prompts.h"

#include <QFileDialog>
#include <QPushButton>

namespace {

// The box's buttons, in the request's order.
QList<QAbstractButton *> fillMessageBox(QMessageBox &box, const MessageBoxRequest &request)
{
    // Texts carry file names, contacts, numbers and the service's words: never markup.
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton *> buttons;
    for (const MessageBoxRequest::Button &button : request.buttons)
        buttons += box.addButton(button.text, button.role);
    if (request.defaultButton >= 0 && request.defaultButton < buttons.size())
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons[request.defaultButton]));
    return buttons;
}

const Qt::WindowFlags messageBoxFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint;

int execMessageBox(const MessageBoxRequest &request)
{
    QMessageBox box(request.icon, request.title, request.text, QMessageBox::NoButton, request.parent,
                    messageBoxFlags);
    const QList<QAbstractButton *> buttons = fillMessageBox(box, request);
    box.exec();
    return int(buttons.indexOf(box.clickedButton()));
}

void showMessageBox(const MessageBoxRequest &request)
{
    auto *box = new QMessageBox(request.icon, request.title, request.text, QMessageBox::NoButton,
                                request.parent, messageBoxFlags);
    box->setAttribute(Qt::WA_DeleteOnClose);
    fillMessageBox(*box, request);
    box->setWindowModality(request.parent ? Qt::WindowModal : Qt::NonModal);
    box->show();
}

QStringList execFileDialog(const FileDialogRequest &request)
{
    switch (request.kind) {
    case FileDialogRequest::SaveFile:
        return {QFileDialog::getSaveFileName(request.parent, request.caption, request.directory, request.filter)};
    case FileDialogRequest::OpenFile:
        return {QFileDialog::getOpenFileName(request.parent, request.caption, request.directory, request.filter)};
    case FileDialogRequest::OpenFiles:
        return QFileDialog::getOpenFileNames(request.parent, request.caption, request.directory, request.filter);
    }
    return {};
}

Prompts::MessageBoxAnswer &messageBoxAnswer()
{
    static Prompts::MessageBoxAnswer answer;
    return answer;
}

Prompts::FileDialogAnswer &fileDialogAnswer()
{
    static Prompts::FileDialogAnswer answer;
    return answer;
}

QStringList askFileNames(const FileDialogRequest &request)
{
    QStringList names = fileDialogAnswer() ? fileDialogAnswer()(request) : execFileDialog(request);
    names.removeAll(QString());
    return names;
}

} // namespace

int Prompts::ask(const MessageBoxRequest &request)
{
    return messageBoxAnswer() ? messageBoxAnswer()(request) : execMessageBox(request);
}

void Prompts::tell(const MessageBoxRequest &request)
{
    if (messageBoxAnswer())
        messageBoxAnswer()(request);
    else
        showMessageBox(request);
}

QString Prompts::askSaveFileName(FileDialogRequest request)
{
    request.kind = FileDialogRequest::SaveFile;
    return askFileNames(request).value(0);
}

QString Prompts::askOpenFileName(FileDialogRequest request)
{
    request.kind = FileDialogRequest::OpenFile;
    return askFileNames(request).value(0);
}

QStringList Prompts::askOpenFileNames(FileDialogRequest request)
{
    request.kind = FileDialogRequest::OpenFiles;
    return askFileNames(request);
}

void Prompts::setMessageBoxAnswer(MessageBoxAnswer answer)
{
    messageBoxAnswer() = std::move(answer);
}

void Prompts::setFileDialogAnswer(FileDialogAnswer answer)
{
    fileDialogAnswer() = std::move(answer);
}
