#pragma once

#include "CacheDatabase.h"
#include "ContactMenu.h"
#include "ContactSink.h"
#include "Downloader.h"
#include "FolderMenu.h"
#include "ObjectRef.h"
#include "ProxySettings.h"
#include "QelFolderMenu.h"
#include "TaskPump.h"
#include "TaskQueue.h"
#include "ui_MainWindow.h"

#include <QMainWindow>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

struct TaskOutcome;
enum class StorageFault;

class AccountDlg;
class BaseObject;
class BaseRecipients;
class ChangeList;
class QelFolderInfo;
class qtContactGroupInfo;
class qtContactInfo;
class qtObjectsInfo;
class EntitiesView;
class FilterBox;
class FolderView;
class LoginDlg;
class QTranslator;
class QUrl;
class RecipientStatus;
class SettingsDlg;
class TrayPresence;

// The program's one main window and the owner of what lives while the program runs: the cache database,
// the task queue and its worker, the log-in, settings and account dialogs, the views and their menus, the
// tray and the installer downloader. The class is wiring; each concern has a source file of its own.
// GUI thread only.
class MainWindow : public QMainWindow, private Ui_MainWindow
{
    Q_OBJECT

public:
    // The translator is the application's, installed by it and not owned.
    explicit MainWindow(QTranslator *translator);
    ~MainWindow() override;

    // 0: bring up the window, or the log-in while nobody is logged in; 1: hide it and show the log-in;
    // 2: as 0, but with an empty password field in the log-in.
    void showMainState(int state);
    // While set, the window cannot become visible; the window is hidden either way. Never set on a desktop
    // without a tray, where nothing could bring the window back: there the window shows while logged in.
    void setKeepHidden(bool keepHidden);
    void showFromTray();
    void setVisible(bool visible) override;

    void setTraySendEnabled(bool enable);
    // Received faxes and voice messages that are new and unread.
    void notifyNewItem(int count);

public slots:
    void showSettings();

signals:
    void signalRefreshOnline(bool online);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void eventTranslate();
    void eventSettingsClose(bool update);
    void eventQuit();
    void eventAccount();
    void eventLogout();

    void eventTaskExecuterStart();
    void eventTaskExecuterEnd();
    void eventSyncGenerate();
    void eventLogoutClose(int customerid, bool autoconnect);

    // Item actions.
    void eventSendFax();
    void eventSendSms();
    void eventForward();
    void eventDelete();
    void eventMovetoFolder();
    void eventItemMarkAsRead();
    void eventItemMarkAsUnread();
    void eventItemDetails();
    void eventSelectAll();
    void eventFilter(const QString &text);
    void eventInboxAction();

    // Documents.
    void eventItemPreview();

    // Update check.
    void eventUpdate();
    void eventUpdateManual();
    void eventDownloadDone(const QString &filename, bool error);

    // Contacts.
    void eventAddContactGroup();
    void eventAddContact();
    void eventEditContact();
    void eventImport();
    void eventExport();
    void eventAddToContacts();
    void eventOutlookContacts();

    // Folders.
    void eventCreateFolder();
    void eventRenameFolder();
    void eventDeleteFolder();

    void eventUpdateToolTip();
    // The proxy refused its credentials to the pump: told once; the pump waits for a change of its settings.
    void tellProxyRefused();
    // The tray's tool tip says why the service was not reached while nothing has reached it since.
    void noteUnreached(int result);
    void eventTray(QSystemTrayIcon::ActivationReason reason);
    void eventRefreshOnline(bool online);

    void eventViewActivated(int index = 0);
    void eventAbout();
    void eventSetupOutlookContacts();

private:
    void connectActions();
    void setupTray();
    void setupCentralWidget();
    // Runs a modal dialog of the main window with the tray's send actions off meanwhile.
    template <typename Run> void runModal(Run run)
    {
        setTraySendEnabled(false);
        run();
        setTraySendEnabled(true);
    }

    // Item actions.
    void connectItemActions();
    // The send dialog in fax or SMS mode, and the pending row and task of what it sends.
    void sendMessage(bool fax);
    void markSelection(bool read);
    // The deletion check and question over the list's visible selected rows, or over all its rows; false
    // when refused, not confirmed, or when the list went while the user was asked.
    bool askDeletion(FolderView &list, bool wholeList);
    // The folder chosen to move the selection to, by the id it has once the chooser closes; 0 for none.
    int askMoveTarget();
    // Shows the row of one sent or received item as read and queues the mark.
    void markItemRead(const BaseObject &item);
    // The details dialog of a sent or pending item; may fetch the recipients, blocking, from the service.
    void showDetails(const BaseRecipients &item);
    // False, after an error box, when the recipients could not be fetched.
    bool collectRecipients(const BaseRecipients &item, QList<RecipientStatus> &recipients);

    // Documents.
    void connectDocumentActions();
    // Empty for items without a document.
    QString attachmentExtension(const BaseObject &record) const;
    // Downloads the document when it is not on disk yet (blocking, under the busy cursor), then opens it.
    void openAttachment(const BaseObject &record);

    // Update check.
    void connectUpdateActions();
    // The update check's answer, applied by the pump; the user sees it once the event loop runs again.
    void handleUpdateCheck(const TaskOutcome &outcome);
    // The question or the up-to-date message, the download, and the next check.
    void answerUpdateCheck(const QByteArray &latest, const QString &address, int status);
    void offerDownload(const QUrl &address);
    // The proxy named when it refused.
    void showDownloadFailure(int result);
    // Only while somebody is logged in.
    void restartUpdateTimer(int intervalMs);

