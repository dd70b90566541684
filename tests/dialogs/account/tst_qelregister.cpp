#include "DesktopFixture.h"
#include "QelRegister.h"
#include "ServiceEndpoints.h"

#include <QTest>
#include <optional>

using namespace Accounts;

namespace {

const QString listsFailed =
    "An error occured while processing a request to server.\nPlease check your internet connection.";
const QString notRegistered =
    "Cannot finish the registration procedure. Please visit the site and contact the support team.";
const QString noArea = "Please select the fax area of the fax country.";

QStringList itemTexts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QStringList itemTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

void selectCode(QComboBox *combo, const QString &code)
{
    const int index = combo->findData(code);
    QVERIFY2(index >= 0, qPrintable(code));
    combo->setCurrentIndex(index);
}

// A sign-up service reply that the stand-in sends in place of the operation's own.
QJsonObject replyInstead(const QByteArray &operation, const QByteArray &content)
{
    const QByteArray body =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SOAP-ENV:Envelope"
        " xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\""
        " xmlns:SOAP-ENC=\"http://schemas.xmlsoap.org/soap/encoding/\""
        " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\""
        " xmlns:ns=\"urn:ClientService\"><SOAP-ENV:Body"
        " SOAP-ENV:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\"><ns:ClientService." +
        operation + "Response>" + content + "</ns:ClientService." + operation +
        "Response></SOAP-ENV:Body></SOAP-ENV:Envelope>";
    return {{"kind", "malformed"}, {"body", QString::fromUtf8(body)}};
}

QJsonObject faultCode(const char *code)
{
    return {{"kind", "soap11-fault"}, {"code", code}};
}

const QByteArray noRegions =
    "<return xsi:type=\"SOAP-ENC:Array\" SOAP-ENC:arrayType=\"ns:DestinationInfo[0]\"></return>";

} // namespace

// The sign-up dialog against the stand-in's sign-up service, started once; the sign-up caches live as long
// as the process.
class QelRegisterTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DesktopFixture> world;
    std::optional<PromptRecorder> prompts;
    int signups = 0;

    QString freshEmail() { return QStringLiteral("new%1@example.test").arg(++signups); }

    QStringList takeBoxes()
    {
        QStringList texts;
        // Every message of the dialog is an error box; anything else would not compare equal.
        for (const MessageBoxRequest &box : std::as_const(prompts->boxes))
            texts << (box.icon == QMessageBox::Critical ? box.text : "(not an error box) " + box.text);
        prompts->boxes.clear();
        return texts;
    }

    QJsonObject sentRecord()
    {
        const QJsonObject request = world->standin().lastRequest("registerCustomer");
        return request["params"]["info"].toObject();
    }

    QStringList regionKeys()
    {
        QStringList keys;
        for (const QJsonValue &request : world->service().requests())
            if (request["operation"] == "getFaxRegions")
                keys << request["params"]["code"].toString();
        return keys;
    }

    // A form that passes every check, with the first fax area of the preselected country.
    static void fillForm(QelRegister &dialog, const QString &email)
    {
        dialog.leFirstName->setText("Ann");
        dialog.leLastName->setText("Lee");
        dialog.leEmail->setText(email);
        dialog.leConfirmEmail->setText(email);
    }

private slots:
    void initTestCase()
    {
        world = std::make_unique<DesktopFixture>();
        QVERIFY(world->startService());
        QVERIFY(QelvoxAPI::loadSignupLists());
    }
    void cleanupTestCase() { world.reset(); }
    void init()
    {
        world->service().reset();
        world->urls.opened.clear();
        prompts.emplace();
    }
    void cleanup()
    {
        world->service().useHttps();
        QVERIFY2(prompts->boxes.isEmpty(), qPrintable(takeBoxes().join(" | ")));
        prompts.reset();
    }

    void showsListsWithTheirPreselection();
    void signUpLinkOpensTheProviderPage();
    void accountTypeEnablesVoucherFields();
    void formChecks_data();
    void formChecks();
    void serviceAnswers_data();
    void serviceAnswers();
    void nonAsciiCredentialsComeBackAsTheyAre();
    void recordSent_data();
    void recordSent();
    void voucherPasteSpreads_data();
    void voucherPasteSpreads();
    void voucherTypingMovesAlong();
    void usStatesListTheirAreas();
    void failedListLoad_data();
    void failedListLoad();
    void failedAreaLoadLeavesNoArea();
    void selectionQueuedDuringALoadIsFollowed();
    void closeWaitsForTheErrorBox();
};

