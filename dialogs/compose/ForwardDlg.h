#pragma once

#include "ForwardRequest.h"
#include "ui_ForwardDlg.h"

#include <QDialog>
#include <memory>

// Asks for the one destination (fax number, SMS number or e-mail address) to which the items of a forward
// request go. The kinds on offer follow the request's content: voice messages go to an e-mail address only,
// faxes never to an SMS number. Only "Send" accepts; the result of exec() carries no meaning.
class ForwardDlg : public QDialog, private Ui::ForwardDlg
{
    Q_OBJECT

public:
    // The request holds at least one entry; the dialog owns it until forwardRequest() hands it back.
    ForwardDlg(QWidget *parent, std::unique_ptr<ForwardRequest> request);
    ~ForwardDlg() override;

    // Call once after exec(). After "Send": the request with the destination kind and address on every entry.
    // Otherwise null, and the request is gone.
    std::unique_ptr<ForwardRequest> forwardRequest();

private slots:
    void eventChanged();
    void eventSend();

private:
    // 3 fax number, 4 SMS number, 5 e-mail address.
    int destinationKind() const;
    // The typed destination: trimmed, and as a normalised number unless it is an e-mail address.
    QString destinationText() const;

    bool accepted = false;
    std::unique_ptr<ForwardRequest> request;
};
