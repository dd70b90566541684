#include "AddContactDlg.h"
#include "DesktopFixture.h"
#include "QelvoxTestCase.h"

#include <QTest>
#include <memory>

namespace {

const QMap<int, QString> groupMap = {{11, QStringLiteral("Empty")}, {10, QStringLiteral("Friends")}};

std::unique_ptr<qtContactInfo> contact(int id, int groupId, const QString &name, const QString &fax,
                                       const QString &sms)
{
    auto record = std::make_unique<qtContactInfo>(id, 0);
    record->groupid = groupId;
    record->name = name;
    record->number = fax;
    record->gsmnumber = sms;
    return record;
}

void type(AddContactDlg &dialog, const QString &name, const QString &fax, const QString &sms)
{
    dialog.name->setText(name);
    dialog.number->setText(fax);
    dialog.gsmnumber->setText(sms);
}

// "id groupid name|fax|sms local taskid status type".
QString describe(const qtContactInfo *record)
{
    if (!record)
        return QStringLiteral("null");
    return QStringLiteral("%1 %2 %3|%4|%5 local %6 task %7 status %8 type %9")
        .arg(record->id)
        .arg(record->groupid)
        .arg(record->name, record->number, record->gsmnumber)
        .arg(record->localid)
        .arg(record->taskid)
        .arg(record->status)
        .arg(record->type);
}

} // namespace

// The contact editor: its form, when OK is possible for new and edited contacts, the record it hands back
// and every way of leaving it without one.
class AddContactDlgTest : public QelvoxTestCase
{
    Q_OBJECT

    std::unique_ptr<DesktopFixture> m_fixture;

protected:
    void setUp() override { m_fixture = std::make_unique<DesktopFixture>(); }
    void tearDown() override { m_fixture.reset(); }

private slots:
    void form()
    {
        AddContactDlg dialog(nullptr, groupMap, 0, nullptr);
        QCOMPARE(dialog.objectName(), QStringLiteral("AddContactDlg"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("New contact"));
        QVERIFY(dialog.isModal());
        QVERIFY(!dialog.windowIcon().isNull());
        QCOMPARE(dialog.layout()->sizeConstraint(), QLayout::SetFixedSize);
        const QStringList labels = {dialog.nameLabel->text(), dialog.faxLabel->text(), dialog.gsmLabel->text(),
                                    dialog.ui_labelGroup->text()};
        QCOMPARE(labels, QStringList({"Name:", "Fax Number", "SMS Number", "Group:"}));
        QCOMPARE(dialog.btnOk->text(), QStringLiteral("Ok"));
        QCOMPARE(dialog.btnCancel->text(), QStringLiteral("Cancel"));
        QVERIFY(dialog.groups->isEnabled());
        QVERIFY(!dialog.btnOk->isEnabled());

        // An empty entry first, then the groups by ascending id.
        QStringList entries;
        for (int i = 0; i < dialog.groups->count(); ++i)
            entries += dialog.groups->itemText(i) + '=' + dialog.groups->itemData(i).toString();
        QCOMPARE(entries, QStringList({"=0", "Friends=10", "Empty=11"}));

        QList<QWidget *> order = {dialog.name};
        for (QWidget *next = dialog.name->nextInFocusChain(); next != dialog.name; next = next->nextInFocusChain()) {
            if (next->focusPolicy() & Qt::TabFocus)
                order += next;
        }
        order.removeOne(dialog.groups);
        QCOMPARE(order, QList<QWidget *>({dialog.name, dialog.number, dialog.gsmnumber, dialog.btnOk, dialog.btnCancel}));
    }

    void editingShowsTheContact()
    {
        const auto ann = contact(101, 10, "Ann", "+3311", "+3366");
        AddContactDlg dialog(nullptr, groupMap, 11, ann.get());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit contact"));
        QCOMPARE(dialog.name->text(), QStringLiteral("Ann"));
        QCOMPARE(dialog.number->text(), QStringLiteral("+3311"));
        QCOMPARE(dialog.gsmnumber->text(), QStringLiteral("+3366"));
        QCOMPARE(dialog.groups->currentText(), QStringLiteral("Friends"));
        QVERIFY(!dialog.groups->isEnabled());
        QVERIFY(!dialog.btnOk->isEnabled());
    }

    // For a new contact and for the contact Ann (+3311, +3366) being edited.
    void okButton_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fax");
        QTest::addColumn<QString>("sms");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("new: name without number") << false << "Ann" << "" << "" << false;
        QTest::newRow("new: only blanks") << false << "  " << "  " << " " << false;
        QTest::newRow("new: fax without a name") << false << "" << "+33 1" << "" << true;
        QTest::newRow("new: sms only") << false << "Bob" << "" << "0612" << true;
        QTest::newRow("new: fax with brackets and letters") << false << "Bob" << "(01) 23-45 ext 6" << "" << true;
        QTest::newRow("new: both numbers") << false << "Bob" << "+3311" << "+3366" << true;
        QTest::newRow("new: fax without digits beside a valid sms") << false << "Bob" << "none" << "+3366" << false;
        QTest::newRow("new: sms without digits beside a valid fax") << false << "Bob" << "+3311" << "n/a" << false;
        QTest::newRow("new: neither number has digits") << false << "Bob" << "none" << "n/a" << false;
        QTest::newRow("edit: unchanged") << true << "Ann" << "+3311" << "+3366" << false;
        QTest::newRow("edit: fax spacing only") << true << "Ann" << "+33 11" << "+3366" << false;
        QTest::newRow("edit: blanks around the name") << true << " Ann " << "+3311" << "+3366" << false;
        QTest::newRow("edit: renamed") << true << "Anna" << "+3311" << "+3366" << true;
        QTest::newRow("edit: other fax") << true << "Ann" << "+3312" << "+3366" << true;
        QTest::newRow("edit: sms emptied") << true << "Ann" << "+3311" << "" << true;
        QTest::newRow("edit: both emptied") << true << "Ann" << "" << "" << false;
        QTest::newRow("edit: fax without digits") << true << "Anna" << "none" << "+3366" << false;
    }
    void okButton()
    {
        QFETCH(bool, editing);
        QFETCH(QString, name);
        QFETCH(QString, fax);
        QFETCH(QString, sms);
        const auto ann = contact(101, 10, "Ann", "+3311", "+3366");
        AddContactDlg dialog(nullptr, groupMap, 0, editing ? ann.get() : nullptr);
        type(dialog, name, fax, sms);
        QTEST(dialog.btnOk->isEnabled(), "enabled");
    }

