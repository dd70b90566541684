#include "BindingTypes.h"
#include "ChangeList.h"
#include "DocumentReceiver.h"
#include "FaxAttachments.h"
#include "ForwardEntry.h"
#include "FromService.h"
#include "MoveToFolderRequest.h"
#include "ObjectRef.h"
#include "ObjectType.h"
#include "ObjectsRequest.h"
#include "QelFolderInfo.h"
#include "QelvoxAPI.h"
#include "QelvoxAPIDetail.h"
#include "QelvoxProxy.h"
#include "RefusedProxyCredentials.h"
#include "RecipientStatus.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "SettingsStore.h"
#include "ToService.h"
#include "qtAccountInfo.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"
#include "qtCountryInfo.h"
#include "qtLanguageInfo.h"
#include "qtObjectsInfo.h"

namespace {

const char *const appVersionKey = "ZQD";

std::string latin1(const QString &text)
{
    return text.toLatin1().toStdString();
}

int itemCount(const ArrayOfInteger *reply)
{
    return reply && reply->__ptr ? reply->__size : 0;
}

// Sends: one item is the service's status for the item, two items mean queued under the second's id.
void applySendReply(const ArrayOfInteger *reply, int &sentstatus, int &remoteid)
{
    sentstatus = -1;
    if (itemCount(reply) == 1) {
        sentstatus = reply->__ptr[0];
    } else if (itemCount(reply) == 2) {
        sentstatus = 2;
        remoteid = reply->__ptr[1];
    }
}

// Changes of contacts, groups and folders: one item is the service's error code, two items mean accepted
// under the second's id. The change status was preset to -1 by the caller.
void applyUpdateReply(const ArrayOfInteger *reply, int &changeStatus, int &id)
{
    if (itemCount(reply) == 1) {
        changeStatus = reply->__ptr[0];
    } else if (itemCount(reply) == 2) {
        changeStatus = 0;
        id = reply->__ptr[1];
    }
}

// Runs call with the request's ids as the array it sends (an empty one for no request), then releases them.
template <class Call> int withIds(const ObjectsRequest *request, Call call)
{
    ArrayOfObjectsID ids;
    if (request)
        toArrayOfObjectsID(*request, ids);
    const int status = call(&ids);
    freeArrayOfObjectsID(ids);
    return status;
}

} // namespace

template <class Call> int QelvoxAPI::withAccount(Call call)
{
    QelvoxAPI &api = instance();
    QMutexLocker locker(&api.mutex);
    if (const int status = api.ensureServiceProxy())
        return status;
    const int status = call(*api.serviceProxy);
    RefusedProxyCredentials::note(status);
    return status;
}

int QelvoxAPI::getModifiedObjects(int timestamp, ChangeList *list)
{
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002egetModifiedObjectsResponse reply{};
        const int status = engine.getModifiedObjects(timestamp, reply);
        if (status == SOAP_OK)
            fromObjectsIDInfo(*list, reply.return_);
        return status;
    });
}

int QelvoxAPI::reviewObjects(ChangeList *list)
{
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002ereviewObjectsResponse reply{};
        const int status = engine.reviewObjects(reply);
        if (status == SOAP_OK)
            fromObjectsIDInfo(*list, reply.return_);
        return status;
    });
}

int QelvoxAPI::getObjects(const QList<ObjectRef> *objects, qtObjectsInfo **result)
{
    return withAccount([&](QelvoxProxy &engine) {
        ArrayOfObjectData data;
        toArrayOfObjectData(data, *objects);
        ns1__QelvoxService_x002egetObjectsResponse reply{};
        const int status = engine.getObjects(&data, reply);
        freeArrayOfObjectData(data);
        if (status == SOAP_OK) {
            *result = new qtObjectsInfo;
            if (reply.return_)
                fromObjectsInfo(**result, *reply.return_);
        }
        return status;
    });
}

int QelvoxAPI::getShiftTime(int *shift)
{
    return withAccount([&](QelvoxProxy &engine) { return engine.getShiftTime(*shift); });
}

int QelvoxAPI::getInboxOutboxID(int *inboxId, int *outboxId, int *code)
{
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002egetInboxOutboxIDResponse reply{};
        const int status = engine.getInboxOutboxID(reply);
        if (status != SOAP_OK)
            return status;
        *code = -1;
        if (itemCount(reply.return_) == 1) {
            *code = reply.return_->__ptr[0];
        } else if (itemCount(reply.return_) == 3) {
            *code = 0;
            *inboxId = reply.return_->__ptr[1];
            *outboxId = reply.return_->__ptr[2];
        }
        return status;
    });
}

