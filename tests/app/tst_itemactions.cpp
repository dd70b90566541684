#include "AttachmentWidget.h"
#include "BaseForView.h"
#include "BaseRecipients.h"
#include "DetailDlg.h"
#include "EMAILSentInfoRegister.h"
#include "EntitiesView.h"
#include "FAXWidget.h"
#include "FileHelpers.h"
#include "FolderFault.h"
#include "ItemActionsKit.h"
#include "ListRows.h"
#include "MainWindowTestCase.h"
#include "ModalDriver.h"
#include "MovetoFolderDlg.h"
#include "ObjectType.h"
#include "RecipientsWidget.h"
#include "SMSWidget.h"
#include "SendDlg.h"
#include "SettingsStore.h"
#include "StandinWaits.h"
#include "StarBadge.h"
#include "TrayPresence.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

// The main window's item commands against the stand-in: what each shows at once, what it persists, and
// what the service and the cache hold after the pump.
class ItemActionsTest : public MainWindowTestCase
{
    Q_OBJECT

private:
    // The move command, with Invoices chosen in the folder chooser and OK or Cancel pressed; false when the
    // chooser did not show.
    bool moveToInvoices(bool ok)
    {
        ModalDriver driver;
        driver.whenShown(
            [ok](QWidget *shown) {
                auto *dialog = qobject_cast<MovetoFolderDlg *>(shown);
                dialog->folders->findItems("Invoices", Qt::MatchExactly).first()->setSelected(true);
                (ok ? dialog->btnOk : dialog->btnCancel)->click();
            },
            10000, "MovetoFolderDlg");
        session().invoke("eventMovetoFolder");
        return driver.shown();
    }
    DesktopFixture &desktop() { return m_session.desktop(); }

    // The send command with its dialog filled in and sent: two numbers, and the document with a cover page
    // (fax) or a text (SMS).
    void sendThroughDialog(bool fax, const QString &document = QString())
    {
        ModalDriver driver;
        driver.whenShown(
            [&](QWidget *shown) {
                auto *dialog = qobject_cast<SendDlg *>(shown);
                auto *picker = dialog->findChild<RecipientsWidget *>();
                for (const char *number : {"+3311", "+3312"}) {
                    picker->directNumber->setText(number);
                    picker->btnAdd->click();
                }
                if (fax) {
                    dialog->findChild<AttachmentWidget *>()->addFiles({document});
                    auto *options = dialog->findChild<FAXWidget *>();
                    options->coverPageOption->setChecked(true);
                    options->coverPage->setPlainText("Dear Bob");
                } else {
                    dialog->findChild<SMSWidget *>()->sms->setPlainText("Hello Bob");
                }
                dialog->btnSend->click();
            },
            10000, "SendDlg");
        session().invoke(fax ? "eventSendFax" : "eventSendSms");
        QVERIFY(driver.shown());
    }

    // The ids of the Outbox's pending rows of the type, but for the set-up's, in ascending order.
    QList<int> pendingIds(int type)
    {
        QList<int> ids;
        for (QTreeWidgetItem *row : rowsOfType(
                 *session().entities()->viewByFolderId(session().entities()->outboxFolderId()), type)) {
            const int id = recordOf(row)->id;
            if (id < MainWindowSession::pendingTaskId || id > MainWindowSession::pendingTaskId + 2)
                ids += id;
        }
        std::sort(ids.begin(), ids.end());
        return ids;
    }

protected:
    void setUp() override
    {
        MainWindowTestCase::setUp();
        QVERIFY(m_session.logInSeeded(accountSeed()));
        session().addLocalRows();
    }

private slots:

