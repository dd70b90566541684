#include "AddContactGroupDlg.h"
#include "CacheDatabase.h"
#include "ContactsTreeFixture.h"
#include "CustomQTreeWidgetItem2.h"
#include "DesktopFixture.h"
#include "ObjectType.h"
#include "ObjectsRequest.h"
#include "QelvoxTestCase.h"
#include "RecordVariant.h"
#include "SettingsStore.h"
#include "TaskKind.h"
#include "TaskType.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"

#include <QDir>
#include <QHeaderView>
#include <QTest>
#include <memory>

namespace {

// The cache's next task id in these tests: the first local id a confirmation hands out.
const int firstLocalId = 1042;

QStringList names(const QTreeWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts += list->topLevelItem(i)->text(1);
    return texts;
}

QStringList sorted(QStringList texts)
{
    texts.sort();
    return texts;
}

QTreeWidgetItem *rowNamed(const QTreeWidget *list, const QString &name)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->text(1) == name)
            return list->topLevelItem(i);
    }
    return nullptr;
}

void select(QTreeWidget *list, const QStringList &rowNames)
{
    list->clearSelection();
    for (const QString &name : rowNames)
        rowNamed(list, name)->setSelected(true);
}

bool showsIcon(const QTreeWidgetItem *row, const char *path)
{
    return row->icon(0).pixmap(16).toImage() == QIcon(QString::fromLatin1(path)).pixmap(16).toImage();
}

// One change as text: "10 <id> local <localid> <name>", "11 <id> local <localid> group <groupid>
// <name>|<fax>|<sms>" or "12 <type>:<ids>".
QString describe(const TaskItem &change)
{
    if (const auto *group = taskRecord<qtContactGroupInfo>(change.type, change.argument))
        return QStringLiteral("10 %1 local %2 %3").arg(group->id).arg(group->localid).arg(group->name);
    if (const auto *contact = taskRecord<qtContactInfo>(change.type, change.argument))
        return QStringLiteral("11 %1 local %2 group %3 %4|%5|%6")
            .arg(contact->id)
            .arg(contact->localid)
            .arg(contact->groupid)
            .arg(contact->name, contact->number, contact->gsmnumber);
    if (const auto *request = taskRecord<ObjectsRequest>(change.type, change.argument)) {
        QStringList parts;
        for (auto entry = request->objects.cbegin(); entry != request->objects.cend(); ++entry) {
            QStringList ids;
            for (int id : entry.value())
                ids += QString::number(id);
            parts += QString::number(entry.key()) + ':' + ids.join(',');
        }
        return QStringLiteral("12 ") + parts.join(' ');
    }
    return QStringLiteral("type %1").arg(change.type);
}

} // namespace

// The group editor: what it offers for a new and an existing group, the change list of each kind of edit
// with its local ids, the contacts typed into it, and its order of rows.
class AddContactGroupDlgTest : public QelvoxTestCase
{
    Q_OBJECT

    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<CacheDatabase> m_cache;
    std::unique_ptr<ContactsTreeFixture> m_tree;

    // The changes a confirmation yields, as text; the records are released here.
    static QStringList confirm(AddContactGroupDlg &dialog)
    {
        QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        QStringList texts;
        for (const TaskItem &change : dialog.takeChanges()) {
            texts += describe(change);
            releaseTaskArgument(change.type, change.argument);
        }
        return texts;
    }

