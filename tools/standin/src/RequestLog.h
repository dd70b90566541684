#pragma once

#include <QJsonArray>
#include <QJsonObject>

// Every request the stand-in received, in order, for tests to read back.
class RequestLog
{
public:
    // Appends the entry with its sequence number and returns that number.
    int append(QJsonObject entry);
    // Records how the request was answered.
    void setOutcome(int sequence, const QJsonObject &outcome);
    QJsonArray entries() const { return log; }
    void clear() { log = QJsonArray(); }

private:
    QJsonArray log;
    int next = 1;
};
