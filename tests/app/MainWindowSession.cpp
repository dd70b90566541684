#include "MainWindowSession.h"

#include "CacheDatabase.h"
#include "EntitiesView.h"
#include "FolderView.h"
#include "MainWindow.h"
#include "QelvoxAPI.h"
#include "RecordVariant.h"
#include "SendSmsRequest.h"
#include "SettingsStore.h"
#include "StandinWaits.h"
#include "TaskExecuter.h"
#include "TaskKind.h"
#include "TaskPump.h"
#include "TaskQueue.h"
#include "TaskType.h"

#include <QSplitter>
#include <QStackedLayout>
#include <QTcpServer>
#include <QTimer>
#include <QTreeWidgetItemIterator>

namespace {

// The pump holds the window's worker and timers; the log-in dialog has a worker of its own elsewhere in
// the window's tree.
TaskPump *pumpOf(MainWindow *window)
{
    return window->findChild<TaskPump *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

MainWindowSession::MainWindowSession() = default;

MainWindowSession::~MainWindowSession() = default;

bool MainWindowSession::start()
{
    m_desktop = std::make_unique<DesktopFixture>();
    if (!m_desktop->startService())
        return false;
    // Refused at once: nothing listens on a port that was free a moment ago.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    m_deadOrigin = "https://127.0.0.1:" + QByteArray::number(probe.serverPort());
    return true;
}

void MainWindowSession::setUp()
{
    m_home = std::make_unique<TestHome>();
    SettingsStore &settings = SettingsStore::instance();
    settings.load();
    settings.setLoggedIn(false);
    settings.setOutlook(false);
    settings.setSyncInterval(5);
    // A proxy that an earlier test saved is not this test's.
    QelvoxAPI::resetConnection();
    service().reset();
    service().useHttps();
    prompts().boxes.clear();
    prompts().boxAnswers.clear();
    prompts().whileAsked = nullptr;
    desktop().urls.opened.clear();
}

void MainWindowSession::tearDown()
{
    standin().control("release");
    closeWindow();
    m_cache.reset();
    const QStringList texts = takeBoxTexts();
    m_home.reset();
    QVERIFY2(texts.isEmpty(), qPrintable(texts.join(" | ")));
}

MainWindowSession::Account MainWindowSession::addAccount(QJsonObject seed, bool store)
{
    ++m_accounts;
    Account account{QStringLiteral("user%1@example.test").arg(m_accounts),
                    QStringLiteral("secret-%1").arg(m_accounts), 6000 + m_accounts};
    seed.insert("email", account.email);
    seed.insert("password", account.password);
    seed.insert("customerId", account.customerId);
    const QJsonObject answer = standin().seed({{"accounts", QJsonArray{seed}}});
    if (!answer.value("ok").toBool())
        qWarning() << "seed:" << answer;
    m_account = account;
    m_ids = answer.value("accounts").toArray().first().toObject();
    if (store)
        storeAccount(account);
    return account;
}

void MainWindowSession::storeAccount(const Account &account)
{
    SettingsStore &settings = SettingsStore::instance();
    settings.setUserName(account.email);
    settings.setPassword(QString::fromLatin1(Accounts::digest(qPrintable(account.password))));
    settings.setCustomerId(account.customerId);
}

MainWindow *MainWindowSession::window()
{
    if (!m_window) {
        m_translator = std::make_unique<QTranslator>();
        m_window = std::make_unique<MainWindow>(m_translator.get());
    }
    return m_window.get();
}

void MainWindowSession::installTranslator()
{
    window();
    QCoreApplication::installTranslator(m_translator.get());
}

void MainWindowSession::logIn(const Account &account)
{
    MainWindow *main = window();
    storeAccount(account);
    SettingsStore::instance().setLoggedIn(true);
    QelvoxAPI::setCredentials(account.email.toStdString(),
                              Accounts::digest(qPrintable(account.password)).toStdString());
    QVERIFY(QMetaObject::invokeMethod(main, "eventLogoutClose", Q_ARG(int, account.customerId),
                                      Q_ARG(bool, false)));
}

void MainWindowSession::logOut()
{
    QVERIFY(QMetaObject::invokeMethod(window(), "eventLogout"));
}

void MainWindowSession::closeWindow()
{
    m_window.reset();
    m_translator.reset();
    SettingsStore::instance().setLoggedIn(false);
}

void MainWindowSession::runPump()
{
    QVERIFY(QMetaObject::invokeMethod(window(), "eventTaskExecuterStart"));
}

void MainWindowSession::syncNow()
{
    QVERIFY(QMetaObject::invokeMethod(window(), "eventSyncGenerate"));
}

bool MainWindowSession::isSettled()
{
    const int cycleMs = SettingsStore::instance().syncInterval() * 60000;
    return !worker()->isRunning() && pumpTimer()->isActive() && pumpTimer()->interval() == 1000 &&
           syncTimer()->isActive() && syncTimer()->interval() == cycleMs;
}

bool MainWindowSession::settle()
{
    return QTest::qWaitFor([this] { return isSettled(); }, standinTimeoutMs);
}

bool MainWindowSession::fillCache(const Account &account)
{
    logIn(account);
    if (!settle())
        return false;
    logOut();
    service().reset();
    return true;
}

void MainWindowSession::setReachable(bool reachable)
{
    if (reachable)
        service().useHttps();
    else
        QelvoxAPI::setServiceOrigin(m_deadOrigin, standin().caFile().toUtf8());
}

QTimer *MainWindowSession::pumpTimer()
{
    return pumpOf(window())->findChild<QTimer *>(QStringLiteral("pumpTimer"), Qt::FindDirectChildrenOnly);
}

QTimer *MainWindowSession::syncTimer()
{
    return pumpOf(window())->findChild<QTimer *>(QStringLiteral("syncTimer"), Qt::FindDirectChildrenOnly);
}

TaskExecuter *MainWindowSession::worker()
{
    return pumpOf(window())->findChild<TaskExecuter *>(QString(), Qt::FindDirectChildrenOnly);
}

EntitiesView *MainWindowSession::entities()
{
    return window()->findChild<EntitiesView *>();
}

FolderView *MainWindowSession::list(int index)
{
    // The stack is the splitter's other pane, beside the entity tree.
    auto *splitter = qobject_cast<QSplitter *>(entities()->parentWidget());
    auto *stack = qobject_cast<QStackedLayout *>(splitter->widget(1)->layout());
    return qobject_cast<FolderView *>(stack->widget(index));
}

FolderView *MainWindowSession::inbox()
{
    return list(0);
}

FolderView *MainWindowSession::outbox()
{
    return list(1);
}

FolderView *MainWindowSession::contacts()
{
    return list(2);
}

QString MainWindowSession::label(const QString &entity)
{
    for (QTreeWidgetItemIterator it(entities()); *it; ++it) {
        if ((*it)->text(0).startsWith(entity + QLatin1Char('(')))
            return (*it)->text(0);
    }
    return {};
}

QStringList MainWindowSession::operations()
{
    const QString email = SettingsStore::instance().userName();
    QStringList names;
    for (const QJsonValue &entry : service().requests()) {
        const QString name = entry.toObject().value("operation").toString();
        if (entry.toObject().value("email").toString() == email && name != QLatin1String("getAppVersion"))
            names << name;
    }
    return names;
}

QJsonArray MainWindowSession::requests(const QString &operation)
{
    QJsonArray matching;
    for (const QJsonValue &entry : service().requests()) {
        if (entry.toObject().value("operation").toString() == operation)
            matching.append(entry);
    }
    return matching;
}

bool MainWindowSession::showsOnline()
{
    // Online is the plain look or the badge of new items; offline has one look.
    const QImage offline = QIcon(QStringLiteral(":/images/logo-extra-gray.png")).pixmap(16).toImage();
    return tray() && !tray()->icon.isNull() && tray()->icon.pixmap(16).toImage() != offline;
}

std::unique_ptr<CacheDatabase> MainWindowSession::openCache()
{
    auto cache = std::make_unique<CacheDatabase>();
    if (!cache->open())
        qWarning() << "the cache of customer" << SettingsStore::instance().customerId() << "does not open";
    return cache;
}

int MainWindowSession::nextTaskId()
{
    return openCache()->nextTaskId();
}

int MainWindowSession::persistSms(const QString &content)
{
    auto *sms = new SendSmsRequest;
    sms->taskid = nextTaskId();
    sms->numbers = {QStringLiteral("+3366")};
    sms->content = content;
    return persistTask(TaskType::SEND_SMS, recordToVariant(sms));
}

int MainWindowSession::persistTask(int type, const QVariant &argument)
{
    std::unique_ptr<CacheDatabase> cache = openCache();
    TaskQueue queue(cache.get());
    if (!queue.add(type, argument))
        qWarning() << "task of type" << type << "not persisted";
    const QList<int> ids = persistedTasks();
    return ids.isEmpty() ? 0 : ids.last();
}

QList<int> MainWindowSession::persistedTasks()
{
    QMap<int, QString> types;
    openCache()->loadTaskTypes(types);
    return types.keys();
}
