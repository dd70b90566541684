#include "StateStore.h"

#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

const char *const objectColumns =
    "id, account, type, folder, status, sentstatus, date, name, number, gsmnumber, "
    "groupid, foldertype, content, pages, faxtype, duration, sender, details";
const char *const accountColumns =
    "id, email, password, extended_title, time_shift, inbox, outbox, app_version, details";

const char *const schema[] = {
    "CREATE TABLE IF NOT EXISTS account(id INTEGER PRIMARY KEY AUTOINCREMENT, email TEXT UNIQUE NOT NULL, "
    "password TEXT NOT NULL, extended_title INT NOT NULL DEFAULT 0, time_shift INT NOT NULL DEFAULT 0, "
    "inbox INT NOT NULL DEFAULT 0, outbox INT NOT NULL DEFAULT 0, app_version TEXT, "
    "details TEXT NOT NULL DEFAULT '{}')",
    "CREATE TABLE IF NOT EXISTS object(id INTEGER PRIMARY KEY AUTOINCREMENT, account INT NOT NULL, type INT "
    "NOT NULL, "
    "folder INT, status INT, sentstatus INT, date TEXT, name TEXT, number TEXT, gsmnumber TEXT, groupid INT, "
    "foldertype INT, content TEXT, pages INT, faxtype INT, duration INT, sender TEXT, details TEXT)",
    "CREATE TABLE IF NOT EXISTS recipient(object INT NOT NULL, position INT NOT NULL, recipient TEXT, status "
    "INT)",
    // Every read of an item's recipients, and every rewrite of them, goes by its object.
    "CREATE INDEX IF NOT EXISTS recipient_object ON recipient(object, position)",
    "CREATE TABLE IF NOT EXISTS document(object INT NOT NULL, position INTEGER PRIMARY KEY AUTOINCREMENT, "
    "name TEXT, content_type TEXT, content BLOB)",
    "CREATE TABLE IF NOT EXISTS change(ts INTEGER PRIMARY KEY AUTOINCREMENT, account INT NOT NULL, object "
    "INT, "
    "type INT, action INT)",
    // Ids in the style of a real service, clear of the client's local task ids below 1000.
    "INSERT INTO sqlite_sequence(name, seq) SELECT 'account', 4000 "
    "WHERE NOT EXISTS (SELECT 1 FROM sqlite_sequence WHERE name = 'account')",
    "INSERT INTO sqlite_sequence(name, seq) SELECT 'object', 10000 "
    "WHERE NOT EXISTS (SELECT 1 FROM sqlite_sequence WHERE name = 'object')",
};

QString json(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QJsonObject jsonObject(const QVariant &text)
{
    return QJsonDocument::fromJson(text.toString().toUtf8()).object();
}

QVariant idOrNull(int id)
{
    return id > 0 ? QVariant(id) : QVariant();
}

} // namespace

StateStore::StateStore(const QString &path) : connectionName(QUuid::createUuid().toString())
{
    db = QSqlDatabase::addDatabase("QSQLITE", connectionName);
    db.setDatabaseName(path);
    if (!db.open())
        throw StoreError("cannot open the state database " + path.toStdString() + ": " +
                         db.lastError().text().toStdString());
    createSchema();
}

// Savepoints nest, so an operation can be undone inside the request that runs it.
StateStore::Transaction::Transaction(StateStore &store)
    : store(store), name("level" + QString::number(++store.transactionDepth))
{
    store.run("SAVEPOINT " + name);
}

StateStore::Transaction::~Transaction()
{
    --store.transactionDepth;
    if (done)
        return;
    try {
        store.run("ROLLBACK TO " + name);
        store.run("RELEASE " + name);
    } catch (const StoreError &) {
        // The statement that failed may have ended the transaction already; nothing is left to undo.
    }
}

void StateStore::Transaction::commit()
{
    store.run("RELEASE " + name);
    done = true;
}

StateStore::~StateStore()
{
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName);
}

void StateStore::createSchema()
{
    for (const char *statement : schema)
        run(statement);
}

