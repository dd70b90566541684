#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QUrl>
#include <memory>

class QNetworkReply;
class QSaveFile;

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

signals:
    // Once per started download.
    void signalDone(const QString &filename, bool error);

private slots:
    void eventReadyRead();
    void eventDone();

private:
    void applyProxy();

    QNetworkAccessManager m_network;
    QString m_fileName;
    std::unique_ptr<QSaveFile> m_file;
    QNetworkReply *m_reply = nullptr;
};
