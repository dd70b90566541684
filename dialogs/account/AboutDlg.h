#pragma once

#include "ui_AboutDlg.h"

#include <QDialog>

// The about box: the program's logo, name and version, and a link to the provider's download page.
class AboutDlg : public QDialog, public Ui::AboutDlg
{
    Q_OBJECT

public:
    explicit AboutDlg(QWidget *parent);
};
