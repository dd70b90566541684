#include "AttachmentWidget.h"
#include "ContactsTreeFixture.h"
#include "FAXWidget.h"
#include "RecipientForm.h"
#include "RecipientsWidget.h"
#include "SMSWidget.h"
#include "SendDialogTestKit.h"
#include "SendDlg.h"
#include "SettingsStore.h"

#include <QSettings>
#include <QTextDocumentFragment>

namespace {

// The two settings a fax dialog leaves behind, as the settings file holds them.
QString storedFaxChoices()
{
    QSettings file(SettingsStore::settingsFilePath(), QSettings::IniFormat);
    return file.value("CLIENT/DITHERING").toString() + ' ' + file.value("CLIENT/ReportType").toString();
}

} // namespace

// The send dialog: when "Send" may be pressed, the requests it builds after "Send", and what it leaves
// behind when closed either way.
class SendDlgTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SendDialogTestKit> m_kit;

    static RecipientsWidget *picker(SendDlg &dialog) { return dialog.findChild<RecipientsWidget *>(); }
    static AttachmentWidget *documents(SendDlg &dialog) { return dialog.findChild<AttachmentWidget *>(); }
    static FAXWidget *faxOptions(SendDlg &dialog) { return dialog.findChild<FAXWidget *>(); }
    static SMSWidget *smsText(SendDlg &dialog) { return dialog.findChild<SMSWidget *>(); }

    static void type(SendDlg &dialog, const QString &number)
    {
        picker(dialog)->directNumber->setText(number);
        picker(dialog)->btnAdd->click();
    }

    static void send(SendDlg &dialog)
    {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.btnSend->isEnabled());
        QTest::mouseClick(dialog.btnSend, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }

