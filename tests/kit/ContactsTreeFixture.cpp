#include "ContactsTreeFixture.h"

#include "OutlookContactInfo.h"
#include "RecordVariant.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"

namespace {

qtContactGroupInfo *group(int id, const QString &name)
{
    auto *record = new qtContactGroupInfo(id, 0);
    record->name = name;
    return record;
}

template <typename Record>
Record *contact(Record *record, int groupId, const QString &name, const QString &fax, const QString &sms)
{
    record->groupid = groupId;
    record->name = name;
    record->number = fax;
    record->gsmnumber = sms;
    return record;
}

QStringList textsOf(const BaseContactInfo *record)
{
    return {QString(), record->name, record->number, record->gsmnumber};
}

} // namespace

ContactsTreeFixture::ContactsTreeFixture()
{
    tree.setColumnCount(4);
    QTreeWidgetItem *friends = addRow(nullptr, group(10, QStringLiteral("Friends")), {QString(), QStringLiteral("Friends")});
    addRow(nullptr, group(11, QStringLiteral("Empty")), {QString(), QStringLiteral("Empty")});

    const QList<BaseContactInfo *> members = {
        contact(new qtContactInfo(101, 0), 10, QStringLiteral("Ann"), QStringLiteral("+3311"), QStringLiteral("+3366")),
        contact(new qtContactInfo(102, 0), 10, QStringLiteral("Bob"), QStringLiteral("+3312"), QString())};
    for (BaseContactInfo *member : members)
        addRow(friends, member, textsOf(member));

    const QList<BaseContactInfo *> others = {
        contact(new qtContactInfo(103, 0), 0, QStringLiteral("Carl"), QString(), QStringLiteral("+3367")),
        contact(new qtContactInfo(104, 0), 0, QStringLiteral("Dora"), QString(), QString()),
        contact(new OutlookContactInfo, 0, QStringLiteral("Eve"), QStringLiteral("+4930"), QStringLiteral("+4917")),
        contact(new OutlookContactInfo, 0, QStringLiteral("Finn"), QStringLiteral("call me"), QString())};
    for (BaseContactInfo *other : others)
        addRow(nullptr, other, textsOf(other));
    tree.expandAll();
}

ContactsTreeFixture::~ContactsTreeFixture()
{
    tree.clear();
    qDeleteAll(m_records);
}

QTreeWidgetItem *ContactsTreeFixture::addRow(QTreeWidgetItem *parent, BaseObject *record, const QStringList &texts)
{
    m_records += record;
    auto *row = new QTreeWidgetItem(texts);
    row->setData(0, Qt::UserRole, recordToVariant(record));
    if (parent)
        parent->addChild(row);
    else
        tree.addTopLevelItem(row);
    return row;
}
