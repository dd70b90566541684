#pragma once

// A main window logged in to an account of its own on the stand-in, for the tests of the item actions and the
// documents: each session seeds a new account, so that what one test sends, deletes or marks never shows in
// another test's lists, and each runs in a home of its own.

#include "CacheDatabase.h"
#include "CustomQTreeWidgetItem.h"
#include "DesktopFixture.h"
#include "EMAILSentInfoRegister.h"
#include "EntitiesView.h"
#include "FAXSentInfoRegister.h"
#include "FolderView.h"
#include "ForwardEntry.h"
#include "MainWindow.h"
#include "ObjectType.h"
#include "OutlookContactInfo.h"
#include "QelvoxAPI.h"
#include "SMSSentInfoRegister.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "SettingsStore.h"
#include "TestHome.h"
#include "qtObjectsInfo.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTest>
#include <QTranslator>
#include <memory>

class ItemSession
{
public:
    enum Entity { Inbox = 0, Outbox = 1, Contacts = 2, FirstUserFolder = 3 };

    // The account seed without "email", "password" and "customerId", which the session gives.
    ItemSession(DesktopFixture &desktop, QJsonObject account) : m_desktop(desktop)
    {
        static int sessions = 0;
        ++sessions;
        email = QStringLiteral("session%1@example.test").arg(sessions);
        customerId = 7000 + sessions;
        account.insert("email", email);
        account.insert("password", "secret-s");
        account.insert("customerId", customerId);
        const QJsonObject seeded = desktop.standin().seed({{"accounts", QJsonArray{account}}});
        ids = seeded.value("accounts").toArray().first().toObject();
        if (!seeded.value("ok").toBool() || ids.value("customerId").toInt() != customerId)
            qFatal("seed refused: %s", qPrintable(QJsonDocument(seeded).toJson()));

        SettingsStore &settings = SettingsStore::instance();
        settings.load();
        const QByteArray digest = Accounts::digest("secret-s");
        settings.setUserName(email);
        settings.setPassword(QString::fromLatin1(digest));
        settings.setCustomerId(customerId);
        settings.setLoggedIn(true);
        QelvoxAPI::setCredentials(email.toStdString(), digest.toStdString());
        // As the application does: the window loads the language into it.
        QCoreApplication::installTranslator(&m_translator);
    }

    ~ItemSession()
    {
        m_window.reset();
        QCoreApplication::removeTranslator(&m_translator);
        SettingsStore::instance().setLoggedIn(false);
    }

    // Builds the window and completes the log-in; returns once the first full review is in the lists and
    // the cache, with the stand-in's log emptied.
    bool logIn()
    {
        m_window = std::make_unique<MainWindow>(&m_translator);
        invoke("eventLogoutClose", Q_ARG(int, customerId), Q_ARG(bool, false));
        if (!QTest::qWaitFor([this] { return cache().timestamp() > 0; }, 20000))
            return false;
        m_desktop.standin().control("clear-log");
        return true;
    }

    MainWindow &window() { return *m_window; }
    EntitiesView &entities() { return *m_window->findChild<EntitiesView *>(); }

    // Makes the entity current (see Entity) and returns its list.
    FolderView &show(int entity)
    {
        EntitiesView &tree = entities();
        tree.setCurrentItem(tree.topLevelItem(entity));
        return *tree.currentView();
    }

    // Selects exactly these rows of the current list.
    void select(const QList<QTreeWidgetItem *> &rows)
    {
        FolderView &list = *entities().currentView();
        list.clearSelection();
        for (QTreeWidgetItem *row : rows)
            row->setSelected(true);
    }
    // Makes the entity current and selects exactly the rows of these objects (see object()); false when one
    // has no row.
    bool select(int entity, const QStringList &keys)
    {
        show(entity);
        QList<QTreeWidgetItem *> rows;
        for (const QString &key : keys)
            rows += row(key);
        select(rows);
        return !rows.contains(nullptr);
    }

    // Rows that exist only here: a pending fax to two numbers, a pending SMS and a pending e-mail forward in
    // the Outbox, and an Outlook contact; their keys are "pendingFax", "pendingSms", "pendingEmail" and
    // "outlook".
    void addLocalRows()
    {
        EntitiesView &tree = entities();
        const int outbox = tree.outboxFolderId();
        SendFaxRequest fax;
        fax.taskid = pendingTaskId;
        fax.numbers = QStringList{"+3311", "+3312"};
        tree.addPendingFax(FAXSentInfoRegister::fromSendFaxRequest(fax, outbox));
        SendSmsRequest sms;
        sms.taskid = pendingTaskId + 1;
        sms.numbers = QStringList{"+3366"};
        tree.addPendingSms(SMSSentInfoRegister::fromSendSmsRequest(sms, outbox));
        ForwardEntry entry(ObjectType::FaxReceived, 1, QString());
        entry.taskid = pendingTaskId + 2;
        entry.forward = 5;
        entry.to = QStringLiteral("ann@example.test");
        tree.addPendingEmail(EMAILSentInfoRegister::fromForwardEntry(entry, outbox));
        auto *outlook = new OutlookContactInfo;
        outlook->name = QStringLiteral("Eve");
        outlook->number = QStringLiteral("+3390");
        tree.addOutlookContactRow(outlook);
    }

