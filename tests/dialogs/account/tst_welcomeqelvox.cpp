#include "ChangePassword.h"
#include "DesktopFixture.h"
#include "ModalDriver.h"
#include "WelcomeQelvox.h"

#include <QTest>

// The welcome dialog as the log-in dialog runs it after a sign-up, with the password change over it,
// against the stand-in.
class WelcomeQelvoxTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DesktopFixture> world;

private slots:
    void initTestCase()
    {
        world = std::make_unique<DesktopFixture>();
        QVERIFY(world->startService());
        const QJsonObject account{{"email", "welcome@example.test"}, {"password", "gen-pass"}};
        QVERIFY(world->standin().seed({{"accounts", QJsonArray{account}}})["ok"].toBool());
    }
    void cleanupTestCase() { world.reset(); }
    void init()
    {
        world->service().reset();
        world->prompts.boxes.clear();
    }

    void showsTheCredentials();
    void passwordChangeComesBack_data();
    void passwordChangeComesBack();
};

void WelcomeQelvoxTest::showsTheCredentials()
{
    QString email = "welcome@example.test", password = "gen-pass";
    QWidget parent;
    WelcomeQelvox dialog(&email, &password, &parent);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Qelvox account registration"));
    QCOMPARE(dialog.ui_email->text(), email);
    QCOMPARE(dialog.ui_password->text(), password);
    QVERIFY(dialog.ui_email->isReadOnly() && dialog.ui_password->isReadOnly());
    QCOMPARE(dialog.ui_password->echoMode(), QLineEdit::Normal);
    QVERIFY(dialog.okButton->isDefault());
    dialog.show();
    QTest::mouseClick(dialog.okButton, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
}

void WelcomeQelvoxTest::passwordChangeComesBack_data()
{
    QTest::addColumn<QString>("chosen"); // empty: the change is cancelled
    QTest::newRow("changed") << "my-own-pass";
    QTest::newRow("cancelled") << QString();
}

void WelcomeQelvoxTest::passwordChangeComesBack()
{
    QFETCH(QString, chosen);
    const bool changing = !chosen.isEmpty();
    // The account keeps the password each row leaves it with.
    static QString current = "gen-pass";
    const QString before = current;

    QString email = "welcome@example.test", password = before;
    QWidget parent;
    WelcomeQelvox welcome(&email, &password, &parent);
    ModalDriver onWelcome, onChange;
    bool welcomeStayed = false;
    QString shownAfterwards;
    onWelcome.whenShown([&](QWidget *) {
        // The change dialog comes up inside the button's slot; act on it once it runs.
        QTimer::singleShot(0, [&] {
            onChange.whenShown([&](QWidget *dialog) {
                auto *change = qobject_cast<ChangePassword *>(dialog);
                QVERIFY(change);
                welcomeStayed = welcome.isVisible();
                if (!changing) {
                    QTest::mouseClick(change->btnCancel, Qt::LeftButton);
                    return;
                }
                change->password1->setText(chosen);
                change->password2->setText(chosen);
                QTest::mouseClick(change->btnOk, Qt::LeftButton);
            });
        });
        QTest::mouseClick(welcome.btnPassword, Qt::LeftButton);
        shownAfterwards = welcome.ui_password->text();
        QTest::mouseClick(welcome.okButton, Qt::LeftButton);
    });
    welcome.exec();

    QVERIFY(onWelcome.shown() && onChange.shown());
    QVERIFY(welcomeStayed);
    const QString expected = changing ? chosen : before;
    QCOMPARE(shownAfterwards, expected);
    QCOMPARE(password, expected);
    QCOMPARE(email, QStringLiteral("welcome@example.test"));
    QCOMPARE(world->prompts.boxes.size(), changing ? 1 : 0);
    QCOMPARE(world->service().operations(), changing ? QStringList{"setNewPassword"} : QStringList());
    current = password;
}

QTEST_MAIN(WelcomeQelvoxTest)
#include "tst_welcomeqelvox.moc"
