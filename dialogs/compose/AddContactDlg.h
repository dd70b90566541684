#pragma once

#include "qtContactInfo.h"
#include "ui_AddContactDlg.h"

#include <QDialog>
#include <QMap>
#include <memory>

// Creates a contact or edits one: name, fax number, SMS number and, for a new contact, its group. It changes
// nothing itself: after exec() the caller takes the record built from the fields, which exists only when the
// user confirmed with OK. OK stays disabled until the fields hold at least one number with a digit and no
// number without one, and, when editing, differ from the contact.
class AddContactDlg : public QDialog, public Ui::AddContactDlg
{
    Q_OBJECT

public:
    // groups: every contact group by id; defaultGroupId: the group proposed for a new contact (0 for none).
    // contact: the contact to edit, or null for a new one; it is only read, and must outlive the dialog.
    AddContactDlg(QWidget *parent, const QMap<int, QString> &groups, int defaultGroupId,
                  const qtContactInfo *contact);
    ~AddContactDlg() override;

    // The contact to queue (id 0 for a new one, the edited contact's ids otherwise); null unless the user
    // confirmed. Hands the record over, so a second call returns null.
    std::unique_ptr<qtContactInfo> takeResult();

private slots:
    void eventSet();
    void eventValidateName(const QString &text);
    void eventValidateFax(const QString &text);
    void eventValidateGsm(const QString &text);
    void eventGroupChanged(int index);

private:
    void validate(const QString &fax, const QString &gsm, const QString &nameText);

    const qtContactInfo *contact;
    // Not named result: that would hide QDialog::result().
    std::unique_ptr<qtContactInfo> resultRecord;
};
