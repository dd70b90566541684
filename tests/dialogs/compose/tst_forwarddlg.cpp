#include "ForwardDlg.h"
#include "ModalDriver.h"
#include "ObjectType.h"
#include "QelvoxTestCase.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// A forward request of the given object types, ids counting from 101.
std::unique_ptr<ForwardRequest> requestOf(const QList<int> &types)
{
    auto request = std::make_unique<ForwardRequest>();
    int id = 100;
    for (int type : types)
        request->addObject(type, ++id, type == ObjectType::SmsSent ? QStringLiteral("Hi") : QString());
    return request;
}

} // namespace

Q_DECLARE_METATYPE(QList<int>)

// The forward dialog: the destination kinds on offer by content, when "Send" may be pressed, and the
// destination written into every entry after "Send".
class ForwardDlgTest : public QelvoxTestCase
{
    Q_OBJECT

private:
    template <typename Widget> static Widget *part(ForwardDlg &dialog, const char *name)
    {
        auto *widget = dialog.findChild<Widget *>(QLatin1String(name));
        if (!widget)
            qFatal("no %s", name);
        return widget;
    }
    static QRadioButton *kind(ForwardDlg &dialog, const QString &name)
    {
        return part<QRadioButton>(dialog, qPrintable(name));
    }
    static QLineEdit *destination(ForwardDlg &dialog) { return part<QLineEdit>(dialog, "destination"); }
    static QPushButton *sendButton(ForwardDlg &dialog) { return part<QPushButton>(dialog, "btnSend"); }

    // "toFax toEmail" style: the enabled kinds; the checked one is marked with "*".
    static QString offered(ForwardDlg &dialog)
    {
        QStringList kinds;
        for (const char *name : {"toFax", "toSms", "toEmail"}) {
            QRadioButton *button = kind(dialog, name);
            if (button->isEnabled())
                kinds += QLatin1String(name) + (button->isChecked() ? "*" : "");
        }
        return kinds.join(u' ');
    }

private slots:
    void offersKindsByContent_data()
    {
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<QString>("offered");
        const int fax = ObjectType::FaxSent, received = ObjectType::FaxReceived;
        const int voice = ObjectType::VoiceReceived, sms = ObjectType::SmsSent;
        QTest::newRow("voice message with a fax") << QList<int>{fax, voice} << "toEmail*";
        QTest::newRow("received fax with an SMS") << QList<int>{sms, received} << "toFax* toEmail";
        QTest::newRow("sent fax") << QList<int>{fax} << "toFax* toEmail";
        QTest::newRow("SMS only") << QList<int>{sms, sms} << "toFax* toSms toEmail";
    }
    void offersKindsByContent()
    {
        QFETCH(QList<int>, types);
        ForwardDlg dialog(nullptr, requestOf(types));
        QTEST(offered(dialog), "offered");
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Forward"));
        QVERIFY(dialog.isModal());
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint));
        QVERIFY(!sendButton(dialog)->isEnabled());
        QCOMPARE(part<QPushButton>(dialog, "btnClose")->focusPolicy(), Qt::NoFocus);
    }

    void sendsToTheTypedDestination_data()
    {
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("forward"); // 0: "Send" stays disabled
        QTest::addColumn<QString>("to");
        const QList<int> sms{ObjectType::SmsSent};
        const QList<int> voice{ObjectType::VoiceReceived};
        QTest::newRow("fax number with blanks, brackets and dashes")
            << sms << "toFax" << " +33 (1) 23-45 67 " << 3 << "+331234567";
        QTest::newRow("leading double zero stays digits") << sms << "toSms" << "0049 30 1" << 4 << "+0049301";
        QTest::newRow("number without digits") << sms << "toSms" << "call me" << 0 << "";
        QTest::newRow("blank address") << sms << "toEmail" << "   " << 0 << "";
        QTest::newRow("any text is an address") << sms << "toEmail" << " call me " << 5 << "call me";
        QTest::newRow("number typed for a voice message") << voice << "toEmail" << " +33 1 " << 5 << "+33 1";
    }
    void sendsToTheTypedDestination()
    {
        QFETCH(QList<int>, types);
        QFETCH(QString, kind);
        QFETCH(QString, typed);
        QFETCH(int, forward);
        QFETCH(QString, to);
        ForwardDlg dialog(nullptr, requestOf(types + types));
        ForwardDlgTest::kind(dialog, kind)->setChecked(true);
        QTest::keyClicks(destination(dialog), typed);
        QCOMPARE(sendButton(dialog)->isEnabled(), forward != 0);
        if (forward == 0)
            return;

        ModalDriver driver;
        driver.whenShown([&](QWidget *) { QTest::mouseClick(sendButton(dialog), Qt::LeftButton); });
        dialog.exec();
        QVERIFY(driver.shown());
        const std::unique_ptr<ForwardRequest> request = dialog.forwardRequest();
        QVERIFY(request);
        QCOMPARE(request->entries().size(), 2);
        for (const ForwardEntry *entry : request->entries()) {
            QCOMPARE(entry->forward, forward);
            QCOMPARE(entry->to, to);
        }
        QCOMPARE(request->entries().at(1)->objectid, 102);
    }

    void changingTheKindReevaluatesTheText()
    {
        ForwardDlg dialog(nullptr, requestOf({ObjectType::SmsSent}));
        kind(dialog, "toEmail")->setChecked(true);
        destination(dialog)->setText(QStringLiteral("ann@example.test"));
        QVERIFY(sendButton(dialog)->isEnabled());
        kind(dialog, "toFax")->setChecked(true);
        QVERIFY(!sendButton(dialog)->isEnabled());
        kind(dialog, "toEmail")->setChecked(true);
        QVERIFY(sendButton(dialog)->isEnabled());
    }

    void closingWithoutSendGivesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Close") << "Close";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("close box") << "close box";
    }
    void closingWithoutSendGivesNothing()
    {
        QFETCH(QString, how);
        ForwardDlg dialog(nullptr, requestOf({ObjectType::FaxReceived}));
        destination(dialog)->setText(QStringLiteral("+3312"));
        ModalDriver driver;
        driver.whenShown([&](QWidget *shown) {
            if (how == "Close")
                QTest::mouseClick(part<QPushButton>(dialog, "btnClose"), Qt::LeftButton);
            else if (how == "Escape")
                QTest::keyClick(shown, Qt::Key_Escape);
            else
                shown->close();
        });
        dialog.exec();
        QVERIFY(driver.shown());
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.forwardRequest());
        QVERIFY(!dialog.forwardRequest());
    }
};

QTEST_MAIN(ForwardDlgTest)
#include "tst_forwarddlg.moc"
