#include "MovetoFolderDlg.h"

MovetoFolderDlg::MovetoFolderDlg(QWidget *parent, const FolderChoice &inbox, const FolderChoice &outbox,
                                 const QList<FolderChoice> &userFolders)
    : QDialog(parent)
{
    setupUi(this);
    connect(folders, &QTreeWidget::itemSelectionChanged, this, &MovetoFolderDlg::eventSelected);
    addFolderRow(inbox);
    addFolderRow(outbox);
    for (const FolderChoice &folder : userFolders)
        addFolderRow(folder);
    btnOk->setEnabled(false);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &MovetoFolderDlg::reject);
}

void MovetoFolderDlg::addFolderRow(const FolderChoice &folder)
{
    if (folder.folderId == 0)
        return;
    auto *row = new QTreeWidgetItem(folders, QStringList(folder.name));
    row->setData(0, Qt::UserRole, folder.folderId);
}

void MovetoFolderDlg::eventSelected()
{
    const QList<QTreeWidgetItem *> selected = folders->selectedItems();
    selectedFolderId = selected.isEmpty() ? 0 : selected.first()->data(0, Qt::UserRole).toInt();
    btnOk->setEnabled(selectedFolderId != 0);
}

void MovetoFolderDlg::reject()
{
    selectedFolderId = 0;
    QDialog::reject();
}
