// Service description of the stand-in provider: the account service and the
// sign-up service, SOAP 1.1 RPC/encoded. soapcpp2 turns it into the server
// skeleton at build time. Only the operations that the desktop client calls
// are declared; the others are answered before dispatch (see SoapEndpoint).

//gsoap ns1 service name: QelvoxService
//gsoap ns1 service namespace: urn:QelvoxService
//gsoap ns1 service style: rpc
//gsoap ns1 service encoding: encoded
//gsoap ns1 schema namespace: urn:QelvoxService

//gsoap ns3 service name: ClientService
//gsoap ns3 service namespace: urn:ClientService
//gsoap ns3 service style: rpc
//gsoap ns3 service encoding: encoded
//gsoap ns3 schema namespace: urn:ClientService

#include <string>

class ArrayOfInteger
{
public:
    int *__ptr;
    int __size;
};

class ArrayOfString
{
public:
    std::string *__ptr;
    int __size;
};

class LanguageInfo
{
public:
    std::string code;
    std::string language;
};

class CountryInfo
{
public:
    std::string code;
    std::string country;
};

class AccountInfo
{
public:
    std::string faxnumber;
    std::string faxheader;
    int notifybysms;
    std::string notificationsms;
    int notifybyemail;
    int redirecttoemail;
    int attachmentid;
    std::string firstname;
    std::string lastname;
    std::string city;
    std::string address1;
    std::string postalcode;
    std::string country;
    std::string langcode;
    std::string phone;
    std::string companyname;
    std::string vat;
    int prepaidbalance;
    std::string enddate;
};

class ContactGroupInfo
{
public:
    int id;
    std::string name;
};

class ContactInfo
{
public:
    int groupid;
    int id;
    std::string name;
    std::string number;
    std::string gsmnumber;
};

class FolderInfo
{
public:
    int foldertype;
    int id;
    std::string name;
};

class SMSSentInfo
{
public:
    int folderid;
    int id;
    int status;
    int sentstatus;
    std::string date;
    std::string content;
    int recipients;
    std::string recipient;
};

class FAXReceivedInfo
{
public:
    int folderid;
    int id;
    int type;
    int status;
    std::string date;
    int pagescount;
    std::string sender;
};

class FAXSentInfo
{
public:
    int folderid;
    int id;
    int type;
    int status;
    int sentstatus;
    std::string date;
    int pagescount;
    int recipients;
    std::string recipient;
};

class VOICEReceivedInfo
{
public:
    int folderid;
    int id;
    int status;
    std::string date;
    int duration;
    std::string sender;
};

class ObjectIDInfo
{
public:
    int object;
    int type;
    int action;
};

class ArrayOfObjectIDInfo
{
public:
    ObjectIDInfo **__ptr;
    int __size;
};

class ObjectsIDInfo
{
public:
    int timestamp;
    ArrayOfObjectIDInfo *actions;
};

class ObjectData
{
public:
    int object;
    int type;
};

class ArrayOfObjectData
{
public:
    ObjectData **__ptr;
    int __size;
};

class ArrayOfContactGroupInfo
{
public:
    ContactGroupInfo **__ptr;
    int __size;
};

class ArrayOfContactInfo
{
public:
    ContactInfo **__ptr;
    int __size;
};

class ArrayOfFolderInfo
{
public:
    FolderInfo **__ptr;
    int __size;
};

class ArrayOfSMSSentInfo
{
public:
    SMSSentInfo **__ptr;
    int __size;
};

class ArrayOfFAXReceivedInfo
{
public:
    FAXReceivedInfo **__ptr;
    int __size;
};

class ArrayOfFAXSentInfo
{
public:
    FAXSentInfo **__ptr;
    int __size;
};

class ArrayOfVOICEReceivedInfo
{
public:
    VOICEReceivedInfo **__ptr;
    int __size;
};

