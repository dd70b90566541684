#include "AccountDlg.h"
#include "DesktopFixture.h"
#include "Languages.h"
#include "QelvoxAPI.h"
#include "SettingsStore.h"
#include "TextHelpers.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

using Ops = QStringList;

namespace {

const char *const noConnection = "No internet connection.";

// An account's details as the service holds them.
QJsonObject fullDetails()
{
    return {{"faxnumber", "+33170000001"},
            {"faxheader", "Lee & Co"},
            {"notifybysms", 1},
            {"notificationsms", "+33600000001"},
            {"notifybyemail", 1},
            {"redirecttoemail", 1},
            {"attachmentid", 2},
            {"firstname", "Ann"},
            {"lastname", "Lee"},
            {"city", "Lyon"},
            {"address1", "1 rue Neuve"},
            {"postalcode", "69001"},
            {"country", "FRA"},
            {"langcode", "fr"},
            {"phone", "+33470000001"},
            {"companyname", "Lee & Co"},
            {"vat", "FR123"},
            {"prepaidbalance", -5},
            {"enddate", "2027-01-31"}};
}

QJsonObject unavailable()
{
    return {{"kind", "http-status"}, {"status", 503}};
}

// The operation runs at the stand-in, but its reply carries this code.
QJsonObject replyCode(const QByteArray &operation, int code)
{
    const QByteArray body =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SOAP-ENV:Envelope"
        " xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\""
        " xmlns:SOAP-ENC=\"http://schemas.xmlsoap.org/soap/encoding/\""
        " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\""
        " xmlns:ns=\"urn:QelvoxService\"><SOAP-ENV:Body"
        " SOAP-ENV:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\"><ns:QelvoxService." +
        operation + "Response><return xsi:type=\"xsd:int\">" + QByteArray::number(code) +
        "</return></ns:QelvoxService." + operation + "Response></SOAP-ENV:Body></SOAP-ENV:Envelope>";
    return {{"kind", "malformed"}, {"body", QString::fromUtf8(body)}};
}

} // namespace

// The account dialog against the stand-in: every test works on an account of its own, so that the changes
// one test makes reach no other.
class AccountDlgTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<QWidget> m_parent;
    int m_accounts = 0;
    QString m_email;
    QString m_password;

    bool useNewAccount(const QJsonObject &details = fullDetails(), bool extendedTitle = false)
    {
        ++m_accounts;
        m_email = QStringLiteral("user%1@example.test").arg(m_accounts);
        m_password = QStringLiteral("secret-%1").arg(m_accounts);
        const QJsonObject account{{"email", m_email},
                                  {"password", m_password},
                                  {"extendedTitle", extendedTitle},
                                  {"details", details}};
        if (!m_fixture->standin().seed({{"accounts", QJsonArray{account}}}).value("ok").toBool())
            return false;
        SettingsStore::instance().setUserName(m_email);
        SettingsStore::instance().setPassword(md5Hex(m_password));
        m_fixture->service().reset();
        return true;
    }

    Ops operations() { return m_fixture->service().operations(); }
    void clearLog() { m_fixture->standin().control("clear-log"); }
    QJsonObject lastParams(const QString &operation)
    {
        return m_fixture->standin().lastRequest(operation).value("params").toObject();
    }

    // The texts of the boxes shown since the last call, which the test thereby expects.
    QStringList takeBoxes()
    {
        QStringList texts;
        for (const MessageBoxRequest &box : std::as_const(m_fixture->prompts.boxes))
            texts << box.text;
        m_fixture->prompts.boxes.clear();
        return texts;
    }

    std::unique_ptr<AccountDlg> loadedDialog()
    {
        auto dialog = std::make_unique<AccountDlg>(m_parent.get());
        if (!dialog->loadAccount())
            return nullptr;
        clearLog();
        dialog->show();
        return dialog;
    }

    // A call that any later work of the program makes: it must still be let in.
    QJsonObject nextOrdinaryCall()
    {
        int shift = 0;
        const int status = QelvoxAPI::getShiftTime(&shift);
        QJsonObject request = m_fixture->standin().lastRequest("getShiftTime");
        request.insert("status", status);
        return request;
    }

