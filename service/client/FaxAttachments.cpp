#include "FaxAttachments.h"

#include "AttachmentInfo.h"

#include <stdsoap2.h>

FaxAttachments::FaxAttachments(struct soap *engine, const QList<AttachmentInfo *> &attachments)
    : engine(engine)
{
    if (attachments.isEmpty())
        return;
    // Two texts per part, all built before the engine is given pointers into them.
    for (const AttachmentInfo *attachment : attachments) {
        const QByteArray name = headerName(attachment->filename);
        // The runtime writes the type as given, so the CR LF adds a Content-Disposition line to the head.
        heads << "application/octet-stream\r\nContent-Disposition: attachment; filename=\"" + name + '"'
              << name;
    }
    soap_set_mime(engine, nullptr, nullptr);
    for (int i = 0; i < attachments.size(); ++i) {
        const QByteArray &data = attachments.at(i)->data;
        // The content is Base64 text already; the runtime sends it unchanged.
        soap_set_mime_attachment(engine, data.constData(), size_t(data.size()), SOAP_MIME_BASE64,
                                 heads.at(2 * i).constData(), nullptr, heads.at(2 * i + 1).constData(),
                                 nullptr);
    }
}

FaxAttachments::~FaxAttachments()
{
    soap_clr_mime(engine);
}

QByteArray FaxAttachments::headerName(const QString &fileName)
{
    QByteArray name;
    for (const char c : fileName.toLatin1()) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || (byte >= 0x7f && byte < 0xa0))
            continue;
        name += (c == '"' || c == '\\') ? '_' : c;
    }
    return name;
}
