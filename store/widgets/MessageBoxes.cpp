#include "MessageBoxes.h"

#include "Prompts.h"
#include "Utils.h"

#include <QCoreApplication>

namespace {

QString titleOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Restriction:
        return Utils::tr("Restriction");
    case MessageKind::Error:
        return Utils::tr("Error");
    case MessageKind::Information:
        break;
    }
    return Utils::tr("Information");
}

bool confirm(const QString &text, QWidget *parent)
{
    return askYesNo(QMessageBox::Information, Utils::tr("Restriction"), text, false, parent);
}

MessageBoxRequest messageRequest(MessageKind kind, const QString &text, QWidget *parent)
{
    MessageBoxRequest request;
    request.parent = parent;
    request.icon = static_cast<QMessageBox::Icon>(kind);
    request.title = titleOf(kind);
    request.text = text;
    request.buttons = {{Utils::tr("OK"), QMessageBox::AcceptRole}};
    return request;
}

} // namespace

bool askYesNo(QMessageBox::Icon icon, const QString &title, const QString &text, bool yesByDefault, QWidget *parent)
{
    MessageBoxRequest request;
    request.parent = parent;
    request.icon = icon;
    request.title = title;
    request.text = text;
    request.buttons = {{QCoreApplication::translate("QApplication", "Yes"), QMessageBox::AcceptRole},
                       {QCoreApplication::translate("QApplication", "No"), QMessageBox::RejectRole}};
    request.defaultButton = yesByDefault ? 0 : 1;
    return Prompts::ask(request) == 0;
}

void showMessage(MessageKind kind, const QString &text, QWidget *parent)
{
    Prompts::ask(messageRequest(kind, text, parent));
}

void tellMessage(MessageKind kind, const QString &text, QWidget *parent)
{
    Prompts::tell(messageRequest(kind, text, parent));
}

void showInformation(const QString &text, QWidget *parent)
{
    showMessage(MessageKind::Information, text, parent);
}

void showRestriction(const QString &text, QWidget *parent)
{
    showMessage(MessageKind::Restriction, text, parent);
}

void showError(const QString &text, QWidget *parent)
{
    showMessage(MessageKind::Error, text, parent);
}

bool confirmDelete(int count, QWidget *parent)
{
    return confirm(Utils::tr("Do you want to delete %n item(s) ?", "Comment", count), parent);
}

bool confirmRemoveFolder(const QString &folderName, QWidget *parent)
{
    return confirm(Utils::tr("Do you want to remove the folder %1 ?").arg(folderName), parent);
}
