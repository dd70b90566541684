#include "Downloader.h"

#include "SettingsStore.h"

#include <QFile>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSaveFile>

namespace {

// A redirect chain longer than this is taken for a loop.
constexpr int maximumRedirects = 10;
// Without a byte for this long the transfer is given up.
constexpr int stallTimeoutMs = 60000;

bool isSuccessStatus(const QNetworkReply *reply)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 200 && status < 300;
}

// A connection closed early can end a reply without an error; the length the server announced tells. (Qt
// drops the header when it inflates a compressed body, whose length it no longer describes.)
bool isWholeBody(const QNetworkReply *reply, qint64 received)
{
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    return !length.isValid() || length.toLongLong() == received;
}

} // namespace

Downloader::Downloader(QObject *parent) : QObject(parent) {}

Downloader::~Downloader()
{
    if (m_reply) {
        // No signal from a downloader that is going away; the unfinished file is dropped with m_file.
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

bool Downloader::download(const QString &path, const QUrl &url)
{
    if (m_reply)
        return false;
    // Anything but a web address could copy a local file into the installer's place.
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return false;
    if (QFile::exists(path))
        QFile::remove(path);
    m_file = std::make_unique<QSaveFile>(path);
    if (!m_file->open(QIODevice::WriteOnly)) {
        m_file.reset();
        return false;
    }
    m_fileName = path;
    applyProxy();

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(maximumRedirects);
    request.setTransferTimeout(stallTimeoutMs);
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &Downloader::eventReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &Downloader::eventDone);
    return true;
}

void Downloader::applyProxy()
{
    const ProxySettings proxy = SettingsStore::instance().proxy();
    if (!proxy.isUsed()) {
        m_network.setProxy(QNetworkProxy::NoProxy);
        return;
    }
    const bool credentials = proxy.hasCredentials();
    m_network.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, proxy.host, quint16(proxy.port),
                                     credentials ? proxy.userId : QString(),
                                     credentials ? proxy.password : QString()));
}

void Downloader::eventReadyRead()
{
    const QByteArray bytes = m_reply->readAll();
    if (m_file->write(bytes) != bytes.size())
        m_reply->abort();
}

void Downloader::eventDone()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();

    const QByteArray rest = reply->readAll();
    const bool received = reply->error() == QNetworkReply::NoError && isSuccessStatus(reply) &&
                          m_file->write(rest) == rest.size() && isWholeBody(reply, m_file->pos());
    if (!received)
        m_file->cancelWriting();
    const bool error = !m_file->commit() || !received;
    m_file.reset();
    emit signalDone(m_fileName, error);
}
