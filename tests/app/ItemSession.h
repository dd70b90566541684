#pragma once

// A main window logged in to an account of its own on the stand-in, for the tests of the item actions and the
// documents: each session seeds a new account, so that what one test sends, deletes or marks never shows in
// another test's lists, and each runs in a home of its own.

#include "CacheDatabase.h"
#include "CustomQTreeWidgetItem.h"
#include "DesktopFixture.h"
#include "EntitiesView.h"
#include "FolderView.h"
#include "MainWindow.h"
#include "ObjectType.h"
#include "QelvoxAPI.h"
#include "SettingsStore.h"
#include "TestHome.h"
#include "qtObjectsInfo.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
