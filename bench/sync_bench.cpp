// A first log-in to an account of 20,000 objects of every kind on the stand-in: the time from the log-in's
// acceptance until the views are filled and the timestamp is stored, against a baseline measured in the
// same run that fetches the same objects with the facade's calls, 20 a call, and stores them with
// storeObjects into a cache of its own, without views. Rounds alternate between the two, each into a fresh
// cache, and the best of each counts, so that a busy machine skews both alike. The peak memory is the
// process's so far: the first baseline's line shows the baseline's own.

#include "CacheDatabase.h"
#include "ChangeList.h"
#include "MainWindow.h"
#include "ObjectRef.h"
#include "QelvoxAPI.h"
#include "SettingsStore.h"
#include "StandinProcess.h"
#include "qtObjectsInfo.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {

const int rounds = 3;
// The pump's wait between two tasks.
const int pumpSpacingMs = 5;
const char *const email = "bench@example.test";
const char *const password = "bench-secret";
const int customerId = 4999;

struct Mix
{
    const char *kind;
    int count;
};

// 20,000 objects in all.
const Mix mix[] = {{"folders", 20},         {"groups", 200},     {"contacts", 3780}, {"receivedFaxes", 6000},
                   {"voiceMessages", 2000}, {"sentFaxes", 4000}, {"sentSms", 4000}};

