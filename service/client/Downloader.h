#pragma once

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QString>
#include <QUrl>
#include <memory>

class QNetworkRequest;
class QSaveFile;
class QTcpSocket;

// Fetches one file (an update installer) over HTTP or HTTPS, through the settings' proxy when it is
// switched on. The file appears at its path only when the whole body of a 2xx answer has arrived; any
// failure leaves nothing there. GUI thread only; one download at a time.
class Downloader : public QObject
{
    Q_OBJECT

public:
    explicit Downloader(QObject *parent = nullptr);
    ~Downloader() override;

    // Removes any file at path and starts fetching url; returns at once. False, with no signal to follow,
    // when a download is pending, the url is not http or https, or path cannot be written.
    bool download(const QString &path, const QUrl &url);

    // The path of the pending or last download.
    QString fileName() const { return m_fileName; }
    // Why the last download failed, in the facade's results (see isServiceUnreached): a proxy refusal,
    // SOAP_TCP_ERROR when the proxy or the server could not be reached, notReceived for anything else; 0
    // after a download that arrived.
    int result() const { return m_result; }

    // A download that reached its server but did not arrive whole: refused, cut or not written.
    static constexpr int notReceived = -2;

signals:
    // Once per started download.
    void signalDone(const QString &filename, bool error);

private slots:
    void eventReadyRead();
    void eventDone();

private:
    void get(const QUrl &url);
    void applyProxy(QNetworkRequest *request);
    static int failureOf(QNetworkReply::NetworkError error);
    void probeProxy();
    // Emits the end of the download with its result.
    void finish(int result);

    QNetworkAccessManager m_network;
    QString m_fileName;
    std::unique_ptr<QSaveFile> m_file;
    QNetworkReply *m_reply = nullptr;
    // Asks whether the proxy takes connections, after a failure that does not tell.
    std::unique_ptr<QTcpSocket> m_probe;
    bool m_proxyUsed = false;
    int m_redirects = 0;
    int m_result = 0;
};