void QelRegisterTest::showsListsWithTheirPreselection()
{
    QString email, password;
    QWidget parent;
    QelRegister dialog(&email, &password, &parent);
    QVERIFY(dialog.listsLoaded);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Qelvox account registration"));
    QCOMPARE(dialog.windowModality(), Qt::WindowModal);
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint));
    QCOMPARE(regionKeys(), QStringList({"us|0", "us|1", "FRA"}));

    QCOMPARE(dialog.cbCountries->count(), QelvoxAPI::countries().size());
    QCOMPARE(dialog.cbCountries->currentData().toString(), QStringLiteral("FRA"));
    QCOMPARE(dialog.cbFaxCountries->count(), QelvoxAPI::faxCountries().size());
    QCOMPARE(dialog.cbFaxCountries->currentData().toString(), QStringLiteral("FRA"));
    QCOMPARE(dialog.cbLanguages->currentData().toString(), SettingsStore::instance().effectiveLanguage());
    QVERIFY(dialog.usStates->isHidden());
    QCOMPARE(itemTexts(dialog.usStates), QStringList({"California", "New York", "Texas"}));
    QCOMPARE(dialog.usStates->itemData(2).toInt(), 12);
    QCOMPARE(itemTexts(dialog.lwFaxRegions), QStringList({"Paris (1)", "Lyon (4)", "Marseille (4)"}));
    QCOMPARE(dialog.lwFaxRegions->selectedItems().size(), 1);
    QCOMPARE(dialog.lwFaxRegions->selectedItems().constFirst()->data(Qt::UserRole).toInt(), 200);
    QVERIFY(email.isEmpty() && password.isEmpty());
}

void QelRegisterTest::signUpLinkOpensTheProviderPage()
{
    QString email, password;
    QelRegister dialog(&email, &password, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QLabel *label = dialog.ui_signUpLabel;
    const QFontMetrics metrics(label->font());
    const int textWidth = metrics.horizontalAdvance(QStringLiteral("Sign up for a Qelvox account"));
    QTest::mouseClick(label, Qt::LeftButton, {},
                      QPoint(label->contentsRect().right() - textWidth / 2, metrics.height() / 2 + 1));
    QCOMPARE(world->urls.opened, QList<QUrl>({QUrl(ServiceEndpoints::webPage("/Fax%20number%20subs.html"))}));
}

void QelRegisterTest::accountTypeEnablesVoucherFields()
{
    QString email, password;
    QelRegister dialog(&email, &password, nullptr);
    const QList<QLineEdit *> fields{dialog.leQelCode1, dialog.leQelCode2, dialog.leQelCode3, dialog.leQelCode4};
    QVERIFY(dialog.account_freetrial->isChecked());
    for (QLineEdit *field : fields)
        QVERIFY(!field->isEnabled());
    dialog.account_qelcode->setChecked(true);
    for (QLineEdit *field : fields)
        QVERIFY(field->isEnabled());
    dialog.account_freetrial->setChecked(true);
    for (QLineEdit *field : fields)
        QVERIFY(!field->isEnabled());
}

void QelRegisterTest::formChecks_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<bool>("areaSelected");
    QTest::addColumn<bool>("sent");
    QTest::addColumn<QString>("message"); // empty: registered

    const QString ok = "ok@example.test";
    const QString shape = "Wrong email format.";
    QTest::newRow("first name of blanks") << "   " << "Lee" << ok << ok << true << false
                                          << "First Name is a required field.";
    QTest::newRow("no last name") << "Ann" << "" << ok << ok << true << false << "Last Name is a required field.";
    QTest::newRow("no email") << "Ann" << "Lee" << " " << " " << true << false << "Email is a required field.";
    QTest::newRow("confirmation in other case")
        << "Ann" << "Lee" << "Ann@example.test" << "ann@example.test" << true << false << "Emails do not match.";
    QTest::newRow("mismatch comes before shape")
        << "Ann" << "Lee" << "abc" << "abd" << true << false << "Emails do not match.";
    QTest::newRow("no at-sign") << "Ann" << "Lee" << "ann.example.test" << "ann.example.test" << true << false
                                << shape;
    QTest::newRow("two at-signs") << "Ann" << "Lee" << "a@b@example.test" << "a@b@example.test" << true << false
                                  << shape;
    QTest::newRow("no dot after the at-sign")
        << "Ann" << "Lee" << "ann@example" << "ann@example" << true << false << shape;
    QTest::newRow("no area") << "Ann" << "Lee" << ok << ok << false << false << noArea;
    // These pass the form; the service has its own opinion of them.
    QTest::newRow("nothing before the at-sign, refused by the service")
        << "Ann" << "Lee" << "@example.test" << "@example.test" << true << true << shape;
    QTest::newRow("ends in a dot") << "Ann" << "Lee" << "dot@example.test." << "dot@example.test." << true
                                   << true << QString();
    QTest::newRow("blanks around names and address")
        << " Ann " << "Lee\t" << " blanks@example.test " << "blanks@example.test" << true << true << QString();
}

