#include "DesktopFixture.h"
#include "MovetoFolderDlg.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

// The folder chooser: which folders it offers, when OK is possible, and what each way of closing leaves.
class MovetoFolderDlgTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DesktopFixture> m_fixture;

    static QStringList offered(const MovetoFolderDlg &dialog)
    {
        QStringList rows;
        for (int row = 0; row < dialog.folders->topLevelItemCount(); ++row) {
            const QTreeWidgetItem *item = dialog.folders->topLevelItem(row);
            rows += item->text(0) + QLatin1Char('=') + QString::number(item->data(0, Qt::UserRole).toInt());
        }
        return rows;
    }

private slots:
    void init() { m_fixture = std::make_unique<DesktopFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void form()
    {
        MovetoFolderDlg dialog(nullptr, {"Inbox", 1}, {"Outbox", 2}, {});
        QCOMPARE(dialog.objectName(), QStringLiteral("MovetoFolderDlg"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select folder"));
        QCOMPARE(dialog.windowModality(), Qt::WindowModal);
        QVERIFY(!dialog.windowIcon().isNull());
        QCOMPARE(dialog.folders->headerItem()->text(0), QStringLiteral("Folders"));
        QCOMPARE(dialog.folders->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(dialog.btnOk->text(), QStringLiteral("Ok"));
        QCOMPARE(dialog.btnCancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(dialog.selectedFolderId, 0);
        QVERIFY(!dialog.btnOk->isEnabled());
    }

    void offersFoldersWithAnId_data()
    {
        QTest::addColumn<int>("inboxId");
        QTest::addColumn<int>("outboxId");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("ids known") << 1 << 2 << QStringList{"Inbox=1", "Outbox=2", "Work=30", "Offline=-1005"};
        QTest::newRow("before the ids are known") << 0 << 0 << QStringList{"Work=30", "Offline=-1005"};
    }
    void offersFoldersWithAnId()
    {
        QFETCH(int, inboxId);
        QFETCH(int, outboxId);
        MovetoFolderDlg dialog(nullptr, {"Inbox", inboxId}, {"Outbox", outboxId},
                               {{"Work", 30}, {"Not yet known", 0}, {"Offline", -1005}});
        QTEST(offered(dialog), "rows");
    }

    void okReturnsTheChosenFolder()
    {
        MovetoFolderDlg dialog(nullptr, {"Inbox", 1}, {"Outbox", 2}, {{"Work", 30}});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.folders->topLevelItem(2)->setSelected(true);
        QVERIFY(dialog.btnOk->isEnabled());
        QCOMPARE(dialog.selectedFolderId, 30);
        dialog.folders->clearSelection();
        QVERIFY(!dialog.btnOk->isEnabled());
        QCOMPARE(dialog.selectedFolderId, 0);
        dialog.folders->topLevelItem(1)->setSelected(true);
        QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedFolderId, 2);
    }

    void everyOtherWayOutChoosesNothing_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Cancel") << "cancel";
        QTest::newRow("close box") << "close";
        QTest::newRow("Escape") << "escape";
    }
    void everyOtherWayOutChoosesNothing()
    {
        QFETCH(QString, way);
        MovetoFolderDlg dialog(nullptr, {"Inbox", 1}, {"Outbox", 2}, {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.folders->topLevelItem(0)->setSelected(true);
        QCOMPARE(dialog.selectedFolderId, 1);
        if (way == QLatin1String("cancel"))
            QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
        else if (way == QLatin1String("close"))
            dialog.close();
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.selectedFolderId, 0);
    }
};

QTEST_MAIN(MovetoFolderDlgTest)
#include "tst_movetofolderdlg.moc"
