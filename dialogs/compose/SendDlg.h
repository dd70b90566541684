#pragma once

#include "ContactSink.h"
#include "SendFaxRequest.h"
#include "SendSmsRequest.h"
#include "ui_SendDlg.h"

#include <QDialog>
#include <memory>

class AttachmentWidget;
class FAXWidget;
class QTreeWidget;
class RecipientsWidget;
class SMSWidget;

// Composes one fax (documents, options, cover page) or one SMS message, and its recipients; the mode is
// fixed at construction. It sends nothing: after exec() the caller takes the request of its mode, which
// exists only when the user pressed "Send" (the result of exec() carries no meaning). A fax dialog stores
// the dithering choice and the report type in the settings when it is destroyed, sent or not.
class SendDlg : public QDialog, public Ui::SendDlg
{
    Q_OBJECT

public:
    // contactsTree and preselect go to the recipients picker (see RecipientsWidget), and so does contactSink,
    // through which a typed number becomes a new contact.
    SendDlg(QWidget *parent, QTreeWidget *contactsTree, bool preselect, bool fax, ContactSink contactSink = {});
    ~SendDlg() override;

    // The SMS to queue; null unless this is an SMS dialog on which "Send" was pressed.
    std::unique_ptr<SendSmsRequest> smsRequest() const;
    // The fax to queue, which takes the documents over (so call it once); null unless this is a fax dialog on
    // which "Send" was pressed.
    std::unique_ptr<SendFaxRequest> faxRequest();

private slots:
    void eventChanged();
    void eventSend();

private:
    RecipientsWidget *recipientsPart;
    AttachmentWidget *attachmentsPart;
    FAXWidget *faxPart = nullptr; // null in SMS mode
    SMSWidget *smsPart = nullptr; // null in fax mode
    bool sent = false;
};