void QelRegisterTest::formChecks()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, email);
    QFETCH(QString, confirm);
    QFETCH(bool, areaSelected);
    QFETCH(bool, sent);
    QFETCH(QString, message);

    QString outEmail, outPassword;
    QelRegister dialog(&outEmail, &outPassword, nullptr);
    dialog.show();
    dialog.leFirstName->setText(first);
    dialog.leLastName->setText(last);
    dialog.leEmail->setText(email);
    dialog.leConfirmEmail->setText(confirm);
    if (!areaSelected)
        dialog.lwFaxRegions->clearSelection();
    QTest::mouseClick(dialog.pushButtonOk, Qt::LeftButton);

    QCOMPARE(takeBoxes(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(world->service().operations().contains("registerCustomer"), sent);
    const bool registered = sent && message.isEmpty();
    QCOMPARE(dialog.isVisible(), !registered);
    QCOMPARE(outEmail, registered ? email.trimmed() : QString());
    QCOMPARE(outPassword.size(), registered ? 8 : 0);
    // A refused form keeps what was typed.
    QCOMPARE(dialog.leFirstName->text(), first);
    QCOMPARE(dialog.leConfirmEmail->text(), confirm);
}

void QelRegisterTest::serviceAnswers_data()
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("message"); // empty: registered

    const QString fresh; // replaced by a new address
    QTest::newRow("registered") << QJsonObject() << true << fresh << QString();
    QTest::newRow("401") << faultCode("SOAP-ENV:401") << true << fresh << "Wrong email format.";
    QTest::newRow("802") << faultCode("SOAP-ENV:802") << true << fresh << "Chosen package is not available.";
    const QString noNumber = "Invalid fax number. There are no free numbers for this area.";
    QTest::newRow("803") << faultCode("SOAP-ENV:803") << true << fresh << noNumber;
    QTest::newRow("815") << faultCode("SOAP-ENV:815") << true << fresh << noNumber;
    QTest::newRow("821") << faultCode("SOAP-ENV:821") << true << fresh
                         << "This qelcode is invalid. Or it was already used.\n"
                            "Please visit our site and contact the support team.";
    QTest::newRow("851, the address is taken")
        << QJsonObject() << true << QString(annEmail)
        << "The specified email is already registered in our system.";
    QTest::newRow("another number") << faultCode("SOAP-ENV:999") << true << fresh << notRegistered;
    QTest::newRow("fault without a number") << faultCode("SOAP-ENV:Server") << true << fresh << notRegistered;
    QTest::newRow("cut reply") << QJsonObject{{"kind", "close"}} << true << fresh << notRegistered;
    QTest::newRow("refused connection") << QJsonObject() << false << fresh << notRegistered;
}

