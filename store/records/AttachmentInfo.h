#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One document of a fax.
class AttachmentInfo
{
public:
    QString filename;
    // The file's bytes as Base64 text.
    QByteArray data;
};

// Deletes every attachment of the list, then empties it.
void deleteAttachments(QList<AttachmentInfo *> &attachments);
