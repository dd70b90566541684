#pragma once

#include "ui_ChangePassword.h"

#include <QDialog>
#include <QString>

// Replaces the password of a freshly created account, authenticating with that account's e-mail address
// and current password rather than the stored credentials. Both strings belong to the caller; on success
// *password holds the new password. The service call blocks the GUI thread.
class ChangePassword : public QDialog, public Ui::ChangePassword
{
    Q_OBJECT

public:
    ChangePassword(QString *email, QString *password, QWidget *parent);

private slots:
    void eventChangePwd();
    void eventCancel();
    void eventPasswordCheck();

private:
    QString *email;
    QString *password;
};
