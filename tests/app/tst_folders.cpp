#include "BaseForView.h"
#include "EntitiesView.h"
#include "ItemActionsKit.h"
#include "ListRows.h"
#include "MainWindowTestCase.h"
#include "ModalDriver.h"
#include "MovetoFolderDlg.h"
#include "ObjectType.h"
#include "RenameFolderDlg.h"
#include "StandinWaits.h"

#include <QSignalSpy>
#include <QSplitter>
#include <QStackedLayout>
#include <functional>

namespace {

// Every test's account: Invoices with three received faxes, Archive with a sent fax, a folder without
// items, and a received fax in the Inbox.
QJsonObject folderSeed()
{
    return QJsonDocument::fromJson(R"({
  "folders": [{"name": "Invoices"}, {"name": "Archive"}, {"name": "Empty"}],
  "receivedFaxes": [{"sender": "+3314", "folder": "Invoices"}, {"sender": "+3316", "folder": "Invoices"},
                    {"sender": "+3318", "folder": "Invoices"}, {"sender": "+3320"}],
  "sentFaxes": [{"recipients": ["+3311"], "status": 1, "folder": "Archive"}]
})").object();
}

QString objectText(int type, int id)
{
    return QString::number(type) + u':' + QString::number(id);
}

// "type:id" of every object of an ObjectsID array as the stand-in logged it, sorted.
QStringList namedObjects(const QJsonArray &objects)
{
    QStringList named;
    for (const QJsonValue &value : objects) {
        for (const QJsonValue &id : value.toObject().value("ids").toArray())
            named += objectText(value.toObject().value("type").toInt(), id.toInt());
    }
    named.sort();
    return named;
}

} // namespace

// The folder commands of the tree's menu against the stand-in: what the tree shows at once, what is
// persisted, and what reaches the service, also for folders the user made while the service was out of
// reach.
class FoldersTest : public MainWindowTestCase
{
    Q_OBJECT

private:
    PromptRecorder &prompts() { return m_session.prompts(); }
    EntitiesView &tree() { return *session().entities(); }

    QStringList labels()
    {
        QStringList texts;
        for (int i = 0; i < tree().topLevelItemCount(); ++i)
            texts += tree().topLevelItem(i)->text(0);
        return texts;
    }

    // Each user folder's label with the folder id of the list the stack shows when it is current.
    QStringList userFolderLists()
    {
        const auto *splitter = qobject_cast<QSplitter *>(tree().parentWidget());
        const auto *stack = qobject_cast<QStackedLayout *>(splitter->widget(1)->layout());
        QStringList lists;
        for (int i = MainWindowSession::FirstUserFolder; i < tree().topLevelItemCount(); ++i) {
            tree().setCurrentItem(tree().topLevelItem(i));
            const auto *list = qobject_cast<FolderView *>(stack->currentWidget());
            lists += tree().topLevelItem(i)->text(0) + u'=' + QString::number(list ? list->folderId() : 0);
        }
        return lists;
    }

    // Makes the user folder current; its list.
    FolderView &showFolder(const QString &name)
    {
        for (int i = MainWindowSession::FirstUserFolder; i < tree().topLevelItemCount(); ++i) {
            if (tree().topLevelItem(i)->text(0).startsWith(name + u'('))
                return session().show(i);
        }
        qFatal("no folder %s", qPrintable(name));
    }
    int seededFolder(int index) { return session().seededId("folders", index); }
    // userFolderLists() of the seeded folders.
    QStringList seededLists()
    {
        return {"Invoices(3)=" + QString::number(seededFolder(0)),
                "Archive(1)=" + QString::number(seededFolder(1)),
                "Empty(0)=" + QString::number(seededFolder(2))};
    }

    // Runs the command, and in the name dialog it opens the user's part.
    bool inNameDialog(const std::function<void()> &command,
                      const std::function<void(RenameFolderDlg &)> &user)
    {
        ModalDriver driver;
        driver.whenShown(
            [&](QWidget *shown) {
                auto *dialog = qobject_cast<RenameFolderDlg *>(shown);
                QCOMPARE(dialog->parentWidget(), session().window());
                user(*dialog);
            },
            10000, "RenameFolderDlg");
        command();
        return driver.shown();
    }
    bool nameFolder(const char *slot, const QString &typed)
    {
        return inNameDialog([&] { session().invoke(slot); },
                            [&typed](RenameFolderDlg &dialog) {
                                dialog.name->setText(typed);
                                dialog.btnOk->click();
                            });
    }
    // Moves the Inbox's fax to the folder through the folder chooser; before choosing, the user's part.
    bool moveInboxFax(const QString &folder, const std::function<void()> &first = {})
    {
        if (!session().select(MainWindowSession::Inbox, {"receivedFax3"}))
            return false;
        ModalDriver driver;
        driver.whenShown(
            [&](QWidget *shown) {
                if (first)
                    first();
                auto *dialog = qobject_cast<MovetoFolderDlg *>(shown);
                dialog->folders->findItems(folder, Qt::MatchStartsWith).first()->setSelected(true);
                dialog->btnOk->click();
            },
            10000, "MovetoFolderDlg");
        session().invoke("eventMovetoFolder");
        return driver.shown();
    }