    // Contacts.
    void connectContactActions();
    // Where the recipients picker saves a typed number as a new contact.
    ContactSink contactSink();
    // Runs the contact editor on the contact (null: a new one) and queues what the user confirmed.
    void editContact(const qtContactInfo *contact);
    // Numbers a new contact (local id and negative id), shows it and queues its creation or change.
    void editContact(std::unique_ptr<qtContactInfo> contact);
    // Runs the group editor on the group (null: a new one), then shows and queues its changes in order.
    void editContactGroup(const qtContactGroupInfo *group);
    // A new service contact from a line's texts; nothing when neither number holds a digit.
    void importContact(const QString &name, const QString &fax, const QString &sms);
    void addOutlookContact(const QString &name, const QString &fax, const QString &sms);
    // A contacts file ("name;fax;sms", or tab-separated) or the Outlook exporter's file ("name;fax;;sms");
    // a missing or unreadable file does nothing.
    void importContactsCsv(const QString &path, bool outlookFile);

    // Folders.
    void connectFolderActions();
    // The folder name dialog's confirmed name; empty when the user cancelled.
    QString askFolderName(const QString &currentName);
    // Shows the user folder with this id (0: a new one, numbered with a local id) under the name and
    // queues its creation or renaming.
    void saveFolder(int id, const QString &name);

    // Task results.
    void connectPump();
    // False when the cache could not record the result: the task is not done.
    bool applyTaskResult(TaskOutcome &outcome);
    // Stores the fetched objects, all or none, then shows them with the time shift; false when the cache
    // refused them.
    bool applyObjects(qtObjectsInfo &objects, int timeShift);
    void applyCreatedGroup(qtContactGroupInfo &group);
    void applyCreatedContact(qtContactInfo &contact);
    void applyCreatedFolder(QelFolderInfo &folder);
    void applySendResult(int taskId, int serviceId, int status);
    void applyChangeQuery(ChangeList &changes);

    // Synchronisation cycle.
    static constexpr int fetchBatchSize = 20;
    void processChangeList(const ChangeList &list);
    void loadLocalObjects();

    // Objects whose fetch the service refused for good.
    // Remembers the object, and tells the user about it the first time; false when it cannot be stored.
    bool rememberUnfetched(const ObjectRef &object);
    // Queues a fetch of the remembered objects that the change list does not name; true when there are any.
    bool askUnfetchedAgain(const QList<ChangeEntry> &listed);
    // The fetch brought its objects, or word of their removal: none of them is to be asked for again.
    void forgetFetched(const TaskItem &fetch);
    void tellUnfetched();
    QString unfetchedName(const ObjectRef &object) const;

    // Log-in completion.
    // The cache cannot be opened even read-only: nobody stays logged in, and the log-in form says why.
    void endSessionWithoutCache();
    // What the user must know about the cache just opened (set aside and rebuilt, or not writable), told
    // without holding the start-up.
    void tellAboutLocalData();
    void queueStartupTasks();
    void restoreLocalTasks();

    // The user's changes on the cache's side.
    // Queues the changes; when some could not be stored, tells the user once which, and that they are lost
    // if the program ends before they are carried out.
    void queueChanges(const QList<TaskItem> &changes);
    void queueChange(int type, const QVariant &argument);
    QString changeName(const TaskItem &change) const;
    // Without a writable cache and customer folder no change of the user's runs, since its completion
    // could not be recorded and it would run again at the next start. Set at log-in, and before a change
    // runs or when one cannot be saved.
    void holdChangesUnlessWritable();
    void holdChanges();
    bool dataWritable();
    // Says why the changes wait; unsaved names those that could not even be saved.
    void tellChangesHeld(const QString &unsaved);
    QString storageFaultText(StorageFault fault) const;
    // Before each task: retries what could not be written; once the data can be written again, reopens
    // the cache when its connection cannot write, saves the changes that could not be, and lets them run.
    void retryPendingWrites();
    // True when nothing unsaved would be lost, or the user accepts to lose it.
    bool confirmLosingUnsaved();

    // The cache or the customer folder cannot be written: the user's changes are held.
    bool m_dataUnwritable = false;
    // Contacts: the Outlook actions are connected once per run, however often a log-in sets them up.
    bool m_outlookActionsConnected = false;
    CacheDatabase m_cache;
    TaskQueue m_tasks;
    // Declared after the queue and the cache: it ends before them.
    TaskPump m_pump;
    QTimer m_updateTimer;
    QTranslator *m_translator;
    LoginDlg *m_login;
    SettingsDlg *m_settings;
    AccountDlg *m_account;
    TrayPresence *m_tray = nullptr;
    FilterBox *m_filter = nullptr;
    EntitiesView *m_entities = nullptr;
    ContactMenu m_contactMenu;
    FolderMenu m_folderMenu;
    QelFolderMenu m_folderTreeMenu;
    Downloader m_downloader;
    bool m_automaticUpdate = true;
    // Why the last call did not reach the service, when a proxy says it; empty once a call did.
    QString m_offlineReason;
    bool m_keepHidden = true;
    // The objects given up since the user was last told.
    QList<ObjectRef> m_unfetchedToTell;
    // What the settings dialog opened with, to see whether its saving changed the way to the service.
    ProxySettings m_proxyBeforeSettings;
};
