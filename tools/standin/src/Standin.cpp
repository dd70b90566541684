#include "Standin.h"

#include "CertificateAuthority.h"
#include "Seeder.h"

#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QSslCertificate>
#include <QSslKey>
#include <cstdio>

namespace {

const char *const installerName = "QelvoxdeskSetup.exe";

bool fail(const QString &message)
{
    std::fprintf(stderr, "qelvox-standin: %s\n", qPrintable(message));
    return false;
}

QByteArray readFile(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? file.readAll() : QByteArray();
}

} // namespace

Standin::Standin(const StandinOptions &options, QObject *parent)
    : QObject(parent), options(options), store(options.statePath), mailbox(store),
      soap(mailbox, settings, log, faults),
      control({mailbox, settings, log, faults, files, holds, [this] { emit shutdownRequested(); }}),
      server([this](const HttpRequest &request, bool https) { return route(request, https); }, &holds)
{
    settings.appVersion = options.appVersion;
    settings.ipNationality = options.ipNationality;
}

HttpReply Standin::route(const HttpRequest &request, bool https)
{
    try {
        // A request changes the state all at once or not at all.
        StateStore::Transaction transaction(store);
        const HttpReply reply = dispatch(request, https);
        transaction.commit();
        return reply;
    } catch (const StoreError &error) {
        return HttpReply::make(500, "text/plain", QByteArray("state failure: ") + error.what() + '\n');
    }
}

HttpReply Standin::dispatch(const HttpRequest &request, bool https)
{
    if (SoapEndpoint::isServiceRequest(request))
        return soap.handle(request, https);
    if (ControlEndpoint::isControlRequest(request))
        return control.handle(request);
    if (request.method == "GET" && request.path.startsWith("/files/"))
        return files.get(QString::fromUtf8(QByteArray::fromPercentEncoding(request.path.mid(7))));
    return HttpReply::make(404, "text/plain", "not found\n");
}

bool Standin::seed()
{
    try {
        Seeder seeder(mailbox);
        const QJsonObject demo = Seeder::demoSeed();
        const QString demoEmail =
            demo.value("accounts").toArray().first().toObject().value("email").toString();
        if (options.demo && !store.accountByEmail(demoEmail))
            seeder.apply(demo);
        for (const QString &path : options.seedFiles) {
            bool readable = false;
            const QJsonDocument document = QJsonDocument::fromJson(readFile(path, &readable));
            if (!readable || !document.isObject())
                return fail("cannot read the seed file " + path);
            seeder.apply(document.object());
        }
    } catch (const SeedError &error) {
        return fail(QString::fromStdString(error.what()));
    }
    return true;
}

void Standin::deliverDueItems()
{
    try {
        StateStore::Transaction transaction(store);
        mailbox.advanceQueuedBefore(QDateTime::currentDateTimeUtc().addMSecs(-options.deliverAfterMs));
        transaction.commit();
    } catch (const StoreError &error) {
        std::fprintf(stderr, "qelvox-standin: %s\n", error.what());
    }
}

bool Standin::start()
{
    if (!seed())
        return false;
    files.put(installerName, "stand-in installer: not a program\n");
    if (!options.filesDirectory.isEmpty() && !files.addDirectory(options.filesDirectory))
        return fail("cannot read the files directory " + options.filesDirectory);
    if (!server.listenHttp(options.httpPort))
        return fail(server.errorText());
    settings.appLink = options.appLink.isEmpty()
                           ? QString("http://127.0.0.1:%1/files/%2").arg(server.httpPort()).arg(installerName)
                           : options.appLink;
    std::printf("http-port %u\n", unsigned(server.httpPort()));
    if (!options.tlsDirectory.isEmpty()) {
        try {
            const CertificateAuthority::Files tls = CertificateAuthority::prepare(options.tlsDirectory);
            bool readable = false;
            QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
            configuration.setLocalCertificate(QSslCertificate(readFile(tls.serverCertificate, &readable)));
            configuration.setPrivateKey(QSslKey(readFile(tls.serverKey, &readable), QSsl::Ec));
            configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
            // The service verifies no peer: no trust store to build into each connection's context.
            configuration.setCaCertificates({});
            if (!server.listenHttps(options.httpsPort, configuration))
                return fail(server.errorText());
            std::printf("https-port %u\nca-file %s\n", unsigned(server.httpsPort()),
                        qPrintable(tls.caCertificate));
        } catch (const std::runtime_error &error) {
            return fail(QString::fromStdString(error.what()));
        }
    }
    if (options.deliverAfterMs > 0) {
        connect(&deliveryTimer, &QTimer::timeout, this, &Standin::deliverDueItems);
        deliveryTimer.start(1000);
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return true;
}
