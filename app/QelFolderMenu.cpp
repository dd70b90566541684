#include "QelFolderMenu.h"

#include "MenuEntries.h"
#include "ui_MainWindow.h"

QelFolderMenu::QelFolderMenu(QWidget *parent) : QMenu(parent) {}

void QelFolderMenu::fillMenu(const Ui_MainWindow &form)
{
    m_delete = form.actionDeleteFolder;
    m_rename = form.actionRenameFolder;
    m_create = form.actionCreateFolder;
    addMenuEntries(*this, {m_rename, m_create, m_delete});
}

void QelFolderMenu::setActionsVisible(bool visible)
{
    m_create->setVisible(visible);
    m_rename->setVisible(visible);
    m_delete->setVisible(visible);
}

void QelFolderMenu::setActionsEnabled(bool userFolder)
{
    setActionsVisible(true);
    m_create->setEnabled(true);
    m_rename->setEnabled(userFolder);
    m_delete->setEnabled(userFolder);
}