int QelvoxAPI::registerApp(const std::string &version, int *reply)
{
    const std::string text = appPlatform().toStdString() + "-" + version;
    return withAccount([&](QelvoxProxy &engine) { return engine.registerApp(qelvoxAppId, text, *reply); });
}

int QelvoxAPI::getAppVersion(std::string *version, QString *url)
{
    version->clear();
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002egetAppVersionResponse reply{};
        const int status = engine.getAppVersion(appPlatform().toStdString(), appVersionKey, reply);
        if (status == SOAP_OK && reply.return_) {
            *version = reply.return_->version;
            *url = QString::fromLatin1(reply.return_->link.c_str());
        }
        return status;
    });
}

int QelvoxAPI::sendSmsAsynchronous(SendSmsRequest *request)
{
    return withAccount([&](QelvoxProxy &engine) {
        SendSmsInfo info;
        toSendSmsInfo(*request, info);
        ns1__QelvoxService_x002esendSmsAsynchronousResponse reply{};
        const int status = engine.sendSmsAsynchronous(&info, reply);
        deleteArrayOfString(info.numbers);
        if (status == SOAP_OK)
            applySendReply(reply.return_, request->sentstatus, request->remoteid);
        return status;
    });
}

int QelvoxAPI::sendFaxRegister(SendFaxRequest *request)
{
    return withAccount([&](QelvoxProxy &engine) {
        SendFaxInfo info;
        toSendFaxInfo(*request, info);
        const FaxAttachments documents(&engine, request->attachments);
        ns1__QelvoxService_x002esendFaxRegisterResponse reply{};
        const int status = engine.sendFaxRegister(&info, latin1(request->report), reply);
        deleteArrayOfString(info.numbers);
        if (status == SOAP_OK)
            applySendReply(reply.return_, request->sentstatus, request->remoteid);
        return status;
    });
}

int QelvoxAPI::forwardAsynchronous(ForwardEntry *entry)
{
    return withAccount([&](QelvoxProxy &engine) {
        ForwardInfo info;
        toForwardInfo(*entry, info);
        ns1__QelvoxService_x002eforwardAsynchronousResponse reply{};
        const int status = engine.forwardAsynchronous(&info, reply);
        if (status == SOAP_OK)
            applySendReply(reply.return_, entry->sentstatus, entry->remoteid);
        return status;
    });
}

int QelvoxAPI::updateContactGroupInfo(qtContactGroupInfo *group)
{
    group->status = -1;
    return withAccount([&](QelvoxProxy &engine) {
        ContactGroupInfo info;
        toContactGroupInfo(*group, info);
        // A group created offline is new to the service. Its record keeps the local id until the service
        // gives it one, so that a failure does not spread id 0 through the views and the queue.
        if (group->localid)
            info.id = 0;
        ns1__QelvoxService_x002eupdateContactGroupInfoResponse reply{};
        const int status = engine.updateContactGroupInfo(&info, reply);
        if (status == SOAP_OK)
            applyUpdateReply(reply.return_, group->status, group->id);
        return status;
    });
}

int QelvoxAPI::updateContactInfo(qtContactInfo *contact)
{
    return withAccount([&](QelvoxProxy &engine) {
        ContactInfo info;
        toContactInfo(*contact, info);
        ns1__QelvoxService_x002eupdateContactInfoResponse reply{};
        const int status = engine.updateContactInfo(&info, reply);
        contact->status = -1;
        if (status == SOAP_OK)
            applyUpdateReply(reply.return_, contact->status, contact->id);
        return status;
    });
}

int QelvoxAPI::renameFolder(QelFolderInfo *folder)
{
    const int folderId = folder->localid ? 0 : folder->id;
    const std::string name = utf8(folder->name);
    folder->status = -1;
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002erenameFolderResponse reply{};
        const int status = engine.renameFolder(folderId, name, reply);
        if (status == SOAP_OK)
            applyUpdateReply(reply.return_, folder->status, folder->id);
        return status;
    });
}

int QelvoxAPI::moveToFolder(MoveToFolderRequest *request, int *reply)
{
    return withAccount([&](QelvoxProxy &engine) {
        return withIds(request->objects, [&](ArrayOfObjectsID *ids) {
            return engine.moveToFolder(ids, request->to_folderid, *reply);
        });
    });
}

