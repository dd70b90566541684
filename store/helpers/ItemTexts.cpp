#include "ItemTexts.h"

#include "BaseFAXSentInfo.h"
#include "TextHelpers.h"
#include "Utils.h"
#include "qtFAXReceivedInfo.h"
#include "qtVOICEReceivedInfo.h"

namespace {

struct DateMarker
{
    const char *marker;
    int status;
};

const DateMarker dateMarkers[] = {{"IQL", -2}, {"IQ", 2}, {"FA", 0}, {"OK", 1}};

QString senderOrMask(const QString &sender)
{
    return sender.isEmpty() ? QStringLiteral("************") : sender;
}

} // namespace

QString sentstatusText(const BaseRecipients &item)
{
    return statusText(item.sentstatus);
}

QString pagescountText(const BaseFAXSentInfo &item)
{
    return QString::number(item.pagescount);
}

QString pagescountText(const qtFAXReceivedInfo &item)
{
    return QString::number(item.pagescount);
}

QString senderText(const qtFAXReceivedInfo &item)
{
    return senderOrMask(item.sender);
}

QString senderText(const qtVOICEReceivedInfo &item)
{
    return senderOrMask(item.sender);
}

QString durationText(const qtVOICEReceivedInfo &item)
{
    return QString::asprintf("%.2d:%.2d", item.duration / 60, item.duration % 60);
}

QString recipientsText(const BaseRecipients &item)
{
    if (item.recipients == 1)
        return item.recipient;
    return QString::number(item.recipients) + Utils::tr(" recipients");
}

QString dateText(BaseForView &item, int shiftSeconds)
{
    item.shifteddate = item.date;
    for (const DateMarker &marker : dateMarkers) {
        if (item.date == QLatin1String(marker.marker))
            return statusText(marker.status);
    }
    if (item.date.isEmpty())
        return Utils::tr("registering");
    item.shifteddate = shiftedServiceDate(item.date, shiftSeconds);
    return displayDate(item.shifteddate);
}