    // {type, id} of an object by its key: a seeded one as its kind and index ("receivedFax0", "sentFax1",
    // "sms0", "voice0", "contact0") or one of the local rows.
    QPair<int, int> object(const QString &key) const
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

    // The object's row in whichever list holds it; null when none does.
    QTreeWidgetItem *row(const QString &key)
    {
        const auto [type, id] = object(key);
        for (FolderView *list : m_window->findChildren<FolderView *>()) {
            if (QTreeWidgetItem *found = list->findItem(id, type))
                return found;
        }
        return nullptr;
    }

    template <typename... Args> void invoke(const char *slot, Args... args)
    {
        if (!QMetaObject::invokeMethod(m_window.get(), slot, Qt::DirectConnection, args...))
            qFatal("no slot %s", slot);
    }

    // The first service id the seed gave to objects of that kind ("receivedFaxes", "sentSms", ...).
    int seededId(const char *kind, int index = 0) const { return ids.value(kind).toArray().at(index).toInt(); }

    // A second connection to the window's cache file, read as the program would read it after a restart.
    CacheDatabase &cache()
    {
        if (!m_cache.isOpen())
            m_cache.open();
        return m_cache;
    }
    qtObjectsInfo cachedObjects()
    {
        qtObjectsInfo objects;
        cache().loadAll(objects);
        return objects;
    }

    // map[task id] = kind, as persisted in the window's cache.
    QMap<int, QString> persistedTasks()
    {
        QMap<int, QString> tasks;
        cache().loadTaskTypes(tasks);
        return tasks;
    }

    // Queues a change query; true once it has reached the service, and with it whatever was queued before.
    bool syncNow()
    {
        const int queries = int(operations().count("getModifiedObjects"));
        invoke("eventSyncGenerate");
        return QTest::qWaitFor([&] { return operations().count("getModifiedObjects") > queries; }, 15000);
    }

    // False: the facade points at a loopback port where nothing listens, so that every call fails to
    // connect. True: back at the stand-in, and the pump tries again at once rather than after its back-off.
    bool setReachable(bool reachable)
    {
        if (reachable) {
            m_desktop.service().useHttps();
            invoke("eventTaskExecuterStart");
            return true;
        }
        QTcpServer closed;
        if (!closed.listen(QHostAddress::LocalHost))
            return false;
        const QByteArray deadOrigin = "https://127.0.0.1:" + QByteArray::number(closed.serverPort());
        closed.close();
        QelvoxAPI::setServiceOrigin(deadOrigin, m_desktop.standin().caFile().toUtf8());
        return true;
    }

    // The texts of the message boxes shown since the last call.
    QStringList takeBoxTexts()
    {
        QStringList texts;
        for (const MessageBoxRequest &box : std::as_const(m_desktop.prompts.boxes))
            texts += box.text;
        m_desktop.prompts.boxes.clear();
        return texts;
    }

    // The operations the stand-in received from this account since the log-in, in order.
    QStringList operations()
    {
        QStringList names;
        for (const QJsonValue &entry : m_desktop.standin().requestLog()) {
            if (entry.toObject().value("email").toString() == email)
                names << entry.toObject().value("operation").toString();
        }
        return names;
    }
    QJsonObject lastParams(const QString &operation)
    {
        return m_desktop.standin().lastRequest(operation).value("params").toObject();
    }

    static constexpr int pendingTaskId = 4000;

    QString email;
    int customerId = 0;
    QJsonObject ids;

private:
    DesktopFixture &m_desktop;
    TestHome m_home;
    QTranslator m_translator;
    CacheDatabase m_cache;
    std::unique_ptr<MainWindow> m_window;
};

// The record a list row shows, still owned by the row.
template <typename Record = BaseObject> Record *recordOf(const QTreeWidgetItem *row)
{
    return row ? static_cast<Record *>(CustomQTreeWidgetItem::record(row)) : nullptr;
}

// The top-level rows of a list whose record has this type, in display order.
inline QList<QTreeWidgetItem *> rowsOfType(const FolderView &list, int type)
{
    QList<QTreeWidgetItem *> rows;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        if (const BaseObject *record = recordOf(list.topLevelItem(i)); record && record->type == type)
            rows += list.topLevelItem(i);
    }
    return rows;
}

inline bool isBold(const QTreeWidgetItem *row)
{
    return row->font(1).bold();
}

// The stand-in of one test executable and the session of the test that runs.
class ItemSessions
{
public:
    // From initTestCase.
    bool start()
    {
        m_desktop = std::make_unique<DesktopFixture>();
        return m_desktop->startService();
    }
    void stop() { m_desktop.reset(); }

    // From setUp: a new account with the seed's objects, logged in.
    bool begin(const QJsonObject &seed)
    {
        m_desktop->service().reset();
        m_desktop->urls.opened.clear();
        m_desktop->prompts.boxAnswers.clear();
        m_desktop->prompts.boxes.clear();
        m_session = std::make_unique<ItemSession>(*m_desktop, seed);
        return m_session->logIn();
    }
    // From tearDown: the texts of the message boxes that the test did not take.
    QStringList end()
    {
        const QStringList boxes = m_session ? m_session->takeBoxTexts() : QStringList();
        m_session.reset();
        return boxes;
    }

    ItemSession &session() { return *m_session; }
    DesktopFixture &desktop() { return *m_desktop; }

private:
    std::unique_ptr<DesktopFixture> m_desktop;
    std::unique_ptr<ItemSession> m_session;
};
