#include "ForwardDlg.h"

#include "TextHelpers.h"

namespace {

const int toFaxKind = 3;
const int toSmsKind = 4;
const int toEmailKind = 5;

} // namespace

ForwardDlg::ForwardDlg(QWidget *parent, std::unique_ptr<ForwardRequest> request)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      request(std::move(request))
{
    setupUi(this);
    connect(btnClose, &QPushButton::clicked, this, &ForwardDlg::close);
    eventChanged();
    connect(btnSend, &QPushButton::clicked, this, &ForwardDlg::eventSend);
    connect(destination, &QLineEdit::textChanged, this, &ForwardDlg::eventChanged);
    if (this->request->hasVoice) {
        // The service can only mail a recording.
        toEmail->setChecked(true);
        toFax->setEnabled(false);
        toSms->setEnabled(false);
    } else if (this->request->hasFax) {
        toSms->setEnabled(false);
    }
    for (QRadioButton *kind : {toEmail, toSms, toFax})
        connect(kind, &QRadioButton::toggled, this, &ForwardDlg::eventChanged);
}

ForwardDlg::~ForwardDlg() = default;

int ForwardDlg::destinationKind() const
{
    if (toFax->isChecked())
        return toFaxKind;
    return toSms->isChecked() ? toSmsKind : toEmailKind;
}

QString ForwardDlg::destinationText() const
{
    const QString text = destination->text().trimmed();
    return destinationKind() == toEmailKind ? text : normalizeNumber(text);
}

void ForwardDlg::eventChanged()
{
    btnSend->setEnabled(!destinationText().isEmpty());
}

void ForwardDlg::eventSend()
{
    accepted = true;
    close();
}

std::unique_ptr<ForwardRequest> ForwardDlg::forwardRequest()
{
    if (!accepted || !request) {
        request.reset();
        return nullptr;
    }
    request->setDestination(destinationKind(), destinationText());
    return std::move(request);
}