private slots:
    void initTestCase()
    {
        m_fixture = std::make_unique<DesktopFixture>();
        QVERIFY(m_fixture->startService());
    }
    void init()
    {
        m_parent = std::make_unique<QWidget>();
        QVERIFY(useNewAccount());
    }
    void cleanup()
    {
        const bool unexpected = !m_fixture->prompts.boxes.isEmpty();
        m_fixture->prompts.boxes.clear();
        m_parent.reset();
        QVERIFY2(!unexpected, "a message box the test did not expect");
    }
    void cleanupTestCase() { m_fixture.reset(); }

    void loadShowsTheAccount()
    {
        AccountDlg dialog(m_parent.get());
        QCOMPARE(dialog.selectedTab->currentWidget(), dialog.page);
        QVERIFY(dialog.loadAccount());
        QCOMPARE(operations(),
                 Ops({"getAllLanguages", "getAllCountries", "getAccountInfo", "getExtendedTitle"}));

        const QJsonObject details = fullDetails();
        const QList<std::pair<QLineEdit *, const char *>> texts = {
            {dialog.faxnumber, "faxnumber"},
            {dialog.faxheader, "faxheader"},
            {dialog.notificationsms, "notificationsms"},
            {dialog.firstname, "firstname"},
            {dialog.lastname, "lastname"},
            {dialog.city, "city"},
            {dialog.address1, "address1"},
            {dialog.postalcode, "postalcode"},
            {dialog.phone, "phone"},
            {dialog.companyname, "companyname"},
            {dialog.vat, "vat"},
            {dialog.enddate, "enddate"}};
        for (const auto &[field, name] : texts)
            QCOMPARE(field->text(), details.value(name).toString());
        QCOMPARE(dialog.prepaidbalance->text(), QStringLiteral("-5"));
        QVERIFY(dialog.notifybysms->isChecked());
        QVERIFY(dialog.notifybyemail->isChecked());
        QVERIFY(dialog.redirecttoemail->isChecked());
        QCOMPARE(dialog.attachmentid->currentText(), QStringLiteral("TIFF"));
        QCOMPARE(dialog.langcode->count(), 7);
        QCOMPARE(dialog.langcode->currentText(), QStringLiteral("Français"));
        QCOMPARE(dialog.country->currentData().toString(), QStringLiteral("FRA"));
        QVERIFY(!dialog.extendedTitle->isChecked());
        QVERIFY(!dialog.saveButton->isEnabled());
        QVERIFY(!dialog.updateEmail->isEnabled());
        QVERIFY(!dialog.updatePassword->isEnabled());

        clearLog();
        QVERIFY(dialog.loadAccount());
        QCOMPARE(operations(), Ops({"getAccountInfo", "getExtendedTitle"}));
        QCOMPARE(dialog.country->count(), 10);
    }

    void failedLoadShowsNoConnection_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<Ops>("first");
        QTest::addColumn<Ops>("retry");
        QTest::newRow("languages") << "getAllLanguages" << Ops{"getAllLanguages"}
                                   << Ops{"getAllLanguages", "getAllCountries", "getAccountInfo",
                                          "getExtendedTitle"};
        QTest::newRow("countries") << "getAllCountries" << Ops{"getAllLanguages", "getAllCountries"}
                                   << Ops{"getAllCountries", "getAccountInfo", "getExtendedTitle"};
        QTest::newRow("account") << "getAccountInfo"
                                 << Ops{"getAllLanguages", "getAllCountries", "getAccountInfo"}
                                 << Ops{"getAccountInfo", "getExtendedTitle"};
        QTest::newRow("extended title")
            << "getExtendedTitle"
            << Ops{"getAllLanguages", "getAllCountries", "getAccountInfo", "getExtendedTitle"}
            << Ops{"getAccountInfo", "getExtendedTitle"};
    }

    void failedLoadShowsNoConnection()
    {
        QFETCH(QString, failing);
        QFETCH(Ops, first);
        QFETCH(Ops, retry);
        AccountDlg dialog(m_parent.get());
        m_fixture->service().injectOnce(failing, unavailable());
        QVERIFY(!dialog.loadAccount());
        QCOMPARE(m_fixture->prompts.boxes.size(), 1);
        QCOMPARE(m_fixture->prompts.boxes[0].parent, &dialog);
        QCOMPARE(m_fixture->prompts.boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(takeBoxes(), QStringList{noConnection});
        QCOMPARE(operations(), first);
        // A list that arrived before the failure stays.
        QCOMPARE(dialog.langcode->count(), first.size() > 1 ? 7 : 0);

        clearLog();
        QVERIFY(dialog.loadAccount());
        QCOMPARE(operations(), retry);
        QCOMPARE(dialog.firstname->text(), QStringLiteral("Ann"));
    }

    void englishRewritesItsKeys()
    {
        QTranslator english;
        QVERIFY(loadLanguage(english, QStringLiteral("en")));
        QCoreApplication::installTranslator(&english);
        AccountDlg dialog(m_parent.get());
        QCOMPARE(dialog.optionTabs->item(2)->text(), QStringLiteral("Login Information"));
        QCOMPARE(dialog.label_24->text(), QStringLiteral("Change login information"));
        QCOMPARE(dialog.extendedTitle->text(), QStringLiteral("Extended title"));
        QCOMPARE(QCoreApplication::translate("AccountDlg", "The password have been changed successfuly."),
                 QStringLiteral("The password has been changed successfuly."));
        m_fixture->service().injectOnce("getAllLanguages", unavailable());
        QVERIFY(!dialog.loadAccount());
        QCoreApplication::removeTranslator(&english);
        QCOMPARE(takeBoxes(),
                 QStringList{"No connection to the Internet is currently available. Please check "
                             "your network settings."});
    }

    void formCouplesItsFields()
    {
        auto dialog = loadedDialog();
        QVERIFY(dialog);
        dialog->notifybyemail->setChecked(false);
        QVERIFY(!dialog->redirecttoemail->isChecked());
        QVERIFY(!dialog->attachmentid->isEnabled());
        dialog->notifybyemail->setChecked(true);
        QVERIFY(!dialog->attachmentid->isEnabled());
        dialog->redirecttoemail->setChecked(true);
        QVERIFY(dialog->attachmentid->isEnabled());

        dialog->notifybysms->setChecked(false);
        QVERIFY(!dialog->notificationsms->isEnabled());
        QVERIFY(dialog->information->isHidden());
        dialog->notifybysms->setChecked(true);
        QVERIFY(dialog->notificationsms->isEnabled());
        QVERIFY(!dialog->information->isHidden());

        const QList<QWidget *> pages{dialog->page_4, dialog->page, dialog->page_2};
        for (int row = 0; row < pages.size(); ++row) {
            dialog->optionTabs->setCurrentRow(row);
            QCOMPARE(dialog->selectedTab->currentWidget(), pages[row]);
        }

        emit dialog->information->linkActivated(QStringLiteral("#validate"));
        QCOMPARE(m_fixture->urls.opened.size(), 1);
        QCOMPARE(m_fixture->urls.opened[0].toString(QUrl::RemoveScheme | QUrl::RemoveAuthority),
                 QStringLiteral("/myaccount/index.php?action=sendSMS"));
        QVERIFY(operations().isEmpty());
    }

    void saveCallsWhatWasEdited_data()
    {
        QTest::addColumn<bool>("editDetail");
        QTest::addColumn<int>("titleClicks");
        QTest::addColumn<Ops>("calls");
        QTest::newRow("nothing") << false << 0 << Ops{};
        QTest::newRow("extended title only") << false << 1 << Ops{"setExtendedTitle"};
        QTest::newRow("extended title and back") << false << 2 << Ops{};
        QTest::newRow("a detail only") << true << 0 << Ops{"setAccountInfo"};
        QTest::newRow("a detail and the title") << true << 1 << Ops{"setAccountInfo", "setExtendedTitle"};
    }

    void saveCallsWhatWasEdited()
    {
        QFETCH(bool, editDetail);
        QFETCH(int, titleClicks);
        QFETCH(Ops, calls);
        auto dialog = loadedDialog();
        QVERIFY(dialog);
        if (editDetail)
            dialog->firstname->setText(QStringLiteral("  Anna "));
        for (int i = 0; i < titleClicks; ++i)
            dialog->extendedTitle->click();
        QCOMPARE(dialog->saveButton->isEnabled(), !calls.isEmpty());
        QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        QCOMPARE(operations(), calls);
        if (calls.isEmpty())
            return;
        QVERIFY(!dialog->isVisible());
        if (calls.contains("setExtendedTitle"))
            QCOMPARE(lastParams("setExtendedTitle").value("extendedTitle").toString(), QStringLiteral("1"));
        if (editDetail) {
            QJsonObject expected = fullDetails();
            expected.insert("firstname", "Anna");
            QCOMPARE(lastParams("setAccountInfo").value("info").toObject(), expected);
        }
    }

    void saveReportsFailures_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QJsonObject>("injection");
        QTest::addColumn<Ops>("calls");
        QTest::addColumn<QString>("message");
        QTest::newRow("details unreachable")
            << "setAccountInfo" << unavailable() << Ops{"setAccountInfo"} << QString(noConnection);
        QTest::newRow("details refused") << "setAccountInfo" << replyCode("setAccountInfo", 110)
                                         << Ops{"setAccountInfo"} << statusText(110);
        QTest::newRow("title refused") << "setExtendedTitle" << replyCode("setExtendedTitle", 103)
                                       << Ops{"setAccountInfo", "setExtendedTitle"} << statusText(103);
    }

    void saveReportsFailures()
    {
        QFETCH(QString, operation);
        QFETCH(QJsonObject, injection);
        QFETCH(Ops, calls);
        QFETCH(QString, message);
        auto dialog = loadedDialog();
        QVERIFY(dialog);
        dialog->phone->setText(QStringLiteral("+33470000002"));
        dialog->extendedTitle->click();
        m_fixture->service().injectOnce(operation, injection);
        QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        QCOMPARE(operations(), calls);
        QCOMPARE(takeBoxes(), QStringList{message});
        QVERIFY(!dialog->isVisible());
    }

    // Entries the lists do not offer, and a fax format the form does not know, go back as loaded.
    void valuesWithoutAnEntryGoBackAsLoaded_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("country not offered") << "country" << QJsonValue("XYZ");
        QTest::newRow("language code in capitals") << "langcode" << QJsonValue("FR");
        QTest::newRow("no fax format") << "attachmentid" << QJsonValue(0);
        QTest::newRow("unknown fax format") << "attachmentid" << QJsonValue(3);
    }

    void valuesWithoutAnEntryGoBackAsLoaded()
    {
        QFETCH(QString, field);
        QFETCH(QJsonValue, value);
        QJsonObject details = fullDetails();
        details.insert(field, value);
        QVERIFY(useNewAccount(details));
        auto dialog = loadedDialog();
        QVERIFY(dialog);
        QComboBox *box = dialog->findChild<QComboBox *>(field);
        QVERIFY(box);
        QCOMPARE(box->currentIndex(), -1);
        dialog->city->setText(QStringLiteral("Lille"));
        QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        QCOMPARE(lastParams("setAccountInfo").value("info").toObject().value(field), value);
    }

    // A check the user abandoned must not come back as a setting at the next Save.
    void eachLoadSetsTheBoxesFromTheAccount()
    {
        QJsonObject details = fullDetails();
        for (const char *flag : {"notifybysms", "notifybyemail", "redirecttoemail"})
            details.insert(flag, 0);
        QVERIFY(useNewAccount(details));
        auto dialog = loadedDialog();
        QVERIFY(dialog);
        QVERIFY(dialog->information->isHidden());
        dialog->notifybysms->setChecked(true);
        dialog->notifybyemail->setChecked(true);
        dialog->redirecttoemail->setChecked(true);
        QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QVERIFY(operations().isEmpty());

        QVERIFY(dialog->loadAccount());
        QVERIFY(!dialog->notifybysms->isChecked());
        QVERIFY(!dialog->notifybyemail->isChecked());
        QVERIFY(!dialog->redirecttoemail->isChecked());
        QVERIFY(!dialog->saveButton->isEnabled());
        dialog->show();
        dialog->firstname->setText(QStringLiteral("Ann-Marie"));
        QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        const QJsonObject sent = lastParams("setAccountInfo").value("info").toObject();
        for (const char *flag : {"notifybysms", "notifybyemail", "redirecttoemail"})
            QCOMPARE(sent.value(flag).toInt(), 0);
    }

    void emailUpdateEnabling_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<bool>("enabled");
        // "%p" stands for the account's password, "%e" for its address.
        QTest::newRow("all match") << "%p"
                                   << "new@example.test"
                                   << "new@example.test" << true;
        QTest::newRow("blanks around the password") << " %p "
                                                    << "new@example.test"
                                                    << "new@example.test" << true;
        QTest::newRow("blanks around the address") << "%p"
                                                   << " new@example.test"
                                                   << "new@example.test " << true;
        QTest::newRow("not shaped like an address") << "%p"
                                                    << "anything"
                                                    << "anything" << true;
        QTest::newRow("the stored address in capitals") << "%p"
                                                        << "%E"
                                                        << "%E" << true;
        QTest::newRow("the stored address") << "%p"
                                            << "%e"
                                            << "%e" << false;
        QTest::newRow("wrong password") << "secret"
                                        << "new@example.test"
                                        << "new@example.test" << false;
        QTest::newRow("no password") << ""
                                     << "new@example.test"
                                     << "new@example.test" << false;
        QTest::newRow("no address") << "%p"
                                    << " "
                                    << " " << false;
        QTest::newRow("confirmation differs") << "%p"
                                              << "new@example.test"
                                              << "New@example.test" << false;
    }

    void emailUpdateEnabling()
    {
        QFETCH(QString, current);
        QFETCH(QString, address);
        QFETCH(QString, confirmation);
        QFETCH(bool, enabled);
        const auto fill = [this](QString text) {
            return text.replace("%p", m_password).replace("%e", m_email).replace("%E", m_email.toUpper());
        };
        AccountDlg dialog(m_parent.get());
        dialog.emailCheck->setText(fill(current));
        dialog.email1->setText(fill(address));
        dialog.email2->setText(fill(confirmation));
        QCOMPARE(dialog.updateEmail->isEnabled(), enabled);
    }

    void passwordUpdateEnabling_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<bool>("enabled");
        // "%p" stands for the account's password.
        QTest::newRow("all match") << "%p"
                                   << "n3w-pass"
                                   << "n3w-pass" << true;
        QTest::newRow("blanks around the current password") << " %p"
                                                            << "n3w-pass"
                                                            << "n3w-pass" << false;
        QTest::newRow("leading blank") << "%p"
                                       << " n3w-pass"
                                       << " n3w-pass" << false;
        QTest::newRow("trailing blank") << "%p"
                                        << "n3w-pass "
                                        << "n3w-pass " << false;
        QTest::newRow("the current password") << "%p"
                                              << "%p"
                                              << "%p" << false;
        QTest::newRow("confirmation differs") << "%p"
                                              << "n3w-pass"
                                              << "n3w-Pass" << false;
        QTest::newRow("no new password") << "%p"
                                         << ""
                                         << "" << false;
        QTest::newRow("wrong current password") << "secret"
                                                << "n3w-pass"
                                                << "n3w-pass" << false;
    }

    void passwordUpdateEnabling()
    {
        QFETCH(QString, current);
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(bool, enabled);
        AccountDlg dialog(m_parent.get());
        dialog.passwordCheck->setText(current.replace("%p", m_password));
        dialog.password1->setText(password.replace("%p", m_password));
        dialog.password2->setText(confirmation.replace("%p", m_password));
        QCOMPARE(dialog.updatePassword->isEnabled(), enabled);
    }

    void emailChange_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QJsonObject>("injection");
        QTest::addColumn<QString>("message");
        const QString done = "The email address has been changed successfully.";
        QTest::newRow("accepted") << "renamed-%n@example.test" << QJsonObject() << done;
        QTest::newRow("letters beyond Latin-1") << "zoë.łukasz-%n@example.test" << QJsonObject() << done;
        QTest::newRow("taken by another account") << "bob@example.test" << QJsonObject() << statusText(851);
        QTest::newRow("unreachable") << "renamed-%n@example.test" << unavailable() << QString(noConnection);
    }

    void emailChange()
    {
        QFETCH(QString, address);
        QFETCH(QJsonObject, injection);
        QFETCH(QString, message);
        address.replace("%n", QString::number(m_accounts));
        const bool accepted = message.startsWith("The email");
        const QString before = m_email;
        auto dialog = loadedDialog();
        QVERIFY(dialog);
        if (!injection.isEmpty())
            m_fixture->service().injectOnce("setNewEmail", injection);
        QStringList stateAtSignal;
        connect(dialog.get(), &AccountDlg::signalEmailChanged, this, [&] {
            stateAtSignal << SettingsStore::instance().userName()
                          << QString::number(m_fixture->prompts.boxes.size());
        });
        dialog->optionTabs->setCurrentRow(2);
        dialog->emailCheck->setText(m_password);
        dialog->email1->setText(address);
        dialog->email2->setText(address);
        QTest::mouseClick(dialog->updateEmail, Qt::LeftButton);

        QCOMPARE(operations(), Ops{"setNewEmail"});
        QCOMPARE(lastParams("setNewEmail").value("email").toString(), address);
        QCOMPARE(takeBoxes(), QStringList{message});
        QVERIFY(dialog->isVisible());
        QCOMPARE(SettingsStore::instance().userName(), accepted ? address : before);
        // Stored before anyone hears of it, and announced before the box holds the user up.
        QCOMPARE(stateAtSignal, accepted ? QStringList({address, "0"}) : QStringList());
        QCOMPARE(dialog->email1->text(), accepted ? QString() : address);
        QCOMPARE(dialog->updateEmail->isEnabled(), !accepted);

        const QJsonObject next = nextOrdinaryCall();
        QCOMPARE(next.value("status").toInt(), 0);
        QCOMPARE(next.value("email").toString(), accepted ? address : before);
    }

    void passwordChange_data()
    {
        QTest::addColumn<QJsonObject>("injection");
        QTest::addColumn<QString>("message");
        QTest::newRow("accepted") << QJsonObject() << "The password have been changed successfuly.";
        QTest::newRow("refused") << replyCode("setNewPassword", 110) << statusText(110);
        QTest::newRow("unreachable") << unavailable() << QString(noConnection);
    }

    void passwordChange()
    {
        QFETCH(QJsonObject, injection);
        QFETCH(QString, message);
        const bool accepted = injection.isEmpty();
        const QString before = md5Hex(m_password);
        const QString password = QStringLiteral("n3w-pässword");
        auto dialog = loadedDialog();
        QVERIFY(dialog);
        if (!accepted)
            m_fixture->service().injectOnce("setNewPassword", injection);
        dialog->passwordCheck->setText(m_password);
        dialog->password1->setText(password);
        dialog->password2->setText(password);
        QTest::mouseClick(dialog->updatePassword, Qt::LeftButton);

        QCOMPARE(operations(), Ops{"setNewPassword"});
        QCOMPARE(lastParams("setNewPassword").value("password").toString(), md5Hex(password));
        QCOMPARE(takeBoxes(), QStringList{message});
        QCOMPARE(SettingsStore::instance().password(), accepted ? md5Hex(password) : before);
        QCOMPARE(dialog->password1->text(), accepted ? QString() : password);
        QCOMPARE(dialog->updatePassword->isEnabled(), !accepted);
        if (!accepted)
            return;

        const QJsonObject next = nextOrdinaryCall();
        QCOMPARE(next.value("status").toInt(), 0);
        QCOMPARE(next.value("password").toString(), md5Hex(password));
        // A second change is typed against the new password.
        dialog->passwordCheck->setText(m_password);
        dialog->password1->setText(QStringLiteral("third-one"));
        dialog->password2->setText(QStringLiteral("third-one"));
        QVERIFY(!dialog->updatePassword->isEnabled());
        dialog->passwordCheck->setText(password);
        QVERIFY(dialog->updatePassword->isEnabled());
    }

    // The service took the change, but the settings file cannot hold it: the user must learn that the next
    // sign-in needs the new value, not be told all went well.
    void changesTheSettingsCannotHoldAreTold()
    {
        auto dialog = loadedDialog();
        QVERIFY(dialog);
        const QString file = SettingsStore::settingsFilePath();
        QVERIFY(QFile::remove(file) && QDir().mkpath(file));
        const auto unblock = qScopeGuard([&] { QDir(file).removeRecursively(); });
        const QString address = QStringLiteral("moved-%1@example.test").arg(m_accounts);
        dialog->optionTabs->setCurrentRow(2);
        dialog->emailCheck->setText(m_password);
        dialog->email1->setText(address);
        dialog->email2->setText(address);
        QTest::mouseClick(dialog->updateEmail, Qt::LeftButton);
        const QString password = QStringLiteral("an0ther");
        dialog->passwordCheck->setText(m_password);
        dialog->password1->setText(password);
        dialog->password2->setText(password);
        QTest::mouseClick(dialog->updatePassword, Qt::LeftButton);

        QCOMPARE(operations(), (Ops{"setNewEmail", "setNewPassword"}));
        QCOMPARE(takeBoxes(), (QStringList{"The email address has been changed, but it could not be saved on this "
                                           "computer: sign in with the new address next time.",
                                           "The password has been changed, but it could not be saved on this "
                                           "computer: sign in with the new password next time."}));
        const QJsonObject next = nextOrdinaryCall();
        QCOMPARE(next.value("status").toInt(), 0);
        QCOMPARE(next.value("email").toString(), address);
    }
};

QTEST_MAIN(AccountDlgTest)
#include "tst_accountdlg.moc"
