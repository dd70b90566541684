#include "qtContactGroupInfo.h"

#include "ObjectType.h"

qtContactGroupInfo::qtContactGroupInfo(int id, int status)
    : BaseObject(ObjectType::ContactGroup, id), status(status)
{
}

qtContactGroupInfo *qtContactGroupInfo::clone() const
{
    return new qtContactGroupInfo(*this);
}
