#pragma once

#include <QString>

class BaseFAXSentInfo;
class BaseForView;
class BaseRecipients;
class qtFAXReceivedInfo;
class qtVOICEReceivedInfo;

// The column texts of the item lists.

QString sentstatusText(const BaseRecipients &item);
QString pagescountText(const BaseFAXSentInfo &item);
QString pagescountText(const qtFAXReceivedInfo &item);

// The sender, or twelve asterisks when the service gave none.
QString senderText(const qtFAXReceivedInfo &item);
QString senderText(const qtVOICEReceivedInfo &item);

// Minutes and seconds, each at least two digits: 65 seconds give "01:05", 6000 give "100:00".
QString durationText(const qtVOICEReceivedInfo &item);

// The single recipient, or the count followed by " recipients".
QString recipientsText(const BaseRecipients &item);

// The date column: a delivery-state marker ("IQL", "IQ", "FA", "OK") as its status text, a service date
// moved by shiftSeconds as "dd-MM-yyyy hh:mm:ss", "registering" while the date is empty. Also refreshes
// the item's shifteddate, which is empty when the date is not valid.
QString dateText(BaseForView &item, int shiftSeconds);