QSqlQuery StateStore::run(const QString &sql, const QVariantList &values)
{
    QSqlQuery query(db);
    if (!query.prepare(sql))
        throw StoreError(("cannot prepare: " + sql + ": " + query.lastError().text()).toStdString());
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw StoreError(("statement failed: " + sql + ": " + query.lastError().text()).toStdString());
    return query;
}

int StateStore::createAccount(const Account &a)
{
    QSqlQuery query = run(QString("INSERT INTO account(%1) VALUES(?,?,?,?,?,?,?,?,?)").arg(accountColumns),
                          {idOrNull(a.id), a.email, a.passwordDigest, int(a.extendedTitle), a.timeShift,
                           a.inbox, a.outbox, a.appVersion, json(a.details)});
    return query.lastInsertId().toInt();
}

Account StateStore::accountFromQuery(const QSqlQuery &q)
{
    Account a;
    a.id = q.value(0).toInt();
    a.email = q.value(1).toString();
    a.passwordDigest = q.value(2).toString();
    a.extendedTitle = q.value(3).toInt() != 0;
    a.timeShift = q.value(4).toInt();
    a.inbox = q.value(5).toInt();
    a.outbox = q.value(6).toInt();
    a.appVersion = q.value(7).toString();
    a.details = jsonObject(q.value(8));
    return a;
}

std::optional<Account> StateStore::accountByEmail(const QString &email)
{
    QSqlQuery query =
        run(QString("SELECT %1 FROM account WHERE lower(email) = lower(?)").arg(accountColumns), {email});
    if (!query.next())
        return std::nullopt;
    return accountFromQuery(query);
}

std::optional<Account> StateStore::account(int id)
{
    QSqlQuery query = run(QString("SELECT %1 FROM account WHERE id = ?").arg(accountColumns), {id});
    if (!query.next())
        return std::nullopt;
    return accountFromQuery(query);
}

void StateStore::updateAccount(const Account &a)
{
    run("UPDATE account SET email = ?, password = ?, extended_title = ?, time_shift = ?, inbox = ?, outbox = "
        "?, "
        "app_version = ?, details = ? WHERE id = ?",
        {a.email, a.passwordDigest, int(a.extendedTitle), a.timeShift, a.inbox, a.outbox, a.appVersion,
         json(a.details), a.id});
}

int StateStore::insertObject(const StoredObject &o)
{
    QSqlQuery query =
        run(QString("INSERT INTO object(%1) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)").arg(objectColumns),
            {idOrNull(o.id), o.account, o.type, o.folder, o.status, o.sentStatus, o.date, o.name, o.number,
             o.gsmNumber, o.groupId, o.folderType, o.content, o.pages, o.faxType, o.duration, o.sender,
             json(o.details)});
    const int id = query.lastInsertId().toInt();
    if (ObjectType::isListed(o.type))
        appendChange(o.account, id, o.type, 1);
    return id;
}

void StateStore::updateObject(const StoredObject &o)
{
    run("UPDATE object SET folder = ?, status = ?, sentstatus = ?, date = ?, name = ?, number = ?, gsmnumber "
        "= ?, "
        "groupid = ?, foldertype = ?, content = ?, pages = ?, faxtype = ?, duration = ?, sender = ?, details "
        "= ? "
        "WHERE id = ? AND account = ?",
        {o.folder, o.status, o.sentStatus, o.date, o.name, o.number, o.gsmNumber, o.groupId, o.folderType,
         o.content, o.pages, o.faxType, o.duration, o.sender, json(o.details), o.id, o.account});
    if (ObjectType::isListed(o.type))
        appendChange(o.account, o.id, o.type, 1);
}

void StateStore::removeObject(int account, int id, int type)
{
    run("DELETE FROM object WHERE id = ? AND account = ? AND type = ?", {id, account, type});
    run("DELETE FROM recipient WHERE object = ?", {id});
    run("DELETE FROM document WHERE object = ?", {id});
    appendChange(account, id, type, -1);
}