    // The folder calls of this session's account since the log was cleared, in order: "create Name",
    // "rename <id> Name", "move <folder id>", "delete type:id,...".
    QStringList folderCalls()
    {
        QStringList calls;
        for (const QJsonValue &value : m_session.standin().requestLog()) {
            const QJsonObject entry = value.toObject();
            const QJsonObject params = entry.value("params").toObject();
            if (entry.value("email").toString() != session().account().email)
                continue;
            const QString operation = entry.value("operation").toString();
            if (operation == "renameFolder") {
                const int id = params.value("folderid").toInt();
                calls += (id == 0 ? QStringLiteral("create") : "rename " + QString::number(id)) + u' ' +
                         params.value("newname").toString();
            } else if (operation == "moveToFolder") {
                calls += "move " + QString::number(params.value("folderid").toInt());
            } else if (operation == "deleteObjects") {
                calls += "delete " + namedObjects(params.value("info").toArray()).join(u',');
            }
        }
        return calls;
    }
    // True once the pump has found the queue empty; meaningful only after a task of the queue has begun.
    bool pumpIdle()
    {
        const QTimer *pump = session().pumpTimer();
        return QTest::qWaitFor([pump] { return pump->isActive() && pump->interval() == 1000; },
                               standinTimeoutMs);
    }
    bool tasksDone()
    {
        return QTest::qWaitFor([this] { return session().persistedTaskKinds().isEmpty(); }, standinTimeoutMs);
    }
    // Creates the folder while the service cannot be reached; its local id.
    int createOffline(const QString &name)
    {
        QSignalSpy online(session().window(), SIGNAL(signalRefreshOnline(bool)));
        session().setReachable(false);
        const int local = session().cache().nextTaskId();
        if (!nameFolder("eventCreateFolder", name) ||
            !QTest::qWaitFor([&] { return online.contains({false}); }, standinTimeoutMs))
            return 0;
        return local;
    }

protected:
    void setUp() override
    {
        MainWindowTestCase::setUp();
        QVERIFY(m_session.logInSeeded(folderSeed()));
    }
    void tearDown() override
    {
        m_session.service().useHttps();
        MainWindowTestCase::tearDown();
    }

private slots:
    // Made while the service is out of reach, the folder shows at once under its local id and is persisted; a
    // move into it waits with it. Once the service answers, the tree, the list, the move and the cache all
    // carry the service's id.
    void createShowsAtOnceThenTakesTheServiceId()
    {
        const int local = createOffline("  Projects ");
        QVERIFY(local > 0);
        QCOMPARE(labels(), QStringList({"Inbox(1)", "Outbox(0)", "Contacts", "Invoices(3)", "Archive(1)",
                                        "Empty(0)", "Projects(0)"}));
        QCOMPARE(showFolder("Projects").folderId(), -local);
        const QMap<int, QString> tasks = session().persistedTaskKinds();
        QCOMPARE(tasks.values(), QStringList{"CHANGE_FOLDER"});
        CacheDatabase &cache = session().cache();
        QCOMPARE(cache.getTaskParam(tasks.firstKey(), "id"), QString::number(-local));
        QCOMPARE(cache.getTaskParam(tasks.firstKey(), "localid"), QString::number(local));
        QCOMPARE(cache.getTaskParam(tasks.firstKey(), "name"), QStringLiteral("Projects"));

        QVERIFY(moveInboxFax("Projects"));
        QCOMPARE(session().row("receivedFax3")->treeWidget(), &showFolder("Projects"));
        QCOMPARE(folderCalls(), QStringList());

        session().setReachable(true);
        session().runPump();
        QVERIFY(tasksDone());
        const int serviceId = showFolder("Projects").folderId();
        QVERIFY(serviceId > 0);
        QCOMPARE(folderCalls(), QStringList({"create Projects", "move " + QString::number(serviceId)}));
        QVERIFY(!tree().findUserFolder(-local));
        QCOMPARE(recordOf<BaseForView>(session().row("receivedFax3"))->folderid, serviceId);
        QVERIFY(session().syncToService());
        QVERIFY(pumpIdle());
        QCOMPARE(labels().mid(MainWindowSession::FirstUserFolder),
                 QStringList({"Invoices(3)", "Archive(1)", "Empty(0)", "Projects(1)"}));
        const qtObjectsInfo cached = session().cachedObjects();
        QStringList cachedFolders;
        for (const QelFolderInfo &folder : cached.folders)
            cachedFolders += folder.name + u'=' + QString::number(folder.id);
        QVERIFY2(cachedFolders.contains("Projects=" + QString::number(serviceId)),
                 qPrintable(cachedFolders.join(u' ')));
        for (const qtFAXReceivedInfo &fax : cached.faxesreceived) {
            if (fax.id == session().object("receivedFax3").second)
                QCOMPARE(fax.folderid, serviceId);
        }
    }

