#include "ChangePassword.h"

#include "BusyCursor.h"
#include "MessageBoxes.h"
#include "QelvoxAPI.h"
#include "TextHelpers.h"

ChangePassword::ChangePassword(QString *email, QString *password, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      email(email), password(password)
{
    setupUi(this);
    btnOk->setEnabled(false);
    connect(btnCancel, &QPushButton::clicked, this, &ChangePassword::eventCancel);
    connect(btnOk, &QPushButton::clicked, this, &ChangePassword::eventChangePwd);
    connect(password1, &QLineEdit::textChanged, this, &ChangePassword::eventPasswordCheck);
    connect(password2, &QLineEdit::textChanged, this, &ChangePassword::eventPasswordCheck);
}

void ChangePassword::eventPasswordCheck()
{
    const QString typed = password1->text();
    btnOk->setEnabled(!typed.isEmpty() && typed == typed.trimmed() && typed == password2->text() &&
                      typed != *password);
}

void ChangePassword::eventChangePwd()
{
    const QString newPassword = password1->text().trimmed();
    int reply = 0;
    int status = 0;
    {
        // The busy cursor lets pending clicks through: a second "OK" would change the password again with
        // the digest that the first change replaced.
        btnOk->setEnabled(false);
        BusyCursor busy(this);
        status = QelvoxAPI::setNewPasswordFor(email->toStdString(), md5Hex(*password).toStdString(),
                                              md5Hex(newPassword).toStdString(), &reply);
    }
    eventPasswordCheck();
    if (status != 0) {
        showError(tr("No internet connection."), this);
        return;
    }
    if (reply != 0) {
        showError(statusText(reply), this);
        return;
    }
    *password = newPassword;
    showInformation(tr("The password have been changed successfuly."), this);
    close();
}

void ChangePassword::eventCancel()
{
    close();
}
