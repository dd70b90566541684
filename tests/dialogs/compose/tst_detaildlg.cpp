#include "DetailDlg.h"
#include "EMAILSentInfoRegister.h"
#include "FAXSentInfoRegister.h"
#include "ObjectType.h"
#include "PromptRecorder.h"
#include "QelvoxTestCase.h"
#include "SMSSentInfoRegister.h"
#include "qtFAXSentInfo.h"
#include "qtSMSSentInfo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace {

std::unique_ptr<BaseObject> itemOf(int type, const QString &text)
{
    switch (type) {
    case ObjectType::SmsSent: {
        auto sms = std::make_unique<qtSMSSentInfo>(30002, 1);
        sms->content = text;
        return sms;
    }
    case ObjectType::PendingFax:
        return std::make_unique<FAXSentInfoRegister>();
    case ObjectType::PendingSms: {
        auto sms = std::make_unique<SMSSentInfoRegister>();
        sms->content = text;
        return sms;
    }
    case ObjectType::PendingEmail:
        return std::make_unique<EMAILSentInfoRegister>();
    default:
        return std::make_unique<qtFAXSentInfo>(30001, 1);
    }
}

QStringList rowsOf(const QTreeWidget *tree)
{
    QStringList rows;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        rows += tree->topLevelItem(i)->text(0) + u'|' + tree->topLevelItem(i)->text(1);
    return rows;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

// The details dialog: the message text of a sent SMS only, the recipients with their statuses, and the
// export of the recipients in the order the caller gave them.
class DetailDlgTest : public QelvoxTestCase
{
    Q_OBJECT

private:
    std::unique_ptr<PromptRecorder> m_prompts;
    std::unique_ptr<QTemporaryDir> m_dir;

protected:
    void setUp() override
    {
        m_prompts = std::make_unique<PromptRecorder>();
        m_dir = std::make_unique<QTemporaryDir>();
    }
    void tearDown() override
    {
        QVERIFY(m_prompts->boxes.isEmpty());
        m_prompts.reset();
        m_dir.reset();
    }

private slots:
    void showsTheTextOfASentSmsOnly_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("textShown");
        QTest::newRow("sent SMS") << int(ObjectType::SmsSent) << true;
        QTest::newRow("sent fax") << int(ObjectType::FaxSent) << false;
        QTest::newRow("pending fax") << int(ObjectType::PendingFax) << false;
        QTest::newRow("pending SMS") << int(ObjectType::PendingSms) << false;
        QTest::newRow("pending e-mail forward") << int(ObjectType::PendingEmail) << false;
    }
    void showsTheTextOfASentSmsOnly()
    {
        QFETCH(int, type);
        QFETCH(bool, textShown);
        // Markup from the service is the user's text, not formatting.
        const QString text = QStringLiteral("<b>Meet</b> at 5 & <img src=x>");
        const std::unique_ptr<BaseObject> item = itemOf(type, text);
        const QList<RecipientStatus> recipients{{"+3311", 1}};
        DetailDlg dialog(nullptr, &recipients, item.get());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.sms->isVisible(), textShown);
        QCOMPARE(dialog.smsLabel->isVisible(), textShown);
        if (textShown) {
            QCOMPARE(dialog.sms->toPlainText(), text);
            QVERIFY(dialog.sms->isReadOnly());
        }
        QCOMPARE(rowsOf(dialog.details), QStringList{"+3311|OK"});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Details"));
        QVERIFY(dialog.isModal());
    }

    void exportsTheCallersOrderWhateverTheTableShows()
    {
        const QList<RecipientStatus> recipients{{"+3312", 1}, {"Zoë;Ünal", 6}, {"+3399", 2}, {"+3311", 0}};
        const std::unique_ptr<BaseObject> item = itemOf(ObjectType::FaxSent, {});
        DetailDlg dialog(nullptr, &recipients, item.get());
        QCOMPARE(rowsOf(dialog.details), (QStringList{"Zoë;Ünal|BU", "+3399|IQ", "+3312|OK", "+3311|FA"}));
        dialog.details->sortByColumn(1, Qt::AscendingOrder);
        QCOMPARE(dialog.details->topLevelItem(0)->text(1), QStringLiteral("BU"));

        const QString chosen = m_dir->filePath(QStringLiteral("delivery"));
        m_prompts->fileAnswers = {{chosen}};
        dialog.btnExport->click();
        QCOMPARE(fileBytes(chosen + ".csv"),
                 QByteArray("+3312;OK\r\nZo\xc3\xab;\xc3\x9cnal;BU\r\n+3399;IQ\r\n+3311;FA\r\n"));
        QCOMPARE(m_prompts->fileDialogs.size(), 1);
        QCOMPARE(m_prompts->fileDialogs.first().filter, QStringLiteral("CSV files (*.csv)"));
    }

    void emptyListShowsAnEmptyTableAndExportsAnEmptyFile()
    {
        const QList<RecipientStatus> recipients;
        const std::unique_ptr<BaseObject> item = itemOf(ObjectType::SmsSent, QStringLiteral("Hi"));
        DetailDlg dialog(nullptr, &recipients, item.get());
        QCOMPARE(dialog.details->topLevelItemCount(), 0);
        const QString chosen = m_dir->filePath(QStringLiteral("empty.csv"));
        m_prompts->fileAnswers = {{chosen}, {}};
        dialog.btnExport->click();
        QCOMPARE(fileBytes(chosen), QByteArray());
        dialog.btnExport->click(); // cancelled: nothing written, nothing said
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"empty.csv"});
    }
};

QTEST_MAIN(DetailDlgTest)
#include "tst_detaildlg.moc"