    void sendQueuesAPendingRowUntilTheServiceTakesIt_data()
    {
        QTest::addColumn<bool>("fax");
        QTest::newRow("fax with a document and a cover page") << true;
        QTest::newRow("SMS") << false;
    }
    void sendQueuesAPendingRowUntilTheServiceTakesIt()
    {
        QFETCH(bool, fax);
        QTemporaryDir files;
        const QString pdf = files.filePath("order.pdf");
        const QByteArray pdfBytes("%PDF-1.4\n% a small order\n%%EOF\n");
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pdfBytes) == pdfBytes.size());
        file.close();

        sendThroughDialog(fax, pdf);

        // At once: the pending row, its persisted rows and files.
        FolderView &outbox = *session().entities()->viewByFolderId(session().entities()->outboxFolderId());
        const int pendingType = fax ? ObjectType::PendingFax : ObjectType::PendingSms;
        const QList<QTreeWidgetItem *> pending = rowsOfType(outbox, pendingType);
        QCOMPARE(pending.size(), 2); // the one the set-up added and the new one
        QTreeWidgetItem *sent = recordOf(pending[0])->id == MainWindowSession::pendingTaskId + (fax ? 0 : 1)
                                    ? pending[1]
                                    : pending[0];
        const int taskId = recordOf(sent)->id;
        QVERIFY(taskId >= 1000);
        QCOMPARE(sent->text(4), QStringLiteral("registering"));
        QCOMPARE(sent->text(2), QStringLiteral("In queue"));
        QCOMPARE(session().persistedTaskKinds(),
                 (QMap<int, QString>{{taskId, fax ? "SEND_FAX" : "SEND_SMS"}}));
        QCOMPARE(session().cache().getTaskParam(taskId, "T_NUMBER_2"), QStringLiteral("+3312"));
        const QDir taskDirectory(taskDirectoryPath(taskId));
        QCOMPARE(taskDirectory.entryList(QDir::Files),
                 fax ? QStringList({"attachment_1", "content"}) : QStringList{"content"});

        // After the pump: the service holds the numbers and the bytes, the row is the service's item.
        const QString operation = fax ? "sendFaxRegister" : "sendSmsAsynchronous";
        QTRY_VERIFY_WITH_TIMEOUT(session().operations().contains(operation), standinTimeoutMs);
        const QJsonObject request = desktop().standin().lastRequest(operation);
        const QJsonObject info = request.value("params").toObject().value("info").toObject();
        QCOMPARE(info.value("numbers").toArray(), (QJsonArray{"+3311", "+3312"}));
        if (fax) {
            const QJsonArray attachments = request.value("attachments").toArray();
            QCOMPARE(attachments.size(), 1);
            QCOMPARE(QByteArray::fromBase64(attachments[0].toObject().value("base64").toString().toLatin1()),
                     pdfBytes);
            QCOMPARE(info.value("content").toString(), QStringLiteral("Dear Bob"));
        } else {
            QCOMPARE(info.value("content").toString(), QStringLiteral("Hello Bob"));
        }
        QTRY_VERIFY_WITH_TIMEOUT(session().persistedTaskKinds().isEmpty(), standinTimeoutMs);
        QVERIFY(!taskDirectory.exists());
        QVERIFY(!outbox.findPendingItem(taskId));
        const QList<QTreeWidgetItem *> confirmed = rowsOfType(outbox, pendingType);
        QCOMPARE(confirmed.size(), 2);
        const int setUpId = MainWindowSession::pendingTaskId + (fax ? 0 : 1);
        const int serviceId = recordOf(recordOf(confirmed[0])->id == setUpId ? confirmed[1] : confirmed[0])->id;
        QVERIFY(serviceId > 10000);

        // The service delivers; the change query brings the sent item in its final state in place of the row.
        QVERIFY(desktop().standin().control("advance", {{"id", serviceId}, {"status", 1}}).value("ok").toBool());
        QVERIFY(session().syncToService());
        const int sentType = fax ? ObjectType::FaxSent : ObjectType::SmsSent;
        const auto statusOfSent = [&] {
            const QTreeWidgetItem *item = outbox.findItem(serviceId, sentType);
            return item ? item->text(2) : QString();
        };
        QTRY_COMPARE_WITH_TIMEOUT(statusOfSent(), QStringLiteral("OK"), standinTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(rowsOfType(outbox, pendingType).size(), 1, standinTimeoutMs);
    }

    void sendsThatCannotBePersistedKeepIdsOfTheirOwn()
    {
        // The first send's task directory cannot be made: a file stands in its place.
        const int blocked = session().cache().nextTaskId();
        QFile blocker(taskDirectoryPath(blocked).chopped(1));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        // The service holds the first send back, so that its row keeps the task id meanwhile.
        desktop().service().injectOnce("sendSmsAsynchronous", {{"kind", "hold"}});
        sendThroughDialog(false);
        QCOMPARE(session().persistedTaskKinds(), (QMap<int, QString>()));
        // The user learns once what a crash or a log-out would lose.
        QCOMPARE(session().takeBoxTexts(),
                 QStringList{"This change could not be saved on this computer: New SMS\nIt stays queued and is "
                             "carried out while the program runs, but it is lost if the program ends before then."});
        QTRY_VERIFY_WITH_TIMEOUT(session().operations().contains("sendSmsAsynchronous"), standinTimeoutMs);
        sendThroughDialog(false);
        QCOMPARE(pendingIds(ObjectType::PendingSms), (QList<int>{blocked, blocked + 1}));
        QCOMPARE(session().persistedTaskKinds().keys(), QList<int>{blocked + 1});

        // Both still go out in this run, each confirming its own row.
        desktop().standin().control("release");
        QTRY_COMPARE_WITH_TIMEOUT(session().operations().count("sendSmsAsynchronous"), 2, standinTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(pendingIds(ObjectType::PendingSms).first() > 10000, standinTimeoutMs);
        QCOMPARE(pendingIds(ObjectType::PendingSms).size(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(session().persistedTaskKinds(), (QMap<int, QString>()), standinTimeoutMs);
    }

    // The folder stops taking writes after the log-in: the send waits and says so, a quit meanwhile asks
    // first, and the send goes out once as soon as the folder can be written again, in the same run.
    void sendWhileTheFolderCannotBeWrittenGoesOutOnce()
    {
        FolderFault fault(SettingsStore::instance().customerDirectory());
        if (!fault.makeReadOnly())
            QSKIP(qPrintable(fault.error()));
        sendThroughDialog(false);
        const QStringList told = session().takeBoxTexts();
        QCOMPARE(told.size(), 1);
        QVERIFY2(
            told.first().startsWith("This change could not be saved on this computer: New SMS\n") &&
                told.first().contains(" cannot be written.\nIt waits until the data can be written again"),
            qPrintable(told.first()));
        session().runPump();
        QVERIFY(session().settle());
        QVERIFY(!session().operations().contains("sendSmsAsynchronous"));

        session().prompts().boxAnswers = {1};
        session().invoke("eventQuit");
        const QStringList asked = session().takeBoxTexts();
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked.first().startsWith("1 change"), qPrintable(asked.first()));

        QVERIFY(fault.makeWritable());
        session().runPump();
        QTRY_COMPARE_WITH_TIMEOUT(session().operations().count("sendSmsAsynchronous"), 1, standinTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(session().persistedTaskKinds(), (QMap<int, QString>()), standinTimeoutMs);
        QVERIFY(session().settle());
        QCOMPARE(session().operations().count("sendSmsAsynchronous"), 1);
    }

    void forwardQueuesOneTaskPerItem()
    {
        QVERIFY(session().select(MainWindowSession::Inbox, {"receivedFax0", "receivedFax1", "voice0"}));
        QAction *trayFax = session().window()->findChild<QAction *>("actionTrayFax");
        QVERIFY(trayFax->isEnabled());
        bool trayFaxDuringDialog = true;
        ModalDriver driver;
        driver.whenShown(
            [&](QWidget *dialog) {
                trayFaxDuringDialog = trayFax->isEnabled();
                // A voice message goes to an e-mail address only.
                QVERIFY(!dialog->findChild<QRadioButton *>("toFax")->isEnabled());
                QVERIFY(dialog->findChild<QRadioButton *>("toEmail")->isChecked());
                dialog->findChild<QLineEdit *>("destination")->setText(" ann@example.test ");
                dialog->findChild<QPushButton *>("btnSend")->click();
            },
            10000, "ForwardDlg");
        session().invoke("eventForward");
        QVERIFY(driver.shown());
        QVERIFY(!trayFaxDuringDialog);
        QVERIFY(trayFax->isEnabled());

        FolderView &outbox = *session().entities()->viewByFolderId(session().entities()->outboxFolderId());
        QList<int> taskIds;
        QList<QPair<int, int>> forwarded;
        for (QTreeWidgetItem *item : rowsOfType(outbox, ObjectType::PendingEmail)) {
            const auto *email = recordOf<EMAILSentInfoRegister>(item);
            if (email->id == MainWindowSession::pendingTaskId + 2)
                continue;
            taskIds += email->id;
            QCOMPARE(email->recipient, QStringLiteral("ann@example.test"));
        }
        std::sort(taskIds.begin(), taskIds.end());
        QCOMPARE(taskIds.size(), 3);
        QCOMPARE(taskIds.last() - taskIds.first(), 2);
        QCOMPARE(session().persistedTaskKinds().keys(), taskIds);

        QTRY_COMPARE_WITH_TIMEOUT(session().operations().count("forwardAsynchronous"), 3, standinTimeoutMs);
        QSet<QString> sent;
        for (const QJsonValue &entry : desktop().standin().requestLog()) {
            const QJsonObject info = entry.toObject().value("params").toObject().value("info").toObject();
            if (entry.toObject().value("operation") == "forwardAsynchronous") {
                QCOMPARE(info.value("forward").toInt(), 5);
                QCOMPARE(info.value("to").toString(), QStringLiteral("ann@example.test"));
                sent += QStringLiteral("%1:%2").arg(info.value("type").toInt()).arg(info.value("id").toInt());
            }
        }
        QSet<QString> expected;
        for (const char *key : {"receivedFax0", "receivedFax1", "voice0"})
            expected += QStringLiteral("%1:%2").arg(session().object(key).first).arg(session().object(key).second);
        QCOMPARE(sent, expected);
        QTRY_VERIFY_WITH_TIMEOUT(session().persistedTaskKinds().isEmpty(), standinTimeoutMs);
    }

    void deleteRefusesAsksAndQueues_data()
    {
        QTest::addColumn<int>("entity");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<int>("answer"); // 0 Yes, 1 No
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QStringList>("sent"); // what deleteObjects names; empty: no task at all
        const int inbox = MainWindowSession::Inbox, outbox = MainWindowSession::Outbox,
                  contacts = MainWindowSession::Contacts;
        const QString refused = "Impossible to delete selected item(s).";
        QTest::newRow("a sent fax the service is still sending")
            << outbox << QStringList{"sentFax0", "sentFax1"} << -1 << refused << QStringList() << QStringList();
        QTest::newRow("a pending row") << outbox << QStringList{"sms0", "pendingSms"} << -1 << refused
                                       << QStringList() << QStringList();
        QTest::newRow("declined") << inbox << QStringList{"receivedFax0"} << 1
                                  << "Do you want to delete 1 item?" << QStringList() << QStringList();
        QTest::newRow("confirmed") << outbox << QStringList{"sentFax0", "sms0"} << 0
                                   << "Do you want to delete 2 items?" << QStringList{"sentFax0", "sms0"}
                                   << QStringList{"sentFax0", "sms0"};
        QTest::newRow("an Outlook contact leaves the list only")
            << contacts << QStringList{"outlook", "contact0"} << 0 << "Do you want to delete 2 items?"
            << QStringList{"outlook", "contact0"} << QStringList{"contact0"};
        QTest::newRow("Outlook contacts alone reach nobody")
            << contacts << QStringList{"outlook"} << 0 << "Do you want to delete 1 item?"
            << QStringList{"outlook"} << QStringList();
    }
    void deleteRefusesAsksAndQueues()
    {
        QFETCH(int, entity);
        QFETCH(QStringList, selected);
        QFETCH(int, answer);
        QFETCH(QStringList, removed);
        QFETCH(QStringList, sent);
        QVERIFY(session().select(entity, selected));
        if (answer >= 0)
            desktop().prompts.boxAnswers = {answer};
        session().invoke("eventDelete");

        QTEST(session().takeBoxTexts().join(u'|'), "box");
        for (const QString &key : selected)
            QCOMPARE(session().row(key) == nullptr, removed.contains(key));
        QCOMPARE(session().entities()->currentView()->selectedItems().size(), 0);
        if (sent.isEmpty()) {
            QCOMPARE(session().persistedTaskKinds(), (QMap<int, QString>()));
            QVERIFY(session().syncToService());
            QVERIFY(!session().operations().contains("deleteObjects"));
            return;
        }
        QCOMPARE(session().persistedTaskKinds().values(), QStringList{"DELETE_OBJECT"});
        QTRY_VERIFY_WITH_TIMEOUT(session().operations().contains("deleteObjects"), standinTimeoutMs);
        QStringList expected;
        QMap<int, QStringList> byType;
        for (const QString &key : sent)
            byType[session().object(key).first] += QString::number(session().object(key).second);
        for (auto type = byType.cbegin(); type != byType.cend(); ++type)
            expected += QString::number(type.key()) + u':' + type.value().join(u',');
        QCOMPARE(objectsText(session().lastParams("deleteObjects").value("info").toArray()), expected.join(u';'));

        // The cache agrees once the change query that follows has run.
        QTRY_VERIFY_WITH_TIMEOUT(session().persistedTaskKinds().isEmpty(), standinTimeoutMs);
        QVERIFY(session().syncToService());
        for (const QString &key : sent)
            QVERIFY2(!session().cache().exists(session().object(key).first, session().object(key).second), qPrintable(key));
    }

    // A result applied while the question is open may remove a selected row: the request names the rows
    // that are left once the user has answered.
    void deletionTakesTheRowsLeftOnceAnswered()
    {
        QVERIFY(session().select(MainWindowSession::Outbox, {"sentFax0", "sms0"}));
        const QPair<int, int> gone = session().object("sms0");
        desktop().prompts.whileAsked = [&] { session().entities()->removeItem(gone.second, gone.first); };
        desktop().prompts.boxAnswers = {0};
        session().invoke("eventDelete");
        QCOMPARE(session().takeBoxTexts(), QStringList{"Do you want to delete 2 items?"});
        QTRY_VERIFY_WITH_TIMEOUT(session().operations().contains("deleteObjects"), standinTimeoutMs);
        QCOMPARE(objectsText(session().lastParams("deleteObjects").value("info").toArray()),
                 QStringLiteral("1:%1").arg(session().object("sentFax0").second));
        QTRY_VERIFY_WITH_TIMEOUT(session().persistedTaskKinds().isEmpty(), standinTimeoutMs);
    }

    // A selected sent fax that the service takes on while the question is open may no longer be deleted:
    // the answer does not cover it, and nothing is deleted.
    void aRowThatBecameUndeletableWhileAskedIsRefused()
    {
        QVERIFY(session().select(MainWindowSession::Outbox, {"sentFax0", "sms0"}));
        desktop().prompts.whileAsked = [&] {
            const auto *shown = recordOf<BaseRecipients>(session().row("sentFax0"));
            std::unique_ptr<BaseRecipients> taken(shown->clone());
            taken->sentstatus = 2;
            session().entities()->addOrUpdateItem(*taken);
        };
        desktop().prompts.boxAnswers = {0};
        session().invoke("eventDelete");
        QCOMPARE(session().takeBoxTexts(), (QStringList{"Do you want to delete 2 items?",
                                                        "Impossible to delete selected item(s)."}));
        QVERIFY(session().row("sentFax0") && session().row("sms0"));
        QCOMPARE(session().entities()->currentView()->selectedItems().size(), 0);
        QCOMPARE(session().persistedTaskKinds(), (QMap<int, QString>()));
    }

    void marksShowAtOnceAndReachTheService_data()
    {
        QTest::addColumn<int>("entity");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("sent");
        QTest::newRow("an unread received fax read")
            << int(MainWindowSession::Inbox) << QStringList{"receivedFax0"} << true << "2:%receivedFax0";
        QTest::newRow("a read received fax unread")
            << int(MainWindowSession::Inbox) << QStringList{"receivedFax1"} << false << "2:%receivedFax1";
        QTest::newRow("pending rows stay out")
            << int(MainWindowSession::Outbox) << QStringList{"pendingFax", "sentFax0", "pendingSms"} << false
            << "1:%sentFax0";
    }
    void marksShowAtOnceAndReachTheService()
    {
        QFETCH(int, entity);
        QFETCH(QStringList, selected);
        QFETCH(bool, read);
        QFETCH(QString, sent);
        const QString marked = selected.at(selected.size() > 1 ? 1 : 0);
        sent.replace("%" + marked, QString::number(session().object(marked).second));
        QVERIFY(session().select(entity, selected));
        session().invoke(read ? "eventItemMarkAsRead" : "eventItemMarkAsUnread");

        QCOMPARE(isBold(session().row(marked)), !read);
        QCOMPARE(session().persistedTaskKinds().values(), QStringList{read ? "MARK_READ" : "MARK_UNREAD"});
        QTRY_VERIFY_WITH_TIMEOUT(session().operations().contains("changeStatus"), standinTimeoutMs);
        const QJsonObject params = session().lastParams("changeStatus");
        QCOMPARE(objectsText(params.value("info").toArray()), sent);
        QCOMPARE(params.value("status").toInt(), read ? 1 : 0);

        QTRY_VERIFY_WITH_TIMEOUT(session().persistedTaskKinds().isEmpty(), standinTimeoutMs);
        const auto [type, id] = session().object(marked);
        const auto cachedStatus = [&, type = type, id = id] {
            const qtObjectsInfo cached = session().cachedObjects();
            for (const qtFAXReceivedInfo &fax : cached.faxesreceived) {
                if (type == fax.type && fax.id == id)
                    return fax.status;
            }
            for (const qtFAXSentInfo &fax : cached.faxessent) {
                if (type == fax.type && fax.id == id)
                    return fax.status;
            }
            return -1;
        };
        QTRY_COMPARE_WITH_TIMEOUT(cachedStatus(), read ? 1 : 0, standinTimeoutMs);
    }

    void moveShowsAtOnceAndReachesTheService()
    {
        QVERIFY(session().select(MainWindowSession::Inbox, {"receivedFax0", "voice0"}));
        // Invoices chosen, then cancelled: nothing moves.
        QVERIFY(moveToInvoices(false));
        QCOMPARE(session().persistedTaskKinds(), (QMap<int, QString>()));
        QCOMPARE(session().row("voice0")->treeWidget(), session().inbox());
        QVERIFY(moveToInvoices(true));

        const int invoices = session().seededId("folders");
        FolderView *folder = session().entities()->viewByFolderId(invoices);
        QVERIFY(folder);
        for (const char *key : {"receivedFax0", "voice0"}) {
            QCOMPARE(session().row(key)->treeWidget(), folder);
            QCOMPARE(recordOf<BaseForView>(session().row(key))->folderid, invoices);
        }
        QTRY_VERIFY_WITH_TIMEOUT(session().operations().contains("moveToFolder"), standinTimeoutMs);
        const QJsonObject params = session().lastParams("moveToFolder");
        QCOMPARE(params.value("folderid").toInt(), invoices);
        QCOMPARE(objectsText(params.value("allobjects").toArray()),
                 QStringLiteral("2:%1;3:%2").arg(session().object("receivedFax0").second).arg(session().object("voice0").second));
        QTRY_VERIFY_WITH_TIMEOUT(session().persistedTaskKinds().isEmpty(), standinTimeoutMs);
        QVERIFY(session().syncToService());
        const qtObjectsInfo cached = session().cachedObjects();
        QCOMPARE(cached.voicesreceived.size(), 1);
        QCOMPARE(cached.voicesreceived.first().folderid, invoices);
    }

    void detailsShowTheRecipients_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("fetches");
        QTest::newRow("sent fax with one recipient") << "sentFax0" << QStringList{"+3311|OK"} << 0;
        QTest::newRow("sent fax the service is still sending") << "sentFax1" << QStringList() << 0;
        QTest::newRow("pending fax") << "pendingFax" << QStringList{"+3312|In queue", "+3311|In queue"} << 0;
        QTest::newRow("pending e-mail forward") << "pendingEmail" << QStringList{"ann@example.test|In queue"} << 0;
        QTest::newRow("sent SMS with three recipients")
            << "sms0" << QStringList{"+3368|OK", "+3367|OK", "+3366|OK"} << 1;
    }
    void detailsShowTheRecipients()
    {
        QFETCH(QString, item);
        QFETCH(QStringList, rows);
        QVERIFY(session().select(MainWindowSession::Outbox, {item}));
        QStringList shownRows;
        QString text;
        ModalDriver driver;
        driver.whenShown(
            [&](QWidget *shown) {
                auto *dialog = qobject_cast<DetailDlg *>(shown);
                shownRows = treeRows(dialog->details);
                text = dialog->sms->isVisibleTo(dialog) ? dialog->sms->toPlainText() : QString();
            },
            10000, "DetailDlg");
        session().invoke("eventItemDetails");
        QVERIFY(driver.shown());
        QCOMPARE(shownRows, rows);
        QCOMPARE(text, item == "sms0" ? QStringLiteral("<b>Hi</b> all") : QString());
        QTEST(int(session().operations().count("getRecipients")), "fetches");
    }

    void detailsFetchRecipientsOnceAndMarkTheItemRead()
    {
        QVERIFY(session().select(MainWindowSession::Outbox, {"sms0"}));
        session().invoke("eventItemMarkAsUnread");
        // Until the change query that follows the mark has brought the SMS back, it could undo a later mark.
        const int sms = session().object("sms0").second;
        const auto cachedStatus = [&] {
            for (const qtSMSSentInfo &cached : session().cachedObjects().smsessent) {
                if (cached.id == sms)
                    return cached.status;
            }
            return -1;
        };
        QTRY_VERIFY_WITH_TIMEOUT(session().persistedTaskKinds().isEmpty(), standinTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(cachedStatus(), 0, standinTimeoutMs);
        desktop().standin().control("clear-log");

        for (int round = 1; round <= 2; ++round) {
            QVERIFY(session().select(MainWindowSession::Outbox, {"sms0"}));
            ModalDriver driver;
            QStringList shownRows;
            driver.whenShown([&](QWidget *shown) { shownRows = treeRows(qobject_cast<DetailDlg *>(shown)->details); },
                             10000, "DetailDlg");
            session().invoke("eventItemDetails");
            QVERIFY(driver.shown());
            QCOMPARE(shownRows.size(), 3);
            QVERIFY(!isBold(session().row("sms0")));
            QCOMPARE(session().operations().count("getRecipients"), 1);
            if (round == 1) {
                // The pump runs inside the dialog and may have carried the mark out already: wait until it
                // has, rather than look for the mark's rows in between.
                QTRY_COMPARE_WITH_TIMEOUT(session().operations().count("changeStatus"), 1, standinTimeoutMs);
                QTRY_VERIFY_WITH_TIMEOUT(session().persistedTaskKinds().isEmpty(), standinTimeoutMs);
            } else {
                QCOMPARE(session().persistedTaskKinds(), (QMap<int, QString>()));
            }
        }
        QList<RecipientStatus> cached;
        QVERIFY(session().cache().loadRecipients(*recordOf(session().row("sms0")), cached));
        QCOMPARE(cached.size(), 3);
        QVERIFY(session().syncToService());
        QCOMPARE(session().operations().count("changeStatus"), 1);
    }

    void detailsWhoseRecipientsCannotBeFetchedOpenNothing()
    {
        desktop().service().injectOnce("getRecipients", {{"kind", "close"}});
        QVERIFY(session().select(MainWindowSession::Outbox, {"sms1"}));
        DialogWatch watch;
        session().invoke("eventItemDetails");
        QCOMPARE(watch.shown, 0);
        QCOMPARE(session().takeBoxTexts(),
                 QStringList{"No connection to the Internet is currently available. Please check your network settings."});
        QList<RecipientStatus> cached;
        QVERIFY(!session().cache().loadRecipients(*recordOf(session().row("sms1")), cached));
        QCOMPARE(session().persistedTaskKinds(), (QMap<int, QString>()));
    }
    void commandsWithNothingToActOnEndSilently_data()
    {
        QTest::addColumn<int>("entity");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("slot");
        QTest::newRow("forward of a contact")
            << int(MainWindowSession::Contacts) << QStringList{"contact0"} << "eventForward";
        QTest::newRow("delete without a selection")
            << int(MainWindowSession::Inbox) << QStringList() << "eventDelete";
        QTest::newRow("mark without a selection")
            << int(MainWindowSession::Inbox) << QStringList() << "eventItemMarkAsRead";
        QTest::newRow("mark of pending rows only")
            << int(MainWindowSession::Outbox) << QStringList{"pendingFax"} << "eventItemMarkAsUnread";
        QTest::newRow("details of two rows")
            << int(MainWindowSession::Outbox) << QStringList{"sentFax0", "sms0"} << "eventItemDetails";
        QTest::newRow("details of a received fax")
            << int(MainWindowSession::Inbox) << QStringList{"receivedFax0"} << "eventItemDetails";
    }
    void commandsWithNothingToActOnEndSilently()
    {
        QFETCH(int, entity);
        QFETCH(QStringList, selected);
        QFETCH(QString, slot);
        QVERIFY(session().select(entity, selected));
        const int outboxRows =
            session().entities()->viewByFolderId(session().entities()->outboxFolderId())->topLevelItemCount();
        DialogWatch watch;
        session().invoke(qPrintable(slot));
        QCOMPARE(watch.shown, 0);
        QCOMPARE(session().persistedTaskKinds(), (QMap<int, QString>()));
        QCOMPARE(
            session().entities()->viewByFolderId(session().entities()->outboxFolderId())->topLevelItemCount(),
            outboxRows);
    }

    void filterAndSelectAllWorkOnTheCurrentList()
    {
        FolderView &inbox = session().show(MainWindowSession::Inbox);
        session().invoke("eventSelectAll");
        QCOMPARE(inbox.countSelected(), 3);
        session().invoke("eventFilter", Q_ARG(QString, "3314"));
        QVERIFY(!session().row("receivedFax0")->isHidden());
        QVERIFY(session().row("receivedFax1")->isHidden());
        QVERIFY(session().row("voice0")->isHidden());
        QCOMPARE(inbox.countSelected(), 1);
        FolderView &outbox = *session().entities()->viewByFolderId(session().entities()->outboxFolderId());
        QVERIFY(!session().row("sentFax0")->isHidden());
        QCOMPARE(outbox.countSelected(), 0);
        session().invoke("eventFilter", Q_ARG(QString, QString()));
        QVERIFY(!session().row("receivedFax1")->isHidden());
    }

    void newFaxesAreAnnouncedOnce()
    {
        SettingsStore::instance().setSound(true);
        // The seeded unread fax was announced at the log-in; the user has looked since.
        session().invoke("eventInboxAction");
        const int plays = desktop().seams.soundPlays;
        const int balloons = int(desktop().tray()->messages.size());
        for (const char *sender : {"+3391", "+3392"}) {
            QVERIFY(desktop()
                        .standin()
                        .control("received-fax", {{"email", session().account().email},
                                                  {"sender", sender},
                                                  {"read", false},
                                                  {"date", "2026-12-03 10:00:00"}})
                        .value("ok")
                        .toBool());
        }
        FolderView &inbox = session().show(MainWindowSession::Inbox);
        const int rows = inbox.topLevelItemCount();
        session().invoke("eventSyncGenerate");
        QTRY_COMPARE_WITH_TIMEOUT(inbox.topLevelItemCount(), rows + 2, standinTimeoutMs);

        auto *tray = session().window()->findChild<TrayPresence *>();
        QCOMPARE(tray->newItems(), 2);
        QCOMPARE(desktop().seams.soundPlays, plays + 1);
        // Once announced, every later success of the cycle may show the balloon again.
        QVERIFY(desktop().tray()->messages.size() > balloons);
        QCOMPARE(desktop().tray()->messages.last().text, QStringLiteral("You have 2 new faxes"));
        QPixmap badge;
        drawStarBadge(badge, 2);
        QCOMPARE(desktop().tray()->icon.pixmap(badge.size()).toImage().convertToFormat(QImage::Format_ARGB32),
                 badge.toImage().convertToFormat(QImage::Format_ARGB32));

        // Pointing at the Inbox's rows is looking at them.
        session().invoke("eventInboxAction");
        QCOMPARE(tray->newItems(), 0);
    }
};

QTEST_MAIN(ItemActionsTest)
#include "tst_itemactions.moc"
