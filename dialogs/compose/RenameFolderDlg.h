#pragma once

#include "ui_RenameFolderDlg.h"

#include <QDialog>
#include <QString>

// Asks for the name of a user folder, new (empty current name) or renamed. Run it with exec(), then read
// newName: the trimmed name the user confirmed with OK, or empty.
class RenameFolderDlg : public QDialog, public Ui::RenameFolderDlg
{
    Q_OBJECT

public:
    RenameFolderDlg(QWidget *parent, const QString &currentName);

    const QString oldName;
    QString newName;

private slots:
    void eventSet();
    void eventValidate();
};