class ObjectsInfo
{
public:
    int timestamp;
    int shifttime;
    ArrayOfContactGroupInfo *contactgroups;
    ArrayOfContactInfo *contacts;
    ArrayOfFolderInfo *folders;
    ArrayOfSMSSentInfo *smsessent;
    ArrayOfFAXReceivedInfo *faxesreceived;
    ArrayOfFAXSentInfo *faxessent;
    ArrayOfVOICEReceivedInfo *voicesreceived;
    ArrayOfObjectData *removed;
};

class RecipientInfo
{
public:
    std::string recipient;
    int status;
};

class ArrayOfRecipientInfo
{
public:
    RecipientInfo **__ptr;
    int __size;
};

class ObjectsID
{
public:
    int type;
    ArrayOfInteger *ids;
};

class ArrayOfObjectsID
{
public:
    ObjectsID **__ptr;
    int __size;
};

class AppVersion
{
public:
    std::string version;
    std::string link;
};

class SendFaxInfo
{
public:
    ArrayOfString *numbers;
    int dithering;
    int coverpage;
    std::string content;
    std::string desc;
    int pages;
    int app;
};

class SendSmsInfo
{
public:
    ArrayOfString *numbers;
    int unicode;
    std::string content;
    int app;
};

class ForwardInfo
{
public:
    int id;
    int type;
    int forward;
    std::string to;
    int app;
};

class DestinationInfo
{
public:
    int id;
    int parentid;
    std::string destination;
};

class ArrayOfDestinationInfo
{
public:
    DestinationInfo **__ptr;
    int __size;
};

class RegisterCustomerInfo
{
public:
    std::string id;
    std::string firstName;
    std::string lastName;
    std::string email;
    std::string country;
    std::string language;
    int faxregion;
};

class ArrayOfLanguageInfo
{
public:
    LanguageInfo **__ptr;
    int __size;
};

class ArrayOfCountryInfo
{
public:
    CountryInfo **__ptr;
    int __size;
};

// Replies with a record result name their one member "return" (return_).

struct ns1__QelvoxService_x002egetAllLanguagesResponse { ArrayOfLanguageInfo *return_; };
struct ns1__QelvoxService_x002egetAllCountriesResponse { ArrayOfCountryInfo *return_; };
struct ns1__QelvoxService_x002egetExtendedTitleResponse { std::string param_3; };
struct ns1__QelvoxService_x002egetAccountInfoResponse { AccountInfo *return_; };
struct ns1__QelvoxService_x002ereviewObjectsResponse { ObjectsIDInfo *return_; };
struct ns1__QelvoxService_x002egetObjectsResponse { ObjectsInfo *return_; };
struct ns1__QelvoxService_x002egetModifiedObjectsResponse { ObjectsIDInfo *return_; };
struct ns1__QelvoxService_x002egetRecipientsResponse { ArrayOfRecipientInfo *return_; };
struct ns1__QelvoxService_x002eupdateContactInfoResponse { ArrayOfInteger *return_; };
struct ns1__QelvoxService_x002eupdateContactGroupInfoResponse { ArrayOfInteger *return_; };
struct ns1__QelvoxService_x002egetAppVersionResponse { AppVersion *return_; };
struct ns1__QelvoxService_x002esendFaxRegisterResponse { ArrayOfInteger *return_; };
struct ns1__QelvoxService_x002esendSmsAsynchronousResponse { ArrayOfInteger *return_; };
struct ns1__QelvoxService_x002eforwardAsynchronousResponse { ArrayOfInteger *return_; };
struct ns1__QelvoxService_x002erenameFolderResponse { ArrayOfInteger *return_; };
struct ns1__QelvoxService_x002egetInboxOutboxIDResponse { ArrayOfInteger *return_; };

