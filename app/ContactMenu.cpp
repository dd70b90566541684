#include "ContactMenu.h"

#include "MenuEntries.h"
#include "ui_MainWindow.h"

ContactMenu::ContactMenu(QWidget *parent) : QMenu(parent) {}

void ContactMenu::fillMenu(const Ui_MainWindow &form)
{
    addMenuEntries(*this, {form.actionFax, form.actionSMS, nullptr, form.actionAddContactGroup,
                           form.actionAddContact, form.actionEditContacts, form.actionDelete, nullptr,
                           form.actionImport, form.actionExport, form.actionAddToContacts});
}
