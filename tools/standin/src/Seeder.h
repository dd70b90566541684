#pragma once

#include "Mailbox.h"

#include <QJsonObject>
#include <stdexcept>

class SeedError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Fills the state from a seed document (the format is in the README): accounts
// with their folders, groups, contacts, received faxes, voice messages and sent
// items. Returns, per account, the ids given to what it created, in seed order.
class Seeder
{
public:
    explicit Seeder(Mailbox &mailbox);

    // All or nothing; throws SeedError on a malformed seed or an e-mail that is already taken.
    QJsonObject apply(const QJsonObject &seed);
    // The built-in demo account.
    static QJsonObject demoSeed();

private:
    QJsonObject seedAccount(const QJsonObject &json);

    Mailbox &mailbox;
};