StoredObject StateStore::objectFromQuery(const QSqlQuery &q)
{
    StoredObject o;
    o.id = q.value(0).toInt();
    o.account = q.value(1).toInt();
    o.type = q.value(2).toInt();
    o.folder = q.value(3).toInt();
    o.status = q.value(4).toInt();
    o.sentStatus = q.value(5).toInt();
    o.date = q.value(6).toString();
    o.name = q.value(7).toString();
    o.number = q.value(8).toString();
    o.gsmNumber = q.value(9).toString();
    o.groupId = q.value(10).toInt();
    o.folderType = q.value(11).toInt();
    o.content = q.value(12).toString();
    o.pages = q.value(13).toInt();
    o.faxType = q.value(14).toInt();
    o.duration = q.value(15).toInt();
    o.sender = q.value(16).toString();
    o.details = jsonObject(q.value(17));
    return o;
}

QList<StoredObject> StateStore::selectObjects(const QString &condition, const QVariantList &values)
{
    // condition is our own text; the values are bound.
    QSqlQuery query =
        run(QString("SELECT %1 FROM object WHERE %2 ORDER BY id").arg(objectColumns, condition), values);
    QList<StoredObject> result;
    while (query.next())
        result.append(objectFromQuery(query));
    return result;
}

std::optional<StoredObject> StateStore::object(int account, int id, int type)
{
    const QList<StoredObject> found =
        selectObjects("id = ? AND account = ? AND type = ?", {id, account, type});
    return found.isEmpty() ? std::nullopt : std::optional<StoredObject>(found.first());
}

std::optional<StoredObject> StateStore::objectById(int id)
{
    const QList<StoredObject> found = selectObjects("id = ?", {id});
    return found.isEmpty() ? std::nullopt : std::optional<StoredObject>(found.first());
}

QList<StoredObject> StateStore::objects(int account)
{
    return selectObjects("account = ?", {account});
}

QList<StoredObject> StateStore::objectsWhere(int account, const QString &column, int value)
{
    return selectObjects(QString("account = ? AND %1 = ?").arg(column), {account, value});
}

QList<StoredObject> StateStore::sentItemsInState(int sentStatus)
{
    return selectObjects("sentstatus = ? AND type IN (?, ?, ?)",
                         {sentStatus, ObjectType::SentFax, ObjectType::SentSms, ObjectType::ForwardJob});
}

QList<Recipient> StateStore::recipients(int object)
{
    QSqlQuery query =
        run("SELECT recipient, status FROM recipient WHERE object = ? ORDER BY position", {object});
    QList<Recipient> result;
    while (query.next())
        result.append({query.value(0).toString(), query.value(1).toInt()});
    return result;
}

void StateStore::setRecipients(int object, const QList<Recipient> &recipients)
{
    run("DELETE FROM recipient WHERE object = ?", {object});
    for (int i = 0; i < recipients.size(); ++i)
        run("INSERT INTO recipient(object, position, recipient, status) VALUES(?,?,?,?)",
            {object, i, recipients[i].recipient, recipients[i].status});
}

QList<Document> StateStore::documents(int object)
{
    QSqlQuery query =
        run("SELECT name, content_type, content FROM document WHERE object = ? ORDER BY position", {object});
    QList<Document> result;
    while (query.next())
        result.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toByteArray()});
    return result;
}

void StateStore::addDocument(int object, const Document &document)
{
    run("INSERT INTO document(object, name, content_type, content) VALUES(?,?,?,?)",
        {object, document.name, document.contentType, document.content});
}

int StateStore::appendChange(int account, int object, int type, int action)
{
    return run("INSERT INTO change(account, object, type, action) VALUES(?,?,?,?)",
               {account, object, type, action})
        .lastInsertId()
        .toInt();
}

QList<ChangeEntry> StateStore::changesSince(int account, int timestamp)
{
    QSqlQuery query = run("SELECT object, type, action FROM change WHERE account = ? AND ts > ? ORDER BY ts",
                          {account, timestamp});
    QList<ChangeEntry> result;
    while (query.next())
        result.append({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt()});
    return result;
}

int StateStore::currentTimestamp()
{
    QSqlQuery query = run("SELECT COALESCE(MAX(ts), 0) FROM change");
    query.next();
    return query.value(0).toInt();
}
