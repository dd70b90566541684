// Account-service operations that edit contacts, groups, folders and the place and state of items.

#include "ServiceContext.h"
#include "SoapValues.h"

namespace standin {
namespace {

QList<Mailbox::ObjectRef> refs(const ArrayOfObjectsID *info)
{
    QList<Mailbox::ObjectRef> result;
    for (int i = 0; info && info->__ptr && i < info->__size; ++i) {
        const ObjectsID *group = info->__ptr[i];
        for (int j = 0; group && group->ids && group->ids->__ptr && j < group->ids->__size; ++j)
            result.append({group->ids->__ptr[j], group->type});
    }
    return result;
}

} // namespace

int ns1__QelvoxService_x002edeleteObjects(soap *engine, ArrayOfObjectsID *info, int &result)
{
    ServiceContext &context = serviceContext(engine);
    context.mailbox.deleteObjects(context.account, refs(info));
    result = 0;
    return SOAP_OK;
}

int ns1__QelvoxService_x002echangeStatus(soap *engine, ArrayOfObjectsID *info, int status, int &result)
{
    ServiceContext &context = serviceContext(engine);
    context.mailbox.changeStatus(context.account, refs(info), status != 0 ? 1 : 0);
    result = 0;
    return SOAP_OK;
}

int ns1__QelvoxService_x002emoveToFolder(soap *engine, ArrayOfObjectsID *allobjects, int folderid,
                                         int &result)
{
    ServiceContext &context = serviceContext(engine);
    result = context.mailbox.moveToFolder(context.account, refs(allobjects), folderid);
    return SOAP_OK;
}

int ns1__QelvoxService_x002eupdateContactInfo(soap *engine, ContactInfo *info,
                                              ns1__QelvoxService_x002eupdateContactInfoResponse &r)
{
    if (!info)
        return soap_sender_fault(engine, "Missing contact", nullptr);
    ServiceContext &context = serviceContext(engine);
    StoredObject contact;
    contact.id = info->id;
    contact.groupId = info->groupid;
    contact.name = text(info->name);
    contact.number = text(info->number);
    contact.gsmNumber = text(info->gsmnumber);
    r.return_ = outcomeReply(engine, context.mailbox.updateContact(context.account, contact));
    return SOAP_OK;
}

int ns1__QelvoxService_x002eupdateContactGroupInfo(soap *engine, ContactGroupInfo *info,
                                                   ns1__QelvoxService_x002eupdateContactGroupInfoResponse &r)
{
    if (!info)
        return soap_sender_fault(engine, "Missing contact group", nullptr);
    ServiceContext &context = serviceContext(engine);
    r.return_ =
        outcomeReply(engine, context.mailbox.updateGroup(context.account, info->id, text(info->name)));
    return SOAP_OK;
}

int ns1__QelvoxService_x002erenameFolder(soap *engine, int folderid, std::string newname,
                                         ns1__QelvoxService_x002erenameFolderResponse &r)
{
    ServiceContext &context = serviceContext(engine);
    r.return_ = outcomeReply(engine, context.mailbox.renameFolder(context.account, folderid, text(newname)));
    return SOAP_OK;
}

} // namespace standin
