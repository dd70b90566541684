#include "AttachmentWidget.h"
#include "SendDialogTestKit.h"

#include <QSignalSpy>

namespace {

const QString tooMany = QStringLiteral("You can attach at most 3 files");
const QString tooLarge = QStringLiteral("The total size of attachments should not exceed 8MB.");

QString emptyFile(const QString &path)
{
    return QStringLiteral("Can not send an empty file %1.").arg(path);
}

// A file of /sys whose size, as the file system reports it, is larger than what reading it gives.
QString shortReadFile()
{
    for (const char *candidate : {"/sys/kernel/mm/transparent_hugepage/enabled", "/sys/power/state",
                                  "/sys/kernel/profiling", "/sys/devices/system/cpu/online"}) {
        QFile file(QString::fromLatin1(candidate));
        const qint64 size = QFileInfo(file).size();
        if (size > 0 && file.open(QIODevice::ReadOnly) && file.readAll().size() < size)
            return file.fileName();
    }
    return QString();
}

QStringList buttonTexts(const AttachmentWidget &widget)
{
    QStringList texts;
    for (const QToolButton *button : {widget.attachment0, widget.attachment1, widget.attachment2})
        texts += button->isHidden() ? QString() : button->text();
    return texts;
}

} // namespace

// The documents of a fax: the limits on count, size and content, the slots, the hand-over to the request,
// drops and files that cannot be read whole.
class AttachmentWidgetTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SendDialogTestKit> m_kit;

