// The base fixture itself: run as a child process, a test that logs an unexpected warning must fail, and
// one that announces its warning must pass.

#include "QelvoxTestCase.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

namespace {

const char *const fixtureOption = "--warning-fixture";

} // namespace

// Runs only in the child process.
class WarningFixture : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void unexpectedWarning() { qWarning("something went wrong"); }
    void announcedWarning()
    {
        QTest::ignoreMessage(QtWarningMsg, "expected");
        qWarning("expected");
    }
    void plainDebugOutput() { qDebug("not a warning"); }
};

class TestCaseTest : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    void unexpectedWarningsFail()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(fixtureOption)});
        QVERIFY(child.waitForFinished(30000));
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        QCOMPARE(child.exitCode(), 1);
        QVERIFY2(output.contains("FAIL!  : WarningFixture::unexpectedWarning()"), qPrintable(output));
        QVERIFY2(output.contains("PASS   : WarningFixture::announcedWarning()"), qPrintable(output));
        QVERIFY2(output.contains("PASS   : WarningFixture::plainDebugOutput()"), qPrintable(output));
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], fixtureOption) == 0) {
        WarningFixture fixture;
        return QTest::qExec(&fixture, 1, argv);
    }
    TestCaseTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_testcase.moc"
