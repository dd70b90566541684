#include "FileHelpers.h"
#include "ItemTexts.h"
#include "QelvoxTestCase.h"
#include "SettingsStore.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "TextHelpers.h"
#include "qtFAXReceivedInfo.h"
#include "qtFAXSentInfo.h"
#include "qtVOICEReceivedInfo.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <memory>

class HelpersTest : public QelvoxTestCase
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;

protected:
    void setUp() override
    {
        m_home = std::make_unique<TestHome>();
        QVERIFY(m_home->isValid());
    }
    void tearDown() override { m_home.reset(); }

private slots:
    void initTestCase()
    {
        // A zone with daylight saving: service dates must not move with it.
        qputenv("TZ", "Europe/Berlin");
    }

    void statusTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        const QList<QPair<int, const char *>> rows{
            {-3, "FA"},  {-2, "IQ local"}, {-1, "FA"},  {0, "FA"},   {1, "OK"},       {2, "IQ"},
            {3, "NF"},   {9, "NA"},        {15, "RF"},  {16, "FA"},  {100, "FA"},     {101, "BL"},
            {104, "NC"}, {107, "AF"},      {110, "GF"}, {111, "FA"}, {INT_MIN, "FA"}, {INT_MAX, "FA"}};
        for (const auto &[code, text] : rows)
            QTest::addRow("%d", code) << code << QString::fromLatin1(text);
    }
    void statusTexts()
    {
        QFETCH(int, code);
        QTEST(statusText(code), "text");
    }

    void phoneNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<QString>("normalized");
        QTest::newRow("international") << "+331" << true << "+331";
        QTest::newRow("no plus") << "331" << false << "+331";
        QTest::newRow("blank inside") << "+33 1" << false << "+331";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("lone plus") << "+" << true << "";
        QTest::newRow("punctuation") << "(01) 23-45" << false << "+012345";
        QTest::newRow("leading 00 stays") << "0049 30" << false << "+004930";
        QTest::newRow("no digits") << "abc-" << false << "";
        // Typed with an input method or pasted from a document: the same number, never a shorter one.
        QTest::newRow("arabic-indic digits") << QString::fromUtf8("+\u0663\u0664") << false << "+34";
        QTest::newRow("fullwidth digits") << QString::fromUtf8("+\uff11\uff12") << false << "+12";
        QTest::newRow("devanagari among ascii") << QString::fromUtf8("0\u0967 2") << false << "+012";
        QTest::newRow("digit beyond the BMP") << QString::fromUtf8("+1\U0001D7DC") << false << "+14";
        QTest::newRow("superscript is no digit") << QString::fromUtf8("+1\u00b2") << false << "+1";
    }
    void phoneNumbers()
    {
        QFETCH(QString, text);
        QTEST(isPhoneNumber(text), "isNumber");
        QTEST(normalizeNumber(text), "normalized");
    }

    void digestIsLowerCaseHexOfUtf8()
    {
        QCOMPARE(md5Hex(QString()), QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
        QCOMPARE(md5Hex(QStringLiteral("password")), QStringLiteral("5f4dcc3b5aa765d61d8327deb882cf99"));
        QCOMPARE(md5Hex(QString::fromUtf8("\u00e9")), QStringLiteral("66ddcd97cfdeabb2f6fb8a999b4bc76f"));
    }

    void dateColumn_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shifted");
        QTest::newRow("next day") << "2012-05-09 23:30:00" << 3600 << "10-05-2012 00:30:00"
                                  << "2012-05-10 00:30:00";
        QTest::newRow("negative shift") << "2012-01-01 00:10:00" << -900 << "31-12-2011 23:55:00"
                                        << "2011-12-31 23:55:00";
        QTest::newRow("inside the spring gap") << "2012-03-25 02:30:00" << 0 << "25-03-2012 02:30:00"
                                               << "2012-03-25 02:30:00";
        QTest::newRow("across the spring gap") << "2012-03-25 01:30:00" << 3600 << "25-03-2012 02:30:00"
                                               << "2012-03-25 02:30:00";
        QTest::newRow("across the autumn change") << "2012-10-28 01:30:00" << 7200 << "28-10-2012 03:30:00"
                                                  << "2012-10-28 03:30:00";
        QTest::newRow("not a date") << "yesterday" << 0 << ""
                                    << "";
        QTest::newRow("no time") << "2012-05-09" << 0 << ""
                                 << "";
        QTest::newRow("no such day") << "2012-02-30 10:00:00" << 0 << ""
                                     << "";
        QTest::newRow("no such hour") << "2012-05-09 24:00:00" << 0 << ""
                                      << "";
        QTest::newRow("digits of another script") << QString::fromUtf8("2012-05-09 1\u0660:00:00") << 0 << ""
                                                  << "";
        QTest::newRow("marker IQL") << "IQL" << 60 << "IQ local"
                                    << "IQL";
        QTest::newRow("marker IQ") << "IQ" << 60 << "IQ"
                                   << "IQ";
        QTest::newRow("marker FA") << "FA" << 60 << "FA"
                                   << "FA";
        QTest::newRow("marker OK") << "OK" << 60 << "OK"
                                   << "OK";
        QTest::newRow("marker is case-sensitive") << "ok" << 0 << ""
                                                  << "";
        QTest::newRow("registering") << "" << 60 << "registering"
                                     << "";
    }
    void dateColumn()
    {
        QFETCH(QString, date);
        QFETCH(int, shift);
        qtFAXReceivedInfo item(1, 0);
        item.date = date;
        item.shifteddate = QStringLiteral("stale");
        QTEST(dateText(item, shift), "text");
        QTEST(item.shifteddate, "shifted");
    }

    void recordTexts()
    {
        qtVOICEReceivedInfo voice(1, 0);
        QCOMPARE(senderText(voice), QStringLiteral("************"));
        voice.sender = QStringLiteral("+331");
        QCOMPARE(senderText(voice), QStringLiteral("+331"));
        const QList<QPair<int, const char *>> durations{{0, "00:00"}, {65, "01:05"}, {6000, "100:00"}};
        for (const auto &[seconds, text] : durations) {
            voice.duration = seconds;
            QCOMPARE(durationText(voice), QString::fromLatin1(text));
        }

        qtFAXSentInfo fax(1, 0);
        fax.pagescount = 12;
        fax.sentstatus = 6;
        QCOMPARE(pagescountText(fax), QStringLiteral("12"));
        QCOMPARE(sentstatusText(fax), QStringLiteral("BU"));
        QCOMPARE(recipientsText(fax), QStringLiteral("0 recipients"));
        fax.recipients = 3;
        QCOMPARE(recipientsText(fax), QStringLiteral("3 recipients"));
        fax.recipients = 1;
        fax.recipient = QStringLiteral("+4930");
        QCOMPARE(recipientsText(fax), QStringLiteral("+4930"));
    }

    void joinsNumbers()
    {
        QCOMPARE(joinNumbers({}, u','), QString());
        QCOMPARE(joinNumbers({3, -1, 20}, u','), QStringLiteral("3,-1,20"));
    }

    void splitsKeyValue_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("trimmed") << " a = b "
                                 << "a"
                                 << "b";
        QTest::newRow("first separator") << "a=b=c"
                                         << "a"
                                         << "b=c";
        QTest::newRow("separator first") << "=abc"
                                         << "old key"
                                         << "old value";
        QTest::newRow("separator last") << "abc="
                                        << "old key"
                                        << "old value";
        QTest::newRow("no separator") << "abc"
                                      << "old key"
                                      << "old value";
    }
    void splitsKeyValue()
    {
        QFETCH(QString, line);
        QString key = QStringLiteral("old key");
        QString value = QStringLiteral("old value");
        splitKeyValue(line, key, value, u'=');
        QTEST(key, "key");
        QTEST(value, "value");
    }

    void readsKeyValueFile()
    {
        const QString path = m_home->path() + QStringLiteral("/values.txt");
        QVERIFY(writeFile(path, "a=1\r\n\n  b = two words \n=x\ny=\nnothing\na=3\n \xc3\xa9=\xc3\xa8\n"));
        QMap<QString, QString> map{{QStringLiteral("kept"), QStringLiteral("yes")}};
        QVERIFY(readKeyValueFile(map, path));
        const QMap<QString, QString> expected{{"kept", "yes"}, {"a", "3"}, {"b", "two words"}, {"é", "è"}};
        QCOMPARE(map, expected);
        QVERIFY(!readKeyValueFile(map, path + QStringLiteral(".missing")));
        QCOMPARE(map, expected);
    }

    void linesRoundTrip()
    {
        const QString directory = m_home->path() + u'/';
        QVERIFY(writeLines(directory,
                           {QStringLiteral("one"), QStringLiteral(" "), QString::fromUtf8("tr\u00e8s")},
                           QStringLiteral("lines.txt")));
        QCOMPARE(fileBytes(directory + "lines.txt"), QByteArray("one\r\n \r\ntr\xc3\xa8s\r\n"));
        QStringList lines{QStringLiteral("before")};
        QVERIFY(readLines(lines, directory + "lines.txt"));
        QCOMPARE(lines, QStringList({"before", "one", QString::fromUtf8("tr\u00e8s")}));

        QVERIFY(writeTextFile(directory, QStringLiteral("short"), QStringLiteral("lines.txt")));
        QString text = QStringLiteral("old");
        QVERIFY(readTextFile(text, directory + "lines.txt"));
        QCOMPARE(text, QStringLiteral("short"));
        QVERIFY(!readTextFile(text, directory + "missing.txt"));
        QCOMPARE(text, QStringLiteral("short"));
        QVERIFY(!writeTextFile(directory + "no/such/dir/", text, QStringLiteral("x.txt")));
    }

    void removesDirectoryOfPlainFilesOnly()
    {
        const QString directory = m_home->path() + QStringLiteral("/work");
        QVERIFY(QDir().mkpath(directory + "/sub"));
        QVERIFY(writeFile(directory + "/a.pdf", "a"));
        QVERIFY(writeFile(directory + "/.hidden", "h"));
        QVERIFY(!removeDirectory(directory));
        QVERIFY(!QFile::exists(directory + "/a.pdf"));
        QVERIFY(QFile::exists(directory + "/.hidden"));
        QVERIFY(QFileInfo(directory + "/sub").isDir());
    }

    void removesTaskDirectory()
    {
        SettingsStore::instance().load();
        SettingsStore::instance().setCustomerId(7);
        const QString task = SettingsStore::instance().customerDirectory() + QStringLiteral("/Task-1001");
        QVERIFY(QDir().mkpath(task));
        QVERIFY(writeFile(task + "/doc.pdf", "%PDF"));
        QVERIFY(removeTaskDirectory(0));
        QVERIFY(QFileInfo(task).isDir());
        QVERIFY(removeTaskDirectory(1001));
        QVERIFY(!QFileInfo::exists(task));
    }

    void fileNames()
    {
        QCOMPARE(fileNameOfPath(QStringLiteral("/a/b/c.pdf")), QStringLiteral("c.pdf"));
        QCOMPARE(fileNameOfPath(QStringLiteral("c.pdf")), QStringLiteral("c.pdf"));
        QCOMPARE(fileNameOfPath(QStringLiteral("/a/")), QString());
    }
};

QTEST_GUILESS_MAIN(HelpersTest)
#include "tst_helpers.moc"
