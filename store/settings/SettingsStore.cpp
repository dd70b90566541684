#include "SettingsStore.h"

#include "AutostartEntry.h"
#include "InstallerValues.h"
#include "PlatformPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QVersionNumber>

namespace {

const char *const clientGroup = "CLIENT";
const char *const proxyGroup = "PROXY";
const QLatin1String settingsFileName("Qelvoxdesk.ini");

// A choice between 0 and 1; anything else falls back to 0.
int binaryChoice(int value)
{
    return value == 0 || value == 1 ? value : 0;
}

QString knownReportType(const QString &value)
{
    static const QStringList known{QStringLiteral("YES"), QStringLiteral("NO"), QStringLiteral("NOT_AT_ALL")};
    return known.contains(value) ? value : QStringLiteral("NO");
}

QVersionNumber versionNumber(const QByteArray &text)
{
    const QString trimmed = QString::fromLatin1(text).trimmed();
    qsizetype end = 0;
    const QVersionNumber number = QVersionNumber::fromString(trimmed, &end);
    return end == trimmed.size() ? number : QVersionNumber();
}

} // namespace

QByteArray appVersion()
{
    // The build's project version.
    return QByteArrayLiteral(QELVOX_VERSION);
}

QByteArray appPlatform()
{
    return QByteArrayLiteral("WIN");
}

QByteArray appExtension()
{
    return QByteArrayLiteral(".exe");
}

bool isNewerVersion(const QByteArray &version)
{
    const QVersionNumber offered = versionNumber(version);
    // Normalised, so that trailing zero parts ("2.29.0") name the same version.
    return !offered.isNull() && offered.normalized() > versionNumber(appVersion()).normalized();
}

SettingsStore &SettingsStore::instance()
{
    static SettingsStore store;
    return store;
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::settingsFilePath()
{
    return dataDirectory() + settingsFileName;
}

bool SettingsStore::openSettingsFile()
{
    const QString directory = dataPath();
    const QString path = directory + settingsFileName;
    // The file holds the password digest, which the service accepts as the credential. Made here first,
    // so that QSettings, which would create a missing file and folder readable by all, never has to.
    const bool ownerOnly =
        PlatformPaths::makePrivateDirectory(directory) && PlatformPaths::makePrivateFile(path);
    if (!m_settings || m_settings->fileName() != path)
        m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    return ownerOnly;
}

bool SettingsStore::load()
{
    QMutexLocker locker(&m_mutex);
    // Read afresh, not from what an earlier file object cached.
    m_settings.reset();
    const bool ownerOnly = openSettingsFile();
    QSettings &file = *m_settings;

    file.beginGroup(QLatin1String(clientGroup));
    m_language = file.value(QStringLiteral("LANGUAGE"), QString()).toString().toLower().trimmed();
    m_userName = file.value(QStringLiteral("USERNAME"), QString()).toString().trimmed();
    m_password = file.value(QStringLiteral("PASSWORD"), QString()).toString().trimmed();
    m_sound = file.value(QStringLiteral("SOUND"), false).toBool();
    m_outlook = file.value(QStringLiteral("OUTLOOK"), true).toBool();
    m_customerId = file.value(QStringLiteral("CustomerID"), 0).toInt();
    m_inboxId = file.value(QStringLiteral("INBOX_ID"), 0).toInt();
    m_outboxId = file.value(QStringLiteral("OUTBOX_ID"), 0).toInt();
    m_dithering = binaryChoice(file.value(QStringLiteral("DITHERING"), 0).toInt());
    m_faxFormat = binaryChoice(file.value(QStringLiteral("FAX_FORMAT"), 0).toInt());
    const int interval = file.value(QStringLiteral("SYNC_INTERVAL"), QStringLiteral("5")).toInt();
    m_syncInterval = interval >= 1 && interval <= 60 ? interval : 5;
    m_autoConnect = file.value(QStringLiteral("AUTOCONNECT"), true).toBool() && !m_userName.isEmpty() &&
                    !m_password.isEmpty();
    m_reportType =
        knownReportType(file.value(QStringLiteral("ReportType"), QStringLiteral("NO")).toString().trimmed());
    file.endGroup();

    file.beginGroup(QLatin1String(proxyGroup));
    m_proxyPort = file.value(QStringLiteral("PORT"), QStringLiteral("8080")).toInt();
    m_proxyHost = file.value(QStringLiteral("HOST"), QString()).toString().trimmed();
    m_proxyUserId = file.value(QStringLiteral("USERID"), QString()).toString().trimmed();
    m_proxyPassword = file.value(QStringLiteral("PASSWD"), QString()).toString().trimmed();
    m_proxyEnabled =
        m_proxyHost.isEmpty() ? 0 : file.value(QStringLiteral("ProxyEnabled"), QStringLiteral("1")).toInt();
    file.endGroup();
    return ownerOnly;
}

bool SettingsStore::writeValue(const char *group, const char *key, const QVariant &value)
{
    // Nothing is handed to QSettings that it would write where the owner-only file is missing.
    if (!openSettingsFile())
        return false;
    m_settings->beginGroup(QLatin1String(group));
    m_settings->setValue(QLatin1String(key), value);
    m_settings->endGroup();
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError)
        return true;
    // A change that did not reach the file is dropped, so that no later flush (at exit at the latest)
    // writes it behind the store's back.
    m_settings.reset();
    return false;
}