void QelRegisterTest::serviceAnswers()
{
    QFETCH(QJsonObject, fault);
    QFETCH(bool, reachable);
    QFETCH(QString, email);
    QFETCH(QString, message);

    QString outEmail, outPassword;
    QelRegister dialog(&outEmail, &outPassword, nullptr);
    dialog.show();
    if (email.isEmpty())
        email = freshEmail();
    fillForm(dialog, email);
    if (!fault.isEmpty())
        world->service().injectOnce("registerCustomer", fault);
    if (!reachable)
        QelvoxAPI::setServiceOrigin("https://127.0.0.1:1", world->standin().caFile().toUtf8());
    QTest::mouseClick(dialog.pushButtonOk, Qt::LeftButton);

    const bool registered = message.isEmpty();
    QCOMPARE(takeBoxes(), registered ? QStringList() : QStringList{message});
    QCOMPARE(dialog.isVisible(), !registered);
    QCOMPARE(outEmail, registered ? email : QString());
    QCOMPARE(outPassword.size(), registered ? 8 : 0);
    QCOMPARE(dialog.leEmail->text(), email);
}

void QelRegisterTest::nonAsciiCredentialsComeBackAsTheyAre()
{
    const QString email = QStringLiteral("zoë@exämple.test");
    const QString generated = QStringLiteral("pässwörd");
    QString outEmail, outPassword;
    QelRegister dialog(&outEmail, &outPassword, nullptr);
    fillForm(dialog, email);
    world->service().injectOnce("registerCustomer",
                                replyInstead("registerCustomer", "<return>" + generated.toUtf8() + "</return>"));
    QTest::mouseClick(dialog.pushButtonOk, Qt::LeftButton);
    QCOMPARE(outEmail, email);
    QCOMPARE(outPassword, generated);
    QCOMPARE(sentRecord()["email"].toString(), email);
}

void QelRegisterTest::recordSent_data()
{
    QTest::addColumn<QStringList>("voucher"); // empty: a free trial
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("message");

    QTest::newRow("free trial") << QStringList() << "freetrial" << QString();
    QTest::newRow("voucher, groups trimmed")
        << QStringList({" QELV", "0000 ", "DEMO", "0001"}) << "qelcode!QELV0000DEMO0001" << QString();
    QTest::newRow("empty voucher") << QStringList({"", "", "", ""}) << "qelcode!"
                                   << "This qelcode is invalid. Or it was already used.\n"
                                      "Please visit our site and contact the support team.";
}

void QelRegisterTest::recordSent()
{
    QFETCH(QStringList, voucher);
    QFETCH(QString, id);
    QFETCH(QString, message);

    QString outEmail, outPassword;
    QelRegister dialog(&outEmail, &outPassword, nullptr);
    const QString email = freshEmail();
    fillForm(dialog, "  " + email + " ");
    dialog.leFirstName->setText(QStringLiteral("  Zoë "));
    dialog.leLastName->setText(QStringLiteral("\tLee  "));
    selectCode(dialog.cbCountries, "BEL");
    selectCode(dialog.cbLanguages, "de");
    selectCode(dialog.cbFaxCountries, "DEU");
    dialog.lwFaxRegions->setCurrentRow(1);
    if (!voucher.isEmpty()) {
        dialog.account_qelcode->setChecked(true);
        const QList<QLineEdit *> fields{dialog.leQelCode1, dialog.leQelCode2, dialog.leQelCode3, dialog.leQelCode4};
        for (int i = 0; i < fields.size(); ++i)
            fields[i]->setText(voucher[i]);
    }
    QTest::mouseClick(dialog.pushButtonOk, Qt::LeftButton);

    QCOMPARE(takeBoxes(), message.isEmpty() ? QStringList() : QStringList{message});
    const QJsonObject record = sentRecord();
    QCOMPARE(record["id"].toString(), id);
    QCOMPARE(record["firstName"].toString(), QStringLiteral("Zoë"));
    QCOMPARE(record["lastName"].toString(), QStringLiteral("Lee"));
    QCOMPARE(record["email"].toString(), email);
    QCOMPARE(record["country"].toString(), QStringLiteral("BEL"));
    QCOMPARE(record["language"].toString(), QStringLiteral("de"));
    QCOMPARE(record["faxregion"].toInt(), 211);
}

