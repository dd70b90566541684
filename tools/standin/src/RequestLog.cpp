#include "RequestLog.h"

#include <QDateTime>

int RequestLog::append(QJsonObject entry)
{
    const int sequence = next++;
    entry.insert("seq", sequence);
    entry.insert("time", QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    log.append(entry);
    return sequence;
}

void RequestLog::setOutcome(int sequence, const QJsonObject &outcome)
{
    for (qsizetype i = log.size() - 1; i >= 0; --i) {
        QJsonObject entry = log.at(i).toObject();
        if (entry.value("seq").toInt() != sequence)
            continue;
        entry.insert("reply", outcome);
        log.replace(i, entry);
        return;
    }
}
