#include "DocumentReceiver.h"

DocumentReceiver::DocumentReceiver(struct soap *engine, const QString &target) : engine(engine), file(target)
{
    file.open(QIODevice::WriteOnly);
    engine->user = this;
    engine->fmimewriteopen = open;
    engine->fmimewrite = write;
    engine->fmimewriteclose = close;
}

DocumentReceiver::~DocumentReceiver()
{
    engine->fmimewriteopen = nullptr;
    engine->fmimewrite = nullptr;
    engine->fmimewriteclose = nullptr;
    engine->user = nullptr;
}

int DocumentReceiver::finish(int status)
{
    if (status != SOAP_OK) {
        file.cancelWriting();
        return status;
    }
    if (failed || documents == 0 || !file.commit())
        return SOAP_NO_DATA;
    return SOAP_OK;
}

DocumentReceiver *DocumentReceiver::of(struct soap *engine)
{
    return static_cast<DocumentReceiver *>(engine->user);
}

void *DocumentReceiver::open(struct soap *engine, void *, const char *, const char *, const char *,
                             soap_mime_encoding)
{
    DocumentReceiver *receiver = of(engine);
    receiver->base64.clear();
    // Never null: a null handle would make the runtime keep the attachment in memory instead.
    return receiver;
}

int DocumentReceiver::write(struct soap *, void *handle, const char *data, size_t size)
{
    static_cast<DocumentReceiver *>(handle)->base64.append(data, qsizetype(size));
    return SOAP_OK;
}

void DocumentReceiver::close(struct soap *, void *handle)
{
    auto *receiver = static_cast<DocumentReceiver *>(handle);
    const QByteArray document = QByteArray::fromBase64(receiver->base64);
    receiver->base64.clear();
    if (receiver->file.write(document) != document.size())
        receiver->failed = true;
    ++receiver->documents;
}
