#pragma once

#include "StoredObject.h"

#include <QByteArray>
#include <QList>

// The parts of a multipart/related request body: the SOAP envelope and the
// attachments after it, their Base64 transfer encoding undone.
struct MimeMessage
{
    QByteArray root;
    QList<Document> attachments;

    // A body of another content type is all root.
    static MimeMessage parse(const QByteArray &contentType, const QByteArray &body);
};
