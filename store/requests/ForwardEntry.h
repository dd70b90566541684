#pragma once

#include <QString>

// One item to forward; the argument of a forward task.
class ForwardEntry
{
public:
    ForwardEntry(int objecttype, int objectid, const QString &label);

    // A new heap entry equal in every field; the caller owns it.
    ForwardEntry *copy() const;

    int taskid = 0;
    int remoteid = 0;
    int sentstatus = 0;
    int objecttype;
    int objectid;
    // Destination kind: 3 fax number, 4 SMS number, 5 e-mail address; -1 until chosen.
    int forward = -1;
    QString to;
    // The forwarded SMS text, shown by the pending SMS; never persisted.
    QString label;
};