void QelRegisterTest::voucherPasteSpreads_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("focused"); // the field that holds the focus afterwards, 0 for none of the four

    QTest::newRow("four groups joined by hyphens")
        << "ab12-CD34-ef56-GH78" << QStringList({"ab12", "CD34", "ef56", "GH78"}) << 2;
    QTest::newRow("beyond sixteen dropped")
        << "QELV0000DEMO0001XYZ" << QStringList({"QELV", "0000", "DEMO", "0001"}) << 2;
    QTest::newRow("four characters stay") << "a-b-" << QStringList({"a-b-", "", "", ""}) << 2;
    QTest::newRow("three characters stay") << "abc" << QStringList({"abc", "", "", ""}) << 0;
    QTest::newRow("no letter or digit") << "-- --" << QStringList({"", "", "", ""}) << 0;
    QTest::newRow("six characters") << "AB-CD-EF" << QStringList({"ABCD", "EF", "", ""}) << 2;
}

void QelRegisterTest::voucherPasteSpreads()
{
    QFETCH(QString, pasted);
    QFETCH(QStringList, fields);
    QFETCH(int, focused);

    QString outEmail, outPassword;
    QelRegister dialog(&outEmail, &outPassword, nullptr);
    dialog.show();
    dialog.account_qelcode->setChecked(true);
    const QList<QLineEdit *> codes{dialog.leQelCode1, dialog.leQelCode2, dialog.leQelCode3, dialog.leQelCode4};
    dialog.leFirstName->setFocus();
    dialog.leQelCode1->insert(pasted);
    QStringList texts;
    for (QLineEdit *code : codes)
        texts << code->text();
    QCOMPARE(texts, fields);
    QCOMPARE(dialog.focusWidget(), focused ? codes[focused - 1] : static_cast<QWidget *>(dialog.leFirstName));
}

void QelRegisterTest::voucherTypingMovesAlong()
{
    QString outEmail, outPassword;
    QelRegister dialog(&outEmail, &outPassword, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.account_qelcode->setChecked(true);
    dialog.leQelCode1->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "QELV");
    QTest::keyClicks(QApplication::focusWidget(), "0000");
    QTest::keyClicks(QApplication::focusWidget(), "DEMO");
    QTest::keyClicks(QApplication::focusWidget(), "00012");
    QCOMPARE(QStringList({dialog.leQelCode1->text(), dialog.leQelCode2->text(), dialog.leQelCode3->text(),
                          dialog.leQelCode4->text()}),
             QStringList({"QELV", "0000", "DEMO", "0001"}));
    QCOMPARE(QApplication::focusWidget(), dialog.leQelCode4);
}

void QelRegisterTest::usStatesListTheirAreas()
{
    QString outEmail, outPassword;
    QelRegister dialog(&outEmail, &outPassword, nullptr);
    dialog.show();
    world->service().reset();

    selectCode(dialog.cbFaxCountries, "USA");
    QVERIFY(dialog.usStates->isVisible());
    QCOMPARE(dialog.usStates->currentText(), QStringLiteral("California"));
    QCOMPARE(itemTexts(dialog.lwFaxRegions), QStringList({"Los Angeles (213)", "San Francisco (415)"}));
    QCOMPARE(dialog.lwFaxRegions->currentRow(), 0);

    dialog.usStates->setCurrentIndex(2);
    QCOMPARE(itemTexts(dialog.lwFaxRegions), QStringList({"Austin (512)", "Houston (713)"}));

    // Back to the United States after another country: the first state again.
    selectCode(dialog.cbFaxCountries, "GBR");
    QVERIFY(dialog.usStates->isHidden());
    QCOMPARE(itemTexts(dialog.lwFaxRegions), QStringList({"London (20)"}));
    selectCode(dialog.cbFaxCountries, "USA");
    QCOMPARE(dialog.usStates->currentIndex(), 0);
    QCOMPARE(regionKeys(), QStringList({"us|10", "us|12", "GBR", "us|10"}));

    fillForm(dialog, freshEmail());
    dialog.lwFaxRegions->setCurrentRow(1);
    QTest::mouseClick(dialog.pushButtonOk, Qt::LeftButton);
    QCOMPARE(sentRecord()["faxregion"].toInt(), 101);
    QCOMPARE(outPassword.size(), 8);
}

