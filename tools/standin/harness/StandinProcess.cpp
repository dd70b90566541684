#include "StandinProcess.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <csignal>
#include <sys/prctl.h>

namespace {

constexpr int StopTimeoutMs = 5000;

} // namespace

StandinProcess::StandinProcess(const QStringList &extraArguments) : extraArguments(extraArguments)
{
    process.setProgram(QStringLiteral(QELVOX_STANDIN_EXECUTABLE));
    process.setProcessChannelMode(QProcess::SeparateChannels);
    // A test that crashes must not leave the service running.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

StandinProcess::~StandinProcess()
{
    stop();
}

bool StandinProcess::start(int timeoutMs)
{
    if (!directory.isValid()) {
        error = "no temporary directory";
        return false;
    }
    process.setArguments(
        QStringList{"--http-port", "0", "--https-port", "0", "--tls-dir", directory.filePath("tls")} +
        extraArguments);
    process.start();
    QDeadlineTimer deadline(timeoutMs);
    QByteArray output;
    while (!deadline.hasExpired()) {
        if (!process.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 500))) &&
            process.state() == QProcess::NotRunning)
            break;
        output += process.readAllStandardOutput();
        if (!output.contains("ready\n"))
            continue;
        for (const QByteArray &line : output.split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() != 2)
                continue;
            if (words[0] == "http-port")
                plainPort = quint16(words[1].toUInt());
            else if (words[0] == "https-port")
                securePort = quint16(words[1].toUInt());
            else if (words[0] == "ca-file")
                caPath = QString::fromUtf8(words[1]);
        }
        return true;
    }
    error = "the stand-in did not become ready: " + QString::fromUtf8(process.readAllStandardError());
    stop();
    return false;
}

bool StandinProcess::stop()
{
    if (process.state() == QProcess::NotRunning)
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    process.terminate();
    if (process.waitForFinished(StopTimeoutMs))
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    process.kill();
    process.waitForFinished(StopTimeoutMs);
    return false;
}

QString StandinProcess::httpUrl() const
{
    return QString("http://127.0.0.1:%1").arg(plainPort);
}

QString StandinProcess::httpsUrl() const
{
    return QString("https://127.0.0.1:%1").arg(securePort);
}

QJsonObject StandinProcess::control(const QByteArray &command, const QJsonObject &body, int timeoutMs)
{
    const QByteArray path = "/control/" + command;
    const QByteArray request = command == "log" || command == "ping"
                                   ? HttpExchange::get(path)
                                   : HttpExchange::post(path, "application/json",
                                                        QJsonDocument(body).toJson(QJsonDocument::Compact));
    const HttpExchange::Response response = HttpExchange::send(plainPort, request, {}, timeoutMs);
    const QJsonDocument answer = QJsonDocument::fromJson(response.body);
    if (!answer.isObject())
        return {{"ok", false}, {"error", response.error.isEmpty() ? "no JSON answer" : response.error}};
    return answer.object();
}

QJsonArray StandinProcess::requestLog()
{
    return control("log").value("requests").toArray();
}

QJsonObject StandinProcess::lastRequest(const QString &operation)
{
    const QJsonArray log = requestLog();
    for (qsizetype i = log.size() - 1; i >= 0; --i) {
        const QJsonObject entry = log.at(i).toObject();
        if (operation.isEmpty() || entry.value("operation").toString() == operation)
            return entry;
    }
    return {};
}

QJsonObject StandinProcess::inject(const QString &operation, const QJsonObject &fault)
{
    QJsonObject body = fault;
    body.insert("operation", operation);
    return control("inject", body);
}

HttpExchange::Response StandinProcess::send(const QByteArray &request, bool https)
{
    return https ? HttpExchange::send(securePort, request, caPath) : HttpExchange::send(plainPort, request);
}
