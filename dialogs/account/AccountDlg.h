#pragma once

#include "qtAccountInfo.h"
#include "ui_AccountDlg.h"

#include <QDialog>

class PageScroller;

// The logged-in account's details, notification settings and extended-title flag, with the changes of the
// login e-mail address and of the password. The owner calls loadAccount() before every exec(); every
// change is a direct, blocking call to the service facade under the busy cursor, never queued or retried.
class AccountDlg : public QDialog, public Ui::AccountDlg
{
    Q_OBJECT

public:
    explicit AccountDlg(QWidget *parent);
    ~AccountDlg() override;

    // Fetches the country and language lists (each until it arrived once) and the account into the form;
    // blocks under the busy cursor of the parent. False, after an error box, when the dialog must not open.
    bool loadAccount();

    // Fits the pages to the screen before each showing.
    void setVisible(bool visible) override;

signals:
    // The login e-mail address changed; the settings already hold the new one.
    void signalEmailChanged();

private slots:
    void eventExtendedTitle();
    void eventDisableEmail();
    void eventInfoChanged();
    void eventEmailCheck();
    void eventPasswordCheck();
    void eventUpdateEmail();
    void eventUpdatePassword();
    void eventAction();
    void eventCancel();

private:
    // 0, or the status of the list call that failed.
    int loadLists();
    void fillForm();
    void collectForm();
    void saveAccount();
    void clearEmailFields();
    void clearPasswordFields();
    // True when the call went through and the service accepted it; otherwise tells the user why.
    bool succeeded(int status, int reply);
    // The error box of a call that failed with status.
    void showUnreached(int status);

    bool loadedExtendedTitle = false;
    bool edited = false;
    qtAccountInfo account;
    bool countriesLoaded = false;
    bool languagesLoaded = false;
    // While a load fills the form, whose change signals are no edits of the user.
    bool loading = false;
    PageScroller *m_pages;
};
