// A first log-in to accounts of 5,000, 20,000 and 50,000 objects of every kind on the stand-in: the time
// from the log-in's acceptance until the views are filled and the timestamp is stored. The baseline, in the
// same run, makes the same calls back to back on one thread (the full review, then getObjects with the
// batches the program makes, 20 objects a call, groups and folders first), stores each batch with
// storeObjects into a cache of its own, and waits as the pump does (a second before the first call, 5 ms
// after each call), so that the ratio measures the program's own overhead. Each round runs the baseline and
// the program on every size, each into a fresh cache, and the best of the rounds counts. The stand-in is
// another process: the CPU times are the client's alone.

#include "CacheDatabase.h"
#include "ChangeList.h"
#include "MainWindow.h"
#include "ObjectRef.h"
#include "QelvoxAPI.h"
#include "SettingsStore.h"
#include "StandinProcess.h"
#include "TaskPump.h"
#include "qtObjectsInfo.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <iterator>
#include <map>
#include <utility>
#include <memory>
#include <sys/resource.h>

namespace {

const int rounds = 3;
const int sizes[] = {5000, 20000, 50000};
// The pump's wait between the log-in and its first task, and between two tasks.
const int pumpStartMs = 1000;
const int pumpSpacingMs = 5;
const char *const password = "bench-secret";

struct Mix
{
    const char *kind;
    int count;
};

// 20,000 objects in all; other sizes scale every count.
const Mix mix[] = {{"folders", 20},         {"groups", 200},     {"contacts", 3780}, {"receivedFaxes", 6000},
                   {"voiceMessages", 2000}, {"sentFaxes", 4000}, {"sentSms", 4000}};

struct Account
{
    QString email;
    int customerId;
    int size;
    int count(int kind) const { return int(qint64(mix[kind].count) * size / 20000); }
    int objects() const
    {
        int all = 0;
        for (int kind = 0; kind < int(std::size(mix)); ++kind)
            all += count(kind);
        return all;
    }
};

QJsonObject seedAccount(const Account &bench)
{
    QJsonObject account{{"email", bench.email},
                        {"password", password},
                        {"customerId", bench.customerId},
                        {"timeShift", 3600}};
    QJsonArray folders, groups, contacts, received, voice, sentFaxes, sms;
    for (int i = 0; i < bench.count(0); ++i)
        folders.append(QJsonObject{{"name", QStringLiteral("Folder %1").arg(i)}});
    for (int i = 0; i < bench.count(1); ++i)
        groups.append(QJsonObject{{"name", QStringLiteral("Group %1").arg(i)}, {"contacts", QJsonArray()}});
    for (int i = 0; i < bench.count(2); ++i) {
        const QJsonObject contact{{"name", QStringLiteral("Contact %1").arg(i)},
                                  {"number", QStringLiteral("+3310%1").arg(i)},
                                  {"gsmnumber", QStringLiteral("+3360%1").arg(i)}};
        // Every other contact in a group.
        if (i % 2) {
            QJsonObject group = groups[i % bench.count(1)].toObject();
            QJsonArray members = group["contacts"].toArray();
            members.append(contact);
            group["contacts"] = members;
            groups[i % bench.count(1)] = group;
        } else {
            contacts.append(contact);
        }
    }
    for (int i = 0; i < bench.count(3); ++i)
        received.append(QJsonObject{{"sender", QStringLiteral("+3314%1").arg(i)},
                                    {"pages", 1 + i % 3},
                                    {"read", i % 4 != 0},
                                    {"folder", i % 5 ? QString() : QStringLiteral("Folder %1").arg(i % bench.count(0))}});
    for (int i = 0; i < bench.count(4); ++i)
        voice.append(QJsonObject{{"sender", QStringLiteral("+3366%1").arg(i)}, {"duration", 10 + i % 50}});
    for (int i = 0; i < bench.count(5); ++i)
        sentFaxes.append(QJsonObject{
            {"recipients", QJsonArray{QStringLiteral("+3311%1").arg(i)}}, {"status", 1}, {"pages", 1}});
    for (int i = 0; i < bench.count(6); ++i)
        sms.append(QJsonObject{{"recipients", QJsonArray{QStringLiteral("+3377%1").arg(i)}},
                               {"status", 1},
                               {"content", QStringLiteral("Message %1").arg(i)}});
    account.insert("folders", folders);
    account.insert("groups", groups);
    account.insert("contacts", contacts);
    account.insert("receivedFaxes", received);
    account.insert("voiceMessages", voice);
    account.insert("sentFaxes", sentFaxes);
    account.insert("sentSms", sms);
    return account;
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Run
{
    qint64 elapsedMs = -1;
    double cpu = 0;
};

void report(const char *what, const Account &account, const Run &run)
{
    std::printf("%6d objects  %-34s %7.2f s   CPU %6.2f s (%.3f ms an object)   peak %6.1f MB\n", account.objects(),
                what, run.elapsedMs / 1000.0, run.cpu, run.cpu * 1000.0 / account.objects(), peakMegabytes());
}

// The shortest time and the least CPU time of the rounds so far, each on its own.
void keepBest(Run &best, const Run &run, bool first)
{
    if (first || run.elapsedMs < best.elapsedMs)
        best.elapsedMs = run.elapsedMs;
    if (first || run.cpu < best.cpu)
        best.cpu = run.cpu;
}

// The fetch batches the program makes of a full review: groups and folders first without a size test,
// then received faxes and voice messages, sent faxes and SMS, contacts, each batch closed at 20 entries.
QList<QList<ObjectRef>> batchesOf(const ChangeList &list)
{
    QList<QList<ObjectRef>> batches;
    QList<ObjectRef> batch;
    for (const ChangeEntry &entry : list.entries) {
        if (entry.type == 5 || entry.type == 7)
            batch.append(ObjectRef(entry.object, entry.type));
    }
    for (const QList<int> &types : {QList<int>{2, 3}, QList<int>{1, 4}, QList<int>{6}}) {
        for (const ChangeEntry &entry : list.entries) {
            if (!types.contains(entry.type))
                continue;
            batch.append(ObjectRef(entry.object, entry.type));
            if (batch.size() >= 20)
                batches.append(std::exchange(batch, {}));
        }
    }
    if (!batch.isEmpty())
        batches.append(batch);
    return batches;
}

// The facade's calls and the cache's snapshot store with the pump's pause after each, without views.
Run runBaseline(const Account &account, int round)
{
    // A cache of its own, under another customer's folder.
    SettingsStore::instance().setCustomerId(account.customerId + 100 + round);
    CacheDatabase cache;
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = cpuSeconds();
    if (!cache.open())
        return {};
    QThread::msleep(pumpStartMs);
    ChangeList list;
    if (QelvoxAPI::reviewObjects(&list) != 0)
        return {};
    QThread::msleep(pumpSpacingMs);
    int stored = 0;
    for (const QList<ObjectRef> &batch : batchesOf(list)) {
        qtObjectsInfo *fetched = nullptr;
        if (QelvoxAPI::getObjects(&batch, &fetched) != 0)
            return {};
        std::unique_ptr<qtObjectsInfo> objects(fetched);
        int fresh = 0;
        if (!cache.storeObjects(*objects, fresh))
            return {};
        stored += int(objects->faxesreceived.size() + objects->voicesreceived.size() +
                      objects->faxessent.size() + objects->smsessent.size() + objects->contactgroups.size() +
                      objects->contacts.size() + objects->folders.size());
        QThread::msleep(pumpSpacingMs);
    }
    if (!cache.setTimestamp(list.timestamp))
        return {};
    const Run run{timer.elapsed(), cpuSeconds() - cpuStart};
    if (stored < account.objects())
        std::fprintf(stderr, "sync_bench: the baseline stored %d objects\n", stored);
    return run;
}

// The main window's first log-in, until the timestamp task has run: by then every fetch is applied.
Run runProgram(const Account &account, int round)
{
    SettingsStore &settings = SettingsStore::instance();
    settings.setLoggedIn(true);
    QTranslator translator;
    MainWindow window(&translator);
    // Shown, as after a log-in by hand, so that the lists are laid out and painted as they fill.
    window.setKeepHidden(false);
    // The cycle's end shows in the pump's sync timer, armed for the next cycle.
    const auto *pump = window.findChild<TaskPump *>(QString(), Qt::FindDirectChildrenOnly);
    const auto *syncTimer = pump ? pump->findChild<QTimer *>(QStringLiteral("syncTimer"), Qt::FindDirectChildrenOnly)
                                 : nullptr;
    if (!syncTimer) {
        std::fprintf(stderr, "sync_bench: the main window has no sync timer to wait for\n");
        return {};
    }
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = cpuSeconds();
    // The account's own, under a customer folder of the round's, so that every round starts without a cache.
    QMetaObject::invokeMethod(&window, "eventLogoutClose", Q_ARG(int, account.customerId + 200 + round),
                              Q_ARG(bool, false));
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (syncTimer->isActive() && syncTimer->interval() == settings.syncInterval() * 60000)
            loop.quit();
        else if (timer.elapsed() > 600000)
            loop.exit(1);
    });
    // The check runs on the window's own thread, between its tasks: often enough to add little to a round,
    // seldom enough not to slow the round it measures (every millisecond cost a twentieth of it).
    poll.start(10);
    if (loop.exec() != 0)
        return {};
    const Run run{timer.elapsed(), cpuSeconds() - cpuStart};
    CacheDatabase cache;
    if (!cache.open() || cache.timestamp() <= 0)
        return {};
    QMetaObject::invokeMethod(&window, "eventLogout");
    return run;
}

