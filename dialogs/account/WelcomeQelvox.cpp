#include "WelcomeQelvox.h"

#include "ChangePassword.h"

WelcomeQelvox::WelcomeQelvox(QString *email, QString *password, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      email(email), password(password)
{
    setupUi(this);
    connect(btnPassword, &QPushButton::clicked, this, &WelcomeQelvox::eventPwd);
    connect(okButton, &QPushButton::clicked, this, &WelcomeQelvox::eventCancel);
    showCredentials();
}

void WelcomeQelvox::showCredentials()
{
    ui_email->setText(*email);
    ui_password->setText(*password);
}

void WelcomeQelvox::eventPwd()
{
    // The change runs over this dialog: hiding this one would end its own exec() before the caller could
    // read the new password from it.
    ChangePassword dialog(email, password, this);
    dialog.exec();
    showCredentials();
}

void WelcomeQelvox::eventCancel()
{
    close();
}
