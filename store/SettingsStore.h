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
// runs once at start-up before any other thread exists.
class SettingsStore
{
public:
    static SettingsStore &instance();

    void load();

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

    void setCustomerId(int value);
    void setAutoConnect(bool value);
    void setLanguage(const QString &value);
    void setUserName(const QString &value);
    void setPassword(const QString &value);
    void setReportType(const QString &value);
    void setSound(bool value);
    void setOutlook(bool value);
    void setDithering(int value);
    void setFaxFormat(int value);
    void setSyncInterval(int value);
    void setProxyEnabled(int value);
    void setProxyPort(int value);
    void setProxyHost(const QString &value);
    void setProxyUserId(const QString &value);
    void setProxyPassword(const QString &value);

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

    // Creates the directory (owner only) and returns it with a trailing separator.
    static QString dataDirectory();
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
    template <typename T> void set(T &field, const T &value, const char *group, const char *key)
    {
        QMutexLocker locker(&m_mutex);
        field = value;
        writeValue(group, key, QVariant::fromValue(value));
    }
    // The caller holds the mutex.
    void writeValue(const char *group, const char *key, const QVariant &value);
    void openSettingsFile();

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