// The stand-in keeps every request for tests to read back, and grows slower to answer as its log grows
// (a third more of its time a call after 3,000 calls): every run starts with an empty log, so that no run
// pays for the calls of the runs before it.
bool clearRequestLog(StandinProcess &standin)
{
    if (standin.control("clear-log").value("ok").toBool())
        return true;
    std::fprintf(stderr, "sync_bench: the stand-in did not clear its request log\n");
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    StandinProcess standin;
    if (!standin.start()) {
        std::fprintf(stderr, "sync_bench: %s\n", qPrintable(standin.errorText()));
        return 1;
    }
    SettingsStore &settings = SettingsStore::instance();
    settings.load();
    settings.setOutlook(false);
    QelvoxAPI::setServiceOrigin(standin.httpsUrl().toUtf8(), standin.caFile().toUtf8());
    const QByteArray digest = QCryptographicHash::hash(password, QCryptographicHash::Md5).toHex();

    std::printf("sync_bench: mix of every 20,000 objects (");
    for (const Mix &kind : mix)
        std::printf("%s%s %d", &kind == mix ? "" : ", ", kind.kind, kind.count);
    std::printf("), best of %d alternating rounds\n", rounds);

    // Sizes given on the command line run alone (sync_bench 20000), without the closing ratios; the tests
    // run a small one so that the benchmark keeps working.
    QList<int> chosen;
    for (const QString &argument : application.arguments().mid(1)) {
        // Below 1,000 objects the mix would leave kinds the seed spreads others over empty.
        if (argument.toInt() < 1000) {
            std::fprintf(stderr, "sync_bench: sizes start at 1000 objects, not %s\n", qPrintable(argument));
            return 1;
        }
        chosen.append(argument.toInt());
    }
    const QList<int> runSizes = chosen.isEmpty() ? QList<int>(std::begin(sizes), std::end(sizes)) : chosen;
    QList<Account> accounts;
    QJsonArray seed;
    for (const int size : runSizes) {
        accounts.append({QStringLiteral("bench%1@example.test").arg(size), 5000 + size / 1000 * 10, size});
        seed.append(seedAccount(accounts.last()));
    }
    const QJsonObject seeded = standin.seed({{"accounts", seed}});
    if (!seeded.value("ok").toBool()) {
        std::fprintf(stderr, "sync_bench: the stand-in refused the seed: %s\n",
                     QJsonDocument(seeded).toJson(QJsonDocument::Compact).constData());
        return 1;
    }
    // Each round goes through every size, so that a machine that slows down for a minute or two slows
    // one round of every size rather than every round of one size.
    std::map<int, std::pair<Run, Run>> best; // size -> baseline, program
    for (int round = 0; round < rounds; ++round) {
        for (const Account &account : accounts) {
            if (!settings.setUserName(account.email) || !settings.setPassword(QString::fromLatin1(digest))) {
                std::fprintf(stderr, "sync_bench: the account could not be stored in the settings\n");
                return 1;
            }
            QelvoxAPI::setCredentials(account.email.toStdString(), digest.toStdString());
            if (!clearRequestLog(standin))
                return 1;
            const Run baseline = runBaseline(account, round);
            if (baseline.elapsedMs < 0) {
                std::fprintf(stderr, "sync_bench: the baseline failed\n");
                return 1;
            }
            report("baseline", account, baseline);
            if (!clearRequestLog(standin))
                return 1;
            const Run program = runProgram(account, round);
            if (program.elapsedMs < 0) {
                std::fprintf(stderr, "sync_bench: the first log-in did not complete\n");
                return 1;
            }
            report("first log-in", account, program);
            keepBest(best[account.size].first, baseline, round == 0);
            keepBest(best[account.size].second, program, round == 0);
        }
    }
    for (const Account &account : accounts) {
        const auto &[baselineBest, programBest] = best[account.size];
        std::printf("%6d objects  best: baseline %.2f s (CPU %.2f s), first log-in %.2f s (CPU %.2f s), ratio %.2f\n",
                    account.objects(), baselineBest.elapsedMs / 1000.0, baselineBest.cpu,
                    programBest.elapsedMs / 1000.0, programBest.cpu,
                    double(programBest.elapsedMs) / double(baselineBest.elapsedMs));
    }
    if (!chosen.isEmpty())
        return 0;
    const auto baselineCpuPerObject = [&](int size) { return best[size].first.cpu / size; };
    const auto cpuPerObject = [&](int size) { return best[size].second.cpu / size; };
    const auto wallPerObject = [&](int size) { return double(best[size].second.elapsedMs) / size; };
    std::printf("client per object, 5,000 -> 50,000: CPU %.3f -> %.3f ms, elapsed %.3f -> %.3f ms\n",
                cpuPerObject(5000) * 1000, cpuPerObject(50000) * 1000, wallPerObject(5000),
                wallPerObject(50000));
    // The baseline's own growth shows what the cache and the calls add as the account grows, and how much
    // the machine drifted over the run.
    std::printf("baseline per object, 5,000 -> 50,000: CPU %.3f -> %.3f ms (%.2fx)\n",
                baselineCpuPerObject(5000) * 1000, baselineCpuPerObject(50000) * 1000,
                baselineCpuPerObject(50000) / baselineCpuPerObject(5000));
    std::printf("first sync against a baseline without the pump's first second: %.2fx\n",
                double(best[20000].second.elapsedMs) / double(best[20000].first.elapsedMs - pumpStartMs));
    std::printf("goals: first sync 1.20x, growth 1.15x at most (growth by the client's CPU time per object)\n");
    std::printf("sync_bench: first sync %.2fx, growth %.2fx\n",
                double(best[20000].second.elapsedMs) / double(best[20000].first.elapsedMs),
                cpuPerObject(50000) / cpuPerObject(5000));
    return 0;
}
