#include "qtSMSSentInfo.h"

#include "ObjectType.h"

qtSMSSentInfo::qtSMSSentInfo(int id, int status)
    : BaseSMSSentInfo(ObjectType::SmsSent, id, 0, status, QString())
{
}

qtSMSSentInfo *qtSMSSentInfo::clone() const
{
    return new qtSMSSentInfo(*this);
}

qtSMSSentInfo *qtSMSSentInfo::queuedCopy(const BaseSMSSentInfo &pending, int newId)
{
    auto *copy = new qtSMSSentInfo(0, 0);
    static_cast<BaseSMSSentInfo &>(*copy) = pending;
    copy->id = newId;
    copy->type = ObjectType::SmsSent;
    copy->sentstatus = 2;
    return copy;
}
