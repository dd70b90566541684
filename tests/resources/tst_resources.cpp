#include "Languages.h"
#include "TextHelpers.h"
#include "TranslationSource.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

// Every image the program shows, by the name its code uses.
const char *const imageNames[] = {"add-contact", "add-group", "address-book", "application-exit", "attachment", "connection", "contact-outlook", "contact-qelvox-grey", "contact-qelvox", "contacts-fax", "contacts-gsm", "contacts-name", "contacts", "cover-page", "credentials", "delete-all", "delete", "desktop-address-book", "details", "edit-delete", "edit-undo", "edit", "email", "export", "eye", "folder", "folder_inbox", "folder_outbox", "help-about", "inport", "list-add", "list-remove", "list_authorized", "list_fax", "list_sms", "logo-extra-gray", "logo-extra", "logo2", "log-out", "mark-read", "merge", "phone", "preferences-desktop", "preferences-login", "preferences-system", "preview", "printer", "question", "read-all", "sendfax", "sendsms", "star", "system-software-update", "unread-all", "unread", "user-edit", "user-info", "voice-mail", "qelvoxdesk"};

// The delivery status keys, each with a code that shows it.
const QList<QPair<const char *, int>> statusKeys = {
    {"IQ local", -2}, {"FA", 0}, {"OK", 1}, {"IQ", 2}, {"NF", 3}, {"IT", 4}, {"CF", 5}, {"BU", 6},
    {"CR", 7}, {"CE", 8}, {"NA", 9}, {"IN", 10}, {"SB", 11}, {"BA", 12}, {"LP", 13}, {"CS", 14},
    {"RF", 15}, {"BL", 101}, {"NT", 102}, {"MF", 103}, {"NC", 104}, {"SE", 105}, {"UF", 106},
    {"AF", 107}, {"NR", 108}, {"MA", 109}, {"GF", 110}};

int pluralForms(const QString &code)
{
    return code == QLatin1String("ro") || code == QLatin1String("ru") ? 3 : 2;
}

QString translationSourcePath(const QString &code)
{
    return QStringLiteral(QELVOX_SOURCE_DIR "/resources/translations/lang_%1.ts").arg(code);
}

QSet<QString> keysOf(const QList<TranslationEntry> &entries)
{
    QSet<QString> keys;
    for (const TranslationEntry &entry : entries)
        keys.insert(entry.key() + QLatin1String(" [") + entry.comment + QLatin1Char(']'));
    return keys;
}

QString deleteQuestion(int count)
{
    return QCoreApplication::translate("Utils", "Do you want to delete %n item(s) ?", "Comment", count);
}

} // namespace

// The images, the sound and the translations are built into the program.
class ResourcesTest : public QObject
{
    Q_OBJECT

private:
    QTranslator m_translator;

    void useLanguage(const QString &code)
    {
        QCoreApplication::removeTranslator(&m_translator);
        QVERIFY(loadLanguage(m_translator, code));
        QCoreApplication::installTranslator(&m_translator);
    }

private slots:
    void cleanup() { QCoreApplication::removeTranslator(&m_translator); }

