#pragma once

#include "StoredObject.h"

#include <QList>
#include <QSqlDatabase>
#include <QVariant>
#include <optional>
#include <stdexcept>

// A failed statement: the request that ran into it is answered with a Server fault.
class StoreError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The service's state in SQLite: accounts, their objects, recipient lists,
// documents and the change log whose row number is the sync timestamp.
// Every method runs on the one thread that opened the store and throws
// StoreError when a statement fails.
class StateStore
{
public:
    // path ":memory:" keeps the state for the life of the process only.
    // Everything done while it lives is undone unless commit() is called.
    class Transaction
    {
    public:
        explicit Transaction(StateStore &store);
        ~Transaction();
        Transaction(const Transaction &) = delete;
        Transaction &operator=(const Transaction &) = delete;
        void commit();

    private:
        StateStore &store;
        QString name;
        bool done = false;
    };

    explicit StateStore(const QString &path);
    ~StateStore();
    StateStore(const StateStore &) = delete;
    StateStore &operator=(const StateStore &) = delete;

    int createAccount(const Account &account);
    std::optional<Account> accountByEmail(const QString &email);
    std::optional<Account> account(int id);
    void updateAccount(const Account &account);

    // Inserts with the object's id when it is set, else with a new one; records the change.
    int insertObject(const StoredObject &object);
    void updateObject(const StoredObject &object);
    void removeObject(int account, int id, int type);
    std::optional<StoredObject> object(int account, int id, int type);
    std::optional<StoredObject> objectById(int id);
    QList<StoredObject> objects(int account);
    // column is one of the object table's own column names.
    QList<StoredObject> objectsWhere(int account, const QString &column, int value);
    // Sent items and forwards of every account whose delivery state is the given one.
    QList<StoredObject> sentItemsInState(int sentStatus);

    QList<Recipient> recipients(int object);
    void setRecipients(int object, const QList<Recipient> &recipients);
    QList<Document> documents(int object);
    void addDocument(int object, const Document &document);

    int appendChange(int account, int object, int type, int action);
    QList<ChangeEntry> changesSince(int account, int timestamp);
    int currentTimestamp();

private:
    QSqlQuery run(const QString &sql, const QVariantList &values = {});
    QList<StoredObject> selectObjects(const QString &condition, const QVariantList &values);
    void createSchema();
    static StoredObject objectFromQuery(const QSqlQuery &query);
    static Account accountFromQuery(const QSqlQuery &query);

    QString connectionName;
    QSqlDatabase db;
    int transactionDepth = 0;
};
