#pragma once

#include "ui_QelRegister.h"

#include <QDialog>
#include <QString>
#include <array>
#include <string>

class QByteArray;
class QLineEdit;

// The sign-up form of the log-in dialog: it opens a new account with the sign-up service. The caller
// fills the sign-up caches (QelvoxAPI::loadSignupLists) first, builds the dialog, runs exec() only when
// listsLoaded is true and learns of success from its own two strings: after a registration *outEmail
// holds the account's e-mail address and *outPassword the password the service generated; otherwise both
// keep what the caller passed. exec()'s result carries nothing. The dialog's service calls block the GUI
// thread.
class QelRegister : public QDialog, public Ui::QelRegister
{
    Q_OBJECT

public:
    QelRegister(QString *outEmail, QString *outPassword, QWidget *parent);

    // Whether the lists loaded at construction; the caller shows the dialog only then.
    bool listsLoaded = false;

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void onUSStateChanged(int index);
    void onFaxCountryChange(int index);
    void onAcceptRegistration();
    void onQelCodeTextChanged1(const QString &t);
    void onQelCodeTextChanged2(const QString &text);
    void onQelCodeTextChanged3(const QString &text);
    void eventAccountType();

private:
    // Which selection the fax-area list follows: the fax country's or the US state's.
    enum class AreaSource { None, FaxCountry, UsState };

    bool loadRegistrationLists();
    void loadFaxAreas(const QByteArray &key);
    void selectFirstState();
    bool submitRegistration();
    bool isEmailShaped() const;
    // The first failed check of the form, translated; empty when the form may be sent.
    QString formProblem() const;
    std::string accountId() const;
    std::array<QLineEdit *, 4> voucherFields() const;
    void followSelection(AreaSource source, int index);
    void showAreasOf(AreaSource source, int index);

    QString *outEmail;
    QString *outPassword;
    bool busy = false;
    bool loadingAreas = false;
    AreaSource pendingSource = AreaSource::None;
};
