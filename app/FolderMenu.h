#pragma once

#include <QMenu>

class Ui_MainWindow;

// The context menu of the item lists; its entries are the main window's actions, which it does not own.
class FolderMenu : public QMenu
{
    Q_OBJECT

public:
    explicit FolderMenu(QWidget *parent);
    void fillMenu(const Ui_MainWindow &form);
};
