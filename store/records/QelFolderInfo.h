#pragma once

#include "BaseObject.h"
#include "qtLocalID.h"
#include "qtLocalTaskBase.h"

#include <QString>

class QelFolderInfo : public BaseObject, public qtLocalTaskBase, public qtLocalID
{
public:
    QelFolderInfo(int id, int status);

    QelFolderInfo *clone() const override;

    // Outcome of the folder's last change task.
    int status;
    int foldertype = 0;
    QString name;
};
