#include "ContactsTreeFixture.h"
#include "RecipientForm.h"
#include "RecipientsWidget.h"
#include "RecordVariant.h"
#include "SendDialogTestKit.h"

#include <QSignalSpy>

namespace {

const QString limitText = QStringLiteral("You need to select less than 2000 recipients");

// The picker's contacts list: "name|number" per row, members of a group marked with ">".
QStringList contactRows(const QTreeWidget *contacts)
{
    QStringList rows;
    for (int i = 0; i < contacts->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = contacts->topLevelItem(i);
        rows += row->text(1) + QLatin1Char('|') + row->text(2);
        for (int m = 0; m < row->childCount(); ++m)
            rows += QLatin1Char('>') + row->child(m)->text(1) + QLatin1Char('|') + row->child(m)->text(2);
    }
    return rows;
}

QTreeWidgetItem *findRow(QTreeWidget *tree, const QString &name)
{
    const QList<QTreeWidgetItem *> rows = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive, 1);
    return rows.value(0);
}

// A contacts list of count service contacts, all selected, each with a valid fax number.
class LargeContactsTree
{
public:
    explicit LargeContactsTree(int count)
    {
        for (int i = 0; i < count; ++i) {
            auto record = std::make_unique<qtContactInfo>(i + 1, 0);
            record->name = QStringLiteral("C%1").arg(i);
            record->number = QStringLiteral("+49%1").arg(100000 + i);
            auto *row = new QTreeWidgetItem({QString(), record->name, record->number});
            row->setData(0, Qt::UserRole, recordToVariant(record.get()));
            tree.addTopLevelItem(row);
            row->setSelected(true);
            records.push_back(std::move(record));
        }
    }
    ~LargeContactsTree() { tree.clear(); }

    QTreeWidget tree;
    std::vector<std::unique_ptr<qtContactInfo>> records;
};

} // namespace

// The recipients picker on the contacts list the program shows: what it offers, typed numbers, the contact
// sink, the limit of 2000 recipients on every path, removing rows and drops.
class RecipientsWidgetTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SendDialogTestKit> m_kit;

    static QTreeWidget *recipientList(RecipientsWidget &picker)
    {
        return picker.findChild<RecipientForm *>()->recipients;
    }

    // Fills the recipient list with count numbers through the file import.
    void fill(RecipientsWidget &picker, int count)
    {
        QByteArray lines;
        for (int i = 0; i < count; ++i)
            lines += "+33" + QByteArray::number(700000 + i) + '\n';
        picker.importRecipientsFile(m_kit->writeFile(QStringLiteral("fill.txt"), lines));
        QCOMPARE(recipientList(picker)->topLevelItemCount(), count);
    }

