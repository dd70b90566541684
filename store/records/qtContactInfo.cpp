#include "qtContactInfo.h"

#include "ObjectType.h"

qtContactInfo::qtContactInfo(int id, int status) : BaseContactInfo(ObjectType::Contact, id), status(status) {}

qtContactInfo *qtContactInfo::clone() const
{
    return new qtContactInfo(*this);
}