    void everyImageLoads_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *name : imageNames)
            QTest::newRow(name) << QStringLiteral(":/images/%1.png").arg(QLatin1String(name));
    }

    void everyImageLoads()
    {
        QFETCH(QString, path);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QVERIFY(image.width() >= 16 && image.height() >= 16);
    }

    void notificationSoundIsAWaveFile()
    {
        QFile sound(QStringLiteral(":/info.wav"));
        QVERIFY(sound.open(QIODevice::ReadOnly));
        const QByteArray head = sound.read(12);
        QVERIFY(head.startsWith("RIFF"));
        QCOMPARE(head.mid(8, 4), QByteArray("WAVE"));
    }

    void everyLanguageLoads_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : languageCodes())
            QTest::newRow(qPrintable(code)) << code;
    }

    void everyLanguageLoads()
    {
        QFETCH(QString, code);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/lang/lang_%1.qm").arg(code)));
        QCOMPARE(translator.language(), code);
    }

    void statusKeysAreTranslatedInEveryLanguage_data() { everyLanguageLoads_data(); }

    void statusKeysAreTranslatedInEveryLanguage()
    {
        QFETCH(QString, code);
        useLanguage(code);
        for (const auto &[key, status] : statusKeys) {
            const QString text = statusText(status);
            QVERIFY2(!text.trimmed().isEmpty(), key);
            if (qstrcmp(key, "OK") != 0)
                QVERIFY2(text != QLatin1String(key), key);
        }
        QVERIFY(!deleteQuestion(1).isEmpty());
        QVERIFY(deleteQuestion(3).contains(QLatin1String("3")));
    }

    void everyTextIsTranslated_data() { everyLanguageLoads_data(); }

    // Every text of the sources, finished in the language's file and found in the program as built, with as
    // many plural forms as the language has.
    void everyTextIsTranslated()
    {
        QFETCH(QString, code);
        const QList<TranslationEntry> entries = readTranslationSource(translationSourcePath(code));
        QVERIFY(!entries.isEmpty());
        QTranslator built;
        QVERIFY(built.load(QStringLiteral(":/lang/lang_%1.qm").arg(code)));

        for (const TranslationEntry &entry : entries) {
            const QByteArray key = entry.key().toUtf8();
            QVERIFY2(entry.finished, key);
            QCOMPARE(entry.translations.size(), entry.numerus ? pluralForms(code) : 1);
            for (const QString &text : entry.translations)
                QVERIFY2(!text.trimmed().isEmpty(), key);
            const QList<int> counts = entry.numerus ? QList<int>{1, 2, 5, 21} : QList<int>{-1};
            for (int count : counts) {
                const QString text = built.translate(entry.context.toUtf8(), entry.source.toUtf8(),
                                                     entry.comment.toUtf8().constData(), count);
                QVERIFY2(!text.trimmed().isEmpty(), key);
            }
        }
    }

    // A text added to the sources without its translations would show in English in every language.
    void theTranslationsHoldEveryTextOfTheSources()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString extracted = dir.filePath(QStringLiteral("lang_en.ts"));
        // The extraction that keeps the translation files in step, so that both read the same sources.
        QProcess extraction;
        extraction.setProcessChannelMode(QProcess::ForwardedChannels);
        extraction.start(QStringLiteral("python3"),
                         {QStringLiteral(QELVOX_SOURCE_DIR "/scripts/translations"), QStringLiteral("extract"),
                          extracted});
        QVERIFY2(extraction.waitForFinished(120000), qPrintable(extraction.errorString()));
        QCOMPARE(extraction.exitStatus(), QProcess::NormalExit);
        QCOMPARE(extraction.exitCode(), 0);

        const QSet<QString> inSources = keysOf(readTranslationSource(extracted));
        QVERIFY(!inSources.isEmpty());
        for (const QString &code : languageCodes()) {
            const QSet<QString> translated = keysOf(readTranslationSource(translationSourcePath(code)));
            const QStringList missing = QSet<QString>(inSources).subtract(translated).values();
            const QStringList stale = QSet<QString>(translated).subtract(inSources).values();
            QVERIFY2(missing.isEmpty(), qPrintable(code + QLatin1String(" lacks ") + missing.join(QLatin1String(", "))));
            QVERIFY2(stale.isEmpty(), qPrintable(code + QLatin1String(" keeps ") + stale.join(QLatin1String(", "))));
        }
    }

    void englishRewritesTheKeys()
    {
        useLanguage(QStringLiteral("en"));
        QCOMPARE(statusText(3), QStringLiteral("No fax machine answering"));
        QCOMPARE(statusText(-2), QStringLiteral("In queue"));
        QCOMPARE(statusText(107), QStringLiteral("Authentication failed"));
        QCOMPARE(statusText(111), QStringLiteral("Failure"));
        QCOMPARE(QCoreApplication::translate("SendDlg", "Send Sms"), QStringLiteral("Send SMS"));
        QCOMPARE(QCoreApplication::translate("FAXWidget", "Click here to change you Cover Page settings"),
                 QStringLiteral("Click here to change your Cover Page settings"));
    }

    void pluralFormsFollowTheCount_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("en 1") << "en" << 1 << "Do you want to delete 1 item?";
        QTest::newRow("en 3") << "en" << 3 << "Do you want to delete 3 items?";
        QTest::newRow("ru 1") << "ru" << 1 << QString::fromUtf8("Удалить 1 элемент?");
        QTest::newRow("ru 3") << "ru" << 3 << QString::fromUtf8("Удалить 3 элемента?");
        QTest::newRow("ru 5") << "ru" << 5 << QString::fromUtf8("Удалить 5 элементов?");
        QTest::newRow("ro 20") << "ro" << 20 << QString::fromUtf8("Doriți să ștergeți 20 de elemente?");
    }

    void pluralFormsFollowTheCount()
    {
        QFETCH(QString, code);
        QFETCH(int, count);
        useLanguage(code);
        QTEST(deleteQuestion(count), "text");
    }

    void anUnknownLanguageFallsBackToEnglish_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("unknown") << "xx";
        QTest::newRow("empty") << "";
    }

    void anUnknownLanguageFallsBackToEnglish()
    {
        QFETCH(QString, code);
        useLanguage(code);
        QCOMPARE(m_translator.language(), QStringLiteral("en"));
        QCOMPARE(statusText(3), QStringLiteral("No fax machine answering"));
    }
};

QTEST_MAIN(ResourcesTest)
#include "tst_resources.moc"
