#pragma once

#include "ui_LoginDlg.h"

#include <QDialog>

class QTimer;
class TaskExecuter;

// The sign-in window, shown while nobody is logged in. It asks the service on a worker thread of its own,
// or accepts the stored account without asking; an automatic log-in that finds no connection retries every
// minute. The owner (the main window) connects signalClose to its log-in completion and signalShowSettings
// to its settings window, and calls showLogin, resetForm and retranslate. GUI thread only.
class LoginDlg : public QDialog, public Ui::LoginDlg
{
    Q_OBJECT

public:
    explicit LoginDlg(QWidget *parent);
    // Leaves a log-in still under way to end on its own thread: an exit never waits for the service.
    ~LoginDlg() override;

    // Logs in by itself when automatic connection is on and a password is stored, else shows the form.
    // While a log-in is under way it only brings the dialog up.
    void showLogin();
    // Shows the dialog with the stored check boxes and, when asked, an empty password field. While a log-in
    // is under way it only brings the dialog up.
    void resetForm(bool clearPassword);
    // After a language change.
    void retranslate();
    // After the settings were saved: an automatic log-in that the proxy refused the credentials of tries
    // again at once when the proxy settings changed.
    void retryAfterSettings();

signals:
    // The log-in is accepted for the customer; autoconnect is always false.
    void signalClose(int customerid, bool autoconnect);
    // The preferences button.
    void signalShowSettings();
    // A log-in did not reach the service, for the reason the result gives.
    void signalUnreached(int result);

private slots:
    void eventAnimate();
    void eventLogin();
    void eventAction();
    void eventTextChanged();
    void eventTaskLoginDone();
    void eventRegisterAccount();
    void event_autostart();
    void event_checkSave();

private:
    void setInputsEnabled(bool enabled);
    // Ends an automatic log-in whose proxy credentials were refused: the form, Preferences included, is the
    // user's, and a change of the proxy settings resumes it.
    void waitForProxySettings();
    // A log-in that did not reach the service: the proxy is named when one is used.
    void showUnreached(int result);
    void acceptLogin(int customerid);
    void bringUp();
    void showForgotPasswordLink();
    // Runs the sign-up and then the welcome dialog; password stays empty unless an account was opened.
    void signUp(QString *email, QString *password);
    void newWorker();
    // Leaves the running attempt to end unobserved; it deletes itself then.
    void abandonWorker();

    bool m_busy = false;
    bool m_automatic = false;
    // An automatic log-in stopped on refused proxy credentials, to be resumed once they change.
    bool m_awaitingProxy = false;
    // True from the worker's start until its end is reported; the worker's record is not touched meanwhile.
    bool m_loginRunning = false;
    QTimer *m_reloginTimer;
    QTimer *m_blinkTimer;
    TaskExecuter *m_worker = nullptr;
};
