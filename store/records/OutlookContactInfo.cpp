#include "OutlookContactInfo.h"

#include "ObjectType.h"

OutlookContactInfo::OutlookContactInfo() : BaseContactInfo(ObjectType::OutlookContact, 0) {}

OutlookContactInfo *OutlookContactInfo::clone() const
{
    return new OutlookContactInfo(*this);
}
