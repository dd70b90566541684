#include "SendDlg.h"

#include "AttachmentWidget.h"
#include "FAXWidget.h"
#include "RecipientsWidget.h"
#include "SMSWidget.h"
#include "SettingsStore.h"

SendDlg::SendDlg(QWidget *parent, QTreeWidget *contactsTree, bool preselect, bool fax, ContactSink contactSink)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setupUi(this);
    // A fax goes to fax numbers, an SMS to SMS numbers.
    recipientsPart = new RecipientsWidget(this, contactsTree, preselect, fax, std::move(contactSink));
    attachmentsPart = new AttachmentWidget(this, fax);
    connect(btnClose, &QPushButton::clicked, this, &SendDlg::close);
    receptionsLayout->addWidget(recipientsPart);
    attachmentsLayout->addWidget(attachmentsPart);
    connect(recipientsPart, &RecipientsWidget::signalChanged, this, &SendDlg::eventChanged);
    connect(attachmentsPart, &AttachmentWidget::signalChanged, this, &SendDlg::eventChanged);
    if (fax) {
        setWindowTitle(tr("Send Fax"));
        setWindowIcon(QIcon(QStringLiteral(":/images/printer.png")));
        faxPart = new FAXWidget(this);
        typeLayout->addWidget(faxPart);
        connect(faxPart, &FAXWidget::signalChanged, this, &SendDlg::eventChanged);
    } else {
        setWindowTitle(tr("Send Sms"));
        setWindowIcon(QIcon(QStringLiteral(":/images/phone.png")));
        smsPart = new SMSWidget(this);
        typeLayout->addWidget(smsPart);
        connect(smsPart, &SMSWidget::signalChanged, this, &SendDlg::eventChanged);
    }
    eventChanged();
    connect(btnSend, &QPushButton::clicked, this, &SendDlg::eventSend);
}

SendDlg::~SendDlg()
{
    if (faxPart) {
        // The setting keeps "Grey and colors dithering" as 1, the opposite sense of the request's field.
        SettingsStore::instance().setDithering(faxPart->blackWhite->isChecked() ? 0 : 1);
        SettingsStore::instance().setReportType(faxPart->reportType());
    }
}

std::unique_ptr<SendSmsRequest> SendDlg::smsRequest() const
{
    if (!sent || !smsPart)
        return nullptr;
    auto request = std::make_unique<SendSmsRequest>();
    request->numbers = recipientsPart->recipientNumbers();
    smsPart->message(request->unicode, request->content);
    return request;
}

std::unique_ptr<SendFaxRequest> SendDlg::faxRequest()
{
    if (!sent || !faxPart)
        return nullptr;
    auto request = std::make_unique<SendFaxRequest>();
    request->numbers = recipientsPart->recipientNumbers();
    attachmentsPart->attachments(request->attachments);
    faxPart->options(request->dithering, request->coverpage, request->content, request->report);
    return request;
}

void SendDlg::eventChanged()
{
    const bool content = faxPart ? attachmentsPart->hasAttachments() || faxPart->isCoverPage() : smsPart->hasText();
    btnSend->setEnabled(recipientsPart->hasRecipients() && content);
}

void SendDlg::eventSend()
{
    sent = true;
    close();
}
