#include "AttachmentInfo.h"

void deleteAttachments(QList<AttachmentInfo *> &attachments)
{
    qDeleteAll(attachments);
    attachments.clear();
}