    static std::unique_ptr<qtContactGroupInfo> group(int id, int localId, const QString &name)
    {
        auto record = std::make_unique<qtContactGroupInfo>(id, 0);
        record->localid = localId;
        record->name = name;
        return record;
    }

protected:
    void setUp() override
    {
        m_fixture = std::make_unique<DesktopFixture>();
        SettingsStore::instance().setCustomerId(5001);
        QDir().mkpath(SettingsStore::instance().customerDirectory());
        m_cache = std::make_unique<CacheDatabase>();
        QVERIFY(m_cache->open());
        QVERIFY(m_cache->setTaskParam(firstLocalId - 1, "OBJECT_TYPE", "CONTACT"));
        m_tree = std::make_unique<ContactsTreeFixture>();
    }
    void tearDown() override
    {
        m_tree.reset();
        m_cache.reset();
        m_fixture.reset();
    }

private slots:
    void newGroup()
    {
        AddContactGroupDlg dialog(nullptr, &m_tree->tree, nullptr, m_cache.get());
        QCOMPARE(dialog.objectName(), QStringLiteral("AddContactGroupDlg"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add new contact group"));
        QCOMPARE(dialog.windowModality(), Qt::WindowModal);
        QCOMPARE(dialog.size(), QSize(645, 423));
        QCOMPARE(dialog.name->text(), QString());
        QVERIFY(!dialog.btnOk->isEnabled());
        QCOMPARE(names(dialog.contactsFinal), QStringList());
        // Every contact without a group and every Outlook contact; members of groups are not offered.
        QCOMPARE(sorted(names(dialog.contacts)), QStringList({"Carl", "Dora", "Eve", "Finn"}));
        for (QTreeWidget *list : {dialog.contacts, dialog.contactsFinal}) {
            QCOMPARE(list->headerItem()->text(0), QString());
            QCOMPARE(list->headerItem()->text(1), QStringLiteral("Name"));
            QCOMPARE(list->sortColumn(), 0);
            QCOMPARE(list->header()->sortIndicatorOrder(), Qt::DescendingOrder);
            QCOMPARE(list->header()->sectionSize(0), 30);
            QCOMPARE(list->header()->sectionResizeMode(0), QHeaderView::Fixed);
            QCOMPARE(list->header()->sectionSize(2), 80);
            QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
        }
        QCOMPARE(dialog.contactName->text(), QStringLiteral("Name"));
        QCOMPARE(dialog.contactName->styleSheet(), QStringLiteral("background-color:Window;color:Gray"));
        dialog.name->setText("  ");
        QVERIFY(!dialog.btnOk->isEnabled());
        dialog.name->setText(" Team ");
        QVERIFY(dialog.btnOk->isEnabled());
    }

    void existingGroup()
    {
        const auto friends = group(10, 0, "Friends");
        AddContactGroupDlg dialog(nullptr, &m_tree->tree, friends.get(), m_cache.get());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit contact group"));
        QCOMPARE(dialog.name->text(), QStringLiteral("Friends"));
        QVERIFY(dialog.btnOk->isEnabled());
        QCOMPARE(sorted(names(dialog.contactsFinal)), QStringList({"Ann", "Bob"}));
        QCOMPARE(sorted(names(dialog.contacts)), QStringList({"Carl", "Dora", "Eve", "Finn"}));
        QVERIFY(showsIcon(rowNamed(dialog.contactsFinal, "Ann"), ":/images/contact-qelvox.png"));
        QVERIFY(showsIcon(rowNamed(dialog.contacts, "Eve"), ":/images/contact-outlook.png"));
    }

    void changeLists_data()
    {
        QTest::addColumn<int>("groupId");
        QTest::addColumn<int>("groupLocalId");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QStringList>("addNames");
        QTest::addColumn<QStringList>("removeNames");
        QTest::addColumn<QStringList>("changes");
        QTest::newRow("no change") << 10 << 0 << "Friends" << QStringList() << QStringList() << QStringList();
        QTest::newRow("rename only") << 10 << 0 << " Pals " << QStringList() << QStringList()
                                     << QStringList({"10 10 local 0 Pals"});
        // The list keeps a created group's local id; a rename that carried it would create the group again.
        QTest::newRow("rename after an offline creation ran")
            << 10 << 1005 << "Pals" << QStringList() << QStringList() << QStringList({"10 10 local 0 Pals"});
        QTest::newRow("rename before an offline creation ran")
            << -1005 << 1005 << "Pals" << QStringList() << QStringList() << QStringList({"10 -1005 local 1005 Pals"});
        QTest::newRow("take a member out") << 10 << 0 << "Friends" << QStringList() << QStringList({"Bob"})
                                           << QStringList({"12 6:102"});
        QTest::newRow("take out and put back") << 10 << 0 << "Friends" << QStringList({"Bob"}) << QStringList({"Bob"})
                                               << QStringList();
        QTest::newRow("add an ungrouped contact and an Outlook contact")
            << 10 << 0 << "Friends" << QStringList({"Carl", "Eve"}) << QStringList()
            << QStringList({"11 -1042 local 1042 group 10 Eve|+4930|+4917", "11 -1043 local 1043 group 10 Carl||+3367"});
        QTest::newRow("rename, take out and add")
            << 10 << 0 << "Pals" << QStringList({"Carl"}) << QStringList({"Ann", "Bob"})
            << QStringList({"10 10 local 0 Pals", "12 6:101,102", "11 -1042 local 1042 group 10 Carl||+3367"});
    }
    void changeLists()
    {
        QFETCH(int, groupId);
        QFETCH(int, groupLocalId);
        QFETCH(QString, newName);
        QFETCH(QStringList, addNames);
        QFETCH(QStringList, removeNames);
        // The fixture's group "Friends" under the id of the row.
        const auto edited = group(groupId, groupLocalId, "Friends");
        QTreeWidgetItem *friendsRow = m_tree->tree.topLevelItem(0);
        recordFromVariant<qtContactGroupInfo>(friendsRow->data(0, Qt::UserRole))->id = groupId;
        for (int i = 0; i < friendsRow->childCount(); ++i)
            recordFromVariant<qtContactInfo>(friendsRow->child(i)->data(0, Qt::UserRole))->groupid = groupId;

        AddContactGroupDlg dialog(nullptr, &m_tree->tree, edited.get(), m_cache.get());
        dialog.name->setText(newName);
        if (!removeNames.isEmpty()) {
            select(dialog.contactsFinal, removeNames);
            QTest::mouseClick(dialog.removeBtn, Qt::LeftButton);
            for (const QString &name : removeNames)
                QVERIFY(showsIcon(rowNamed(dialog.contacts, name), ":/images/contact-qelvox-grey.png"));
        }
        if (!addNames.isEmpty()) {
            select(dialog.contacts, addNames);
            QTest::mouseClick(dialog.addBtn, Qt::LeftButton);
            for (const QString &name : addNames)
                QVERIFY(rowNamed(dialog.contactsFinal, name));
        }
        QTEST(confirm(dialog), "changes");
    }

    // A new group takes the first local id; its members, an Outlook, an ungrouped and a typed contact,
    // the following ones in the member list's order, inside the new group.
    void newGroupWithMembers()
    {
        AddContactGroupDlg dialog(nullptr, &m_tree->tree, nullptr, m_cache.get());
        dialog.name->setText("Team");
        dialog.contacts->setCurrentItem(rowNamed(dialog.contacts, "Eve"));
        QMetaObject::invokeMethod(&dialog, "eventAddBtn");
        // A double click (which selects the row first) puts one in as well.
        dialog.contacts->setCurrentItem(rowNamed(dialog.contacts, "Carl"));
        emit dialog.contacts->itemDoubleClicked(rowNamed(dialog.contacts, "Carl"), 1);
        dialog.contactName->setText("Gus");
        dialog.contactFax->setText(" +49 (89) 1 ");
        QTest::mouseClick(dialog.addContact, Qt::LeftButton);
        QCOMPARE(names(dialog.contacts), QStringList({"Finn", "Dora"}));

        QStringList expected = {"10 -1042 local 1042 Team"};
        const QMap<QString, QString> members = {{"Eve", "Eve|+4930|+4917"}, {"Carl", "Carl||+3367"},
                                                {"Gus", "Gus|+49891|"}};
        int localId = firstLocalId;
        for (const QString &name : names(dialog.contactsFinal))
            expected += QStringLiteral("11 -%1 local %1 group -1042 %2").arg(++localId).arg(members.value(name));
        QCOMPARE(expected.size(), 4);
        QCOMPARE(confirm(dialog), expected);
        // The contacts it was picked from stay where they were.
        QCOMPARE(m_tree->tree.topLevelItem(2)->text(1), QStringLiteral("Carl"));
    }

    void typedContacts()
    {
        const auto friends = group(10, 0, "Friends");
        AddContactGroupDlg dialog(nullptr, &m_tree->tree, friends.get(), m_cache.get());
        const auto typeContact = [&dialog](const QString &name, const QString &fax, const QString &sms) {
            dialog.contactName->setText(name);
            dialog.contactFax->setText(fax);
            dialog.contactSms->setText(sms);
            QTest::mouseClick(dialog.addContact, Qt::LeftButton);
        };
        // A name alone, or numbers without digits, add nothing; the placeholders count as empty.
        typeContact("Hal", "Fax Number", "SMS Number");
        typeContact("Hal", "none", "");
        QCOMPARE(dialog.contactsFinal->topLevelItemCount(), 2);
        QCOMPARE(dialog.contactName->text(), QStringLiteral("Hal"));

        typeContact("Name", "", "06 12");
        QCOMPARE(rowNamed(dialog.contactsFinal, QString())->text(3), QStringLiteral("+0612"));
        QCOMPARE(dialog.contactName->text(), QStringLiteral("Name"));
        QCOMPARE(dialog.contactFax->text(), QStringLiteral("Fax Number"));
        QCOMPARE(dialog.contactSms->styleSheet(), QStringLiteral("background-color:Window;color:Gray"));

        // Duplicates are allowed; a typed contact taken out again is gone altogether.
        typeContact("Ivy", "+331", "");
        typeContact("Ivy", "+331", "");
        QCOMPARE(dialog.contactsFinal->topLevelItemCount(), 5);
        select(dialog.contactsFinal, {""});
        rowNamed(dialog.contactsFinal, "Ivy")->setSelected(true);
        QTest::mouseClick(dialog.removeBtn, Qt::LeftButton);
        QCOMPARE(sorted(names(dialog.contactsFinal)), QStringList({"Ann", "Bob", "Ivy"}));
        QCOMPARE(sorted(names(dialog.contacts)), QStringList({"Carl", "Dora", "Eve", "Finn"}));
        QCOMPARE(confirm(dialog), QStringList({"11 -1042 local 1042 group 10 Ivy|+331|"}));
    }

    void placeholdersFollowTheFocus()
    {
        AddContactGroupDlg dialog(nullptr, &m_tree->tree, nullptr, m_cache.get());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const QString input = QStringLiteral("background-color:Window;color:Window");
        dialog.contactFax->setFocus();
        QTRY_COMPARE(dialog.contactFax->styleSheet(), input);
        QCOMPARE(dialog.contactFax->text(), QString());
        QTest::keyClicks(dialog.contactFax, "+331");
        dialog.contactName->setFocus();
        QTRY_COMPARE(dialog.contactName->styleSheet(), input);
        QCOMPARE(dialog.contactFax->text(), QStringLiteral("+331"));
        QCOMPARE(dialog.contactFax->styleSheet(), input);
        // Left empty, a field shows its placeholder again.
        dialog.name->setFocus();
        QTRY_COMPARE(dialog.contactName->text(), QStringLiteral("Name"));
        QCOMPARE(dialog.contactName->styleSheet(), QStringLiteral("background-color:Window;color:Gray"));
    }

    void sorting()
    {
        auto friends = group(10, 0, "Friends");
        AddContactGroupDlg dialog(nullptr, &m_tree->tree, friends.get(), m_cache.get());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // By record: Outlook contacts first, then contacts with the larger group id.
        select(dialog.contactsFinal, {"Ann"});
        QTest::mouseClick(dialog.removeBtn, Qt::LeftButton);
        QStringList order = names(dialog.contacts);
        QCOMPARE(sorted(order.mid(0, 2)), QStringList({"Eve", "Finn"}));
        QCOMPARE(order.at(2), QStringLiteral("Ann"));

        // A click on the name's header sorts by name without regard to case.
        dialog.contactName->setText("alice");
        dialog.contactFax->setText("+1");
        QTest::mouseClick(dialog.addContact, Qt::LeftButton);
        QHeaderView *header = dialog.contactsFinal->header();
        const QPoint nameHeader(header->sectionViewportPosition(1) + 10, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, nameHeader);
        QCOMPARE(dialog.contactsFinal->sortColumn(), 1);
        if (header->sortIndicatorOrder() == Qt::DescendingOrder)
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, nameHeader);
        QCOMPARE(names(dialog.contactsFinal), QStringList({"alice", "Bob"}));
        dialog.contactName->setText("Carla");
        dialog.contactFax->setText("+2");
        QTest::mouseClick(dialog.addContact, Qt::LeftButton);
        QCOMPARE(names(dialog.contactsFinal), QStringList({"alice", "Bob", "Carla"}));
    }

    void cancelYieldsNothing()
    {
        const auto friends = group(10, 0, "Friends");
        AddContactGroupDlg dialog(nullptr, &m_tree->tree, friends.get(), m_cache.get());
        dialog.show();
        dialog.name->setText("Pals");
        select(dialog.contactsFinal, {"Ann"});
        QTest::mouseClick(dialog.removeBtn, Qt::LeftButton);
        QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.takeChanges().size(), 0);
    }
};

QTEST_MAIN(AddContactGroupDlgTest)
#include "tst_addcontactgroupdlg.moc"