    // A cancelled name dialog changes nothing; a name that is taken already gives a second folder.
    void createCancelledOrUnderATakenName()
    {
        QVERIFY(inNameDialog([this] { session().invoke("eventCreateFolder"); },
                             [](RenameFolderDlg &dialog) {
                                 dialog.name->setText("Unused");
                                 dialog.btnCancel->click();
                             }));
        const QStringList seeded = {"Invoices(3)", "Archive(1)", "Empty(0)"};
        QCOMPARE(labels().mid(MainWindowSession::FirstUserFolder), seeded);
        QCOMPARE(session().persistedTaskKinds(), (QMap<int, QString>()));

        // Through the tree menu's action, as the menu enables it.
        auto *create = session().window()->findChild<QAction *>("actionCreateFolder");
        create->setEnabled(true);
        QVERIFY(inNameDialog([create] { create->trigger(); },
                             [](RenameFolderDlg &dialog) {
                                 QCOMPARE(dialog.name->text(), QString());
                                 dialog.name->setText("Invoices");
                                 dialog.btnOk->click();
                             }));
        QCOMPARE(labels().mid(MainWindowSession::FirstUserFolder), seeded + QStringList{"Invoices(0)"});
        QVERIFY(tasksDone());
        QCOMPARE(folderCalls(), QStringList{"create Invoices"});
        const QStringList lists = userFolderLists();
        QCOMPARE(lists.mid(0, 3), seededLists());
        const int created = lists.last().section(u'=', 1).toInt();
        QVERIFY2(created > 0 && created != seededFolder(0), qPrintable(lists.last()));
    }

    // Both renames of a folder made offline wait for its creation and then name the service's id.
    void renameOfflineFolderTwice()
    {
        const int local = createOffline("Draft");
        QVERIFY(local > 0);
        for (const auto &[from, to] : {std::pair("Draft", "Drafts"), std::pair("Drafts", "Plans")}) {
            showFolder(from);
            QVERIFY(inNameDialog([this] { session().invoke("eventRenameFolder"); },
                                 [from = from, to = to](RenameFolderDlg &dialog) {
                                     QCOMPARE(dialog.name->text(), QString(from));
                                     dialog.name->setText(to);
                                     dialog.btnOk->click();
                                 }));
        }
        QCOMPARE(labels().mid(MainWindowSession::FirstUserFolder),
                 QStringList({"Invoices(3)", "Archive(1)", "Empty(0)", "Plans(0)"}));
        QCOMPARE(showFolder("Plans").folderId(), -local);
        QCOMPARE(session().persistedTaskKinds().values(), QStringList(3, "CHANGE_FOLDER"));

        session().setReachable(true);
        session().runPump();
        QVERIFY(tasksDone());
        const QString serviceId = QString::number(showFolder("Plans").folderId());
        QCOMPARE(folderCalls(), QStringList({"create Draft", "rename " + serviceId + " Drafts",
                                             "rename " + serviceId + " Plans"}));
        QVERIFY(session().syncToService());
        QCOMPARE(labels().mid(MainWindowSession::FirstUserFolder),
                 QStringList({"Invoices(3)", "Archive(1)", "Empty(0)", "Plans(0)"}));
    }

