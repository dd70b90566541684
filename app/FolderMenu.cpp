#include "FolderMenu.h"

#include "MenuEntries.h"
#include "ui_MainWindow.h"

FolderMenu::FolderMenu(QWidget *parent) : QMenu(parent) {}

void FolderMenu::fillMenu(const Ui_MainWindow &form)
{
    addMenuEntries(*this, {form.actionFax, form.actionSMS, form.actionForward, form.actionItemPreview,
                           form.actionItemDetails, nullptr, form.actionMovetoFolder, form.actionDelete,
                           form.actionItemMarkAsRead, form.actionItemMarkAsUnread});
}
