#pragma once

#include "ProxySettings.h"

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

QByteArray appVersion();
QByteArray appPlatform();
QByteArray appExtension();

// True when the dot-separated numbers of version are greater than those of appVersion(), compared one by
// one; a version that is not made of numbers is never newer.
bool isNewerVersion(const QByteArray &version);

// The process-wide configuration: the ini settings file (groups CLIENT and PROXY), the signed-in customer,
// the logged-in flag and the per-user data paths. Getters and setters may be called from any thread; load()
// runs once at start-up before any other thread exists. The file holds a credential: it and its directory
// are only ever made, and written, readable by the owner alone.
class SettingsStore
{
public:
    static SettingsStore &instance();

    // False when the settings directory or file could not be made (or narrowed to) owner-only; the values
    // are loaded all the same, from whatever the file holds.
    bool load();

    static QString settingsFilePath();

    int customerId() const;
    int inboxId() const;
    int outboxId() const;
    bool autoConnect() const;
    QString userName() const;
    QString password() const;
    bool isLoggedIn() const;
    QString reportType() const;
    bool sound() const;
    bool outlook() const;
    int dithering() const;
    int faxFormat() const;
    int syncInterval() const;
    int proxyEnabled() const;
    int proxyPort() const;
    QString proxyHost() const;
    QString proxyUserId() const;
    QString proxyPassword() const;
    // All five proxy settings read at once.
    ProxySettings proxy() const;

    // Each writes its key at once: false when the value could not be written to the owner-only file (it
    // is kept in memory all the same).
    bool setCustomerId(int value);
    bool setAutoConnect(bool value);
    bool setLanguage(const QString &value);
    bool setUserName(const QString &value);
    bool setPassword(const QString &value);
    bool setReportType(const QString &value);
    bool setSound(bool value);
    bool setOutlook(bool value);
    bool setDithering(int value);
    bool setFaxFormat(int value);
    bool setSyncInterval(int value);
    bool setProxyEnabled(int value);
    bool setProxyPort(int value);
    bool setProxyHost(const QString &value);
    bool setProxyUserId(const QString &value);
    bool setProxyPassword(const QString &value);

    // Memory only: the cache database keeps the folder ids from one run to the next.
    void setInboxId(int value);
    void setOutboxId(int value);
    void setLoggedIn(bool value);

    QString windowTitle() const;

    // Whether typed credentials are those of the stored account. Once the customer id is known, user is
    // replaced by its trimmed lower-case form and password (a digest) by its trimmed form.
    bool isSameAccount(QString &user, QString &password) const;

    QString effectiveLanguage() const;

    static bool isAutostart();
    static bool setAutostart(bool on);
    // Where the autostart value is kept.
    static QString autostartFilePath();

    // Creates the directory (owner only) and returns it with a trailing separator.
    static QString dataDirectory();
    // The same path, made by nobody.
    static QString dataPath();
    QString customerDirectory() const;
    QString cacheDatabasePath() const;
    bool hasLocalCache() const;
    static QString outlookExporterPath();
    QString outlookCsvPath() const;

private:
    SettingsStore() = default;
    ~SettingsStore();

    template <typename T> T get(const T &field) const
    {
        QMutexLocker locker(&m_mutex);
        return field;
    }
    template <typename T> bool set(T &field, const T &value, const char *group, const char *key)
    {
        QMutexLocker locker(&m_mutex);
        field = value;
        return writeValue(group, key, QVariant::fromValue(value));
    }
    // Both with the mutex held. The file is that of the current data location.
    bool writeValue(const char *group, const char *key, const QVariant &value);
    bool openSettingsFile();

    mutable QMutex m_mutex;
    int m_customerId = 0;
    int m_inboxId = 0;
    int m_outboxId = 0;
    bool m_autoConnect = true;
    QString m_language;
    QString m_userName;
    QString m_password;
    bool m_loggedIn = false;
    QString m_reportType = QStringLiteral("NO");
    bool m_sound = false;
    bool m_outlook = false;
    int m_dithering = 1;
    int m_faxFormat = 0;
    int m_syncInterval = 0;
    int m_proxyEnabled = 0;
    int m_proxyPort = 0;
    QString m_proxyHost;
    QString m_proxyUserId;
    QString m_proxyPassword;
    // Built on first use: its path needs the application object, which a static store predates.
    std::unique_ptr<QSettings> m_settings;
};