QJsonObject seedAccount()
{
    QJsonObject account{
        {"email", email}, {"password", password}, {"customerId", customerId}, {"timeShift", 3600}};
    QJsonArray folders, groups, contacts, received, voice, sentFaxes, sms;
    for (int i = 0; i < mix[0].count; ++i)
        folders.append(QJsonObject{{"name", QStringLiteral("Folder %1").arg(i)}});
    for (int i = 0; i < mix[1].count; ++i)
        groups.append(QJsonObject{{"name", QStringLiteral("Group %1").arg(i)}, {"contacts", QJsonArray()}});
    for (int i = 0; i < mix[2].count; ++i) {
        const QJsonObject contact{{"name", QStringLiteral("Contact %1").arg(i)},
                                  {"number", QStringLiteral("+3310%1").arg(i)},
                                  {"gsmnumber", QStringLiteral("+3360%1").arg(i)}};
        // Every other contact in a group.
        if (i % 2) {
            QJsonObject group = groups[i % mix[1].count].toObject();
            QJsonArray members = group["contacts"].toArray();
            members.append(contact);
            group["contacts"] = members;
            groups[i % mix[1].count] = group;
        } else {
            contacts.append(contact);
        }
    }
    for (int i = 0; i < mix[3].count; ++i)
        received.append(QJsonObject{{"sender", QStringLiteral("+3314%1").arg(i)},
                                    {"pages", 1 + i % 3},
                                    {"read", i % 4 != 0},
                                    {"folder", i % 5 ? QString() : QStringLiteral("Folder %1").arg(i % 20)}});
    for (int i = 0; i < mix[4].count; ++i)
        voice.append(QJsonObject{{"sender", QStringLiteral("+3366%1").arg(i)}, {"duration", 10 + i % 50}});
    for (int i = 0; i < mix[5].count; ++i)
        sentFaxes.append(QJsonObject{
            {"recipients", QJsonArray{QStringLiteral("+3311%1").arg(i)}}, {"status", 1}, {"pages", 1}});
    for (int i = 0; i < mix[6].count; ++i)
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

int objectCount()
{
    int count = 0;
    for (const Mix &kind : mix)
        count += kind.count;
    return count;
}

void report(const char *what, qint64 elapsedMs)
{
    std::printf("%-44s %7.2f s %6.0f objects/s   peak %6.1f MB\n", what, elapsedMs / 1000.0,
                objectCount() * 1000.0 / double(elapsedMs), peakMegabytes());
}

// The facade's calls and the cache's snapshot store, as the pump would run them without views.
qint64 runBaseline(int round)
{
    // A cache of its own, under another customer's folder.
    SettingsStore::instance().setCustomerId(customerId + 100 + round);
    CacheDatabase cache;
    QElapsedTimer timer;
    timer.start();
    if (!cache.open())
        return -1;
    ChangeList list;
    if (QelvoxAPI::reviewObjects(&list) != 0)
        return -1;
    int stored = 0;
    for (qsizetype first = 0; first < list.entries.size(); first += 20) {
        QList<ObjectRef> batch;
        for (const ChangeEntry &entry : list.entries.mid(first, 20))
            batch.append(ObjectRef(entry.object, entry.type));
        qtObjectsInfo *fetched = nullptr;
        if (QelvoxAPI::getObjects(&batch, &fetched) != 0)
            return -1;
        std::unique_ptr<qtObjectsInfo> objects(fetched);
        int fresh = 0;
        cache.storeObjects(*objects, fresh);
        stored += int(objects->faxesreceived.size() + objects->voicesreceived.size() +
                      objects->faxessent.size() + objects->smsessent.size() + objects->contactgroups.size() +
                      objects->contacts.size() + objects->folders.size());
    }
    cache.setTimestamp(list.timestamp);
    const qint64 elapsed = timer.elapsed();
    if (stored < objectCount())
        std::fprintf(stderr, "sync_bench: the baseline stored %d objects\n", stored);
    return elapsed;
}

// The main window's first log-in, until the timestamp task has run: by then every fetch is applied.
qint64 runProgram(int round)
{
    SettingsStore &settings = SettingsStore::instance();
    settings.setLoggedIn(true);
    QTranslator translator;
    MainWindow window(&translator);
    // Shown, as after a log-in by hand, so that the lists are laid out and painted as they fill.
    window.setKeepHidden(false);
    auto *syncTimer = window.findChild<QTimer *>(QStringLiteral("syncTimer"), Qt::FindDirectChildrenOnly);
    QElapsedTimer timer;
    timer.start();
    // The account's own, under a customer folder of the round's, so that every round starts without a cache.
    QMetaObject::invokeMethod(&window, "eventLogoutClose", Q_ARG(int, customerId + 200 + round),
                              Q_ARG(bool, false));
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (syncTimer->isActive() && syncTimer->interval() == settings.syncInterval() * 60000)
            loop.quit();
        else if (timer.elapsed() > 600000)
            loop.exit(1);
    });
    poll.start(1);
    if (loop.exec() != 0)
        return -1;
    const qint64 elapsed = timer.elapsed();
    CacheDatabase cache;
    if (!cache.open() || cache.timestamp() <= 0)
        return -1;
    QMetaObject::invokeMethod(&window, "eventLogout");
    return elapsed;
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
    if (!standin.seed({{"accounts", QJsonArray{seedAccount()}}}).value("ok").toBool()) {
        std::fprintf(stderr, "sync_bench: the stand-in refused the seed\n");
        return 1;
    }
    const QByteArray digest = QCryptographicHash::hash(password, QCryptographicHash::Md5).toHex();
    SettingsStore &settings = SettingsStore::instance();
    settings.load();
    settings.setUserName(QString::fromLatin1(email));
    settings.setPassword(QString::fromLatin1(digest));
    settings.setOutlook(false);
    QelvoxAPI::setServiceOrigin(standin.httpsUrl().toUtf8(), standin.caFile().toUtf8());
    QelvoxAPI::setCredentials(email, digest.toStdString());

    std::printf("sync_bench: %d objects (", objectCount());
    for (const Mix &kind : mix)
        std::printf("%s%s %d", &kind == mix ? "" : ", ", kind.kind, kind.count);
    std::printf(")\n");

    qint64 bestBaseline = 0;
    qint64 bestProgram = 0;
    int tasks = 0;
    for (int round = 0; round < rounds; ++round) {
        const qint64 baseline = runBaseline(round);
        if (baseline < 0) {
            std::fprintf(stderr, "sync_bench: the baseline failed\n");
            return 1;
        }
        report("baseline: facade fetches and storeObjects", baseline);
        standin.control("clear-log");
        const qint64 program = runProgram(round);
        if (program < 0) {
            std::fprintf(stderr, "sync_bench: the first log-in did not complete\n");
            return 1;
        }
        report("first log-in to views filled and timestamp", program);
        // The calls the pump made, and the timestamp task, which makes none.
        tasks = int(standin.requestLog().size()) + 1;
        bestBaseline = round ? qMin(bestBaseline, baseline) : baseline;
        bestProgram = round ? qMin(bestProgram, program) : program;
    }
    std::printf("best of %d: baseline %.2f s, first log-in %.2f s, ratio %.2f (goal: 1.5 at most)\n", rounds,
                bestBaseline / 1000.0, bestProgram / 1000.0, double(bestProgram) / double(bestBaseline));
    std::printf("of the first log-in, the pump's %d ms between its %d tasks: %.2f s at least\n",
                pumpSpacingMs, tasks, tasks * pumpSpacingMs / 1000.0);
    return 0;
}
