#include "qtFAXReceivedInfo.h"

#include "ObjectType.h"

qtFAXReceivedInfo::qtFAXReceivedInfo(int id, int status)
    : BaseForView(ObjectType::FaxReceived, id, 0, status, QString())
{
}

qtFAXReceivedInfo *qtFAXReceivedInfo::clone() const
{
    return new qtFAXReceivedInfo(*this);
}
