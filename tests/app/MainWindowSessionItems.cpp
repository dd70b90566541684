// The session's side for the tests of the item commands: the lists' rows by object, the seeded ids, and what
// the stand-in and the cache hold afterwards.

#include "EMAILSentInfoRegister.h"
#include "EntitiesView.h"
#include "FAXSentInfoRegister.h"
#include "FolderView.h"
#include "ForwardEntry.h"
#include "MainWindowSession.h"
#include "ModalDriver.h"
#include "ObjectType.h"
#include "OutlookContactInfo.h"
#include "OwnedRecord.h"
#include "RecipientsWidget.h"
#include "SMSWidget.h"
#include "SMSSentInfoRegister.h"
#include "SendDlg.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "SettingsStore.h"
#include "StandinWaits.h"

#include <QAction>
#include <QTest>
#include <tuple>

QStringList MainWindowSession::takeBoxTexts()
{
    QStringList texts;
    for (const MessageBoxRequest &box : std::as_const(prompts().boxes))
        texts += box.text;
    prompts().boxes.clear();
    return texts;
}

int MainWindowSession::seededId(const char *kind, int index) const
{
    return m_ids.value(kind).toArray().at(index).toInt();
}

bool MainWindowSession::logInSeeded(const QJsonObject &seed)
{
    const Account account = addAccount(seed);
    if (m_ids.value("customerId").toInt() != account.customerId)
        return false;
    SettingsStore::instance().setLoggedIn(true);
    installTranslator();
    logIn(account);
    if (!QTest::qWaitFor([this] { return cache().timestamp() > 0; }, standinTimeoutMs))
        return false;
    standin().control("clear-log");
    return true;
}

bool MainWindowSession::sendSms(const QString &text)
{
    ModalDriver driver;
    driver.whenShown(
        [&](QWidget *shown) {
            auto *dialog = qobject_cast<SendDlg *>(shown);
            QVERIFY(dialog);
            auto *picker = dialog->findChild<RecipientsWidget *>();
            picker->directNumber->setText(QStringLiteral("+3377"));
            picker->btnAdd->click();
            dialog->findChild<SMSWidget *>()->sms->setPlainText(text);
            dialog->btnSend->click();
        },
        10000, "SendDlg");
    window()->findChild<QAction *>("actionSMS")->trigger();
    return driver.shown();
}

bool MainWindowSession::syncToService()
{
    const int queries = int(operations().count("getModifiedObjects"));
    invoke("eventSyncGenerate");
    return QTest::qWaitFor([&] { return operations().count("getModifiedObjects") > queries; },
                           standinTimeoutMs);
}

FolderView &MainWindowSession::show(int entity)
{
    EntitiesView *tree = entities();
    tree->setCurrentItem(tree->topLevelItem(entity));
    return *tree->currentView();
}

void MainWindowSession::select(const QList<QTreeWidgetItem *> &rows)
{
    entities()->currentView()->clearSelection();
    for (QTreeWidgetItem *row : rows)
        row->setSelected(true);
}

bool MainWindowSession::select(int entity, const QStringList &keys)
{
    show(entity);
    QList<QTreeWidgetItem *> rows;
    for (const QString &key : keys)
        rows += row(key);
    select(rows);
    return !rows.contains(nullptr);
}

void MainWindowSession::addLocalRows()
{
    EntitiesView *tree = entities();
    const int outbox = tree->outboxFolderId();
    SendFaxRequest fax;
    fax.taskid = pendingTaskId;
    fax.numbers = QStringList{"+3311", "+3312"};
    tree->addPendingFax(owned(FAXSentInfoRegister::fromSendFaxRequest(fax, outbox)));
    SendSmsRequest sms;
    sms.taskid = pendingTaskId + 1;
    sms.numbers = QStringList{"+3366"};
    tree->addPendingSms(owned(SMSSentInfoRegister::fromSendSmsRequest(sms, outbox)));
    ForwardEntry entry(ObjectType::FaxReceived, 1, QString());
    entry.taskid = pendingTaskId + 2;
    entry.forward = 5;
    entry.to = QStringLiteral("ann@example.test");
    tree->addPendingEmail(owned(EMAILSentInfoRegister::fromForwardEntry(entry, outbox)));
    auto outlook = std::make_unique<OutlookContactInfo>();
    outlook->name = QStringLiteral("Eve");
    outlook->number = QStringLiteral("+3390");
    tree->addOutlookContactRow(std::move(outlook));
}

QPair<int, int> MainWindowSession::object(const QString &key) const
{
    static const QList<std::tuple<QString, const char *, int>> kinds = {
        {"receivedFax", "receivedFaxes", ObjectType::FaxReceived},
        {"sentFax", "sentFaxes", ObjectType::FaxSent},
        {"sms", "sentSms", ObjectType::SmsSent},
        {"voice", "voiceMessages", ObjectType::VoiceReceived},
        {"contact", "contacts", ObjectType::Contact}};
    static const QMap<QString, QPair<int, int>> local = {
        {"pendingFax", {ObjectType::PendingFax, pendingTaskId}},
        {"pendingSms", {ObjectType::PendingSms, pendingTaskId + 1}},
        {"pendingEmail", {ObjectType::PendingEmail, pendingTaskId + 2}},
        {"outlook", {ObjectType::OutlookContact, 0}}};
    if (local.contains(key))
        return local.value(key);
    for (const auto &[prefix, kind, type] : kinds) {
        if (key.startsWith(prefix))
            return {type, seededId(kind, key.mid(prefix.size()).toInt())};
    }
    qFatal("unknown object key %s", qPrintable(key));
}

QTreeWidgetItem *MainWindowSession::row(const QString &key)
{
    const auto [type, id] = object(key);
    for (FolderView *list : window()->findChildren<FolderView *>()) {
        if (QTreeWidgetItem *found = list->findItem(id, type))
            return found;
    }
    return nullptr;
}

QJsonObject MainWindowSession::lastParams(const QString &operation)
{
    return standin().lastRequest(operation).value("params").toObject();
}

CacheDatabase &MainWindowSession::cache()
{
    if (!m_cache)
        m_cache = std::make_unique<CacheDatabase>();
    if (!m_cache->isOpen() && !m_cache->open())
        QTest::qFail("the test's connection to the cache could not be opened", __FILE__, __LINE__);
    return *m_cache;
}

qtObjectsInfo MainWindowSession::cachedObjects()
{
    qtObjectsInfo objects;
    cache().loadAll(objects);
    return objects;
}

QMap<int, QString> MainWindowSession::persistedTaskKinds()
{
    QMap<int, QString> tasks;
    cache().loadTaskTypes(tasks);
    return tasks;
}
