#include "SendFaxRequest.h"

SendFaxRequest::~SendFaxRequest()
{
    deleteAttachments(attachments);
}
