#include "AddContactDlg.h"
#include "AddContactGroupDlg.h"
#include "ChangeList.h"
#include "EntitiesView.h"
#include "ListRows.h"
#include "MainWindowTestCase.h"
#include "ModalDriver.h"
#include "ObjectRef.h"
#include "ObjectType.h"
#include "PlatformPaths.h"
#include "QelvoxAPI.h"
#include "RecipientsWidget.h"
#include "SettingsDlg.h"
#include "SettingsStore.h"
#include "StandinWaits.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

// The seeded address book of every session: the group Suppliers with Encre Noël, and Desk without a group.
QJsonObject addressBook()
{
    return {{"groups", QJsonArray{QJsonObject{
                           {"name", "Suppliers"},
                           {"contacts", QJsonArray{QJsonObject{{"name", "Encre Noël"}, {"number", "+3314"}, {"gsmnumber", ""}}}}}}},
            {"contacts", QJsonArray{QJsonObject{{"name", "Desk"}, {"number", "+3315"}, {"gsmnumber", "+3366"}}}}};
}

QString contactText(const QString &name, const QString &fax, const QString &sms)
{
    return name + '|' + fax + '|' + sms;
}

// Rows of the contacts list as "name|fax|sms", members under their group as "group/name|fax|sms", with the
// ids' signs when asked for.
QStringList contactRows(const FolderView &list, bool withSign = false)
{
    QStringList rows;
    for (QTreeWidgetItemIterator it(const_cast<FolderView *>(&list)); *it; ++it) {
        const BaseObject *record = recordOf(*it);
        QString text;
        if (record->type == ObjectType::ContactGroup) {
            text = QStringLiteral("group ") + static_cast<const qtContactGroupInfo *>(record)->name;
        } else {
            const auto *contact = static_cast<const BaseContactInfo *>(record);
            text = contactText(contact->name, contact->number, contact->gsmnumber);
            if ((*it)->parent())
                text.prepend((*it)->parent()->text(1) + '/');
            if (record->type == ObjectType::OutlookContact)
                text.prepend(QStringLiteral("outlook "));
        }
        if (withSign && record->type != ObjectType::OutlookContact)
            text += record->id < 0 ? QStringLiteral(" local") : QStringLiteral(" service");
        rows += text;
    }
    rows.sort();
    return rows;
}

} // namespace

// The main window's contact commands against the stand-in: the editors, the CSV import and export, the
// Outlook contacts with a fake exporter, and changes made offline that must reach the service once each.
class ContactsTest : public MainWindowTestCase
{
    Q_OBJECT

    QTemporaryDir m_files;

    FolderView &contacts() { return session().show(MainWindowSession::Contacts); }

    bool logIn(bool outlook = false)
    {
        SettingsStore::instance().setOutlook(outlook);
        return m_session.logInSeeded(addressBook());
    }

    // The contact calls this session's account made since the log was last cleared, in order.
    QStringList contactCalls()
    {
        QStringList calls;
        for (const QJsonValue &value : m_session.standin().requestLog()) {
            const QJsonObject entry = value.toObject();
            if (entry.value("email").toString() != session().account().email)
                continue;
            const QString operation = entry.value("operation").toString();
            const QJsonObject params = entry.value("params").toObject();
            if (operation == "updateContactInfo") {
                const QJsonObject info = params.value("info").toObject();
                calls += QStringLiteral("contact ") + contactText(info.value("name").toString(),
                                                                  info.value("number").toString(),
                                                                  info.value("gsmnumber").toString());
            } else if (operation == "updateContactGroupInfo") {
                calls += QStringLiteral("group ") + params.value("info").toObject().value("name").toString();
            } else if (operation == "deleteObjects") {
                calls += QStringLiteral("delete");
            }
        }
        return calls;
    }

    // Waits until the pump has carried out every persisted task.
    bool tasksDone()
    {
        return QTest::qWaitFor([this] { return session().persistedTaskKinds().isEmpty(); }, standinTimeoutMs);
    }

