#pragma once

#include <QString>
#include <QVariant>

// Every field of a task's argument as text (records, requests, attachments included), so that a failing
// comparison of two tasks shows the values.
QString taskText(int type, const QVariant &argument);
