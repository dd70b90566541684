#pragma once

#include "QelvoxAPI.h"
#include "SettingsStore.h"
#include "StandinProcess.h"
#include "TestHome.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

// Two accounts on the stand-in; Ann's credentials are the stored ones.
namespace Accounts {
inline const char *const annEmail = "ann@example.test";
inline const char *const bobEmail = "bob@example.test";
inline const int annSentFax = 30001;
inline const int annSentSms = 30002;
inline const int annReceivedFax = 30003;
inline const int annSecondFax = 30004;
inline const int bobSentFax = 30101;

inline QByteArray digest(const char *password)
{
    return QCryptographicHash::hash(password, QCryptographicHash::Md5).toHex();
}
inline std::string annDigest()
{
    return digest("secret-a").toStdString();
}
inline std::string bobDigest()
{
    return digest("secret-b").toStdString();
}

inline const QByteArray seed = R"({"accounts": [
  {"email": "ann@example.test", "password": "secret-a", "customerId": 5001, "timeShift": 3600,
   "details": {"firstname": "Ann", "prepaidbalance": 250}, "folders": [{"id": 30010, "name": "Invoices"}],
   "receivedFaxes": [{"id": 30003, "sender": "+3314", "pages": 1, "date": "2026-12-01 09:15:00",
                      "document": {"name": "fax.pdf", "contentType": "application/pdf",
                                   "base64": "JVBERi0xLjQKJcOkw7zDtsOfCjEgMCBvYmoKPDwvVHlwZS9DYXRhbG9nPj4KZW5kb2JqCg=="}}],
   "sentFaxes": [{"id": 30001, "recipients": ["+3311", "+3312"], "status": 1, "pages": 1},
                 {"id": 30004, "recipients": ["+3321", "+3322", "+3323"], "status": 1, "pages": 2}],
   "sentSms": [{"id": 30002, "recipients": ["+3366"], "status": 1, "content": "Hi"}]},
  {"email": "bob@example.test", "password": "secret-b", "customerId": 5002, "timeShift": 7200,
   "sentFaxes": [{"id": 30101, "recipients": ["+4901"], "status": 1, "pages": 1}]}
]})";
} // namespace Accounts

// The stand-in for one test executable, with the seeded accounts, a temporary home whose settings hold
// Ann's credentials, and the facade pointed at the stand-in over HTTPS. Use from the test's thread.
class FacadeFixture
{
public:
    explicit FacadeFixture(const QStringList &standinArguments = {}) : standin(standinArguments) {}

    // Call from initTestCase; fails the test when the stand-in does not come up.
    bool start()
    {
        if (!standin.start()) {
            qWarning() << "stand-in:" << standin.errorText();
            return false;
        }
        const QJsonObject seeded = standin.seed(QJsonDocument::fromJson(Accounts::seed).object());
        if (!seeded.value("ok").toBool()) {
            qWarning() << "seed:" << seeded;
            return false;
        }
        SettingsStore &settings = SettingsStore::instance();
        settings.load();
        settings.setUserName(Accounts::annEmail);
        settings.setPassword(QString::fromStdString(Accounts::annDigest()));
        useHttps();
        return true;
    }

    // Call from init: no injections, an empty log, and the header empty, so that it is refilled.
    void reset()
    {
        standin.control("clear-injections");
        standin.control("clear-log");
        QelvoxAPI::setCredentials({}, {});
    }

    void useHttps() { QelvoxAPI::setServiceOrigin(standin.httpsUrl().toUtf8(), standin.caFile().toUtf8()); }

    // The requests since the last reset, in order.
    QJsonArray requests() { return standin.requestLog(); }
    QStringList operations()
    {
        QStringList names;
        for (const QJsonValue &entry : requests())
            names << entry.toObject().value("operation").toString();
        return names;
    }

    // Arms a fault or an altered reply for the next call of the operation.
    void injectOnce(const QString &operation, QJsonObject fault)
    {
        fault.insert("times", 1);
        QVERIFY(standin.inject(operation, fault).value("ok").toBool());
    }

    TestHome home;
    StandinProcess standin;
};