int QelvoxAPI::changeStatus(ObjectsRequest *request, bool read, int *reply)
{
    return withAccount([&](QelvoxProxy &engine) {
        return withIds(request,
                       [&](ArrayOfObjectsID *ids) { return engine.changeStatus(ids, read ? 1 : 0, *reply); });
    });
}

int QelvoxAPI::deleteObjects(ObjectsRequest *request, int *reply)
{
    return withAccount([&](QelvoxProxy &engine) {
        return withIds(request, [&](ArrayOfObjectsID *ids) { return engine.deleteObjects(ids, *reply); });
    });
}

int QelvoxAPI::getRecipients(const BaseObject *item, QList<RecipientStatus> *list)
{
    const std::string kind = item->type == ObjectType::SmsSent ? "SMS" : "FAX";
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002egetRecipientsResponse reply{};
        const int status = engine.getRecipients(item->id, kind, reply);
        if (status == SOAP_OK && reply.return_)
            fromArrayOfRecipientInfo(*list, *reply.return_);
        return status;
    });
}

int QelvoxAPI::downloadFile(const BaseObject *item, const QString &format, const QString &path)
{
    return withAccount([&](QelvoxProxy &engine) {
        DocumentReceiver receiver(&engine, path);
        if (!receiver.isReady())
            return SOAP_NO_DATA;
        // The operation's own text result carries nothing the client uses.
        std::string unused;
        return receiver.finish(engine.downloadFile(item->id, item->type, latin1(format), unused));
    });
}

int QelvoxAPI::getAllCountries(QList<qtCountryInfo> *list)
{
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002egetAllCountriesResponse reply{};
        const int status = engine.getAllCountries(reply);
        if (status == SOAP_OK && reply.return_)
            fromArrayOfCountryInfo(*list, *reply.return_);
        return status;
    });
}

int QelvoxAPI::getAllLanguages(QList<qtLanguageInfo> *list)
{
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002egetAllLanguagesResponse reply{};
        const int status = engine.getAllLanguages(reply);
        if (status == SOAP_OK && reply.return_)
            fromArrayOfLanguageInfo(*list, *reply.return_);
        return status;
    });
}

int QelvoxAPI::getAccountInfo(qtAccountInfo *info)
{
    return withAccount([&](QelvoxProxy &engine) {
        ns1__QelvoxService_x002egetAccountInfoResponse reply{};
        const int status = engine.getAccountInfo(reply);
        if (status == SOAP_OK && reply.return_)
            fromAccountInfo(*info, *reply.return_);
        return status;
    });
}

int QelvoxAPI::setAccountInfo(const qtAccountInfo *info, int *reply)
{
    AccountInfo details;
    toAccountInfo(*info, details);
    return withAccount([&](QelvoxProxy &engine) { return engine.setAccountInfo(&details, *reply); });
}

int QelvoxAPI::getExtendedTitle(bool *on)
{
    return withAccount([&](QelvoxProxy &engine) {
        std::string text;
        const int status = engine.getExtendedTitle(text);
        if (status == SOAP_OK)
            *on = QelvoxAPIDetail::leadingNumber(text.c_str()) != 0;
        return status;
    });
}

int QelvoxAPI::setExtendedTitle(bool on, int *reply)
{
    return withAccount([&](QelvoxProxy &engine) { return engine.setExtendedTitle(on ? "1" : "0", *reply); });
}

int QelvoxAPI::setNewEmail(const std::string &email, int *reply)
{
    return withAccount([&](QelvoxProxy &engine) {
        const int status = engine.setNewEmail(email, *reply);
        // From now on the service knows the account by the new address only.
        QelvoxAPI &api = instance();
        if (status == SOAP_OK && *reply == 0)
            api.replaceCredentials(SOAP_ENV__Header{email, api.authHeader.password});
        return status;
    });
}

int QelvoxAPI::setNewPassword(const std::string &passwordDigest, int *reply)
{
    return withAccount([&](QelvoxProxy &engine) {
        const int status = engine.setNewPassword(passwordDigest, *reply);
        QelvoxAPI &api = instance();
        if (status == SOAP_OK && *reply == 0)
            api.replaceCredentials(SOAP_ENV__Header{api.authHeader.email, passwordDigest});
        return status;
    });
}