private slots:
    void init() { m_kit = std::make_unique<SendDialogTestKit>(); }
    void cleanup()
    {
        QCOMPARE(m_kit->takeBoxTexts(), QStringList());
        m_kit.reset();
    }

    void startsWithSendDisabled_data()
    {
        QTest::addColumn<bool>("fax");
        QTest::newRow("fax") << true;
        QTest::newRow("sms") << false;
    }
    void startsWithSendDisabled()
    {
        QFETCH(bool, fax);
        ContactsTreeFixture contacts;
        contacts.tree.findItems("Eve", Qt::MatchExactly, 1).first()->setSelected(true);
        SendDlg dialog(nullptr, &contacts.tree, true, fax);
        QVERIFY(picker(dialog)->hasRecipients());
        QVERIFY(!dialog.btnSend->isEnabled());
        QCOMPARE(dialog.windowTitle(), fax ? QStringLiteral("Send Fax") : QStringLiteral("Send Sms"));
        QCOMPARE(faxOptions(dialog) != nullptr, fax);
        QCOMPARE(smsText(dialog) != nullptr, !fax);
        QVERIFY(dialog.isModal());
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint));
    }

    void sendFollowsRecipientsAndContent_data()
    {
        QTest::addColumn<bool>("fax");
        QTest::addColumn<bool>("recipient");
        QTest::addColumn<bool>("document");
        QTest::addColumn<bool>("cover");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("fax, recipient only") << true << true << false << false << QString() << false;
        QTest::newRow("fax, recipient and document") << true << true << true << false << QString() << true;
        QTest::newRow("fax, recipient and empty cover") << true << true << false << true << QString() << true;
        QTest::newRow("fax, no recipient") << true << false << true << true << QString() << false;
        QTest::newRow("sms, recipient and text") << false << true << false << false << " Hi " << true;
        QTest::newRow("sms, blanks and line breaks") << false << true << false << false << " \n \n" << false;
        QTest::newRow("sms, no recipient") << false << false << false << false << "Hi" << false;
    }
    void sendFollowsRecipientsAndContent()
    {
        QFETCH(bool, fax);
        QFETCH(bool, recipient);
        QFETCH(bool, document);
        QFETCH(bool, cover);
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        SendDlg dialog(nullptr, nullptr, false, fax);
        if (recipient)
            type(dialog, "+331");
        if (document)
            documents(dialog)->addFiles({m_kit->writeFile("a.pdf", "%PDF")});
        if (cover)
            faxOptions(dialog)->coverPageOption->setChecked(true);
        if (!fax)
            smsText(dialog)->sms->setPlainText(text);
        QCOMPARE(dialog.btnSend->isEnabled(), enabled);
        if (!enabled)
            return;

        // Taking away the last of what enabled it disables it again.
        if (!fax)
            smsText(dialog)->sms->setPlainText(" ");
        else if (document)
            documents(dialog)->attachment0->click();
        else
            faxOptions(dialog)->coverPageOption->setChecked(false);
        QVERIFY(!dialog.btnSend->isEnabled());
        if (!fax)
            smsText(dialog)->sms->setPlainText(text);
        else
            faxOptions(dialog)->coverPageOption->setChecked(true);
        QVERIFY(dialog.btnSend->isEnabled());
        QTreeWidget *recipients = picker(dialog)->findChild<RecipientForm *>()->recipients;
        recipients->selectAll();
        picker(dialog)->btnDel->click();
        QVERIFY(!dialog.btnSend->isEnabled());
    }

    void buildsTheFaxAfterSend_data()
    {
        QTest::addColumn<int>("documents");
        QTest::addColumn<QString>("coverText"); // null: no cover page; "-": typed, then the box unchecked
        QTest::addColumn<bool>("grey");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("stored"); // DITHERING and ReportType afterwards
        QTest::newRow("documents, report with file") << 2 << QString() << false << "YES" << "0 YES";
        QTest::newRow("empty cover only, grey, no report") << 0 << "" << true << "NOT_AT_ALL" << "1 NOT_AT_ALL";
        QTest::newRow("cover text") << 1 << "Dear Ann" << false << "NO" << "0 NO";
        QTest::newRow("cover text left behind") << 1 << "-" << false << "NO" << "0 NO";
    }
    void buildsTheFaxAfterSend()
    {
        QFETCH(int, documents);
        QFETCH(QString, coverText);
        QFETCH(bool, grey);
        QFETCH(QString, report);
        QFETCH(QString, stored);
        const QByteArray bytes[] = {"%PDF-1.4 first", "II*\0second"};
        {
            SendDlg dialog(nullptr, nullptr, false, true);
            type(dialog, "+331");
            type(dialog, "+332");
            for (int i = 0; i < documents; ++i)
                this->documents(dialog)->addFiles({m_kit->writeFile(QStringLiteral("d%1.pdf").arg(i), bytes[i])});
            FAXWidget *options = faxOptions(dialog);
            if (!coverText.isNull()) {
                options->coverPageOption->setChecked(true);
                options->coverPage->setPlainText(coverText == "-" ? "Dear Bob" : coverText);
                options->coverPageOption->setChecked(coverText != "-");
            }
            options->radioButton_2->setChecked(grey);
            options->reportCheck->setChecked(report != "NOT_AT_ALL");
            options->reportAttachCheck->setChecked(report == "YES");
            send(dialog);

            QVERIFY(!dialog.smsRequest());
            const std::unique_ptr<SendFaxRequest> fax = dialog.faxRequest();
            QVERIFY(fax);
            QCOMPARE(fax->taskid, 0);
            QCOMPARE(fax->remoteid, 0);
            QCOMPARE(fax->sentstatus, 0);
            QCOMPARE(fax->numbers, (QStringList{"+331", "+332"}));
            QCOMPARE(fax->attachments.size(), documents);
            for (int i = 0; i < documents; ++i) {
                QCOMPARE(fax->attachments[i]->filename, QStringLiteral("d%1.pdf").arg(i));
                QCOMPARE(QByteArray::fromBase64(fax->attachments[i]->data), bytes[i]);
            }
            const bool withCover = !coverText.isNull() && coverText != "-";
            QCOMPARE(fax->coverpage, withCover ? 1 : 0);
            QCOMPARE(fax->content, withCover ? coverText : QString());
            QCOMPARE(fax->header, QString());
            QCOMPARE(fax->dithering, grey ? 0 : 1);
            QCOMPARE(fax->report, report);
        }
        QCOMPARE(storedFaxChoices(), stored);
    }

    void buildsTheSmsAfterSend()
    {
        SendDlg dialog(nullptr, nullptr, false, false);
        type(dialog, "+3366");
        smsText(dialog)->unicode->setChecked(true);
        smsText(dialog)->sms->setPlainText(" Hi\n");
        send(dialog);
        QVERIFY(!dialog.faxRequest());
        const std::unique_ptr<SendSmsRequest> sms = dialog.smsRequest();
        QVERIFY(sms);
        QCOMPARE(sms->taskid, 0);
        QCOMPARE(sms->numbers, QStringList{"+3366"});
        QCOMPARE(sms->content, QStringLiteral(" Hi\n"));
        QCOMPARE(sms->unicode, 1);
    }

    void closingWithoutSendGivesNothing_data()
    {
        QTest::addColumn<bool>("fax");
        QTest::addColumn<QString>("stored");
        QTest::newRow("fax") << true << "1 NOT_AT_ALL";
        QTest::newRow("sms") << false << "0 YES"; // as set before
    }
    void closingWithoutSendGivesNothing()
    {
        QFETCH(bool, fax);
        QFETCH(QString, stored);
        SettingsStore::instance().setDithering(0);
        SettingsStore::instance().setReportType("YES");
        {
            SendDlg dialog(nullptr, nullptr, false, fax);
            type(dialog, "+331");
            if (fax) {
                documents(dialog)->addFiles({m_kit->writeFile("a.pdf", "%PDF")});
                faxOptions(dialog)->radioButton_2->setChecked(true);
                faxOptions(dialog)->reportCheck->setChecked(false);
            } else {
                smsText(dialog)->sms->setPlainText("Hi");
            }
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTest::mouseClick(dialog.btnClose, Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
            QVERIFY(!dialog.faxRequest());
            QVERIFY(!dialog.smsRequest());
        }
        QCOMPARE(storedFaxChoices(), stored);
    }

    void escapeClosesWithoutSending()
    {
        SendDlg dialog(nullptr, nullptr, false, false);
        type(dialog, "+331");
        smsText(dialog)->sms->setPlainText("Hi");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.smsRequest());
    }

    // Long names must not push "Send" off a small screen, and a "&" in a name must not become a shortcut
    // that removes the document.
    void documentNamesKeepTheDialogOnScreen()
    {
        SendDlg dialog(nullptr, nullptr, false, true);
        const QString longName = QString(196, u'n') + QStringLiteral(".pdf");
        const QStringList paths{m_kit->writeFile("a/" + longName, "a"), m_kit->writeFile("b/" + longName, "b"),
                                m_kit->writeFile("R&D <b>report.pdf", "c")};
        AttachmentWidget *row = documents(dialog);
        row->addFiles(paths);
        QCOMPARE(row->attachment2->text(), QStringLiteral("R&&D <b>report.pdf"));
        QVERIFY(row->attachment0->text().size() < longName.size());
        QVERIFY2(dialog.sizeHint().width() <= 1024, qPrintable(QString::number(dialog.sizeHint().width())));
        for (int i = 0; i < 3; ++i) {
            const QToolButton *button = QList<QToolButton *>{row->attachment0, row->attachment1, row->attachment2}[i];
            QCOMPARE(QTextDocumentFragment::fromHtml(button->toolTip()).toPlainText(), paths[i]);
        }

        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_D, Qt::AltModifier);
        QVERIFY(row->attachment2->isVisible());
        QCOMPARE(row->totalSize(), 3);
    }
};

QTEST_MAIN(SendDlgTest)
#include "tst_senddlg.moc"
