#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <stdsoap2.h>

// Receives the documents of one download reply: each MIME attachment's Base64 text is decoded into a
// temporary file beside the target, one after the other. Only finish() after a complete call that carried
// at least one attachment puts the file in the target's place; otherwise the target stays as it was and the
// temporary file is removed, so a broken partial document never takes a target's name.
// Installs its callbacks on the engine for its own lifetime; one download at a time per engine.
class DocumentReceiver
{
public:
    DocumentReceiver(struct soap *engine, const QString &target);
    ~DocumentReceiver();
    DocumentReceiver(const DocumentReceiver &) = delete;
    DocumentReceiver &operator=(const DocumentReceiver &) = delete;

    // False when the temporary file could not be created; the call is then pointless.
    bool isReady() const { return file.isOpen(); }
    // Takes the call's status; returns it, or SOAP_NO_DATA when a complete call wrote no document.
    int finish(int status);

private:
    static DocumentReceiver *of(struct soap *engine);
    static void *open(struct soap *engine, void *, const char *, const char *, const char *,
                      soap_mime_encoding);
    static int write(struct soap *engine, void *handle, const char *data, size_t size);
    static void close(struct soap *engine, void *handle);

    struct soap *engine;
    QSaveFile file;
    QByteArray base64;
    int documents = 0;
    bool failed = false;
};