    // A fake exporter in the test's directory: it counts its runs and writes the lines as the Outlook file.
    QString writeExporter(const QByteArray &csv)
    {
        const QString script = m_files.filePath("exporter.sh");
        QFile file(script);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write("#!/bin/sh\necho \"$1\" >> '" + m_files.filePath("runs").toUtf8() + "'\ncat > \"$1\" <<'CSV'\n" +
                   csv + "CSV\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return script;
    }
    QStringList exporterRuns()
    {
        QFile runs(m_files.filePath("runs"));
        if (!runs.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(runs.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    // The Outlook address book the fake exporter hands over: a header line, a line of four fields, one of two,
    // one of a single field and one with an SMS number only.
    static QByteArray outlookBook()
    {
        return "Name;Fax;Company;Mobile\nEve;+49 30 1;+99 ignored;+49 17 2\nFinn;+33 1\nGil\nHal;;x;+7 7\n";
    }
    static QStringList outlookRows()
    {
        return {"outlook Eve|+49301|+49172", "outlook Finn|+331|", "outlook Hal||+77"};
    }
    QAction *action(const char *name) { return session().window()->findChild<QAction *>(name); }
    void selectRows(const QStringList &names)
    {
        FolderView &list = contacts();
        list.clearSelection();
        for (const QString &name : names)
            list.findItems(name, Qt::MatchExactly | Qt::MatchRecursive, 1).first()->setSelected(true);
    }
    // Runs the main window's slot and, in the editor of that class it opens, the user's part.
    template <typename Editor> bool inEditor(const char *slot, const std::function<void(Editor &)> &user)
    {
        ModalDriver driver;
        driver.whenShown([&user](QWidget *dialog) {
            auto *editor = qobject_cast<Editor *>(dialog);
            QVERIFY(editor);
            user(*editor);
        });
        session().invoke(slot);
        return driver.shown();
    }

    void goOffline() { session().setReachable(false); }
    // Back at the stand-in, and the pump tries again at once rather than after its back-off.
    void goOnline()
    {
        session().setReachable(true);
        session().runPump();
    }

    // True once the pump has found the queue empty; meaningful only after a task of the queue has begun.
    bool pumpIdle()
    {
        const QTimer *pump = session().pumpTimer();
        return QTest::qWaitFor([pump] { return pump->isActive() && pump->interval() == 1000; },
                               standinTimeoutMs);
    }

    static void select(QTreeWidget *list, const QString &name)
    {
        list->clearSelection();
        list->findItems(name, Qt::MatchExactly, 1).first()->setSelected(true);
    }
    static QStringList withService(const QStringList &rows)
    {
        QStringList marked;
        for (const QString &row : rows)
            marked += row + " service";
        return marked;
    }
    // The account's groups and contacts as the service holds them, written as contactRows() writes rows.
    QStringList serviceContacts()
    {
        ChangeList all;
        if (QelvoxAPI::reviewObjects(&all) != 0)
            return {"review failed"};
        QList<ObjectRef> wanted;
        for (const ChangeEntry &entry : std::as_const(all.entries)) {
            if (entry.type == ObjectType::ContactGroup || entry.type == ObjectType::Contact)
                wanted += ObjectRef(entry.object, entry.type);
        }
        qtObjectsInfo *fetched = nullptr;
        if (QelvoxAPI::getObjects(&wanted, &fetched) != 0 || !fetched)
            return {"fetch failed"};
        const std::unique_ptr<qtObjectsInfo> objects(fetched);
        QMap<int, QString> groups;
        QStringList rows;
        for (const qtContactGroupInfo &group : std::as_const(objects->contactgroups)) {
            groups.insert(group.id, group.name);
            rows += "group " + group.name;
        }
        for (const qtContactInfo &contact : std::as_const(objects->contacts)) {
            const QString text = contactText(contact.name, contact.number, contact.gsmnumber);
            rows += contact.groupid == 0 ? text : groups.value(contact.groupid, "unknown group") + '/' + text;
        }
        rows.sort();
        return rows;
    }

protected:
    void setUp() override
    {
        MainWindowTestCase::setUp();
        m_session.prompts().fileDialogs.clear();
        QFile::remove(m_files.filePath("runs"));
    }
    void tearDown() override
    {
        // These tests read the message boxes where they expect one; the rest are not theirs to check.
        m_session.takeBoxTexts();
        MainWindowTestCase::tearDown();
        PlatformPaths::setContactsExporter(QString());
        m_session.service().useHttps();
    }

private slots:

    // A new contact shows at once under a local id and is created once; its edit names the service's id.
    void contactEditor()
    {
        QVERIFY(logIn());
        QVERIFY(inEditor<AddContactDlg>("eventAddContact", [](AddContactDlg &editor) {
            editor.name->setText("Zed");
            editor.number->setText("+49 (30) 1");
            QTest::mouseClick(editor.btnOk, Qt::LeftButton);
        }));
        QCOMPARE(contactRows(contacts(), true),
                 QStringList({"Desk|+3315|+3366 service", "Suppliers/Encre Noël|+3314| service", "Zed|+49301| local",
                              "group Suppliers service"}));
        QVERIFY(tasksDone());
        QTRY_COMPARE_WITH_TIMEOUT(contactRows(contacts(), true).filter("Zed"),
                                  QStringList({"Zed|+49301| service"}), standinTimeoutMs);
        // Created: the call carries no service id.
        QVERIFY(session().lastParams("updateContactInfo").value("info").toObject().value("id").toInt() <= 0);

        m_session.standin().control("clear-log");
        contacts().clearSelection();
        contacts().findItems("Zed", Qt::MatchExactly, 1).first()->setSelected(true);
        QVERIFY(inEditor<AddContactDlg>("eventEditContact", [](AddContactDlg &editor) {
            QCOMPARE(editor.name->text(), QStringLiteral("Zed"));
            editor.gsmnumber->setText("0170");
            QTest::mouseClick(editor.btnOk, Qt::LeftButton);
        }));
        QVERIFY(tasksDone());
        QCOMPARE(contactCalls(), QStringList({"contact Zed|+49301|+0170"}));
        QVERIFY(session().lastParams("updateContactInfo").value("info").toObject().value("id").toInt() > 0);
        // A fetch queued before the edit may show the older state until the edit's change query.
        QTRY_COMPARE_WITH_TIMEOUT(contactRows(contacts()).filter("Zed"), QStringList({"Zed|+49301|+0170"}),
                                  standinTimeoutMs);
    }

    void cancelledEditorsChangeNothing()
    {
        QVERIFY(logIn());
        const QStringList before = contactRows(contacts(), true);
        QVERIFY(inEditor<AddContactDlg>("eventAddContact", [](AddContactDlg &editor) {
            editor.number->setText("+331");
            QTest::mouseClick(editor.btnCancel, Qt::LeftButton);
        }));
        QVERIFY(inEditor<AddContactGroupDlg>("eventAddContactGroup", [](AddContactGroupDlg &editor) {
            editor.name->setText("Team");
            select(editor.contacts, "Desk");
            QTest::mouseClick(editor.addBtn, Qt::LeftButton);
            QTest::mouseClick(editor.btnCancel, Qt::LeftButton);
        }));
        QCOMPARE(contactRows(contacts(), true), before);
        QCOMPARE(session().persistedTaskKinds(), (QMap<int, QString>()));
    }

    // Each usable line becomes a contact row at once and one creation on the service, in file order.
    void importCsv_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("contacts");
        QTest::newRow("two fields written with blanks") << QByteArray("Ann ; + 33 1 23 \n") << QStringList({"Ann|+33123|"});
        QTest::newRow("tab-separated") << QByteArray("Bob\t+3312\t+3366\n") << QStringList({"Bob|+3312|+3366"});
        QTest::newRow("one semicolon beside tabs") << QByteArray("Carl\tX;+3313\n") << QStringList({"Carl\tX|+3313|"});
        QTest::newRow("three empty fields") << QByteArray(";;\n") << QStringList();
        QTest::newRow("no name") << QByteArray(";0612;\n") << QStringList({"|+0612|"});
        QTest::newRow("one field") << QByteArray("Dora\n+3316\n") << QStringList();
        QTest::newRow("numbers without digits") << QByteArray("Ivy;none;n/a\n") << QStringList();
        QTest::newRow("UTF-8 with a byte order mark") << QByteArray("\xEF\xBB\xBFZo\xC3\xAB;+4930;+4917") << QStringList({"Zoë|+4930|+4917"});
        QTest::newRow("fields after the third") << QByteArray("Finn;+1;+2;+3\n") << QStringList({"Finn|+1|+2"});
        QTest::newRow("CR LF lines in order") << QByteArray("Gus;+5\r\n\r\nHal;;+6\r\n") << QStringList({"Gus|+5|", "Hal||+6"});
        QTest::newRow("quoted fields, over two lines")
            << QByteArray("\"Ann; \"\"A.\"\"\nB\";\"+331\";\r\nBo \"Q\" Li;+332\n")
            << QStringList({"Ann; \"A.\"\nB|+331|", "Bo \"Q\" Li|+332|"});
        QTest::newRow("a quote no line closes") << QByteArray("\"Odd;+333\nEve;+334\n")
                                                << QStringList({"\"Odd|+333|", "Eve|+334|"});
        QTest::newRow("a stray quote that a later line's quote closes inside a field")
            << QByteArray("\"Odd;+333\nEve;+334\nFay \"F\" Lee;+335\n")
            << QStringList({"\"Odd|+333|", "Eve|+334|", "Fay \"F\" Lee|+335|"});
        QTest::newRow("a stray quote that a later line's quote closes before a number")
            << QByteArray("\"Odd;+333\nEve;\"+334\"\n") << QStringList({"\"Odd|+333|", "Eve|+334|"});
    }
    void importCsv()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, contacts);
        QVERIFY(logIn());
        const QString path = m_files.filePath("contacts.csv");
        QFile csv(path);
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write(file);
        csv.close();
        m_session.prompts().fileAnswers = {{path}};
        const QStringList before = contactRows(this->contacts());
        session().invoke("eventImport");
        QCOMPARE(m_session.prompts().fileDialogs.size(), 1);
        QCOMPARE(m_session.prompts().fileDialogs.first().caption, QStringLiteral("Select a file ..."));
        QCOMPARE(m_session.prompts().fileDialogs.first().filter, QStringLiteral("CSV files (*.csv)"));
        QStringList added = contactRows(this->contacts(), true);
        for (const QString &row : before)
            added.removeOne(row + " service");
        QStringList expectedRows;
        for (const QString &contact : contacts)
            expectedRows += contact + " local";
        expectedRows.sort();
        QCOMPARE(added, expectedRows);

        QVERIFY(tasksDone());
        QStringList calls;
        for (const QString &contact : contacts)
            calls += "contact " + contact;
        QCOMPARE(contactCalls(), calls);
    }

    void importWithoutAFileDoesNothing()
    {
        QVERIFY(logIn());
        const QStringList before = contactRows(contacts(), true);
        session().invoke("eventImport");
        m_session.prompts().fileAnswers = {{m_files.filePath("missing.csv")}};
        session().invoke("eventImport");
        QCOMPARE(m_session.prompts().fileDialogs.size(), 2);
        QCOMPARE(contactRows(contacts(), true), before);
    }

    // The selected contacts and the members of a selected group, as UTF-8 lines ending in CR LF.
    void exportBytes()
    {
        QVERIFY(logIn());
        FolderView &list = contacts();
        list.clearSelection();
        list.findItems("Suppliers", Qt::MatchExactly, 1).first()->setSelected(true);
        list.findItems("Desk", Qt::MatchExactly, 1).first()->setSelected(true);
        const QString path = m_files.filePath("export.csv");
        QFile older(path);
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write("an older and longer content\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
        older.close();
        m_session.prompts().fileAnswers = {{path}};
        session().invoke("eventExport");
        QFile exported(path);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(exported.readAll(), QByteArray("Encre No\xC3\xABl;+3314;\r\nDesk;+3315;+3366\r\n"));
    }

    void exportAsksForAFileAndTellsWhenItCannotBeWritten()
    {
        QVERIFY(logIn());
        FolderView &list = contacts();
        list.clearSelection();
        session().invoke("eventExport"); // nothing selected: no dialog
        QVERIFY(m_session.prompts().fileDialogs.isEmpty());

        list.findItems("Desk", Qt::MatchExactly, 1).first()->setSelected(true);
        session().invoke("eventExport"); // cancelled
        QCOMPARE(m_session.prompts().fileDialogs.size(), 1);
        const FileDialogRequest dialog = m_session.prompts().fileDialogs.takeFirst();
        QCOMPARE(dialog.kind, FileDialogRequest::SaveFile);
        QCOMPARE(dialog.caption, QStringLiteral("Select a file name ..."));
        QCOMPARE(dialog.filter, QStringLiteral("CSV files (*.csv)"));
        QCOMPARE(dialog.directory, QDir::toNativeSeparators(QDir::homePath()));
        QCOMPARE(dialog.parent, session().window());

        const QString path = m_files.filePath("missing/export.csv");
        m_session.prompts().fileAnswers = {{path}};
        session().invoke("eventExport");
        m_session.prompts().fileDialogs.clear();
        QCOMPARE(session().takeBoxTexts(),
                 QStringList{"The contacts could not be saved in " + QDir::toNativeSeparators(path) + "."});
        QVERIFY(!QFile::exists(path));
    }

    // A field that holds a separator, a quote or a line break is quoted, and the import reads it back.
    void exportQuotesWhatWouldBreakALine()
    {
        QVERIFY(logIn());
        const QByteArray file("\"Ann; \"\"A.\"\"\nB\";+441;\r\nBo \"Q\" Li;+442;\r\n");
        const QString in = m_files.filePath("in.csv");
        QFile csv(in);
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write(file);
        csv.close();
        const QString out = m_files.filePath("out.csv");
        m_session.prompts().fileAnswers = {{in}, {out}};
        session().invoke("eventImport");
        FolderView &list = contacts();
        list.clearSelection();
        for (QTreeWidgetItem *row : list.findItems("+44", Qt::MatchStartsWith, 2))
            row->setSelected(true);
        session().invoke("eventExport");
        m_session.prompts().fileDialogs.clear();
        QFile exported(out);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(exported.readAll(),
                 QByteArray("\"Ann; \"\"A.\"\"\nB\";+441;\r\n\"Bo \"\"Q\"\" Li\";+442;\r\n"));
        QVERIFY(tasksDone());
    }

    // The exporter's file becomes Outlook rows; two of them copied into the account make two contacts and two
    // creations, and the Outlook rows stay.
    void outlookContacts()
    {
        PlatformPaths::setContactsExporter(writeExporter(outlookBook()));
        QVERIFY(logIn(true));
        QTRY_COMPARE(contactRows(contacts()).filter("outlook"), outlookRows());
        QCOMPARE(exporterRuns(), QStringList(SettingsStore::instance().outlookCsvPath()));

        selectRows({"Eve", "Finn"});
        QVERIFY(action("actionAddToContacts")->isEnabled());
        m_session.standin().control("clear-log");
        action("actionAddToContacts")->trigger();
        QCOMPARE(contactRows(contacts(), true),
                 QStringList({"Desk|+3315|+3366 service", "Eve|+49301|+49172 local", "Finn|+331| local",
                              "Suppliers/Encre Noël|+3314| service", "group Suppliers service", "outlook Eve|+49301|+49172",
                              "outlook Finn|+331|", "outlook Hal||+77"}));
        QVERIFY(tasksDone());
        QCOMPARE(contactCalls(), QStringList({"contact Eve|+49301|+49172", "contact Finn|+331|"}));
        QCOMPARE(contactRows(contacts()).filter("outlook"), outlookRows());
    }

    // Each log-in sets the Outlook actions up again; they must still run once per trigger.
    void outlookActionsAfterASecondLogIn()
    {
        PlatformPaths::setContactsExporter(writeExporter(outlookBook()));
        QVERIFY(logIn(true));
        QTRY_COMPARE(contactRows(contacts()).filter("outlook"), outlookRows());
        session().invoke("eventLogout");
        QCOMPARE(contactRows(contacts()), QStringList());
        // Settings saved from the log-in dialog set the Outlook contacts up without a session: the next
        // session imports once, as its log-in asks.
        emit session().window()->findChild<SettingsDlg *>()->signalOutlook();
        SettingsStore::instance().setLoggedIn(true);
        session().invoke("eventLogoutClose", Q_ARG(int, session().account().customerId), Q_ARG(bool, false));
        QTRY_COMPARE(contactRows(contacts()).filter("outlook"), outlookRows());
        QVERIFY(pumpIdle());
        QCOMPARE(exporterRuns().size(), 2);

        selectRows({"Eve", "Finn"});
        m_session.standin().control("clear-log");
        action("actionAddToContacts")->trigger();
        QCOMPARE(contactRows(contacts(), true).filter("local"), QStringList({"Eve|+49301|+49172 local", "Finn|+331| local"}));
        QVERIFY(tasksDone());
        QCOMPARE(contactCalls(), QStringList({"contact Eve|+49301|+49172", "contact Finn|+331|"}));

        action("actionOutlookContacts")->trigger();
        QTRY_COMPARE(exporterRuns().size(), 3);
        QVERIFY(pumpIdle());
        QCOMPARE(exporterRuns().size(), 3);
    }

    // A number typed into the send dialog's picker with "add to contacts" checked becomes a new contact.
    void pickerSavesTypedNumbers()
    {
        QVERIFY(logIn());
        ModalDriver driver;
        driver.whenShown([](QWidget *dialog) {
            auto *picker = dialog->findChild<RecipientsWidget *>();
            QVERIFY(picker && picker->addToContactsBox->isVisible());
            picker->addToContactsBox->setChecked(true);
            picker->lineName->setText("Uma");
            picker->directNumber->setText("+33 7 1");
            QTest::mouseClick(picker->btnAdd, Qt::LeftButton);
        });
        session().invoke("eventSendSms");
        QVERIFY(driver.shown());
        QCOMPARE(contactRows(contacts(), true).filter("local"), QStringList({"Uma||+3371 local"}));
        QVERIFY(tasksDone());
        QCOMPARE(contactCalls(), QStringList({"contact Uma||+3371"}));
    }

    // Made while the service cannot be reached: a new group with a picked and a typed member, a new contact
    // edited twice, a member taken out again and a contact deleted, each before its creation ran. Once the
    // service is back it holds exactly what the user left, under service ids, and a change query brings
    // nothing back.
    void offlineChangesReachTheServiceOnce()
    {
        QVERIFY(logIn());
        QSignalSpy online(session().window(), SIGNAL(signalRefreshOnline(bool)));
        goOffline();

        QVERIFY(inEditor<AddContactGroupDlg>("eventAddContactGroup", [](AddContactGroupDlg &editor) {
            editor.name->setText("Team");
            select(editor.contacts, "Desk");
            QTest::mouseClick(editor.addBtn, Qt::LeftButton);
            editor.contactName->setText("Tom");
            editor.contactFax->setText("+331");
            QTest::mouseClick(editor.addContact, Qt::LeftButton);
            QTest::mouseClick(editor.btnOk, Qt::LeftButton);
        }));
        for (const char *name : {"Zed", "Yan"}) {
            QVERIFY(inEditor<AddContactDlg>("eventAddContact", [name](AddContactDlg &editor) {
                editor.name->setText(name);
                editor.number->setText("+332");
                QTest::mouseClick(editor.btnOk, Qt::LeftButton);
            }));
        }
        QTRY_VERIFY_WITH_TIMEOUT(online.contains({false}), standinTimeoutMs);
        QCOMPARE(contactRows(contacts(), true).filter("local"),
                 QStringList({"Team/Desk|+3315|+3366 local", "Team/Tom|+331| local", "Yan|+332| local",
                              "Zed|+332| local", "group Team local"}));

        for (const auto &[from, to] : {std::pair("Zed", "Zoe"), std::pair("Zoe", "Zoey")}) {
            selectRows({from});
            QVERIFY(inEditor<AddContactDlg>("eventEditContact", [to = to](AddContactDlg &editor) {
                editor.name->setText(to);
                QTest::mouseClick(editor.btnOk, Qt::LeftButton);
            }));
        }
        selectRows({"Team"});
        QVERIFY(inEditor<AddContactGroupDlg>("eventEditContact", [](AddContactGroupDlg &editor) {
            editor.name->setText("Crew");
            select(editor.contactsFinal, "Tom");
            QTest::mouseClick(editor.removeBtn, Qt::LeftButton);
            QTest::mouseClick(editor.btnOk, Qt::LeftButton);
        }));
        selectRows({"Yan"});
        m_session.prompts().boxAnswers = {0};
        session().invoke("eventDelete");
        QCOMPARE(m_session.prompts().boxes.size(), 1);

        const QStringList intended = {"Crew/Desk|+3315|+3366", "Desk|+3315|+3366", "Suppliers/Encre Noël|+3314|",
                                      "Zoey|+332|", "group Crew", "group Suppliers"};
        QCOMPARE(contactRows(contacts()), intended);
        QCOMPARE(contactCalls(), QStringList());

        goOnline();
        QVERIFY(tasksDone());
        QCOMPARE(contactCalls(), QStringList({"group Team", "contact Desk|+3315|+3366", "contact Tom|+331|",
                                              "contact Zed|+332|", "contact Yan|+332|", "contact Zoe|+332|",
                                              "contact Zoey|+332|", "group Crew", "delete", "delete"}));
        QVERIFY(pumpIdle());
        QCOMPARE(serviceContacts(), intended);
        QTRY_COMPARE_WITH_TIMEOUT(contactRows(contacts(), true), withService(intended), standinTimeoutMs);
        // The next change query brings nothing back.
        m_session.standin().control("clear-log");
        session().invoke("eventSyncGenerate");
        QTRY_VERIFY_WITH_TIMEOUT(session().operations().contains("getModifiedObjects"), standinTimeoutMs);
        QVERIFY(pumpIdle());
        QCOMPARE(contactRows(contacts(), true), withService(intended));
    }

    // The creations of a contact, and of a group with a member, run while their editors are open: what the
    // editors return then names the service's ids, so nothing is created twice and the member goes.
    void editorsOpenWhileTheirCreationsRun()
    {
        QVERIFY(logIn());
        QSignalSpy online(session().window(), SIGNAL(signalRefreshOnline(bool)));
        const auto untilCreated = [this](const QString &row) {
            return QTest::qWaitFor([&] { return contactRows(contacts(), true).contains(row + " service"); },
                                   standinTimeoutMs);
        };

        goOffline();
        QVERIFY(inEditor<AddContactDlg>("eventAddContact", [](AddContactDlg &editor) {
            editor.name->setText("Zed");
            editor.number->setText("+332");
            QTest::mouseClick(editor.btnOk, Qt::LeftButton);
        }));
        QTRY_VERIFY_WITH_TIMEOUT(online.contains({false}), standinTimeoutMs);
        selectRows({"Zed"});
        QVERIFY(inEditor<AddContactDlg>("eventEditContact", [&](AddContactDlg &editor) {
            goOnline();
            QVERIFY(untilCreated("Zed|+332|"));
            editor.name->setText("Zoe");
            QTest::mouseClick(editor.btnOk, Qt::LeftButton);
        }));
        QVERIFY(tasksDone());

        online.clear();
        goOffline();
        QVERIFY(inEditor<AddContactGroupDlg>("eventAddContactGroup", [](AddContactGroupDlg &editor) {
            editor.name->setText("Team");
            editor.contactName->setText("Tom");
            editor.contactFax->setText("+331");
            QTest::mouseClick(editor.addContact, Qt::LeftButton);
            QTest::mouseClick(editor.btnOk, Qt::LeftButton);
        }));
        QTRY_VERIFY_WITH_TIMEOUT(online.contains({false}), standinTimeoutMs);
        selectRows({"Team"});
        QVERIFY(inEditor<AddContactGroupDlg>("eventEditContact", [&](AddContactGroupDlg &editor) {
            goOnline();
            QVERIFY(untilCreated("Team/Tom|+331|"));
            editor.name->setText("Crew");
            select(editor.contactsFinal, "Tom");
            QTest::mouseClick(editor.removeBtn, Qt::LeftButton);
            QTest::mouseClick(editor.btnOk, Qt::LeftButton);
        }));
        QVERIFY(tasksDone());
        QVERIFY(pumpIdle());
        const QStringList intended = {"Desk|+3315|+3366", "Suppliers/Encre Noël|+3314|", "Zoe|+332|", "group Crew",
                                      "group Suppliers"};
        QCOMPARE(serviceContacts(), intended);
        QTRY_COMPARE_WITH_TIMEOUT(contactRows(contacts(), true), withService(intended), standinTimeoutMs);
    }
};

QTEST_MAIN(ContactsTest)
#include "tst_contacts.moc"