    void faxWithoutDigitsThenEmptied()
    {
        AddContactDlg dialog(nullptr, groupMap, 0, nullptr);
        type(dialog, "Bob", "none", "+3366");
        QVERIFY(!dialog.btnOk->isEnabled());
        dialog.number->clear();
        QVERIFY(dialog.btnOk->isEnabled());
    }

    void newContactRecord_data()
    {
        QTest::addColumn<int>("defaultGroupId");
        QTest::addColumn<int>("currentIndex");
        QTest::addColumn<QString>("record");
        QTest::newRow("default group") << 11 << 2 << "0 11 Dora|+49301234| local 0 task 0 status 0 type 6";
        QTest::newRow("no default group") << 0 << 0 << "0 0 Dora|+49301234| local 0 task 0 status 0 type 6";
        QTest::newRow("unknown default group") << 99 << -1 << "0 0 Dora|+49301234| local 0 task 0 status 0 type 6";
    }
    void newContactRecord()
    {
        QFETCH(int, defaultGroupId);
        AddContactDlg dialog(nullptr, groupMap, defaultGroupId, nullptr);
        QTEST(dialog.groups->currentIndex(), "currentIndex");
        dialog.show();
        type(dialog, "  Dora ", "+49 (30) 12-34", " ");
        QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const std::unique_ptr<qtContactInfo> result = dialog.takeResult();
        QTEST(describe(result.get()), "record");
        QVERIFY(!dialog.takeResult());
    }

    void chosenGroup()
    {
        AddContactDlg dialog(nullptr, groupMap, 0, nullptr);
        type(dialog, "Dora", "+4930", "");
        dialog.groups->setCurrentIndex(1);
        QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        QCOMPARE(dialog.takeResult()->groupid, 10);
    }

    // The group box is disabled and may not list the contact's group: the contact keeps its group whatever
    // the box shows. A contact created offline keeps naming its creation's local id.
    void editedContactRecord_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("record");
        QTest::newRow("service contact") << 101 << "101 12 Anna|+3311|+3366 local 0 task 0 status 0 type 6";
        QTest::newRow("created offline") << -1005 << "-1005 12 Anna|+3311|+3366 local 1005 task 0 status 0 type 6";
    }
    void editedContactRecord()
    {
        QFETCH(int, id);
        const auto ann = contact(id, 12, "Ann", "+3311", "+3366");
        ann->taskid = 1005;
        ann->status = 3;
        AddContactDlg dialog(nullptr, groupMap, 10, ann.get());
        QCOMPARE(dialog.groups->currentIndex(), -1);
        dialog.name->setText("Anna");
        QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        QTEST(describe(dialog.takeResult().get()), "record");
    }

    void leavingWithoutOk_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Cancel") << "cancel";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("close box") << "close";
    }
    void leavingWithoutOk()
    {
        QFETCH(QString, way);
        AddContactDlg dialog(nullptr, groupMap, 0, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        type(dialog, "Dora", "+4930", "");
        QVERIFY(dialog.btnOk->isEnabled());
        if (way == "cancel")
            QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
        else if (way == "escape")
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(describe(dialog.takeResult().get()), QStringLiteral("null"));
    }
};

QTEST_MAIN(AddContactDlgTest)
#include "tst_addcontactdlg.moc"
