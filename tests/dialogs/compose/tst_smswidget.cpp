#include "SMSWidget.h"
#include "SendDialogTestKit.h"

#include <QSignalSpy>

// The SMS text: the length limit with and without Unicode, where the caret stands after a cut, no half
// characters, and one change signal per change.
class SMSWidgetTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SendDialogTestKit> m_kit;

private slots:
    void init() { m_kit = std::make_unique<SendDialogTestKit>(); }
    void cleanup() { m_kit.reset(); }

    void keepsTextWithinTheLimit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("unicode");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("left");
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 units

        QTest::newRow("empty") << QString() << false << QString() << "160";
        QTest::newRow("empty, Unicode") << QString() << true << QString() << "80";
        QTest::newRow("line break counts one") << "a\nb" << false << "a\nb" << "157";
        QTest::newRow("exactly 160") << QString(160, 'x') << false << QString(160, 'x') << "0";
        QTest::newRow("200 pasted") << QString(150, 'x') + QString(50, 'y') << false
                                    << QString(150, 'x') + QString(10, 'y') << "0";
        QTest::newRow("100 with Unicode") << QString(100, 'x') << true << QString(80, 'x') << "0";
        QTest::newRow("blanks count") << QString(10, ' ') << false << QString(10, ' ') << "150";
        QTest::newRow("pair across the limit") << QString(159, 'x') + emoji << false << QString(159, 'x') << "1";
        QTest::newRow("pair across the Unicode limit") << QString(79, 'x') + emoji + "z" << true << QString(79, 'x')
                                                       << "1";
        QTest::newRow("pair at the limit") << QString(158, 'x') + emoji << false << QString(158, 'x') + emoji << "0";
    }
    void keepsTextWithinTheLimit()
    {
        QFETCH(QString, text);
        QFETCH(bool, unicode);
        QFETCH(QString, kept);
        QFETCH(QString, left);
        SMSWidget widget(nullptr);
        widget.unicode->setChecked(unicode);
        QSignalSpy changed(&widget, &SMSWidget::signalChanged);
        widget.sms->setPlainText(text);
        QCOMPARE(widget.sms->toPlainText(), kept);
        QCOMPARE(widget.toAdd->text(), left);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(widget.hasText(), !kept.trimmed().isEmpty());
        int flag = -1;
        QString message;
        widget.message(flag, message);
        QCOMPARE(flag, unicode ? 1 : 0);
        QCOMPARE(message, kept);
    }

    void typingPastTheLimitKeepsTheText()
    {
        SMSWidget widget(nullptr);
        const QString full = QString(80, 'a') + QString(80, 'b');
        widget.sms->setPlainText(full);
        widget.sms->moveCursor(QTextCursor::End);
        QSignalSpy changed(&widget, &SMSWidget::signalChanged);
        QTest::keyClicks(widget.sms, "xyz");
        QCOMPARE(widget.sms->toPlainText(), full);
        QCOMPARE(widget.sms->textCursor().position(), 160);
        QCOMPARE(changed.count(), 3);

        // In the middle, the caret stays after the typed character instead of jumping to the start.
        QTextCursor caret = widget.sms->textCursor();
        caret.setPosition(80);
        widget.sms->setTextCursor(caret);
        QTest::keyClicks(widget.sms, "c");
        QCOMPARE(widget.sms->textCursor().position(), 81);
        QCOMPARE(widget.sms->toPlainText(), QString(80, 'a') + "c" + QString(79, 'b'));
        QCOMPARE(widget.toAdd->text(), QStringLiteral("0"));
    }

    void unicodeCutStaysWhenUnchecked()
    {
        SMSWidget widget(nullptr);
        widget.sms->setPlainText(QString(100, 'x'));
        QSignalSpy changed(&widget, &SMSWidget::signalChanged);
        widget.unicode->setChecked(true);
        QCOMPARE(widget.sms->toPlainText(), QString(80, 'x'));
        QCOMPARE(widget.toAdd->text(), QStringLiteral("0"));
        widget.unicode->setChecked(false);
        QCOMPARE(widget.sms->toPlainText(), QString(80, 'x'));
        QCOMPARE(widget.toAdd->text(), QStringLiteral("80"));
        QCOMPARE(changed.count(), 2);
    }
};

QTEST_MAIN(SMSWidgetTest)
#include "tst_smswidget.moc"
