#pragma once

#include "qtDestinationInfo.h"

#include <QList>

class AccountInfo;
class ArrayOfCountryInfo;
class ArrayOfDestinationInfo;
class ArrayOfLanguageInfo;
class ArrayOfRecipientInfo;
class ContactGroupInfo;
class ContactInfo;
class CountryInfo;
class DestinationInfo;
class FAXReceivedInfo;
class FAXSentInfo;
class FAXSentInfoRegister;
class FolderInfo_A;
class LanguageInfo;
class ObjectsInfo;
class QelFolderInfo;
class RecipientInfo;
class RecipientStatus;
class SMSSentInfo;
class SMSSentInfoRegister;
class VOICEReceivedInfo;
class qtAccountInfo;
class qtContactGroupInfo;
class qtContactInfo;
class qtCountryInfo;
class qtFAXReceivedInfo;
class qtFAXSentInfo;
class qtLanguageInfo;
class qtObjectsInfo;
class qtSMSSentInfo;
class qtVOICEReceivedInfo;

// Service records of a reply turned into local records. Every converter copies what it keeps: the engine
// frees the reply at its next call. Array converters append to the caller's list and skip null items.

void fromObjectsInfo(qtObjectsInfo &target, const ObjectsInfo &info);

qtContactGroupInfo fromContactGroupInfo(const ContactGroupInfo &info);
qtContactInfo fromContactInfo(const ContactInfo &info);
QelFolderInfo fromFolderInfo(const FolderInfo_A &info);
qtSMSSentInfo fromSMSSentInfo(const SMSSentInfo &info);
qtFAXReceivedInfo fromFAXReceivedInfo(const FAXReceivedInfo &info);
qtFAXSentInfo fromFAXSentInfo(const FAXSentInfo &info);
qtVOICEReceivedInfo fromVOICEReceivedInfo(const VOICEReceivedInfo &info);

void fromAccountInfo(qtAccountInfo &target, const AccountInfo &info);
void fromDestinationInfo(qtDestinationInfo &target, const DestinationInfo &info);

qtCountryInfo fromCountryInfo(const CountryInfo &info);
qtLanguageInfo fromLanguageInfo(const LanguageInfo &info);
RecipientStatus toRecipientStatus(const RecipientInfo &info);

void fromArrayOfCountryInfo(QList<qtCountryInfo> &list, const ArrayOfCountryInfo &array);
void fromArrayOfLanguageInfo(QList<qtLanguageInfo> &list, const ArrayOfLanguageInfo &array);
void fromArrayOfRecipientInfo(QList<RecipientStatus> &list, const ArrayOfRecipientInfo &array);
void fromArrayOfDestinationInfo(QList<qtDestinationInfo> &list, const ArrayOfDestinationInfo &array);

// The delivery list of an item that is still pending: every queued number with the item's status.
void pendingFaxRecipients(const FAXSentInfoRegister &item, QList<RecipientStatus> &list);
void pendingSmsRecipients(const SMSSentInfoRegister &item, QList<RecipientStatus> &list);
