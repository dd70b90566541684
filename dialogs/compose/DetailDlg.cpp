#include "DetailDlg.h"

#include "BaseSMSSentInfo.h"
#include "ObjectType.h"
#include "RecipientsCsv.h"

DetailDlg::DetailDlg(QWidget *parent, const QList<RecipientStatus> *deliveryList, const BaseObject *item)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      deliveryList(deliveryList)
{
    setupUi(this);
    if (item->type == ObjectType::SmsSent) {
        // The service's text is the user's message, never markup to render.
        sms->setPlainText(static_cast<const BaseSMSSentInfo *>(item)->content);
    } else {
        smsLabel->hide();
        sms->hide();
    }
    connect(btnExport, &QPushButton::clicked, this, &DetailDlg::eventExport);
    connect(btnClose, &QPushButton::clicked, this, &DetailDlg::close);
    fillRecipientStatusTree(*deliveryList, details);
}

DetailDlg::~DetailDlg() = default;

void DetailDlg::eventExport()
{
    exportRecipientsCsv(*deliveryList);
}
