// The user's folders: creating, renaming and deleting them from the tree's menu.
#include "MainWindow.h"

#include "EntitiesView.h"
#include "FilterBox.h"
#include "FolderTracker.h"
#include "FolderView.h"
#include "MessageBoxes.h"
#include "ObjectsRequest.h"
#include "QelFolderInfo.h"
#include "RecordVariant.h"
#include "RenameFolderDlg.h"
#include "TaskType.h"

#include <memory>

void MainWindow::connectFolderActions()
{
    connect(actionCreateFolder, &QAction::triggered, this, &MainWindow::eventCreateFolder);
    connect(actionRenameFolder, &QAction::triggered, this, &MainWindow::eventRenameFolder);
    connect(actionDeleteFolder, &QAction::triggered, this, &MainWindow::eventDeleteFolder);
}

QString MainWindow::askFolderName(const QString &currentName)
{
    QString name;
    runModal([&] {
        RenameFolderDlg dialog(this, currentName);
        dialog.exec();
        name = dialog.newName;
    });
    return name;
}

void MainWindow::eventCreateFolder()
{
    const QString name = askFolderName(QString());
    if (!name.isEmpty())
        saveFolder(0, name);
}

void MainWindow::eventRenameFolder()
{
    int folderId = 0;
    QString currentName;
    if (!m_entities->currentUserFolder(&folderId, &currentName))
        return;
    const FolderTracker folder(*m_entities, folderId);
    const QString name = askFolderName(currentName);
    if (!name.isEmpty() && folder.folderId() != 0)
        saveFolder(folder.folderId(), name);
}

void MainWindow::saveFolder(int id, const QString &name)
{
    auto folder = std::make_unique<QelFolderInfo>(id, 0);
    if (id == 0) {
        // A record created offline carries the negated id of its creation task.
        folder->localid = m_cache.nextTaskId();
        folder->taskid = folder->localid;
        folder->id = -folder->localid;
    }
    folder->name = name;
    m_entities->renameFolder(*folder);
    queueChange(TaskType::CHANGE_FOLDER, recordToVariant(folder.release()));
}

void MainWindow::eventDeleteFolder()
{
    int folderId = 0;
    QString name;
    if (!m_entities->currentUserFolder(&folderId, &name)) {
        showRestriction(tr("Impossible to delete selected item(s)."), this);
        return;
    }
    // Every row goes with the folder, those the search hides as well: the user sees them all before the
    // question counts them.
    m_filter->showPlaceholder();
    m_entities->clearFilter();
    const FolderTracker folder(*m_entities, folderId);
    FolderView *list = folder.list();
    if (!list)
        return;
    list->selectAll();
    // An empty folder goes without a question.
    if (list->topLevelItemCount() > 0 && !askDeletion(*list, true))
        return;
    // The request names the folder by the id it has once the question is answered.
    std::unique_ptr<ObjectsRequest> request = list->folderDeletionRequest();
    m_entities->removeFolderEntity(folder.folderId());
    queueChange(TaskType::DELETE_OBJECT, recordToVariant(request.release()));
}
