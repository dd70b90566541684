#include "qtFAXSentInfo.h"

#include "ObjectType.h"

qtFAXSentInfo::qtFAXSentInfo(int id, int status)
    : BaseFAXSentInfo(ObjectType::FaxSent, id, 0, status, QString())
{
}

qtFAXSentInfo *qtFAXSentInfo::clone() const
{
    return new qtFAXSentInfo(*this);
}

qtFAXSentInfo *qtFAXSentInfo::queuedCopy(const BaseFAXSentInfo &pending, int newId)
{
    auto *copy = new qtFAXSentInfo(0, 0);
    static_cast<BaseFAXSentInfo &>(*copy) = pending;
    copy->id = newId;
    copy->type = ObjectType::FaxSent;
    copy->sentstatus = 2;
    return copy;
}