    // The folder's creation runs while the user is in a dialog about it (the name dialog, the folder
    // chooser, the deletion question): what the command queues names the service's id all the same.
    void dialogOpenWhileTheCreationRuns_data()
    {
        // The row's name is the command.
        QTest::addColumn<QStringList>("calls"); // {S}: the id the service gave the folder; {F}: the fax
        QTest::addColumn<QString>("lastFolder");
        QTest::newRow("rename") << QStringList({"create Draft", "rename {S} Plans"}) << "Plans(0)";
        QTest::newRow("move") << QStringList({"create Draft", "move {S}"}) << "Draft(1)";
        QTest::newRow("delete") << QStringList({"create Draft", "move {S}", "delete 2:{F},7:{S}"}) << "Empty(0)";
    }
    void dialogOpenWhileTheCreationRuns()
    {
        const QLatin1String command(QTest::currentDataTag());
        QFETCH(QStringList, calls);
        QVERIFY(createOffline("Draft") > 0);
        const QPointer<FolderView> draft = &showFolder("Draft");
        const auto creationRuns = [this, draft] {
            session().setReachable(true);
            session().runPump();
            QVERIFY(QTest::qWaitFor([draft] { return draft && draft->folderId() > 0; }, standinTimeoutMs));
        };
        int serviceId = 0;
        if (command == "rename") {
            QVERIFY(inNameDialog([this] { session().invoke("eventRenameFolder"); },
                                 [&](RenameFolderDlg &dialog) {
                                     creationRuns();
                                     dialog.name->setText("Plans");
                                     dialog.btnOk->click();
                                 }));
            serviceId = draft->folderId();
        } else if (command == "move") {
            QVERIFY(moveInboxFax("Draft", creationRuns));
            serviceId = draft->folderId();
            QCOMPARE(session().row("receivedFax3")->treeWidget(), draft.data());
        } else {
            QVERIFY(moveInboxFax("Draft"));
            showFolder("Draft");
            prompts().whileAsked = [&] {
                creationRuns();
                serviceId = draft->folderId();
            };
            prompts().boxAnswers = {0};
            session().invoke("eventDeleteFolder");
            prompts().whileAsked = nullptr;
            QCOMPARE(session().takeBoxTexts(), QStringList{"Do you want to delete 1 item?"});
        }
        QVERIFY(tasksDone());
        QVERIFY(serviceId > 0);
        calls.replaceInStrings("{S}", QString::number(serviceId));
        calls.replaceInStrings("{F}", QString::number(session().object("receivedFax3").second));
        QCOMPARE(folderCalls(), calls);
        QTEST(labels().last(), "lastFolder");
    }

    // The folder goes with every row in it: a search that hides rows is cleared first, so the question
    // counts what goes and the request names it.
    void deleteFolder_data()
    {
        QTest::addColumn<int>("folder"); // index of the seeded folder
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("answer"); // 0 Yes, 1 No, -1 no question expected
        QTest::addColumn<QString>("box");
        const QString three = "Do you want to delete 3 items?";
        QTest::newRow("three rows") << 0 << "" << 0 << three;
        QTest::newRow("a search hiding two of three rows") << 0 << "+3314" << 0 << three;
        QTest::newRow("a search hiding every row") << 0 << "+4999" << 0 << three;
        QTest::newRow("declined under a search") << 0 << "+3314" << 1 << three;
        QTest::newRow("no rows") << 2 << "" << -1 << "";
    }
    void deleteFolder()
    {
        QFETCH(int, folder);
        QFETCH(QString, filter);
        QFETCH(int, answer);
        const QStringList names = {"Invoices", "Archive", "Empty"};
        FolderView &list = showFolder(names[folder]);
        QStringList named = {objectText(ObjectType::Folder, seededFolder(folder))};
        for (int row = 0; row < list.topLevelItemCount(); ++row)
            named += objectText(recordOf(list.topLevelItem(row))->type, recordOf(list.topLevelItem(row))->id);
        named.sort();
        const auto hiddenRows = [&list] {
            int hidden = 0;
            for (int row = 0; row < list.topLevelItemCount(); ++row)
                hidden += list.topLevelItem(row)->isHidden() ? 1 : 0;
            return hidden;
        };
        session().invoke("eventFilter", Q_ARG(QString, filter));
        QVERIFY(filter.isEmpty() || hiddenRows() >= 2);
        if (answer >= 0)
            prompts().boxAnswers = {answer};
        int hiddenWhenAsked = -1;
        prompts().whileAsked = [&] { hiddenWhenAsked = hiddenRows(); };
        session().invoke("eventDeleteFolder");
        QTEST(session().takeBoxTexts().join(u'|'), "box");
        QCOMPARE(hiddenWhenAsked, answer >= 0 ? 0 : -1);

        QStringList remaining = seededLists();
        if (answer != 1)
            remaining.removeAt(folder);
        if (answer == 1) {
            QCOMPARE(hiddenRows(), 0);
            QCOMPARE(list.selectedItems().size(), 0);
            QCOMPARE(userFolderLists(), remaining);
            QCOMPARE(session().persistedTaskKinds(), (QMap<int, QString>()));
            return;
        }
        QCOMPARE(tree().currentItem(), tree().topLevelItem(MainWindowSession::Inbox));
        QCOMPARE(session().persistedTaskKinds().values(), QStringList{"DELETE_OBJECT"});
        // The folders after it moved up a place in the tree and in the stack.
        QCOMPARE(userFolderLists(), remaining);
        QVERIFY(tasksDone());
        QCOMPARE(folderCalls(), QStringList{"delete " + named.join(u',')});
        QVERIFY(session().syncToService());
        QVERIFY(pumpIdle());
        QCOMPARE(userFolderLists(), remaining);
        for (const QelFolderInfo &cached : session().cachedObjects().folders)
            QVERIFY(cached.id != seededFolder(folder));
    }

