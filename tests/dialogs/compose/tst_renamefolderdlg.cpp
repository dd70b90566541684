#include "QelvoxTestCase.h"
#include "RenameFolderDlg.h"

#include <QTest>

// The folder name dialog: when OK is offered, and what each way of closing it returns.
class RenameFolderDlgTest : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void form()
    {
        RenameFolderDlg dialog(nullptr, QStringLiteral("Work"));
        QCOMPARE(dialog.objectName(), QStringLiteral("RenameFolderDlg"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Create/Rename folder"));
        QCOMPARE(dialog.windowModality(), Qt::WindowModal);
        QVERIFY(!dialog.windowIcon().isNull());
        QCOMPARE(dialog.nameLabel->text(), QStringLiteral("Name:"));
        QCOMPARE(dialog.btnOk->text(), QStringLiteral("Ok"));
        QCOMPARE(dialog.btnCancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(dialog.name->maxLength(), 32767);
        QCOMPARE(dialog.name->nextInFocusChain(), dialog.btnOk);
        QCOMPARE(dialog.btnOk->nextInFocusChain(), dialog.btnCancel);
        // The current name is shown without offering OK.
        QCOMPARE(dialog.name->text(), QStringLiteral("Work"));
        QVERIFY(!dialog.btnOk->isEnabled());
        QCOMPARE(dialog.newName, QString());
    }

    void nameTable_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("okEnabled");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("newName");
        QTest::newRow("new, blank") << "" << "" << false << "cancel" << "";
        QTest::newRow("new, blanks only") << "" << "   " << false << "cancel" << "";
        QTest::newRow("new, trimmed on OK") << "" << "  Tax 2026 " << true << "ok" << "Tax 2026";
        QTest::newRow("new, Return confirms") << "" << "Tax" << true << "return" << "Tax";
        QTest::newRow("rename, unchanged") << "Work" << "Work" << false << "cancel" << "";
        QTest::newRow("rename, unchanged but for blanks") << "Work" << " Work  " << false << "return" << "";
        QTest::newRow("rename, case change") << "Work" << "work" << true << "ok" << "work";
        QTest::newRow("rename, emptied") << "Work" << "" << false << "cancel" << "";
        QTest::newRow("Cancel after typing") << "" << "Tax" << true << "cancel" << "";
        QTest::newRow("close box after typing") << "Work" << "Jobs" << true << "close" << "";
        QTest::newRow("Escape after typing") << "Work" << "Jobs" << true << "escape" << "";
    }
    void nameTable()
    {
        QFETCH(QString, current);
        QFETCH(QString, typed);
        QFETCH(QString, way);
        RenameFolderDlg dialog(nullptr, current);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.name->selectAll();
        QTest::keyClick(dialog.name, Qt::Key_Backspace);
        QTest::keyClicks(dialog.name, typed);
        QTEST(dialog.btnOk->isEnabled(), "okEnabled");
        if (way == QLatin1String("ok"))
            QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        else if (way == QLatin1String("return"))
            QTest::keyClick(dialog.name, Qt::Key_Return);
        else if (way == QLatin1String("cancel"))
            QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
        else if (way == QLatin1String("close"))
            dialog.close();
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
        QTEST(dialog.newName, "newName");
        // Return on a disabled OK leaves the dialog open; every other way closes it.
        QCOMPARE(dialog.isVisible(), way == QLatin1String("return") && !dialog.btnOk->isEnabled());
    }
};

QTEST_MAIN(RenameFolderDlgTest)
#include "tst_renamefolderdlg.moc"