int ns1__QelvoxService_x002eauthenticate(int &return_);
int ns1__QelvoxService_x002egetAllLanguages(struct ns1__QelvoxService_x002egetAllLanguagesResponse &r);
int ns1__QelvoxService_x002egetAllCountries(struct ns1__QelvoxService_x002egetAllCountriesResponse &r);
int ns1__QelvoxService_x002egetExtendedTitle(struct ns1__QelvoxService_x002egetExtendedTitleResponse &r);
int ns1__QelvoxService_x002esetExtendedTitle(std::string extendedTitle, int &return_);
int ns1__QelvoxService_x002egetAccountInfo(struct ns1__QelvoxService_x002egetAccountInfoResponse &r);
int ns1__QelvoxService_x002esetAccountInfo(AccountInfo *info, int &return_);
int ns1__QelvoxService_x002esetNewEmail(std::string email, int &return_);
int ns1__QelvoxService_x002esetNewPassword(std::string password, int &return_);
int ns1__QelvoxService_x002ereviewObjects(struct ns1__QelvoxService_x002ereviewObjectsResponse &r);
int ns1__QelvoxService_x002egetObjects(ArrayOfObjectData *data, struct ns1__QelvoxService_x002egetObjectsResponse &r);
int ns1__QelvoxService_x002egetModifiedObjects(int timestamp, struct ns1__QelvoxService_x002egetModifiedObjectsResponse &r);
int ns1__QelvoxService_x002egetRecipients(int id, std::string type, struct ns1__QelvoxService_x002egetRecipientsResponse &r);
int ns1__QelvoxService_x002edownloadFile(int id, int type, std::string format, std::string &return_);
int ns1__QelvoxService_x002edeleteObjects(ArrayOfObjectsID *info, int &return_);
int ns1__QelvoxService_x002echangeStatus(ArrayOfObjectsID *info, int status, int &return_);
int ns1__QelvoxService_x002eupdateContactInfo(ContactInfo *info, struct ns1__QelvoxService_x002eupdateContactInfoResponse &r);
int ns1__QelvoxService_x002eupdateContactGroupInfo(ContactGroupInfo *info, struct ns1__QelvoxService_x002eupdateContactGroupInfoResponse &r);
int ns1__QelvoxService_x002egetAppVersion(std::string os, std::string app, struct ns1__QelvoxService_x002egetAppVersionResponse &r);
int ns1__QelvoxService_x002egetShiftTime(int &return_);
int ns1__QelvoxService_x002esendFaxRegister(SendFaxInfo *info, std::string report, struct ns1__QelvoxService_x002esendFaxRegisterResponse &r);
int ns1__QelvoxService_x002esendSmsAsynchronous(SendSmsInfo *info, struct ns1__QelvoxService_x002esendSmsAsynchronousResponse &r);
int ns1__QelvoxService_x002eforwardAsynchronous(ForwardInfo *info, struct ns1__QelvoxService_x002eforwardAsynchronousResponse &r);
int ns1__QelvoxService_x002eregisterApp(int app, std::string version, int &return_);
int ns1__QelvoxService_x002erenameFolder(int folderid, std::string newname, struct ns1__QelvoxService_x002erenameFolderResponse &r);
int ns1__QelvoxService_x002emoveToFolder(ArrayOfObjectsID *allobjects, int folderid, int &return_);
int ns1__QelvoxService_x002egetInboxOutboxID(struct ns1__QelvoxService_x002egetInboxOutboxIDResponse &r);

struct ns3__ClientService_x002egetAllLanguagesResponse { ArrayOfLanguageInfo *return_; };
struct ns3__ClientService_x002egetAllCountriesResponse { ArrayOfCountryInfo *return_; };
struct ns3__ClientService_x002egetAllFaxCountriesResponse { ArrayOfCountryInfo *return_; };
struct ns3__ClientService_x002egetFaxRegionsResponse { ArrayOfDestinationInfo *return_; };

int ns3__ClientService_x002egetAllLanguages(struct ns3__ClientService_x002egetAllLanguagesResponse &r);
int ns3__ClientService_x002egetAllCountries(struct ns3__ClientService_x002egetAllCountriesResponse &r);
int ns3__ClientService_x002egetAllFaxCountries(struct ns3__ClientService_x002egetAllFaxCountriesResponse &r);
int ns3__ClientService_x002egetIpNationality(std::string &return_);
int ns3__ClientService_x002egetFaxRegions(std::string code, struct ns3__ClientService_x002egetFaxRegionsResponse &r);
int ns3__ClientService_x002eregisterCustomer(RegisterCustomerInfo *info, std::string &return_);
