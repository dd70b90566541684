#include "BaseFAXSentInfo.h"
#include "DetailDlg.h"
#include "EntitiesView.h"
#include "ListRows.h"
#include "MainWindowTestCase.h"
#include "ModalDriver.h"
#include "SettingsStore.h"
#include "StandinWaits.h"

#include <QDesktopServices>
#include <QDir>
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
class DocumentsTest : public MainWindowTestCase
{
    Q_OBJECT

private:
    DesktopFixture &desktop() { return m_session.desktop(); }

    // The object's row (see MainWindowSession::object), made the only selected row of its list, the current
    // one.
    QTreeWidgetItem *selectOnly(const QString &key)
    {
        const bool sent = key.startsWith("sentFax") || key.startsWith("sms");
        return session().select(sent ? MainWindowSession::Outbox : MainWindowSession::Inbox, {key})
                   ? session().row(key)
                   : nullptr;
    }

    QString documentPath(const QString &name) const
    {
        return SettingsStore::instance().customerDirectory() + u'/' + name;
    }

protected:
    void setUp() override
    {
        MainWindowTestCase::setUp();
        QVERIFY(m_session.logInSeeded(accountSeed()));
    }

private slots:

    void previewDownloadsOnceThenOpensTheFile_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("faxFormat");
        QTest::addColumn<int>("faxType"); // of a sent fax
        QTest::addColumn<QString>("fileName"); // %1: the service id
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("unread");
        QTest::newRow("received fax as PDF") << "receivedFax0" << 0 << 0 << "Fax_rx_%1.pdf" << pdfBytes << true;
        QTest::newRow("received fax as TIFF") << "receivedFax1" << 1 << 0 << "Fax_rx_%1.tiff" << tiffBytes
                                              << true;
        QTest::newRow("merged sent fax as an archive") << "sentFax0" << 1 << 13 << "Fax_tx_%1.zip" << zipBytes
                                                       << false;
    }
    void previewDownloadsOnceThenOpensTheFile()
    {
        QFETCH(QString, item);
        QFETCH(int, faxFormat);
        QFETCH(int, faxType);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, unread);
        SettingsStore::instance().setFaxFormat(faxFormat);
        QTreeWidgetItem *row = selectOnly(item);
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
        QCOMPARE(desktop().urls.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
        QVERIFY(desktop().urls.opened.first().toString().startsWith("file:///"));
        QVERIFY(!desktop().urls.opened.first().toString().startsWith("file:////"));
        QVERIFY(!isBold(row));
        QCOMPARE(session().persistedTaskKinds().values(), unread ? QStringList{"MARK_READ"} : QStringList());
        if (unread)
            QTRY_COMPARE_WITH_TIMEOUT(session().operations().count("changeStatus"), 1, standinTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(session().persistedTaskKinds().values(), QStringList(), standinTimeoutMs);

        // The document is on disk now: opened again without a call and without a mark.
        desktop().standin().control("clear-log");
        session().invoke("eventItemPreview");
        QCOMPARE(desktop().urls.opened.size(), 2);
        QCOMPARE(desktop().urls.opened.last(), QUrl::fromLocalFile(path));
        QCOMPARE(session().persistedTaskKinds().values(), QStringList());
        QVERIFY(!session().operations().contains("downloadFile"));
    }

    // The service's own words only for the service's refusal: a document that could not be asked for is
    // not gone.
    void failedDownloadLeavesNothingBehind_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QJsonObject>("fault"); // "unreachable": no service at all
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("box");
        const QString refused = QStringLiteral("resource is not available");
        const QString unreached =
            QStringLiteral("The document could not be downloaded because the service could not be reached.");
        QTest::newRow("service fault")
            << "receivedFax0" << QJsonObject{{"kind", "soap11-fault"}, {"code", "SOAP-ENV:Server"}, {"reason", "busy"}}
            << "Fax_rx_%1.pdf" << refused;
        QTest::newRow("connection cut in the document")
            << "receivedFax0" << QJsonObject{{"kind", "close"}} << "Fax_rx_%1.pdf" << unreached;
        QTest::newRow("service out of reach")
            << "receivedFax0" << QJsonObject{{"kind", "unreachable"}} << "Fax_rx_%1.pdf" << unreached;
        QTest::newRow("voice message without a recording") << "voice0" << QJsonObject() << "rx_%1.wav" << refused;
    }
    void failedDownloadLeavesNothingBehind()
    {
        QFETCH(QString, item);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, fileName);
        QFETCH(QString, box);
        const bool reachable = fault.value("kind") != QLatin1String("unreachable");
        if (!reachable)
            session().setReachable(false);
        else if (!fault.isEmpty())
            desktop().service().injectOnce("downloadFile", fault);
        QTreeWidgetItem *row = selectOnly(item);
        QVERIFY(row);
        const bool unread = isBold(row);
        const QString path = documentPath(fileName.arg(recordOf(row)->id));

        session().invoke("eventItemPreview");
        session().setReachable(true);
        QCOMPARE(session().operations(), reachable ? QStringList("downloadFile") : QStringList());
        QCOMPARE(session().takeBoxTexts(), QStringList{box});
        QVERIFY(!QFile::exists(path));
        QCOMPARE(desktop().urls.opened, QList<QUrl>());
        QCOMPARE(isBold(row), unread);
        QCOMPARE(session().persistedTaskKinds().values(), QStringList());
        if (fault.isEmpty())
            return;

        // Nothing stands in the way of the next attempt.
        session().invoke("eventItemPreview");
        const QStringList twice{"downloadFile", "downloadFile"};
        QCOMPARE(session().operations(), reachable ? twice : QStringList{"downloadFile"});
        QCOMPARE(fileBytes(path), pdfBytes);
        QCOMPARE(desktop().urls.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
        QCOMPARE(session().persistedTaskKinds().values(), QStringList{"MARK_READ"});
    }

    // A machine without a viewer for the type: the user is told which file was saved and may open its
    // folder; the document did arrive, so the item is read.
    void documentWithoutAnApplicationIsTold()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file")); // offscreen opens nothing itself
        QTreeWidgetItem *row = selectOnly("receivedFax0");
        QVERIFY(row);
        const QString path = documentPath(QStringLiteral("Fax_rx_%1.pdf").arg(recordOf(row)->id));
        desktop().prompts.boxAnswers = {1};
        session().invoke("eventItemPreview");
        QCOMPARE(session().takeBoxTexts(),
                 QStringList{QStringLiteral("No application could open the file %1. Do you want to open the folder "
                                            "that holds it?")
                                 .arg(QDir::toNativeSeparators(path))});
        QCOMPARE(fileBytes(path), pdfBytes);
        QVERIFY(!isBold(row));
        QCOMPARE(session().persistedTaskKinds().values(), QStringList{"MARK_READ"});
    }

    void previewOfASentSmsShowsItsDetails()
    {
        QVERIFY(selectOnly("sms0"));
        ModalDriver driver;
        int recipients = 0;
        driver.whenShown([&](QWidget *dialog) { recipients = qobject_cast<DetailDlg *>(dialog)->details->topLevelItemCount(); },
                         10000, "DetailDlg");
        session().invoke("eventItemPreview");
        QVERIFY(driver.shown());
        QCOMPARE(recipients, 2);
        QCOMPARE(session().operations(), QStringList{"getRecipients"});
        QCOMPARE(desktop().urls.opened, QList<QUrl>());
    }

    void previewOfTwoRowsDoesNothing()
    {
        FolderView &inbox = session().show(MainWindowSession::Inbox);
        inbox.selectAll();
        QCOMPARE(inbox.countSelected(), 3);
        session().invoke("eventItemPreview");
        QCOMPARE(desktop().urls.opened, QList<QUrl>());
        QCOMPARE(session().operations(), QStringList());
    }
};

QTEST_MAIN(DocumentsTest)
#include "tst_documents.moc"
