#include "RecipientForm.h"
#include "RecipientsFile.h"
#include "RecipientsWidget.h"
#include "SendDialogTestKit.h"

#include <QSignalSpy>
#include <QStringEncoder>

namespace {

const QString limitText = QStringLiteral("You need to select less than 2000 recipients");

QByteArray numberLines(int count, int first = 0)
{
    QByteArray lines;
    for (int i = first; i < first + count; ++i)
        lines += "+44" + QByteArray::number(500000 + i) + '\n';
    return lines;
}

} // namespace

// Recipients added from a text file: how lines are read, all or nothing at 2000 recipients, and paths
// that name no readable file.
class RecipientsImportTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SendDialogTestKit> m_kit;

    static QStringList sortedRows(RecipientsWidget &picker)
    {
        QStringList rows = rowsOf(picker.findChild<RecipientForm *>()->recipients);
        rows.sort();
        return rows;
    }

private slots:
    void init() { m_kit = std::make_unique<SendDialogTestKit>(); }
    void cleanup()
    {
        QCOMPARE(m_kit->takeBoxTexts(), QStringList());
        m_kit.reset();
    }

    void readsLines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("rows"); // "name|number", sorted

        QTest::newRow("numbers alone") << QByteArray("+331\n 0033 2 \n") << QStringList{"|+00332", "|+331"};
        QTest::newRow("semicolon and tab") << QByteArray("Ann ; +33 1\nBob\t+33-2\n")
                                           << QStringList{"Ann|+331", "Bob|+332"};
        QTest::newRow("semicolon wins over tab") << QByteArray("Ann\tX;+331\n") << QStringList{"Ann\tX|+331"};
        QTest::newRow("third field ignored") << QByteArray("Ann;+331;+339\n") << QStringList{"Ann|+331"};
        QTest::newRow("heading without digit") << QByteArray("Name;Number\nAnn;+331\n") << QStringList{"Ann|+331"};
        QTest::newRow("letters among digits") << QByteArray("Ann;tel 12x3\n") << QStringList{"Ann|+123"};
        QTest::newRow("CR line ends") << QByteArray("A;+331\rB;+332\r") << QStringList{"A|+331", "B|+332"};
        QTest::newRow("CR LF line ends") << QByteArray("A;+331\r\nB;+332\r\n") << QStringList{"A|+331", "B|+332"};
        QTest::newRow("first name of a duplicate") << QByteArray("A;+331\nB;+33 1\n") << QStringList{"A|+331"};
        QTest::newRow("UTF-8 names") << QByteArray("Zoë;+331\n") << QStringList{"Zoë|+331"};
        QTest::newRow("listed number skipped") << QByteArray("X;+3399\nB;+332\n")
                                               << QStringList{"B|+332", "Old|+3399"};
        QTest::newRow("nothing usable") << QByteArray("\n;\nname\n") << QStringList{"Old|+3399"};

        const QString names = QStringLiteral("Zoë;+331\r\nЖанна;+332\r\n");
        const QStringList decoded{"Zoë|+331", "Жанна|+332"};
        const auto utf16 = [&](QStringConverter::Encoding encoding, bool marked) {
            QStringEncoder encoder(encoding, marked ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
            return QByteArray(encoder.encode(names));
        };
        QTest::newRow("UTF-8 with a byte-order mark") << "\xEF\xBB\xBF" + names.toUtf8() << decoded;
        QTest::newRow("UTF-16 LE marked") << utf16(QStringConverter::Utf16LE, true) << decoded;
        QTest::newRow("UTF-16 BE marked") << utf16(QStringConverter::Utf16BE, true) << decoded;
        QTest::newRow("UTF-16 LE unmarked") << utf16(QStringConverter::Utf16LE, false) << decoded;
        QTest::newRow("UTF-16 BE unmarked") << utf16(QStringConverter::Utf16BE, false) << decoded;
        QTest::newRow("Latin-1") << QByteArray("Zo\xEB;+331\nJos\xE9;+332\n") << QStringList{"Zoë|+331", "José|+332"};
    }
    void readsLines()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, rows);
        RecipientsWidget picker(nullptr, nullptr, false, true);
        picker.importRecipientsFile(m_kit->writeFile("old.txt", "Old;+3399\n"));
        QSignalSpy changed(&picker, &RecipientsWidget::signalChanged);
        picker.importRecipientsFile(m_kit->writeFile("file.csv", file));
        if (!rows.contains("Old|+3399"))
            rows += "Old|+3399";
        rows.sort();
        QCOMPARE(sortedRows(picker), rows);
        QCOMPARE(changed.count(), rows.size() > 1 ? 1 : 0);
    }

    void addsAllOrNothing_data()
    {
        QTest::addColumn<int>("listed");
        QTest::addColumn<int>("inFile");
        QTest::addColumn<int>("alreadyListed"); // of the file's numbers
        QTest::addColumn<int>("rows");
        QTest::newRow("2000 into an empty list") << 0 << 2000 << 0 << 2000;
        QTest::newRow("2001 into an empty list") << 0 << 2001 << 0 << 0;
        QTest::newRow("20 of which 15 listed, to 1995") << 1990 << 20 << 15 << 1995;
        QTest::newRow("11 new onto 1990") << 1990 << 11 << 0 << 1990;
    }
    void addsAllOrNothing()
    {
        QFETCH(int, listed);
        QFETCH(int, inFile);
        QFETCH(int, alreadyListed);
        QFETCH(int, rows);
        RecipientsWidget picker(nullptr, nullptr, false, true);
        picker.importRecipientsFile(m_kit->writeFile("listed.txt", numberLines(listed)));
        QSignalSpy changed(&picker, &RecipientsWidget::signalChanged);
        picker.importRecipientsFile(m_kit->writeFile("file.txt", numberLines(inFile, listed - alreadyListed)));
        QCOMPARE(picker.recipientNumbers().size(), rows);
        const bool refused = rows == listed;
        QCOMPARE(m_kit->takeBoxTexts(), refused ? QStringList{limitText} : QStringList());
        QCOMPARE(changed.count(), refused ? 0 : 1);
    }

    // A file past the size limit (here one long line, as a binary file would be) is refused unread.
    void refusesAHugeFile()
    {
        RecipientsWidget picker(nullptr, nullptr, false, true);
        QByteArray bytes = "+331\n" + QByteArray(maxRecipientsFileSize, '7');
        const QString path = m_kit->writeFile("huge.txt", bytes);
        picker.importRecipientsFile(path);
        QVERIFY(!picker.hasRecipients());
        QCOMPARE(m_kit->takeBoxTexts(),
                 QStringList{QStringLiteral("The file %1 is too large for a list of recipients: it may hold at most 1 MB.")
                                 .arg(path)});
        bytes.chop(5);
        picker.importRecipientsFile(m_kit->writeFile("huge.txt", bytes));
        QCOMPARE(picker.recipientNumbers().size(), 2);
    }

    void ignoresPathsWithoutReadableFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("empty") << QString();
        QTest::newRow("missing") << "missing.txt";
        QTest::newRow("directory") << ".";
    }
    void ignoresPathsWithoutReadableFile()
    {
        QFETCH(QString, path);
        RecipientsWidget picker(nullptr, nullptr, false, true);
        QSignalSpy changed(&picker, &RecipientsWidget::signalChanged);
        picker.importRecipientsFile(path.isEmpty() ? path : m_kit->files.filePath(path));
        QVERIFY(!picker.hasRecipients());
        QCOMPARE(changed.count(), 0);
    }

    void importsTheChosenFile()
    {
        RecipientsWidget picker(nullptr, nullptr, false, true);
        PromptRecorder &prompts = m_kit->desktop->prompts;
        prompts.fileAnswers = {{m_kit->writeFile("chosen.txt", "Ann;+331\n")}, {}};
        picker.btnImportDirect->click();
        QCOMPARE(picker.recipientNumbers(), QStringList{"+331"});
        picker.btnImportDirect->click(); // cancelled
        QCOMPARE(picker.recipientNumbers(), QStringList{"+331"});

        QCOMPARE(prompts.fileDialogs.size(), 2);
        const FileDialogRequest &dialog = prompts.fileDialogs.first();
        QCOMPARE(dialog.kind, FileDialogRequest::OpenFile);
        QCOMPARE(dialog.parent, &picker);
        QCOMPARE(dialog.caption, QStringLiteral("Select a file ..."));
        QCOMPARE(dialog.directory, QDir::toNativeSeparators(QDir::homePath()));
        QCOMPARE(dialog.filter, QStringLiteral("CSV(*.csv);;TXT(*.txt)"));
    }
};

QTEST_MAIN(RecipientsImportTest)
#include "tst_recipientsimport.moc"
