#pragma once

#include "FolderChoice.h"
#include "ui_MovetoFolderDlg.h"

#include <QDialog>
#include <QList>

// Lets the user pick the folder to move the selected items into: the Inbox, the Outbox or a user folder.
// Folders without an id are not offered. Run it with exec(), then read selectedFolderId.
class MovetoFolderDlg : public QDialog, public Ui::MovetoFolderDlg
{
    Q_OBJECT

public:
    MovetoFolderDlg(QWidget *parent, const FolderChoice &inbox, const FolderChoice &outbox,
                    const QList<FolderChoice> &userFolders);

    // Cancel, the close box and Escape choose nothing, whatever was selected.
    void reject() override;

    // The chosen folder's id; not 0 exactly when the user closed the dialog with OK.
    int selectedFolderId = 0;

private slots:
    void eventSelected();

private:
    void addFolderRow(const FolderChoice &folder);
};
