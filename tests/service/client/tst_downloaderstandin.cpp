// The update downloader against the stand-in's file server, the peer that serves the installer link of
// the version check.
#include "Downloader.h"
#include "QelvoxTestCase.h"
#include "SettingsStore.h"
#include "StandinProcess.h"
#include "TestHome.h"

#include <QFile>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTest>
#include <memory>

class TestDownloaderStandin : public QelvoxTestCase
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<StandinProcess> m_standin;
    const QByteArray m_installer = QByteArray("installer bytes ").repeated(4096);

    QString target() const { return m_home->path() + QStringLiteral("/setup.exe"); }

    // Runs one download to its end; true when the downloader reported success.
    bool fetch(const QString &origin)
    {
        Downloader downloader;
        QSignalSpy done(&downloader, &Downloader::signalDone);
        if (!downloader.download(target(), QUrl(origin + QStringLiteral("/files/setup.exe"))))
            return false;
        if (!done.wait(15000) || done.size() != 1)
            return false;
        return !done.first().at(1).toBool();
    }

    void serve(const QByteArray &mode) { serve(mode, m_installer); }
    void serve(const QByteArray &mode, const QByteArray &content)
    {
        const QJsonObject answer =
            m_standin->control("file", {{"name", "setup.exe"},
                                        {"base64", QString::fromLatin1(content.toBase64())},
                                        {"mode", QString::fromLatin1(mode)}});
        QVERIFY2(answer.value("ok").toBool(), qPrintable(QJsonDocument(answer).toJson()));
    }

    QByteArray targetBytes() const
    {
        QFile file(target());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

protected:
    void setUp() override
    {
        m_home = std::make_unique<TestHome>();
        QVERIFY(m_home->isValid());
        SettingsStore::instance().load();
        m_standin = std::make_unique<StandinProcess>();
        QVERIFY2(m_standin->start(), qPrintable(m_standin->errorText()));
    }
    void tearDown() override
    {
        QVERIFY(m_standin->stop());
        m_standin.reset();
        m_home.reset();
    }

private slots:

    void servedFileArrives()
    {
        serve("serve");
        QVERIFY(fetch(m_standin->httpUrl()));
        QCOMPARE(targetBytes(), m_installer);
    }

    void failuresLeaveNoFile_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::newRow("404") << QByteArray("404");
        QTest::newRow("connection cut mid-body") << QByteArray("cut");
    }

    void failuresLeaveNoFile()
    {
        QFETCH(QByteArray, mode);
        serve(mode);
        QVERIFY(!fetch(m_standin->httpUrl()));
        QVERIFY(!QFile::exists(target()));
    }

    // Qt now and then ends a reply whose connection closed mid-body without an error: of many cut downloads,
    // none may count as complete.
    void cutConnectionNeverCountsAsComplete()
    {
        serve("cut", m_installer.repeated(4));
        for (int attempt = 1; attempt <= 50; ++attempt) {
            QVERIFY2(!fetch(m_standin->httpUrl()), qPrintable(QStringLiteral("attempt %1").arg(attempt)));
            QVERIFY(!QFile::exists(target()));
        }
    }

    void httpsTrustsOnlyTheTestAuthority()
    {
        serve("serve");
        QVERIFY2(!fetch(m_standin->httpsUrl()), "an unknown authority must not be trusted");
        QVERIFY(!QFile::exists(target()));

        const QSslConfiguration original = QSslConfiguration::defaultConfiguration();
        QSslConfiguration withTestAuthority = original;
        withTestAuthority.addCaCertificates(QSslCertificate::fromPath(m_standin->caFile()));
        QSslConfiguration::setDefaultConfiguration(withTestAuthority);
        const bool fetched = fetch(m_standin->httpsUrl());
        QSslConfiguration::setDefaultConfiguration(original);
        QVERIFY(fetched);
        QCOMPARE(targetBytes(), m_installer);
    }
};

QTEST_GUILESS_MAIN(TestDownloaderStandin)
#include "tst_downloaderstandin.moc"
