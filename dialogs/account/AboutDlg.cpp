#include "AboutDlg.h"

#include "DesktopOpen.h"
#include "ServiceEndpoints.h"
#include "SettingsStore.h"

AboutDlg::AboutDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setupUi(this);
    // The version and the provider's host are build settings, so the form holds only their places.
    appName->setText(appName->text().arg(QString::fromLatin1(appVersion())));
    urlLabel->setText(urlLabel->text().arg(ServiceEndpoints::webPage("/index.php?action=download"),
                                           tr("Qelvoxdesk Website").toHtmlEscaped()));
    noticeLabel->setText(noticeLabel->text().arg(tr("© Qelvox. Online fax, SMS and voice mail.").toHtmlEscaped()));
    openLinksWithDesktop(urlLabel);
}
