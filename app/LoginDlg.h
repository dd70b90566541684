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

signals:
    // The log-in is accepted for the customer; autoconnect is always false.
    void signalClose(int customerid, bool autoconnect);
    // The preferences button.
    void signalShowSettings();

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
    // True from the worker's start until its end is reported; the worker's record is not touched meanwhile.
    bool m_loginRunning = false;
    QTimer *m_reloginTimer;
    QTimer *m_blinkTimer;
    TaskExecuter *m_worker = nullptr;
};
