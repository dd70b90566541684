#pragma once

#include <QTreeWidget>

class BaseObject;

// A contacts list laid out as the program shows it: column 0 holds the row's record under Qt::UserRole,
// columns 1 to 3 the name, fax number and SMS number. Top level: the group "Friends" (id 10) with the members
// Ann (fax and SMS) and Bob (fax only), the empty group "Empty" (id 11), the ungrouped contacts Carl (SMS only)
// and Dora (no number), and the Outlook contacts Eve (fax and SMS) and Finn (a fax number that is not a
// number). The fixture owns the records.
class ContactsTreeFixture
{
public:
    ContactsTreeFixture();
    ~ContactsTreeFixture();
    ContactsTreeFixture(const ContactsTreeFixture &) = delete;
    ContactsTreeFixture &operator=(const ContactsTreeFixture &) = delete;

    QTreeWidget tree;

private:
    QTreeWidgetItem *addRow(QTreeWidgetItem *parent, BaseObject *record, const QStringList &texts);
    QList<BaseObject *> m_records;
};