void QelRegisterTest::failedListLoad_data()
{
    QTest::addColumn<QJsonObject>("injection");
    QTest::addColumn<bool>("statesFail");
    QTest::addColumn<QStringList>("keys");

    const QJsonObject fault = faultCode("SOAP-ENV:Server");
    QTest::newRow("the United States fail") << fault << false << QStringList({"us|0"});
    QTest::newRow("no United States") << replyInstead("getFaxRegions", noRegions) << false << QStringList({"us|0"});
    QTest::newRow("the states fail") << QJsonObject{{"kind", "delay"}, {"delayMs", 0}} << true
                                     << QStringList({"us|0", "us|1"});
}

void QelRegisterTest::failedListLoad()
{
    QFETCH(QJsonObject, injection);
    QFETCH(bool, statesFail);
    QFETCH(QStringList, keys);

    // The first call takes the operation's own injection, the next one the catch-all.
    world->service().injectOnce("getFaxRegions", injection);
    if (statesFail)
        world->service().injectOnce("*", faultCode("SOAP-ENV:Server"));
    QString outEmail, outPassword;
    QelRegister dialog(&outEmail, &outPassword, nullptr);
    QVERIFY(!dialog.listsLoaded);
    QCOMPARE(takeBoxes(), QStringList{listsFailed});
    QCOMPARE(regionKeys(), keys);
}

void QelRegisterTest::failedAreaLoadLeavesNoArea()
{
    QString outEmail, outPassword;
    QelRegister dialog(&outEmail, &outPassword, nullptr);
    dialog.show();
    fillForm(dialog, freshEmail());
    world->service().injectOnce("getFaxRegions", faultCode("SOAP-ENV:Server"));
    selectCode(dialog.cbFaxCountries, "DEU");
    QCOMPARE(takeBoxes(), QStringList{listsFailed});
    QCOMPARE(dialog.lwFaxRegions->count(), 0);
    QTest::mouseClick(dialog.pushButtonOk, Qt::LeftButton);
    QCOMPARE(takeBoxes(), QStringList{noArea});

    selectCode(dialog.cbFaxCountries, "ITA");
    QCOMPARE(itemTexts(dialog.lwFaxRegions), QStringList({"Rome (06)"}));
}

void QelRegisterTest::selectionQueuedDuringALoadIsFollowed()
{
    QString outEmail, outPassword;
    QelRegister dialog(&outEmail, &outPassword, nullptr);
    dialog.show();
    world->service().reset();
    // A choice the user made while the areas of the one before were being asked for arrives through the
    // busy cursor's event processing.
    QMetaObject::invokeMethod(dialog.cbFaxCountries, "setCurrentIndex", Qt::QueuedConnection,
                              Q_ARG(int, dialog.cbFaxCountries->findData("ESP")));
    selectCode(dialog.cbFaxCountries, "DEU");
    QCOMPARE(dialog.cbFaxCountries->currentData().toString(), QStringLiteral("ESP"));
    QCOMPARE(itemTexts(dialog.lwFaxRegions), QStringList({"Madrid (91)"}));

    // The same for the states of the United States.
    selectCode(dialog.cbFaxCountries, "USA");
    QMetaObject::invokeMethod(dialog.usStates, "setCurrentIndex", Qt::QueuedConnection, Q_ARG(int, 2));
    dialog.usStates->setCurrentIndex(1);
    QCOMPARE(dialog.usStates->currentText(), QStringLiteral("Texas"));
    QCOMPARE(itemTexts(dialog.lwFaxRegions), QStringList({"Austin (512)", "Houston (713)"}));
}

void QelRegisterTest::closeWaitsForTheErrorBox()
{
    QString outEmail, outPassword;
    QelRegister dialog(&outEmail, &outPassword, nullptr);
    dialog.show();
    bool closedDuringBox = true;
    Prompts::setMessageBoxAnswer([&](const MessageBoxRequest &) {
        dialog.close();
        closedDuringBox = !dialog.isVisible();
        return 0;
    });
    QTest::mouseClick(dialog.pushButtonOk, Qt::LeftButton);
    QVERIFY(!closedDuringBox);
    QVERIFY(dialog.isVisible());
    dialog.close();
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(QelRegisterTest)
#include "tst_qelregister.moc"
