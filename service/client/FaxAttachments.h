#pragma once

#include <QByteArrayList>
#include <QList>

class AttachmentInfo;
struct soap;

// The documents of a fax as MIME parts of the request on an engine. The engine points at the part heads
// kept here, so the object must outlive the call.
class FaxAttachments
{
public:
    // Does nothing for an empty list.
    FaxAttachments(struct soap *engine, const QList<AttachmentInfo *> &attachments);
    // Takes the parts off the engine again.
    ~FaxAttachments();
    FaxAttachments(const FaxAttachments &) = delete;
    FaxAttachments &operator=(const FaxAttachments &) = delete;

    // A file name as it may stand in a part head: Latin-1, without C0 or C1 control characters, and with the
    // quote and the backslash, which would end or escape the quoted name, replaced.
    static QByteArray headerName(const QString &fileName);

private:
    struct soap *engine;
    QByteArrayList heads;
};