private slots:
    void init() { m_kit = std::make_unique<SendDialogTestKit>(); }
    void cleanup()
    {
        QCOMPARE(m_kit->takeBoxTexts(), QStringList());
        m_kit.reset();
    }

    void addFiles_data()
    {
        QTest::addColumn<QList<qint64>>("sizes"); // -1: a path that names no file
        QTest::addColumn<QStringList>("attached");
        QTest::addColumn<QStringList>("messages"); // "%n" stands for the path of file n
        const qint64 limit = AttachmentWidget::maxTotalSize;

        QTest::newRow("empty file") << QList<qint64>{0} << QStringList() << QStringList{emptyFile("%0")};
        QTest::newRow("missing file") << QList<qint64>{-1} << QStringList() << QStringList{emptyFile("%0")};
        QTest::newRow("four files") << QList<qint64>{1, 2, 3, 4} << QStringList{"f0", "f1", "f2"}
                                    << QStringList{tooMany};
        QTest::newRow("refused first keeps its slot")
            << QList<qint64>{0, 2, 3, 4} << QStringList{"f1", "f2", "f3"} << QStringList{emptyFile("%0")};
        QTest::newRow("exactly 8 MiB") << QList<qint64>{limit - 2, 2} << QStringList{"f0", "f1"} << QStringList();
        QTest::newRow("one byte over, a smaller one fits")
            << QList<qint64>{limit - 2, 3, 2} << QStringList{"f0", "f2"} << QStringList{tooLarge};
    }
    void addFiles()
    {
        QFETCH(QList<qint64>, sizes);
        QFETCH(QStringList, attached);
        QFETCH(QStringList, messages);
        QStringList paths;
        for (int i = 0; i < sizes.size(); ++i) {
            const QString name = QStringLiteral("f%1").arg(i);
            paths += sizes[i] < 0 ? m_kit->files.filePath(name) : m_kit->writeFile(name, QByteArray(sizes[i], 'x'));
        }
        AttachmentWidget widget(nullptr, true);
        QSignalSpy changed(&widget, &AttachmentWidget::signalChanged);
        widget.addFiles(paths);

        QStringList shown = buttonTexts(widget);
        shown.removeAll(QString());
        QCOMPARE(shown, attached);
        QCOMPARE(changed.count(), attached.size());
        QCOMPARE(widget.hasAttachments(), !attached.isEmpty());
        QCOMPARE(widget.nofiles->isHidden(), !attached.isEmpty());
        for (int i = 0; i < paths.size(); ++i)
            messages.replaceInStrings(QStringLiteral("%%1").arg(i), paths[i]);
        QCOMPARE(m_kit->takeBoxTexts(), messages);
        qint64 total = 0;
        for (const QString &name : attached)
            total += sizes[name.mid(1).toInt()];
        QCOMPARE(widget.totalSize(), total);
    }

    void slotsAndHandOver()
    {
        const QByteArray bytes[] = {QByteArray("%PDF a\0b", 8), QByteArray(5000, '\xff'), QByteArray("c"),
                                    QByteArray("d\r\n")};
        const QString a = m_kit->writeFile("a.pdf", bytes[0]);
        const QString b = m_kit->writeFile("b.tif", bytes[1]);
        const QString c = m_kit->writeFile("other/a.pdf", bytes[2]); // same name, another folder
        const QString d = m_kit->writeFile("d.txt", bytes[3]);
        AttachmentWidget widget(nullptr, true);
        widget.addFiles({a, b, c});
        QCOMPARE(buttonTexts(widget), (QStringList{"a.pdf", "b.tif", "a.pdf"}));

        QSignalSpy changed(&widget, &AttachmentWidget::signalChanged);
        widget.attachment1->click();
        QCOMPARE(buttonTexts(widget), (QStringList{"a.pdf", QString(), "a.pdf"}));
        QCOMPARE(changed.count(), 1);
        widget.addFiles({d}); // takes the free slot between the others
        QCOMPARE(buttonTexts(widget), (QStringList{"a.pdf", "d.txt", "a.pdf"}));

        QList<AttachmentInfo *> handed;
        widget.attachments(handed);
        QCOMPARE(changed.count(), 5);
        QCOMPARE(handed.size(), 3);
        const int order[] = {0, 3, 2};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(QByteArray::fromBase64(handed[i]->data), bytes[order[i]]);
            QCOMPARE(handed[i]->filename, QFileInfo(QStringList{a, d, c}[i]).fileName());
        }
        deleteAttachments(handed);
        QCOMPARE(buttonTexts(widget), QStringList(3, QString()));
        QVERIFY(!widget.hasAttachments());
        QVERIFY(!widget.nofiles->isHidden());
        QCOMPARE(widget.totalSize(), 0);
    }

    void removingTheOnlyDocumentShowsNoFiles()
    {
        AttachmentWidget widget(nullptr, true);
        widget.addFiles({m_kit->writeFile("a.pdf", "a")});
        QVERIFY(widget.nofiles->isHidden());
        widget.attachment0->click();
        QVERIFY(!widget.nofiles->isHidden());
        QVERIFY(!widget.hasAttachments());
        QVERIFY(widget.freeSlot());
    }

    void attachesChosenFiles()
    {
        AttachmentWidget widget(nullptr, true);
        PromptRecorder &prompts = m_kit->desktop->prompts;
        prompts.fileAnswers = {{m_kit->writeFile("a.pdf", "a"), m_kit->writeFile("b.pdf", "b")}, {}};
        widget.btnAttach->click();
        widget.btnAttach->click(); // cancelled
        QCOMPARE(buttonTexts(widget), (QStringList{"a.pdf", "b.pdf", QString()}));
        QCOMPARE(prompts.fileDialogs.size(), 2);
        QCOMPARE(prompts.fileDialogs[0].kind, FileDialogRequest::OpenFiles);
        QCOMPARE(prompts.fileDialogs[0].caption, QStringLiteral("Select a file..."));
        QCOMPARE(prompts.fileDialogs[0].directory, QDir::homePath());
        QCOMPARE(prompts.fileDialogs[0].filter, QString());
    }

    void takesDroppedFilesInFaxModeOnly()
    {
        const QString a = m_kit->writeFile("a b.pdf", "a");
        AttachmentWidget fax(nullptr, true);
        QVERIFY(dropUrls(&fax, {QUrl::fromLocalFile(a), QUrl("http://example.test/x.pdf")}));
        QCOMPARE(buttonTexts(fax), (QStringList{"a b.pdf", QString(), QString()}));
        QCOMPARE(m_kit->takeBoxTexts(), QStringList{emptyFile(QString())});

        AttachmentWidget sms(nullptr, false);
        QVERIFY(sms.btnAttach->isHidden());
        QVERIFY(sms.nofiles->isHidden());
        QVERIFY(!dropUrls(&sms, {QUrl::fromLocalFile(a)}));
        QVERIFY(!sms.hasAttachments());
    }

    void refusesFilesThatCannotBeReadWhole()
    {
        const QString folder = m_kit->files.filePath("folder");
        QDir().mkpath(folder);
        AttachmentWidget widget(nullptr, true);
        widget.addFiles({folder});
        QVERIFY(!widget.hasAttachments());
        QCOMPARE(m_kit->takeBoxTexts(), QStringList{QStringLiteral("can not open file %1 ").arg(folder)});

        const QString changing = shortReadFile();
        if (changing.isEmpty())
            QSKIP("no file here reads shorter than its size");
        widget.addFiles({changing});
        QVERIFY(!widget.hasAttachments());
        QCOMPARE(m_kit->takeBoxTexts(), QStringList{QStringLiteral("can not open file %1 ").arg(changing)});
    }
};

QTEST_MAIN(AttachmentWidgetTest)
#include "tst_attachmentwidget.moc"
