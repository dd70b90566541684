#pragma once

#include "HttpExchange.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// The stand-in service as a child process of a test: started on free loopback
// ports with HTTPS and its own CA in a temporary directory, stopped by the
// destructor (and killed by the kernel should the test process die first).
// All calls block; use it from the test's thread.
class StandinProcess
{
public:
    explicit StandinProcess(const QStringList &extraArguments = {});
    ~StandinProcess();
    StandinProcess(const StandinProcess &) = delete;
    StandinProcess &operator=(const StandinProcess &) = delete;

    // Starts and waits until the service prints "ready"; false with errorText() otherwise.
    bool start(int timeoutMs = 15000);
    // Asks the service to stop and waits; kills it if it does not. True when it ended (or had ended) cleanly.
    bool stop();
    QString errorText() const { return error; }
    bool isRunning() const { return process.state() != QProcess::NotRunning; }

    quint16 httpPort() const { return plainPort; }
    quint16 httpsPort() const { return securePort; }
    QString caFile() const { return caPath; }
    QString httpUrl() const;
    QString httpsUrl() const;
    static QByteArray accountPath() { return "/index.php?service=Qelvox"; }
    static QByteArray signupPath() { return "/index.php?service=Client"; }

    // A control command (see the stand-in's README section); returns the JSON answer, with "ok" false on
    // failure or when no answer came within timeoutMs.
    QJsonObject control(const QByteArray &command, const QJsonObject &body = {}, int timeoutMs = 10000);
    QJsonArray requestLog();
    // The latest logged request for the operation (any operation when empty); empty when there is none.
    QJsonObject lastRequest(const QString &operation = {});
    // A large account (a benchmark's 50,000 objects) takes the stand-in a while to seed on a busy machine.
    QJsonObject seed(const QJsonObject &seed) { return control("seed", seed, 180000); }
    QJsonObject inject(const QString &operation, const QJsonObject &fault);

    // A raw exchange with the service's plain or TLS port (TLS trusting the stand-in's CA).
    HttpExchange::Response send(const QByteArray &request, bool https = false);

private:
    QStringList extraArguments;
    QTemporaryDir directory;
    QProcess process;
    QString error;
    quint16 plainPort = 0;
    quint16 securePort = 0;
    QString caPath;
};
