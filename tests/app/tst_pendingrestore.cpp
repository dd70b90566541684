#include "BaseObject.h"
#include "CacheDatabase.h"
#include "CustomQTreeWidgetItem.h"
#include "FolderView.h"
#include "ForwardEntry.h"
#include "MainWindowTestCase.h"
#include "ObjectType.h"
#include "RecordVariant.h"
#include "TaskType.h"
#include "qtObjectsInfo.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidgetItemIterator>

// The program started again over the sends a killed run left persisted: each shows as one Outbox row, which
// goes when its sent item arrives.
class PendingRestoreTest : public MainWindowTestCase
{
    Q_OBJECT

private:
    // The Outbox's rows as "type/id".
    QStringList outboxRows()
    {
        QStringList rows;
        for (QTreeWidgetItemIterator it(m_session.outbox()); *it; ++it) {
            const BaseObject *record = CustomQTreeWidgetItem::record(*it);
            rows << QStringLiteral("%1/%2").arg(record->type).arg(record->id);
        }
        rows.sort();
        return rows;
    }

private slots:

    void persistedSendsShowOnce()
    {
        const MainWindowSession::Account account = m_session.addAccount(QJsonDocument::fromJson(R"({
          "receivedFaxes": [{"sender": "+3314", "pages": 1, "read": true}],
          "sentSms": [{"recipients": ["+3366"], "status": 1, "content": "Earlier"}]})")
                                                                            .object());
        QVERIFY(m_session.fillCache(account));
        qtObjectsInfo cached;
        m_session.openCache()->loadAll(cached);
        const QString earlierSms = QStringLiteral("4/%1").arg(cached.smsessent.first().id);
        // What the killed run left: an SMS and an e-mail forward of the received fax, both still to go.
        const int sms = m_session.persistSms("Written offline");
        auto *entry = new ForwardEntry(ObjectType::FaxReceived, cached.faxesreceived.first().id, QString());
        entry->taskid = m_session.nextTaskId();
        entry->forward = 5;
        entry->to = "ann@example.test";
        const int forward = m_session.persistTask(TaskType::SEND_FORWARD, recordToVariant(entry));
        m_session.closeWindow();

        m_session.logIn(account);
        QCOMPARE(outboxRows(), (QStringList{QStringLiteral("10004/%1").arg(sms),
                                            QStringLiteral("10101/%1").arg(forward), earlierSms}));
        QVERIFY(m_session.settle());
        // The SMS went out and came back as a sent item, which took its pending row's place; the forward's
        // row waits for the service to report it delivered.
        const QStringList rows = outboxRows();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.filter(QRegularExpression("^10004/")), QStringList());
        QCOMPARE(rows.filter(QRegularExpression("^4/")).size(), 2);
        QCOMPARE(rows.filter(QRegularExpression("^10101/")).size(), 1);
        QCOMPARE(m_session.count("sendSmsAsynchronous"), 1);
        QCOMPARE(m_session.count("forwardAsynchronous"), 1);
        QVERIFY(m_session.persistedTasks().isEmpty());
    }
};

QTEST_MAIN(PendingRestoreTest)
#include "tst_pendingrestore.moc"