    // A change list may remove the folder while the question is open: then nothing more is deleted or queued.
    void folderGoneWhileAsked()
    {
        const int id = showFolder("Invoices").folderId();
        prompts().whileAsked = [&] { tree().removeFolderEntity(id); };
        prompts().boxAnswers = {0};
        session().invoke("eventDeleteFolder");
        QCOMPARE(session().takeBoxTexts(), QStringList{"Do you want to delete 3 items?"});
        QCOMPARE(session().persistedTaskKinds(), (QMap<int, QString>()));
        QVERIFY(session().syncToService());
        QVERIFY(!session().operations().contains("deleteObjects"));
    }

    // A row that arrives in the folder while the question is open was not asked about: the question comes
    // again with the new count, and only a second Yes deletes the folder with every row it now holds.
    void rowsArrivingWhileAskedAreAskedAbout_data()
    {
        QTest::addColumn<int>("secondAnswer"); // 0 Yes, 1 No
        QTest::newRow("confirmed again") << 0;
        QTest::newRow("declined the second time") << 1;
    }
    void rowsArrivingWhileAskedAreAskedAbout()
    {
        QFETCH(int, secondAnswer);
        const int folderId = seededFolder(0);
        QTreeWidgetItem *inboxRow = session().row("receivedFax3");
        QVERIFY(inboxRow);
        std::unique_ptr<BaseForView> arrived(recordOf<BaseForView>(inboxRow)->clone());
        arrived->folderid = folderId;
        FolderView &list = showFolder("Invoices");
        QStringList named = {objectText(ObjectType::Folder, folderId),
                             objectText(arrived->type, arrived->id)};
        for (int row = 0; row < list.topLevelItemCount(); ++row)
            named += objectText(recordOf(list.topLevelItem(row))->type, recordOf(list.topLevelItem(row))->id);
        named.sort();
        prompts().whileAsked = [&] { tree().addOrUpdateItem(*arrived); };
        prompts().boxAnswers = {0, secondAnswer};
        session().invoke("eventDeleteFolder");
        QCOMPARE(session().takeBoxTexts(),
                 (QStringList{"Do you want to delete 3 items?", "Do you want to delete 4 items?"}));
        if (secondAnswer == 1) {
            QVERIFY(tree().findUserFolder(folderId));
            QCOMPARE(list.topLevelItemCount(), 4);
            QCOMPARE(session().persistedTaskKinds(), (QMap<int, QString>()));
            return;
        }
        QVERIFY(!tree().findUserFolder(folderId));
        QVERIFY(tasksDone());
        QCOMPARE(folderCalls(), QStringList{"delete " + named.join(u',')});
    }

    // Inbox, Outbox and Contacts are no user folders: deleting is refused, renaming does nothing.
    void fixedEntitiesRefused_data()
    {
        QTest::addColumn<int>("entity");
        QTest::newRow("Inbox") << int(MainWindowSession::Inbox);
        QTest::newRow("Outbox") << int(MainWindowSession::Outbox);
        QTest::newRow("Contacts") << int(MainWindowSession::Contacts);
    }
    void fixedEntitiesRefused()
    {
        QFETCH(int, entity);
        session().show(entity);
        const QStringList before = labels();
        DialogWatch dialogs;
        session().invoke("eventRenameFolder");
        session().invoke("eventDeleteFolder");
        QCOMPARE(dialogs.shown, 0);
        QCOMPARE(session().takeBoxTexts(), QStringList{"Impossible to delete selected item(s)."});
        QCOMPARE(labels(), before);
        QCOMPARE(session().persistedTaskKinds(), (QMap<int, QString>()));
    }
};

QTEST_MAIN(FoldersTest)
#include "tst_folders.moc"