int SettingsStore::customerId() const
{
    return get(m_customerId);
}
int SettingsStore::inboxId() const
{
    return get(m_inboxId);
}
int SettingsStore::outboxId() const
{
    return get(m_outboxId);
}
bool SettingsStore::autoConnect() const
{
    return get(m_autoConnect);
}
QString SettingsStore::userName() const
{
    return get(m_userName);
}
QString SettingsStore::password() const
{
    return get(m_password);
}
bool SettingsStore::isLoggedIn() const
{
    return get(m_loggedIn);
}
QString SettingsStore::reportType() const
{
    return get(m_reportType);
}
bool SettingsStore::sound() const
{
    return get(m_sound);
}
bool SettingsStore::outlook() const
{
    return get(m_outlook);
}
int SettingsStore::dithering() const
{
    return get(m_dithering);
}
int SettingsStore::faxFormat() const
{
    return get(m_faxFormat);
}
int SettingsStore::syncInterval() const
{
    return get(m_syncInterval);
}
int SettingsStore::proxyEnabled() const
{
    return get(m_proxyEnabled);
}
int SettingsStore::proxyPort() const
{
    return get(m_proxyPort);
}
QString SettingsStore::proxyHost() const
{
    return get(m_proxyHost);
}
QString SettingsStore::proxyUserId() const
{
    return get(m_proxyUserId);
}
QString SettingsStore::proxyPassword() const
{
    return get(m_proxyPassword);
}
ProxySettings SettingsStore::proxy() const
{
    QMutexLocker locker(&m_mutex);
    return {m_proxyEnabled, m_proxyPort, m_proxyHost, m_proxyUserId, m_proxyPassword};
}

