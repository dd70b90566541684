#pragma once

#include <QString>

// The account details, in the order of the service's record.
class qtAccountInfo
{
public:
    QString faxnumber;
    QString faxheader;
    int notifybysms = 0;
    QString notificationsms;
    int notifybyemail = 0;
    int redirecttoemail = 0;
    int attachmentid = 0;
    QString firstname;
    QString lastname;
    QString city;
    QString address1;
    QString postalcode;
    QString country;
    QString langcode;
    QString phone;
    QString companyname;
    QString vat;
    int prepaidbalance = 0;
    QString enddate;
};
