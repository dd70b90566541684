#include "BaseFAXSentInfo.h"
#include "DetailDlg.h"
#include "ItemSession.h"
#include "ModalDriver.h"
#include "QelvoxTestCase.h"

#include <QFile>

namespace {

const QByteArray pdfBytes("%PDF-1.4\n% received\n%%EOF\n");
const QByteArray tiffBytes("II*\0\x08\0\0\0 received", 18);
const QByteArray zipBytes("PK\x03\x04 merged", 11);

QString base64(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toBase64());
}

// Unread received faxes with a PDF and a TIFF document, a voice message (which the service keeps no
// recording of), a sent fax whose document is an archive, and a sent SMS with several recipients.
QJsonObject accountSeed()
{
    const auto fax = [](const QByteArray &bytes, const char *name, const char *type) {
        return QJsonObject{{"sender", "+3314"}, {"pages", 1}, {"read", false}, {"date", "2026-12-01 09:15:00"},
                           {"document", QJsonObject{{"name", name}, {"contentType", type}, {"base64", base64(bytes)}}}};
    };
    return {{"receivedFaxes", QJsonArray{fax(pdfBytes, "fax.pdf", "application/pdf"),
                                         fax(tiffBytes, "fax.tiff", "image/tiff")}},
            {"voiceMessages", QJsonArray{QJsonObject{{"sender", "+3366"}, {"duration", 42}}}},
            {"sentFaxes", QJsonArray{QJsonObject{
                              {"recipients", QJsonArray{"+3311"}},
                              {"document", QJsonObject{{"name", "merged.zip"},
                                                       {"contentType", "application/zip"},
                                                       {"base64", base64(zipBytes)}}}}}},
            {"sentSms", QJsonArray{QJsonObject{{"recipients", QJsonArray{"+3366", "+3367"}}, {"content", "Hi"}}}}};
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The preview command against the stand-in: a document is downloaded once, whole, into the customer
// directory and opened with the desktop's application; downloading an unread item's document marks it read;
// a failed download leaves nothing behind.
class DocumentsTest : public QelvoxTestCase
{
    Q_OBJECT

private:
    std::unique_ptr<DesktopFixture> m_desktop;
    std::unique_ptr<ItemSession> m_session;

    ItemSession &session() { return *m_session; }

    // The row of a seeded object ("receivedFaxes", "voiceMessages", "sentFaxes", "sentSms"), made the only
    // selected row of its list, which becomes the current one.
    QTreeWidgetItem *selectSeeded(const char *kind, int index)
    {
        static const QMap<QString, QPair<int, int>> places = {
            {"receivedFaxes", {ItemSession::Inbox, ObjectType::FaxReceived}},
            {"voiceMessages", {ItemSession::Inbox, ObjectType::VoiceReceived}},
            {"sentFaxes", {ItemSession::Outbox, ObjectType::FaxSent}},
            {"sentSms", {ItemSession::Outbox, ObjectType::SmsSent}}};
        const auto [entity, type] = places.value(QLatin1String(kind));
        QTreeWidgetItem *row = session().show(entity).findItem(session().seededId(kind, index), type);
        if (row)
            session().select({row});
        return row;
    }

    QString documentPath(const QString &name) const
    {
        return SettingsStore::instance().customerDirectory() + u'/' + name;
    }

    QStringList persistedTasks()
    {
        QMap<int, QString> tasks;
        session().cache().loadTaskTypes(tasks);
        return tasks.values();
    }

    QStringList takeBoxTexts()
    {
        QStringList texts;
        for (const MessageBoxRequest &box : std::as_const(m_desktop->prompts.boxes))
            texts += box.text;
        m_desktop->prompts.boxes.clear();
        return texts;
    }

protected:
    void setUp() override
    {
        m_desktop->service().reset();
        m_desktop->urls.opened.clear();
        m_desktop->prompts.boxes.clear();
        m_session = std::make_unique<ItemSession>(*m_desktop, accountSeed());
        QVERIFY(m_session->logIn());
    }

    void tearDown() override
    {
        m_session.reset();
        QCOMPARE(takeBoxTexts(), QStringList());
    }

private slots:
    void initTestCase()
    {
        m_desktop = std::make_unique<DesktopFixture>();
        QVERIFY(m_desktop->startService());
    }
    void cleanupTestCase() { m_desktop.reset(); }

    void previewDownloadsOnceThenOpensTheFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("faxFormat");
        QTest::addColumn<int>("faxType"); // of a sent fax
        QTest::addColumn<QString>("fileName"); // %1: the service id
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("unread");
        QTest::newRow("received fax as PDF") << "receivedFaxes" << 0 << 0 << 0 << "Fax_rx_%1.pdf" << pdfBytes << true;
        QTest::newRow("received fax as TIFF") << "receivedFaxes" << 1 << 1 << 0 << "Fax_rx_%1.tiff" << tiffBytes
                                              << true;
        QTest::newRow("merged sent fax as an archive") << "sentFaxes" << 0 << 1 << 13 << "Fax_tx_%1.zip" << zipBytes
                                                       << false;
    }
    void previewDownloadsOnceThenOpensTheFile()
    {
        QFETCH(QString, kind);
        QFETCH(int, index);
        QFETCH(int, faxFormat);
        QFETCH(int, faxType);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, unread);
        SettingsStore::instance().setFaxFormat(faxFormat);
        QTreeWidgetItem *row = selectSeeded(qPrintable(kind), index);
        QVERIFY(row);
        if (faxType != 0)
            recordOf<BaseFAXSentInfo>(row)->faxtype = faxType;
        QCOMPARE(isBold(row), unread);
        const int id = recordOf(row)->id;
        const QString path = documentPath(fileName.arg(id));

        session().invoke("eventItemPreview");
        QCOMPARE(session().operations(), QStringList{"downloadFile"});
        const QJsonObject params = session().lastParams("downloadFile");
        QCOMPARE(params.value("id").toInt(), id);
        QCOMPARE(params.value("type").toInt(), recordOf(row)->type);
        QCOMPARE(params.value("format").toString(), path.section(u'.', -1));
        QCOMPARE(fileBytes(path), bytes);
        QCOMPARE(m_desktop->urls.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
        QVERIFY(m_desktop->urls.opened.first().toString().startsWith("file:///"));
        QVERIFY(!m_desktop->urls.opened.first().toString().startsWith("file:////"));
        QVERIFY(!isBold(row));
        QCOMPARE(persistedTasks(), unread ? QStringList{"MARK_READ"} : QStringList());
        if (unread)
            QTRY_COMPARE_WITH_TIMEOUT(session().operations().count("changeStatus"), 1, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(persistedTasks(), QStringList(), 15000);

        // The document is on disk now: opened again without a call and without a mark.
        m_desktop->standin().control("clear-log");
        session().invoke("eventItemPreview");
        QCOMPARE(m_desktop->urls.opened.size(), 2);
        QCOMPARE(m_desktop->urls.opened.last(), QUrl::fromLocalFile(path));
        QCOMPARE(persistedTasks(), QStringList());
        QVERIFY(!session().operations().contains("downloadFile"));
    }

    void failedDownloadLeavesNothingBehind_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("service fault")
            << "receivedFaxes" << QJsonObject{{"kind", "soap11-fault"}, {"code", "SOAP-ENV:Server"}, {"reason", "busy"}}
            << "Fax_rx_%1.pdf";
        QTest::newRow("connection cut in the document")
            << "receivedFaxes" << QJsonObject{{"kind", "close"}} << "Fax_rx_%1.pdf";
        QTest::newRow("voice message without a recording") << "voiceMessages" << QJsonObject() << "rx_%1.wav";
    }
    void failedDownloadLeavesNothingBehind()
    {
        QFETCH(QString, kind);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, fileName);
        if (!fault.isEmpty())
            m_desktop->service().injectOnce("downloadFile", fault);
        QTreeWidgetItem *row = selectSeeded(qPrintable(kind), 0);
        QVERIFY(row);
        const bool unread = isBold(row);
        const QString path = documentPath(fileName.arg(recordOf(row)->id));

        session().invoke("eventItemPreview");
        QCOMPARE(session().operations(), QStringList{"downloadFile"});
        QCOMPARE(takeBoxTexts(), QStringList{"resource is not available"});
        QVERIFY(!QFile::exists(path));
        QCOMPARE(m_desktop->urls.opened, QList<QUrl>());
        QCOMPARE(isBold(row), unread);
        QCOMPARE(persistedTasks(), QStringList());
        if (fault.isEmpty())
            return;

        // Nothing stands in the way of the next attempt.
        session().invoke("eventItemPreview");
        QCOMPARE(session().operations(), (QStringList{"downloadFile", "downloadFile"}));
        QCOMPARE(fileBytes(path), pdfBytes);
        QCOMPARE(m_desktop->urls.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
        QCOMPARE(persistedTasks(), QStringList{"MARK_READ"});
    }

    void previewOfASentSmsShowsItsDetails()
    {
        selectSeeded("sentSms", 0);
        ModalDriver driver;
        int recipients = 0;
        driver.whenShown([&](QWidget *dialog) { recipients = qobject_cast<DetailDlg *>(dialog)->details->topLevelItemCount(); },
                         10000, "DetailDlg");
        session().invoke("eventItemPreview");
        QVERIFY(driver.shown());
        QCOMPARE(recipients, 2);
        QCOMPARE(session().operations(), QStringList{"getRecipients"});
        QCOMPARE(m_desktop->urls.opened, QList<QUrl>());
    }

    void previewOfTwoRowsDoesNothing()
    {
        FolderView &inbox = session().show(ItemSession::Inbox);
        inbox.selectAll();
        QCOMPARE(inbox.countSelected(), 3);
        session().invoke("eventItemPreview");
        QCOMPARE(m_desktop->urls.opened, QList<QUrl>());
        QCOMPARE(session().operations(), QStringList());
    }
};

QTEST_MAIN(DocumentsTest)
#include "tst_documents.moc"
