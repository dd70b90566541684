// Account-service operations that send: faxes with their documents, SMS and forwards.

#include "ServiceContext.h"
#include "SoapValues.h"

#include <QJsonObject>

namespace standin {

int ns1__QelvoxService_x002esendFaxRegister(soap *engine, SendFaxInfo *info, std::string report,
                                            ns1__QelvoxService_x002esendFaxRegisterResponse &r)
{
    if (!info)
        return soap_sender_fault(engine, "Missing fax", nullptr);
    ServiceContext &context = serviceContext(engine);
    const QJsonObject options{{"dithering", info->dithering},   {"coverpage", info->coverpage != 0},
                              {"content", text(info->content)}, {"desc", text(info->desc)},
                              {"report", text(report)},         {"app", info->app}};
    r.return_ = outcomeReply(engine, context.mailbox.sendFax(context.account, strings(info->numbers),
                                                             context.attachments, options, info->pages));
    return SOAP_OK;
}

int ns1__QelvoxService_x002esendSmsAsynchronous(soap *engine, SendSmsInfo *info,
                                                ns1__QelvoxService_x002esendSmsAsynchronousResponse &r)
{
    if (!info)
        return soap_sender_fault(engine, "Missing SMS", nullptr);
    ServiceContext &context = serviceContext(engine);
    r.return_ = outcomeReply(engine, context.mailbox.sendSms(context.account, strings(info->numbers),
                                                             text(info->content), info->unicode != 0));
    return SOAP_OK;
}

int ns1__QelvoxService_x002eforwardAsynchronous(soap *engine, ForwardInfo *info,
                                                ns1__QelvoxService_x002eforwardAsynchronousResponse &r)
{
    if (!info)
        return soap_sender_fault(engine, "Missing forward", nullptr);
    ServiceContext &context = serviceContext(engine);
    r.return_ = outcomeReply(engine, context.mailbox.forward(context.account, info->id, info->type,
                                                             info->forward, text(info->to)));
    return SOAP_OK;
}

} // namespace standin
