#include "Downloader.h"

#include "ProxyAuthorization.h"
#include "RefusedProxyCredentials.h"
#include "ServiceResult.h"
#include "SettingsStore.h"

#include <QFile>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSaveFile>
#include <QTcpSocket>
#include <QTimer>
#include <stdsoap2.h>

namespace {

// A redirect chain longer than this is taken for a loop.
constexpr int maximumRedirects = 10;
// Without a byte for this long the transfer is given up.
constexpr int stallTimeoutMs = 60000;
// How long the proxy may take to accept a connection when a failed download asks whether it is there.
constexpr int probeTimeoutMs = 10000;

const QByteArray proxyAuthorizationHeader = QByteArrayLiteral("Proxy-Authorization");

bool isHttp(const QUrl &url) { return url.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) == 0; }
bool isHttps(const QUrl &url) { return url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0; }

int httpStatus(const QNetworkReply *reply)
{
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

bool isRedirect(const QNetworkReply *reply)
{
    const int status = httpStatus(reply);
    return status >= 300 && status < 400 && reply->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid();
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
    if (m_probe)
        m_probe->disconnect(this);
    if (m_reply) {
        // No signal from a downloader that is going away; the unfinished file is dropped with m_file.
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

bool Downloader::download(const QString &path, const QUrl &url)
{
    if (m_reply || m_probe)
        return false;
    // Anything but a web address could copy a local file into the installer's place.
    if (!url.isValid() || (!isHttp(url) && !isHttps(url)))
        return false;
    if (QFile::exists(path))
        QFile::remove(path);
    m_file = std::make_unique<QSaveFile>(path);
    if (!m_file->open(QIODevice::WriteOnly)) {
        m_file.reset();
        return false;
    }
    m_fileName = path;
    m_result = 0;
    m_redirects = 0;
    get(url);
    return true;
}

void Downloader::get(const QUrl &url)
{
    QNetworkRequest request(url);
    // Redirects are followed here, one request each: every hop gets the proxy's credentials as its scheme
    // needs them, and a plain-http request's header never travels on to an https server.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(stallTimeoutMs);
    applyProxy(&request);
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &Downloader::eventReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &Downloader::eventDone);
}

void Downloader::applyProxy(QNetworkRequest *request)
{
    const ProxySettings proxy = SettingsStore::instance().proxy();
    m_proxyUsed = proxy.isUsed();
    if (!m_proxyUsed) {
        m_network.setProxy(QNetworkProxy::NoProxy);
        return;
    }
    // The credentials go as the SOAP calls send them, not through Qt's authenticator, which encodes the
    // password otherwise.
    QNetworkProxy networkProxy(QNetworkProxy::HttpProxy, proxy.host, quint16(proxy.port));
    const QByteArray authorization = basicProxyAuthorization(proxy);
    if (!authorization.isEmpty()) {
        // Qt puts the proxy's own headers on the tunnel's request (https) only; a plain-http request goes
        // to the proxy whole, with its own headers.
        networkProxy.setRawHeader(proxyAuthorizationHeader, authorization);
        if (isHttp(request->url()))
            request->setRawHeader(proxyAuthorizationHeader, authorization);
    }
    m_network.setProxy(networkProxy);
}

void Downloader::eventReadyRead()
{
    const QByteArray bytes = m_reply->readAll();
    if (isRedirect(m_reply))
        return;
    if (m_file->write(bytes) != bytes.size())
        m_reply->abort();
}

void Downloader::eventDone()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();

    if (reply->error() == QNetworkReply::NoError && isRedirect(reply)) {
        const QUrl next = reply->url().resolved(reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
        // Never from https down to plain http, whose bytes anybody on the way could change.
        const bool allowed = (isHttps(next) || (isHttp(next) && !isHttps(reply->url())));
        if (allowed && ++m_redirects <= maximumRedirects) {
            get(next);
            return;
        }
    }
    const QByteArray rest = reply->readAll();
    const bool received = reply->error() == QNetworkReply::NoError && httpStatus(reply) / 100 == 2 &&
                          m_file->write(rest) == rest.size() && isWholeBody(reply, m_file->pos());
    if (!received)
        m_file->cancelWriting();
    const bool error = !m_file->commit() || !received;
    m_file.reset();
    if (!error)
        finish(0);
    else if (m_proxyUsed && reply->error() == QNetworkReply::UnknownNetworkError)
        probeProxy();
    else
        finish(failureOf(reply->error()));
}

int Downloader::failureOf(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return proxyRefusedCredentials;
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::UnknownProxyError:
        return proxyRefusedConnection;
    // Through a proxy these concern the connection to the proxy.
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
        return SOAP_TCP_ERROR;
    default:
        return notReceived;
    }
}

void Downloader::probeProxy()
{
    // Qt reports a proxy out of reach and a proxy that refused the tunnel (403, 5xx) alike: whether the proxy
    // takes a connection tells them apart.
    const ProxySettings proxy = SettingsStore::instance().proxy();
    m_probe = std::make_unique<QTcpSocket>();
    connect(m_probe.get(), &QTcpSocket::connected, this, [this] { finish(proxyRefusedConnection); });
    connect(m_probe.get(), &QTcpSocket::errorOccurred, this, [this] { finish(SOAP_TCP_ERROR); });
    QTimer::singleShot(probeTimeoutMs, this, [this, probe = m_probe.get()] {
        if (m_probe.get() == probe)
            finish(SOAP_TCP_ERROR);
    });
    m_probe->connectToHost(proxy.host, quint16(proxy.port));
}

void Downloader::finish(int result)
{
    if (m_probe) {
        m_probe->disconnect(this);
        m_probe.release()->deleteLater();
    }
    m_result = result;
    RefusedProxyCredentials::note(result);
    emit signalDone(m_fileName, result != 0);
}
