#include "ChangePassword.h"
#include "DesktopFixture.h"
#include "TextHelpers.h"

#include <QTest>

namespace {

// A reply of the account service that the stand-in sends in place of the operation's own, after running it.
QJsonObject replyCode(int code)
{
    const QByteArray body =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SOAP-ENV:Envelope"
        " xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" xmlns:ns=\"urn:QelvoxService\">"
        "<SOAP-ENV:Body><ns:QelvoxService.setNewPasswordResponse><return>" +
        QByteArray::number(code) + "</return></ns:QelvoxService.setNewPasswordResponse></SOAP-ENV:Body>"
                                   "</SOAP-ENV:Envelope>";
    return {{"kind", "malformed"}, {"body", QString::fromLatin1(body)}};
}

QString md5(const QString &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
}

} // namespace

// The password change of a new account against the stand-in, started once.
class ChangePasswordTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DesktopFixture> world;
    int accounts = 0;

    // A new account on the stand-in with the given password; returns its e-mail address.
    QString seedAccount(const QString &password)
    {
        const QString email = QStringLiteral("fresh%1@example.test").arg(++accounts);
        const QJsonObject account{{"email", email}, {"password", password}};
        [&] { QVERIFY(world->standin().seed({{"accounts", QJsonArray{account}}})["ok"].toBool()); }();
        return email;
    }

private slots:
    void initTestCase()
    {
        world = std::make_unique<DesktopFixture>();
        QVERIFY(world->startService());
    }
    void cleanupTestCase() { world.reset(); }
    void init()
    {
        world->service().reset();
        world->prompts.boxes.clear();
    }
    void cleanup()
    {
        world->service().useHttps();
        QVERIFY2(world->prompts.boxes.isEmpty(), "a message box the test did not expect");
    }

    void okFollowsBothFields_data();
    void okFollowsBothFields();
    void change_data();
    void change();
    void cancelKeepsThePassword();
};

void ChangePasswordTest::okFollowsBothFields_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("confirmed");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("equal") << "n3w-Pass" << "n3w-Pass" << true;
    QTest::newRow("blanks inside") << "new pass" << "new pass" << true;
    QTest::newRow("empty") << "" << "" << false;
    QTest::newRow("not confirmed yet") << "n3w-Pass" << "" << false;
    QTest::newRow("ends in a blank") << "n3w-Pass " << "n3w-Pass " << false;
    QTest::newRow("starts with a blank") << " n3w-Pass" << " n3w-Pass" << false;
    QTest::newRow("confirmation in other case") << "n3w-Pass" << "n3w-pass" << false;
    QTest::newRow("the current password") << "gen-pass" << "gen-pass" << false;
}

void ChangePasswordTest::okFollowsBothFields()
{
    QFETCH(QString, typed);
    QFETCH(QString, confirmed);
    QFETCH(bool, enabled);

    QString email = "new@example.test", password = "gen-pass";
    ChangePassword dialog(&email, &password, nullptr);
    QVERIFY(!dialog.btnOk->isEnabled());
    QVERIFY(dialog.btnOk->isDefault());
    QCOMPARE(dialog.password1->echoMode(), QLineEdit::Password);
    // Either field may be typed last.
    dialog.password2->setText(confirmed);
    dialog.password1->setText(typed);
    QCOMPARE(dialog.btnOk->isEnabled(), enabled);
    dialog.password1->clear();
    dialog.password1->setText(typed);
    dialog.password2->clear();
    dialog.password2->setText(confirmed);
    QCOMPARE(dialog.btnOk->isEnabled(), enabled);
}

void ChangePasswordTest::change_data()
{
    QTest::addColumn<QJsonObject>("injection");
    QTest::addColumn<bool>("knownPassword");
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<QString>("message"); // empty: changed

    const QString offline = "No internet connection.";
    QTest::newRow("changed") << QJsonObject() << true << true << QString();
    QTest::newRow("refused with a reply code") << replyCode(110) << true << true << statusText(110);
    QTest::newRow("current password not the account's") << QJsonObject() << false << true << offline;
    QTest::newRow("refused connection") << QJsonObject() << true << false << offline;
}

void ChangePasswordTest::change()
{
    QFETCH(QJsonObject, injection);
    QFETCH(bool, knownPassword);
    QFETCH(bool, reachable);
    QFETCH(QString, message);

    const QString generated = "gen-pass";
    const QString chosen = QStringLiteral("nöuveau 1");
    QString email = seedAccount(generated);
    QString password = knownPassword ? generated : QStringLiteral("other");
    const QString passed = password;
    ChangePassword dialog(&email, &password, nullptr);
    dialog.show();
    dialog.password1->setText(chosen);
    dialog.password2->setText(chosen);
    if (!injection.isEmpty())
        world->service().injectOnce("setNewPassword", injection);
    if (!reachable)
        QelvoxAPI::setServiceOrigin("https://127.0.0.1:1", world->standin().caFile().toUtf8());
    QTest::mouseClick(dialog.btnOk, Qt::LeftButton);

    const bool changed = message.isEmpty();
    QCOMPARE(world->prompts.boxes.size(), 1);
    const MessageBoxRequest box = world->prompts.boxes.takeFirst();
    QCOMPARE(box.text, changed ? QStringLiteral("The password have been changed successfuly.") : message);
    QCOMPARE(box.icon, changed ? QMessageBox::Information : QMessageBox::Critical);
    QCOMPARE(box.parent, &dialog);
    QCOMPARE(password, changed ? chosen : passed);
    QCOMPARE(dialog.isVisible(), !changed);
    QCOMPARE(dialog.password1->text(), chosen);
    if (!reachable)
        return;
    // The account's own credentials in the header, the new digest in the body.
    const QJsonObject request = world->standin().lastRequest("setNewPassword");
    QCOMPARE(request["email"].toString(), email);
    QCOMPARE(request["password"].toString(), md5(passed));
    if (knownPassword)
        QCOMPARE(request["params"]["password"].toString(), md5(chosen));
}

void ChangePasswordTest::cancelKeepsThePassword()
{
    QString email = "new@example.test", password = "gen-pass";
    ChangePassword dialog(&email, &password, nullptr);
    dialog.show();
    dialog.password1->setText("n3w-Pass");
    dialog.password2->setText("n3w-Pass");
    QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(password, QStringLiteral("gen-pass"));
    QVERIFY(world->service().operations().isEmpty());
}

QTEST_MAIN(ChangePasswordTest)
#include "tst_changepassword.moc"
