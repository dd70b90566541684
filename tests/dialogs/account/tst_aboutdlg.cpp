#include "AboutDlg.h"
#include "DesktopFixture.h"
#include "ServiceEndpoints.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QTest>
#include <QTextDocument>

// The about box: everything it shows is in its form; only the version and the provider's host are filled in.
class AboutDlgTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DesktopFixture> m_fixture;

    static QString plainText(const QLabel *label)
    {
        QTextDocument document;
        document.setHtml(label->text());
        return document.toPlainText();
    }

private slots:
    void init() { m_fixture = std::make_unique<DesktopFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void showsNameVersionAndDownloadLink()
    {
        QWidget parent;
        AboutDlg dialog(&parent);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About"));
        QVERIFY(dialog.isModal());
        QCOMPARE(plainText(dialog.appName), QStringLiteral("Qelvoxdesk 2.29"));
        QCOMPARE(plainText(dialog.appName), QStringLiteral("Qelvoxdesk ") + QString::fromLatin1(appVersion()));
        QCOMPARE(plainText(dialog.urlLabel), QStringLiteral("Qelvoxdesk Website"));
        QVERIFY(dialog.urlLabel->text().contains(QStringLiteral("/index.php?action=download")));
        QVERIFY(!plainText(dialog.noticeLabel).contains(u'%'));
        const QString link = ServiceEndpoints::webPage("/index.php?action=download");
        emit dialog.urlLabel->linkActivated(link);
        QCOMPARE(m_fixture->urls.opened, QList<QUrl>{QUrl(link)});
        QVERIFY(!dialog.label->pixmap().isNull());
        QVERIFY(!dialog.windowIcon().isNull());
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint));
    }

    void okCloses()
    {
        QWidget parent;
        AboutDlg dialog(&parent);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(AboutDlgTest)
#include "tst_aboutdlg.moc"
