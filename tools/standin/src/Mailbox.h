#pragma once

#include "StateStore.h"

#include <QDateTime>
#include <QStringList>

// The service's rules over the stored state: what a send, a forward, an edit
// or a deletion does to an account and which change entries it leaves for the
// client's synchronisation. Shared by the SOAP operations and the control interface.
class Mailbox
{
public:
    // Outcome of an operation that answers with one item (a refusal code) or
    // two items (0 and the id of the object it made).
    struct Outcome
    {
        int code = 0;
        int id = 0;
        bool accepted() const { return code == 0; }
    };

    struct ObjectRef
    {
        int object = 0;
        int type = 0;
    };

    explicit Mailbox(StateStore &store);

    static bool isEmailShaped(const QString &email);
    // Current service time in the service's date form.
    static QString serviceNow();

    // Creates the account with its Inbox and Outbox; a customerId of 0 takes the next free one.
    Account createAccount(const QString &email, const QString &passwordDigest, int customerId = 0);

    Outcome sendFax(const Account &account, const QStringList &numbers, const QList<Document> &documents,
                    const QJsonObject &options, int pages);
    Outcome sendSms(const Account &account, const QStringList &numbers, const QString &content, bool unicode);
    Outcome forward(const Account &account, int id, int type, int kind, const QString &to);
    // Moves a sent item (or forward) to its final delivery status; false when no such item is pending.
    bool advance(int id, int status);
    // Delivers every item that has been in queue since before the cutoff.
    void advanceQueuedBefore(const QDateTime &cutoff);
    int addReceivedFax(const Account &account, StoredObject fax, const Document &document);

    Outcome updateGroup(const Account &account, int id, const QString &name);
    Outcome updateContact(const Account &account, const StoredObject &contact);
    Outcome renameFolder(const Account &account, int id, const QString &name);
    void deleteObjects(const Account &account, const QList<ObjectRef> &refs);
    void changeStatus(const Account &account, const QList<ObjectRef> &refs, int status);
    int moveToFolder(const Account &account, const QList<ObjectRef> &refs, int folder);

    // Every listed object of the account, each once with action 1.
    QList<ChangeEntry> review(const Account &account);
    // The account's changes after the timestamp, one entry per object (its latest action), progress entries
    // as logged.
    QList<ChangeEntry> changesSince(const Account &account, int timestamp);

    StateStore &store() { return state; }

private:
    Outcome createSentItem(const Account &account, StoredObject item, const QStringList &numbers);
    void removeWithContents(const Account &account, const StoredObject &object);

    StateStore &state;
};
