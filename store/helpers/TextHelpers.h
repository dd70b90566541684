#pragma once

#include <QChar>
#include <QList>
#include <QString>

// The text of a delivery status code, translated.
QString statusText(int code);

// "Read" when flag is not 0, else "Unread", translated.
QString readStateText(int flag);

// Lower-case hexadecimal MD5 digest of the UTF-8 bytes of text: the only form in which account
// passwords are stored and sent.
QString md5Hex(const QString &text);

// A "+" followed by ASCII digits only.
bool isPhoneNumber(const QString &text);

// The decimal digits of text, in any script, as ASCII digits with a "+" in front; empty when text holds no
// digit.
QString normalizeNumber(const QString &text);

QString joinNumbers(const QList<int> &numbers, QChar separator);

// A service date "yyyy-MM-dd hh:mm:ss" moved by shiftSeconds, in the same form; empty when text is no
// valid date. Service dates carry no zone, so the shift is applied in UTC: no daylight-saving change
// moves or drops a date.
QString shiftedServiceDate(const QString &text, int shiftSeconds);

// The same date as shown to the user, "dd-MM-yyyy hh:mm:ss"; empty when text is no valid date.
QString displayDate(const QString &serviceDate);
