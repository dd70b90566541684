#include "StandinOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

std::optional<quint16> port(const QString &text)
{
    bool ok = false;
    const uint value = text.toUInt(&ok);
    return ok && value <= 65535 ? std::optional<quint16>(quint16(value)) : std::nullopt;
}

} // namespace

std::optional<StandinOptions> StandinOptions::parse(const QCoreApplication &application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Stand-in provider service for tests and the demo: the account and sign-up "
        "web services on 127.0.0.1.");
    parser.addHelpOption();
    const QCommandLineOption httpPort("http-port", "HTTP port (0: any free port).", "port", "0");
    const QCommandLineOption httpsPort("https-port", "HTTPS port (0: any free port).", "port", "0");
    const QCommandLineOption tlsDir(
        "tls-dir", "Directory for the generated CA and server certificate; enables HTTPS.", "dir");
    const QCommandLineOption state("state", "SQLite file of the state (default: in memory).", "file");
    const QCommandLineOption seed("seed", "Seed file to load at start (repeatable).", "file");
    const QCommandLineOption demo("demo", "Seed the demo account.");
    const QCommandLineOption files("files", "Directory whose files are served under /files/.", "dir");
    const QCommandLineOption version("app-version", "Version that the update check announces.", "version",
                                     QStringLiteral(QELVOX_VERSION));
    const QCommandLineOption link("app-link", "Installer link that the update check announces.", "url");
    const QCommandLineOption nationality("ip-nationality", "Country code of the caller's address.", "code",
                                         "FRA");
    const QCommandLineOption deliver("deliver-after-ms",
                                     "Deliver sent items this long after they were queued.", "ms", "0");
    parser.addOptions(
        {httpPort, httpsPort, tlsDir, state, seed, demo, files, version, link, nationality, deliver});
    parser.process(application);

    StandinOptions options;
    const std::optional<quint16> plain = port(parser.value(httpPort));
    const std::optional<quint16> secure = port(parser.value(httpsPort));
    if (!plain || !secure) {
        std::fprintf(stderr, "qelvox-standin: ports are numbers from 0 to 65535\n");
        return std::nullopt;
    }
    options.httpPort = *plain;
    options.httpsPort = *secure;
    options.tlsDirectory = parser.value(tlsDir);
    if (parser.isSet(state))
        options.statePath = parser.value(state);
    options.seedFiles = parser.values(seed);
    options.demo = parser.isSet(demo);
    options.filesDirectory = parser.value(files);
    options.appVersion = parser.value(version);
    options.appLink = parser.value(link);
    options.ipNationality = parser.value(nationality);
    bool numeric = false;
    options.deliverAfterMs = parser.value(deliver).toInt(&numeric);
    if (!numeric || options.deliverAfterMs < 0) {
        std::fprintf(stderr, "qelvox-standin: --deliver-after-ms takes milliseconds\n");
        return std::nullopt;
    }
    return options;
}
