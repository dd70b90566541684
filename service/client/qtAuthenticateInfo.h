#pragma once

#include <QString>

// Input and output of a log-in: the credentials go in, the result code and the customer id come out.
class qtAuthenticateInfo
{
public:
    int result = 0;
    int customerid = 0;
    QString username;
    // Lower-case hexadecimal MD5 digest of the password.
    QString password;
};
