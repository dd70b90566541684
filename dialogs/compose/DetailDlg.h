#pragma once

#include "RecipientStatus.h"
#include "ui_DetailDlg.h"

#include <QDialog>
#include <QList>

class BaseObject;

// Shows the delivery details of one sent or pending Outbox item: its recipients with the status of each and,
// for a sent SMS, the message text; the recipients can be exported as a CSV file. Changes nothing.
class DetailDlg : public QDialog, public Ui::DetailDlg
{
    Q_OBJECT

public:
    // The list is the caller's and must outlive the dialog; the record is read during construction only.
    DetailDlg(QWidget *parent, const QList<RecipientStatus> *deliveryList, const BaseObject *item);
    ~DetailDlg() override;

private slots:
    void eventExport();

private:
    const QList<RecipientStatus> *deliveryList;
};
