#pragma once

#include "ui_WelcomeQelvox.h"

#include <QDialog>
#include <QString>

// Shown after a sign-up: the new account's e-mail address and generated password, read-only, and the way
// to replace the password before the first log-in. Both strings belong to the caller, who reads them once
// exec() returns (its result carries nothing): *password then holds the password as last changed here.
class WelcomeQelvox : public QDialog, public Ui::WelcomeQelvox
{
    Q_OBJECT

public:
    WelcomeQelvox(QString *email, QString *password, QWidget *parent);

private slots:
    void eventPwd();
    void eventCancel();

private:
    void showCredentials();

    QString *email;
    QString *password;
};
