#pragma once

#include <QMenu>

class Ui_MainWindow;

// The context menu of the contacts list; its entries are the main window's actions, which it does not own.
class ContactMenu : public QMenu
{
    Q_OBJECT

public:
    explicit ContactMenu(QWidget *parent);
    void fillMenu(const Ui_MainWindow &form);
};
