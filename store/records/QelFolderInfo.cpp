#include "QelFolderInfo.h"

#include "ObjectType.h"

QelFolderInfo::QelFolderInfo(int id, int status) : BaseObject(ObjectType::Folder, id), status(status) {}

QelFolderInfo *QelFolderInfo::clone() const
{
    return new QelFolderInfo(*this);
}
