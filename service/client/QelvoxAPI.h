#pragma once

#include "BindingSupport.h"
#include "EngineSetup.h"
#include "ServiceResult.h"

#include <QMap>
#include <QMutex>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <string>

class BaseObject;
class ChangeList;
class ClientProxy;
class ForwardEntry;
class MoveToFolderRequest;
class ObjectRef;
class ObjectsRequest;
class QelFolderInfo;
class QelvoxProxy;
class RecipientStatus;
class RegisterCustomerInfo;
class SendFaxRequest;
class SendSmsRequest;
class qtAccountInfo;
class qtAuthenticateInfo;
class qtContactGroupInfo;
class qtContactInfo;
class qtCountryInfo;
class qtDestinationInfo;
class qtLanguageInfo;
class qtObjectsInfo;

// The process-wide facade through which every call to the two services passes. It owns one engine per
// service, set up on first use, and serialises their calls with one mutex. Every operation blocks the
// calling thread for the whole exchange and may be called from any thread. An int result is the engine's
// status: 0 success, otherwise the reason of the failure (see ServiceResult.h). The sign-up caches and
// resetConnection() never wait for a call in progress.
class QelvoxAPI : public QObject
{
public:
    // Log-in with the record's credentials; writes the customer id and the result code into the record:
    // 0 success, 107 refused, 28 no connection, or the proxy's refusal (ServiceResult.h). Runs on an engine
    // of its own and holds no lock during the exchange, so an abandoned log-in blocks nobody. Only a
    // successful log-in makes its credentials the facade's, and only when no newer credentials were set
    // meanwhile.
    static void authenticate(qtAuthenticateInfo *info);
    // Replaces the credentials that every later call carries, as after a password or e-mail change.
    static void setCredentials(const std::string &email, const std::string &passwordDigest);

    static int getModifiedObjects(int timestamp, ChangeList *list);
    static int reviewObjects(ChangeList *list);
    // On success *result is a new snapshot that the caller owns.
    static int getObjects(const QList<ObjectRef> *objects, qtObjectsInfo **result);
    static int getShiftTime(int *shift);
    static int getInboxOutboxID(int *inboxId, int *outboxId, int *code);
    static int registerApp(const std::string &version, int *reply);
    // Leaves the version empty when the call fails.
    static int getAppVersion(std::string *version, QString *url);

    static int sendSmsAsynchronous(SendSmsRequest *request);
    static int sendFaxRegister(SendFaxRequest *request);
    static int forwardAsynchronous(ForwardEntry *entry);
    static int updateContactGroupInfo(qtContactGroupInfo *group);
    static int updateContactInfo(qtContactInfo *contact);
    static int renameFolder(QelFolderInfo *folder);
    static int moveToFolder(MoveToFolderRequest *request, int *reply);
    static int changeStatus(ObjectsRequest *request, bool read, int *reply);
    static int deleteObjects(ObjectsRequest *request, int *reply);

    static int getRecipients(const BaseObject *item, QList<RecipientStatus> *list);
    // Writes the item's document to path, replacing it only when the whole document arrived.
    static int downloadFile(const BaseObject *item, const QString &format, const QString &path);

    static int getAllCountries(QList<qtCountryInfo> *list);
    static int getAllLanguages(QList<qtLanguageInfo> *list);
    static int getAccountInfo(qtAccountInfo *info);
    static int setAccountInfo(const qtAccountInfo *info, int *reply);
    static int getExtendedTitle(bool *on);
    static int setExtendedTitle(bool on, int *reply);
    // Once the service accepts the change (status 0, reply 0), every later call carries the new e-mail or
    // password digest; storing it in the settings is the caller's.
    static int setNewEmail(const std::string &email, int *reply);
    static int setNewPassword(const std::string &passwordDigest, int *reply);
    // Changes the password of the given account on an engine of its own; afterwards the facade sends the
    // stored credentials again.
    static int setNewPasswordFor(const std::string &email, const std::string &currentDigest,
                                 const std::string &newDigest, int *reply);

    // Sign-up service.
    static bool loadSignupLists();
    static bool getFaxRegions(const std::string &key, QList<qtDestinationInfo> *list);
    // 0 with the new password, otherwise the service's error number, -1 or 28 (no fault at all).
    static int registerCustomer(RegisterCustomerInfo *info, std::string *password);
    // The sign-up caches that loadSignupLists() filled. The nationality is "FRA" while the service has not
    // named one.
    static QString ipNationality();
    static QMap<QString, QString> countries();
    static QMap<QString, QString> faxCountries();
    static QMap<QString, QString> languages();

    // Drops both engines and reloads the proxy settings before the next call; a call in progress ends on
    // the engine it began with.
    static void resetConnection();

    // For tests: the services at origin ("https://127.0.0.1:port"), trusting caFile. The program never
    // calls it and reads no other source for these values.
    static void setServiceOrigin(const QByteArray &origin, const QByteArray &caFile);

private:
    QelvoxAPI();
    ~QelvoxAPI() override;
    static QelvoxAPI &instance();

    template <class Call> static int withAccount(Call call);
    template <class Call> static int withSignup(Call call);
    // Runs call on an account engine of its own that sends header, without holding the mutex; then, with
    // the mutex held, runs update only when no other change of the credentials began meanwhile.
    template <class Call, class Update>
    static int withOwnEngine(const SOAP_ENV__Header &header, Call call, Update update);
    // Both run with the mutex held: set up the engine on first use, then prepare it for one call.
    int ensureServiceProxy();
    int ensureClientProxy();
    void dropEngines();
    // The engine setup, after a pending reset; with the mutex held.
    const EngineSetup &setup();
    // Takes a ticket for a change of the credentials; with the mutex held.
    quint64 nextCredentials();
    // Every later call carries these; with the mutex held.
    void replaceCredentials(const SOAP_ENV__Header &header);
    // Fetches one sign-up list into its cache unless it is filled; with the mutex held.
    template <class Reply, class Item>
    bool fillSignupList(QMap<QString, QString> QelvoxAPI::*cache, int (ClientProxy::*call)(Reply &),
                        std::string Item::*name);

    QMutex mutex;
    SOAP_ENV__Header authHeader;
    std::unique_ptr<QelvoxProxy> serviceProxy;
    std::unique_ptr<ClientProxy> clientProxy;
    EngineSetup engineSetup;
    // Set by resetConnection(), applied by the next call; set at first, so that the first engine uses the
    // configured proxy.
    std::atomic<bool> resetPending{true};
    quint64 credentialsTicket = 0;
    // Guards the sign-up caches only, never held across a call.
    mutable QMutex cacheMutex;
    QString nationality;
    QMap<QString, QString> countryNames;
    QMap<QString, QString> faxCountryNames;
    QMap<QString, QString> languageNames;
};
