#pragma once

#include <QMenu>

class Ui_MainWindow;

// The context menu of the entity tree: create, rename and delete a user folder. The three actions stay
// hidden except while the menu is open, so that the Edit menu shows them only then.
class QelFolderMenu : public QMenu
{
    Q_OBJECT

public:
    explicit QelFolderMenu(QWidget *parent);
    void fillMenu(const Ui_MainWindow &form);

    void setActionsVisible(bool visible);
    // Shows the actions; Rename and Delete are enabled only on a user folder.
    void setActionsEnabled(bool userFolder);

private:
    QAction *m_delete = nullptr;
    QAction *m_rename = nullptr;
    QAction *m_create = nullptr;
};
