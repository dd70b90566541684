#include "FAXWidget.h"
#include "SendDialogTestKit.h"
#include "SettingsStore.h"

#include <QDesktopServices>
#include <QSignalSpy>

// The fax options: how they start from the last fax's settings, the report boxes, the cover page.
class FAXWidgetTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SendDialogTestKit> m_kit;

private slots:
    void init() { m_kit = std::make_unique<SendDialogTestKit>(); }
    void cleanup() { m_kit.reset(); }

    void startsFromTheSettings_data()
    {
        QTest::addColumn<int>("dithering");
        QTest::addColumn<QString>("reportType");
        QTest::addColumn<bool>("blackWhite");
        QTest::addColumn<bool>("report");
        QTest::addColumn<bool>("attach");
        QTest::addColumn<bool>("attachEnabled");
        QTest::newRow("first fax") << 0 << "NO" << true << true << false << true;
        QTest::newRow("grey, report with file") << 1 << "YES" << false << true << true << true;
        QTest::newRow("no report") << 0 << "NOT_AT_ALL" << true << false << false << false;
    }
    void startsFromTheSettings()
    {
        QFETCH(int, dithering);
        QFETCH(QString, reportType);
        QFETCH(bool, blackWhite);
        QFETCH(bool, report);
        QFETCH(bool, attach);
        QFETCH(bool, attachEnabled);
        SettingsStore::instance().setDithering(dithering);
        SettingsStore::instance().setReportType(reportType);
        FAXWidget widget(nullptr);
        QCOMPARE(widget.blackWhite->isChecked(), blackWhite);
        QCOMPARE(widget.radioButton_2->isChecked(), !blackWhite);
        QCOMPARE(widget.reportCheck->isChecked(), report);
        QCOMPARE(widget.reportAttachCheck->isChecked(), attach);
        QCOMPARE(widget.reportAttachCheck->isEnabled(), attachEnabled);
        QCOMPARE(widget.reportType(), reportType);
        QVERIFY(!widget.isCoverPage());
        QVERIFY(widget.coverPage->isHidden());
        QVERIFY(widget.coverPageLink->isHidden());
        QVERIFY(widget.coverPageLink->text().contains("/myaccount/index.php?action=account_management"));
    }

    // Without a browser the link says which page it could not open instead of doing nothing.
    void coverPageLinkOpensInTheBrowser()
    {
        FAXWidget widget(nullptr);
        const QString page = QStringLiteral("https://example.test/myaccount/index.php?action=account_management");
        emit widget.coverPageLink->linkActivated(page);
        QCOMPARE(m_kit->desktop->urls.opened, QList<QUrl>{QUrl(page)});
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        emit widget.coverPageLink->linkActivated(page);
        QCOMPARE(m_kit->takeBoxTexts(), QStringList{"No application could open " + page + '.'});
    }

    void reportBoxesGoTogether()
    {
        SettingsStore::instance().setReportType("YES");
        FAXWidget widget(nullptr);
        QSignalSpy changed(&widget, &FAXWidget::signalChanged);
        widget.reportCheck->setChecked(false);
        QVERIFY(!widget.reportAttachCheck->isChecked());
        QVERIFY(!widget.reportAttachCheck->isEnabled());
        QCOMPARE(widget.reportType(), QStringLiteral("NOT_AT_ALL"));
        widget.reportCheck->setChecked(true);
        QVERIFY(!widget.reportAttachCheck->isChecked());
        QVERIFY(widget.reportAttachCheck->isEnabled());
        QCOMPARE(widget.reportType(), QStringLiteral("NO"));
        widget.reportAttachCheck->setChecked(true);
        QCOMPARE(widget.reportType(), QStringLiteral("YES"));
        widget.radioButton_2->setChecked(true);
        QCOMPARE(changed.count(), 0);
    }

    void coverTextOutlivesTheBox()
    {
        FAXWidget widget(nullptr);
        QSignalSpy changed(&widget, &FAXWidget::signalChanged);
        widget.coverPageOption->setChecked(true);
        QVERIFY(!widget.coverPage->isHidden());
        widget.coverPage->setPlainText("Dear Ann");
        widget.coverPageOption->setChecked(false);
        QVERIFY(widget.coverPage->isHidden());
        QCOMPARE(changed.count(), 2);

        int dithering = -1, coverPage = -1;
        QString text = "untouched", report;
        widget.options(dithering, coverPage, text, report);
        QCOMPARE(dithering, 1);
        QCOMPARE(coverPage, 0);
        QCOMPARE(text, QStringLiteral("untouched"));
        QCOMPARE(report, QStringLiteral("NO"));

        widget.coverPageOption->setChecked(true);
        widget.radioButton_2->setChecked(true);
        widget.options(dithering, coverPage, text, report);
        QCOMPARE(dithering, 0);
        QCOMPARE(coverPage, 1);
        QCOMPARE(text, QStringLiteral("Dear Ann"));
    }
};

QTEST_MAIN(FAXWidgetTest)
#include "tst_faxwidget.moc"