private slots:
    void init() { m_kit = std::make_unique<SendDialogTestKit>(); }
    void cleanup()
    {
        QCOMPARE(m_kit->takeBoxTexts(), QStringList());
        m_kit.reset();
    }

    void listsContactsWithNumbersOfItsKind_data()
    {
        QTest::addColumn<bool>("fax");
        QTest::addColumn<QStringList>("rows");
        // Empty, Dora and Finn have nothing to offer; Bob has no SMS number, Carl no fax number.
        QTest::newRow("fax") << true << QStringList{"Friends|", ">Ann|+3311", ">Bob|+3312", "Eve|+4930"};
        QTest::newRow("sms") << false << QStringList{"Friends|", ">Ann|+3366", "Carl|+3367", "Eve|+4917"};
    }
    void listsContactsWithNumbersOfItsKind()
    {
        QFETCH(bool, fax);
        QFETCH(QStringList, rows);
        ContactsTreeFixture contacts;
        RecipientsWidget picker(nullptr, &contacts.tree, false, fax);
        QCOMPARE(contactRows(picker.contacts), rows);
        QCOMPARE(picker.contacts->topLevelItem(0)->data(0, Qt::UserRole).toInt(), 1);
        QCOMPARE(picker.contacts->topLevelItem(0)->child(0)->data(0, Qt::UserRole).toInt(), 0);
        const QImage outlook = QIcon(":/images/contact-outlook.png").pixmap(16).toImage();
        QCOMPARE(findRow(picker.contacts, "Eve")->icon(0).pixmap(16).toImage(), outlook);
        QVERIFY(findRow(picker.contacts, "Ann")->icon(0).pixmap(16).toImage() != outlook);
        QVERIFY(!picker.hasRecipients());
        QVERIFY(contacts.tree.selectedItems().isEmpty());
    }

    void preselectsSelectedContactsAndGroupMembers_data()
    {
        QTest::addColumn<bool>("fax");
        QTest::addColumn<QStringList>("numbers");
        // Display order: by name, descending. Carl is selected but hidden by the search filter.
        QTest::newRow("fax") << true << QStringList{"+4930", "+3312", "+3311"};
        QTest::newRow("sms") << false << QStringList{"+4917", "+3366"};
    }
    void preselectsSelectedContactsAndGroupMembers()
    {
        QFETCH(bool, fax);
        QFETCH(QStringList, numbers);
        ContactsTreeFixture contacts;
        for (const char *name : {"Friends", "Carl", "Eve"})
            findRow(&contacts.tree, name)->setSelected(true);
        findRow(&contacts.tree, "Carl")->setHidden(true);
        RecipientsWidget picker(nullptr, &contacts.tree, true, fax);
        QCOMPARE(picker.recipientNumbers(), numbers);
        QVERIFY(picker.hasRecipients());
        QVERIFY(findRow(&contacts.tree, "Ann")->isSelected());
        QVERIFY(findRow(&contacts.tree, "Bob")->isSelected());
    }

    // With "Ann" typed in the search box the filter hides her group, and so her: she is not a recipient the
    // user can see.
    void preselectsNoContactHiddenWithItsGroup()
    {
        ContactsTreeFixture contacts;
        QTreeWidgetItem *group = findRow(&contacts.tree, "Friends");
        group->setSelected(true);
        group->setHidden(true);
        findRow(&contacts.tree, "Eve")->setSelected(true);
        RecipientsWidget picker(nullptr, &contacts.tree, true, true);
        QCOMPARE(picker.recipientNumbers(), QStringList{"+4930"});
    }

    void addsTypedNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name"); // null: the field keeps its placeholder
        QTest::addColumn<bool>("addToContacts");
        QTest::addColumn<bool>("fax");
        QTest::addColumn<QStringList>("added"); // rows besides "Old|+3399"
        QTest::addColumn<QStringList>("created"); // "name|fax|sms" of each contact handed to the sink
        QTest::addColumn<bool>("fieldsReset");

        QTest::newRow("spaces, brackets, dashes") << "+33 (0)1-23 45" << " Zoe " << false << true
                                                  << QStringList{"Zoe|+33012345"} << QStringList() << true;
        QTest::newRow("leading double zero") << "0049 30 1" << QString() << false << true
                                             << QStringList{"|+0049301"} << QStringList() << true;
        QTest::newRow("no digit") << "abc" << QString() << true << true << QStringList() << QStringList() << false;
        QTest::newRow("lone plus") << "+" << QString() << true << true << QStringList() << QStringList() << false;
        QTest::newRow("already listed") << "+33 99" << "X" << true << true << QStringList() << QStringList() << true;
        QTest::newRow("new fax contact") << "+331" << "Zoe" << true << true << QStringList{"Zoe|+331"}
                                         << QStringList{"Zoe|+331|"} << true;
        QTest::newRow("new sms contact") << "+331" << "Zoe" << true << false << QStringList{"Zoe|+331"}
                                         << QStringList{"Zoe||+331"} << true;
        QTest::newRow("contact without name") << "+331" << QString() << true << true << QStringList{"|+331"}
                                              << QStringList{"|+331|"} << true;
    }
    void addsTypedNumber()
    {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(bool, addToContacts);
        QFETCH(bool, fax);
        QFETCH(QStringList, added);
        QFETCH(QStringList, created);
        QFETCH(bool, fieldsReset);

        QStringList sunk;
        const ContactSink sink = [&sunk](std::unique_ptr<qtContactInfo> contact) {
            QCOMPARE(contact->id, 0);
            QCOMPARE(contact->groupid, 0);
            sunk += contact->name + '|' + contact->number + '|' + contact->gsmnumber;
        };
        ContactsTreeFixture contacts;
        RecipientsWidget picker(nullptr, &contacts.tree, false, fax, sink);
        picker.importRecipientsFile(m_kit->writeFile("old.txt", "Old;+3399\n"));
        // A typed number wins over selected contacts.
        findRow(picker.contacts, "Eve")->setSelected(true);
        QSignalSpy changed(&picker, &RecipientsWidget::signalChanged);

        picker.directNumber->setText(typed);
        if (!name.isNull())
            picker.lineName->setText(name);
        picker.addToContactsBox->setChecked(addToContacts);
        picker.btnAdd->click();

        QStringList rows = QStringList{"Old|+3399"} + added;
        rows.sort();
        QStringList shown = rowsOf(recipientList(picker));
        shown.sort();
        QCOMPARE(shown, rows);
        QCOMPARE(changed.count(), added.size());
        QCOMPARE(sunk, created);
        for (const QString &contact : created)
            QVERIFY(contactRows(picker.contacts).contains(contact.section('|', 0, 0) + "|+331"));
        QCOMPARE(picker.directNumber->text() == "Number", fieldsReset);
        QCOMPARE(picker.lineName->text() == "Name", fieldsReset || name.isNull());
        QCOMPARE(picker.addToContactsBox->isChecked(), addToContacts);
    }

    void createsNoContactWithoutSink()
    {
        ContactsTreeFixture contacts;
        RecipientsWidget picker(nullptr, &contacts.tree, false, true);
        QVERIFY(picker.addToContactsBox->isHidden());
        picker.addToContactsBox->setChecked(true);
        picker.directNumber->setText("+331");
        picker.btnAdd->click();
        QCOMPARE(picker.recipientNumbers(), QStringList{"+331"});
        QVERIFY(!contactRows(picker.contacts).contains("|+331"));
    }

    void addsSelectedContactsAndGroups()
    {
        ContactsTreeFixture contacts;
        RecipientsWidget picker(nullptr, &contacts.tree, false, true);
        QSignalSpy changed(&picker, &RecipientsWidget::signalChanged);
        // With the placeholder in the number field the button is enabled, and adds nothing.
        QVERIFY(picker.btnAdd->isEnabled());
        picker.btnAdd->click();
        QCOMPARE(changed.count(), 0);
        picker.directNumber->clear();
        QVERIFY(!picker.btnAdd->isEnabled());

        findRow(picker.contacts, "Ann")->setSelected(true);
        QVERIFY(picker.btnAdd->isEnabled());
        picker.btnAdd->click();
        picker.contacts->clearSelection();
        picker.contacts->topLevelItem(0)->setSelected(true); // the group: Ann again, and Bob
        findRow(picker.contacts, "Eve")->setSelected(true);
        picker.btnAdd->click();
        QCOMPARE(picker.recipientNumbers(), (QStringList{"+4930", "+3312", "+3311"}));
        QCOMPARE(changed.count(), 2);
        picker.btnAdd->click(); // all listed already
        QCOMPARE(changed.count(), 2);
    }

    void keepsToTheLimitOnEveryPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("messages");
        QTest::addColumn<int>("emitted");
        QTest::newRow("typed at 1999") << "typed" << 1999 << 2000 << 0 << 1;
        QTest::newRow("typed at 2000") << "typed" << 2000 << 2000 << 1 << 0;
        QTest::newRow("group at 1999") << "group" << 1999 << 2000 << 1 << 1;
        QTest::newRow("group at 2000") << "group" << 2000 << 2000 << 1 << 0;
        QTest::newRow("double click at 2000") << "double click" << 2000 << 2000 << 1 << 0;
        QTest::newRow("file to 2000") << "file" << 1998 << 2000 << 0 << 1;
        QTest::newRow("file past 2000") << "file" << 1999 << 1999 << 1 << 0;
    }
    void keepsToTheLimitOnEveryPath()
    {
        QFETCH(QString, path);
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(int, messages);
        QFETCH(int, emitted);
        ContactsTreeFixture contacts;
        RecipientsWidget picker(nullptr, &contacts.tree, false, true);
        fill(picker, before);
        QSignalSpy changed(&picker, &RecipientsWidget::signalChanged);
        QTreeWidgetItem *group = picker.contacts->topLevelItem(0);
        if (path == "typed") {
            picker.directNumber->setText("+5");
            picker.btnAdd->click();
        } else if (path == "group") {
            group->setSelected(true);
            picker.btnAdd->click();
        } else if (path == "double click") {
            emit picker.contacts->itemDoubleClicked(findRow(picker.contacts, "Eve"), 1);
        } else {
            picker.importRecipientsFile(m_kit->writeFile("two.txt", "+11\n+12\n"));
        }
        QCOMPARE(recipientList(picker)->topLevelItemCount(), after);
        QCOMPARE(m_kit->takeBoxTexts(), QStringList(messages, limitText));
        QCOMPARE(changed.count(), emitted);
    }

    void preselectionSaysWhenItStopsAtTheLimit()
    {
        LargeContactsTree contacts(2500);
        RecipientsWidget picker(nullptr, &contacts.tree, true, true);
        QCOMPARE(recipientList(picker)->topLevelItemCount(), 2000);
        QCOMPARE(m_kit->takeBoxTexts(), QStringList{limitText});
    }

    void removesSelectedRows()
    {
        ContactsTreeFixture contacts;
        RecipientsWidget picker(nullptr, &contacts.tree, false, true);
        picker.importRecipientsFile(m_kit->writeFile("three.txt", "A;+31\nB;+32\nC;+33\n"));
        QTreeWidget *list = recipientList(picker);
        QSignalSpy changed(&picker, &RecipientsWidget::signalChanged);
        QVERIFY(!picker.btnDel->isEnabled());
        picker.btnDel->click();
        QCOMPARE(changed.count(), 0);

        list->topLevelItem(0)->setSelected(true);
        list->topLevelItem(2)->setSelected(true);
        QVERIFY(picker.btnDel->isEnabled());
        picker.btnDel->click();
        QCOMPARE(picker.recipientNumbers(), QStringList{"+32"});
        QCOMPARE(changed.count(), 1);
        QVERIFY(!picker.btnDel->isEnabled());

        list->topLevelItem(0)->setSelected(true);
        emit list->itemDoubleClicked(list->topLevelItem(0), 0);
        QVERIFY(!picker.hasRecipients());
        QCOMPARE(changed.count(), 2);
    }

    void placeholdersFollowTheFocus()
    {
        RecipientsWidget picker(nullptr, nullptr, false, true);
        const QString placeholder = picker.directNumber->styleSheet();
        QMetaObject::invokeMethod(&picker, "focusChanged", Q_ARG(QWidget *, nullptr),
                                  Q_ARG(QWidget *, picker.directNumber));
        QCOMPARE(picker.directNumber->text(), QString());
        QVERIFY(picker.directNumber->styleSheet() != placeholder);
        // Leaving it empty brings the placeholder back; leaving a typed number keeps it.
        QMetaObject::invokeMethod(&picker, "focusChanged", Q_ARG(QWidget *, picker.directNumber),
                                  Q_ARG(QWidget *, picker.lineName));
        QCOMPARE(picker.directNumber->text(), QStringLiteral("Number"));
        QCOMPARE(picker.directNumber->styleSheet(), placeholder);
        QCOMPARE(picker.lineName->text(), QString());
        picker.lineName->setText("Zoe");
        QMetaObject::invokeMethod(&picker, "focusChanged", Q_ARG(QWidget *, picker.lineName),
                                  Q_ARG(QWidget *, nullptr));
        QCOMPARE(picker.lineName->text(), QStringLiteral("Zoe"));
    }

    void importsTheFirstDroppedFile()
    {
        RecipientsWidget picker(nullptr, nullptr, false, true);
        RecipientForm *form = picker.findChild<RecipientForm *>();
        const QString first = m_kit->writeFile("first.txt", "+31\n");
        const QString second = m_kit->writeFile("second.txt", "+32\n");
        QVERIFY(dropUrls(form, {QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)}));
        QCOMPARE(picker.recipientNumbers(), QStringList{"+31"});

        QMimeData text;
        text.setText(second);
        QVERIFY(!dropOn(form, text));
        QCOMPARE(picker.recipientNumbers(), QStringList{"+31"});
    }
};

QTEST_MAIN(RecipientsWidgetTest)
#include "tst_recipientswidget.moc"
