#include "RenameFolderDlg.h"

RenameFolderDlg::RenameFolderDlg(QWidget *parent, const QString &currentName)
    : QDialog(parent), oldName(currentName)
{
    setupUi(this);
    name->setText(oldName);
    btnOk->setEnabled(false);
    // Connected after the old name is in the field, so that showing it does not offer OK.
    connect(btnOk, &QPushButton::clicked, this, &RenameFolderDlg::eventSet);
    connect(btnCancel, &QPushButton::clicked, this, &RenameFolderDlg::close);
    connect(name, &QLineEdit::textChanged, this, &RenameFolderDlg::eventValidate);
}

void RenameFolderDlg::eventValidate()
{
    const QString typed = name->text().trimmed();
    btnOk->setEnabled(!typed.isEmpty() && (oldName.isEmpty() || typed != oldName));
}

void RenameFolderDlg::eventSet()
{
    newName = name->text().trimmed();
    accept();
}