bool SettingsStore::setCustomerId(int value)
{
    return set(m_customerId, value, clientGroup, "CustomerID");
}
bool SettingsStore::setAutoConnect(bool value)
{
    return set(m_autoConnect, value, clientGroup, "AUTOCONNECT");
}
bool SettingsStore::setLanguage(const QString &value)
{
    return set(m_language, value, clientGroup, "LANGUAGE");
}
bool SettingsStore::setUserName(const QString &value)
{
    return set(m_userName, value, clientGroup, "USERNAME");
}
bool SettingsStore::setPassword(const QString &value)
{
    return set(m_password, value, clientGroup, "PASSWORD");
}
bool SettingsStore::setReportType(const QString &value)
{
    return set(m_reportType, value, clientGroup, "ReportType");
}
bool SettingsStore::setSound(bool value)
{
    return set(m_sound, value, clientGroup, "SOUND");
}
bool SettingsStore::setOutlook(bool value)
{
    return set(m_outlook, value, clientGroup, "OUTLOOK");
}
bool SettingsStore::setDithering(int value)
{
    return set(m_dithering, value, clientGroup, "DITHERING");
}
bool SettingsStore::setFaxFormat(int value)
{
    return set(m_faxFormat, value, clientGroup, "FAX_FORMAT");
}
bool SettingsStore::setSyncInterval(int value)
{
    return set(m_syncInterval, value, clientGroup, "SYNC_INTERVAL");
}
bool SettingsStore::setProxyEnabled(int value)
{
    return set(m_proxyEnabled, value, proxyGroup, "ProxyEnabled");
}
bool SettingsStore::setProxyPort(int value)
{
    return set(m_proxyPort, value, proxyGroup, "PORT");
}
bool SettingsStore::setProxyHost(const QString &value)
{
    return set(m_proxyHost, value, proxyGroup, "HOST");
}
bool SettingsStore::setProxyUserId(const QString &value)
{
    return set(m_proxyUserId, value, proxyGroup, "USERID");
}
bool SettingsStore::setProxyPassword(const QString &value)
{
    return set(m_proxyPassword, value, proxyGroup, "PASSWD");
}

void SettingsStore::setInboxId(int value)
{
    QMutexLocker locker(&m_mutex);
    m_inboxId = value;
}

void SettingsStore::setOutboxId(int value)
{
    QMutexLocker locker(&m_mutex);
    m_outboxId = value;
}

void SettingsStore::setLoggedIn(bool value)
{
    QMutexLocker locker(&m_mutex);
    m_loggedIn = value;
}

QString SettingsStore::windowTitle() const
{
    QMutexLocker locker(&m_mutex);
    QString title = QStringLiteral("Qelvoxdesk ") + QString::fromLatin1(appVersion());
    if (m_loggedIn)
        title += QStringLiteral(" (") + m_userName + u')';
    return title;
}

bool SettingsStore::isSameAccount(QString &user, QString &password) const
{
    QMutexLocker locker(&m_mutex);
    if (m_customerId < 1)
        return false;
    user = user.trimmed().toLower();
    if (user.isEmpty())
        return false;
    password = password.trimmed();
    if (password.isEmpty())
        return false;
    return user == m_userName.trimmed().toLower() && password == m_password.trimmed();
}

QString SettingsStore::effectiveLanguage() const
{
    QMutexLocker locker(&m_mutex);
    // Trimmed before the emptiness test, so that a blank setting falls back like an empty one.
    QString language = m_language.trimmed();
    if (language.isEmpty())
        language = InstallerValues::language().trimmed();
    if (language.isEmpty())
        language = QStringLiteral("en");
    return language.toLower();
}

bool SettingsStore::isAutostart()
{
    return AutostartEntry::isEnabled();
}

bool SettingsStore::setAutostart(bool on)
{
    if (!on)
        return AutostartEntry::disable();
    return AutostartEntry::enable(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()),
                                  QStringLiteral("-silent"));
}

QString SettingsStore::autostartFilePath()
{
    return AutostartEntry::filePath();
}

QString SettingsStore::dataPath()
{
    return PlatformPaths::dataLocation() + QStringLiteral("/Qelvox/");
}

QString SettingsStore::dataDirectory()
{
    const QString path = dataPath();
    PlatformPaths::makePrivateDirectory(path);
    return path;
}

QString SettingsStore::customerDirectory() const
{
    const QString path = dataDirectory() + QString::number(customerId());
    PlatformPaths::makePrivateDirectory(path);
    return path;
}

QString SettingsStore::cacheDatabasePath() const
{
    return customerDirectory() + QStringLiteral("/cache.db");
}

bool SettingsStore::hasLocalCache() const
{
    return !password().isEmpty() && customerId() >= 1 && QFileInfo::exists(cacheDatabasePath());
}

QString SettingsStore::outlookExporterPath()
{
    return PlatformPaths::contactsExporter();
}

QString SettingsStore::outlookCsvPath() const
{
    return QDir::toNativeSeparators(dataPath() + QString::number(customerId()) +
                                    QStringLiteral("/outlook.csv"));
}
