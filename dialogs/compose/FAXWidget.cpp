#include "FAXWidget.h"

#include "DesktopOpen.h"
#include "ServiceEndpoints.h"
#include "SettingsStore.h"

FAXWidget::FAXWidget(QWidget *parent) : QWidget(parent)
{
    setupUi(this);
    coverPageLink->setText(
        QStringLiteral("<a href=\"%1\"><span style=\"text-decoration: underline; color:#0000ff;\">%2</span></a>")
            .arg(ServiceEndpoints::webPage("/myaccount/index.php?action=account_management"),
                 tr("Click here to change you Cover Page settings").toHtmlEscaped()));
    openLinksWithDesktop(coverPageLink);

    // The setting remembers "Grey and colors dithering" as 1.
    const bool grey = SettingsStore::instance().dithering() != 0;
    blackWhite->setChecked(!grey);
    radioButton_2->setChecked(grey);

    const QString report = SettingsStore::instance().reportType();
    const bool wanted = report != QLatin1String("NOT_AT_ALL");
    reportCheck->setChecked(wanted);
    reportAttachCheck->setChecked(wanted && report == QLatin1String("YES"));

    connect(reportCheck, &QCheckBox::stateChanged, this, &FAXWidget::eventReportCheck);
    connect(coverPageOption, &QCheckBox::toggled, this, &FAXWidget::eventCoverPageOption);
    eventReportCheck();
    eventCoverPageOption();
}

bool FAXWidget::isCoverPage() const
{
    return coverPageOption->isChecked();
}

QString FAXWidget::reportType() const
{
    if (!reportCheck->isChecked())
        return QStringLiteral("NOT_AT_ALL");
    return reportAttachCheck->isChecked() ? QStringLiteral("YES") : QStringLiteral("NO");
}

void FAXWidget::options(int &dithering, int &withCoverPage, QString &coverText, QString &report) const
{
    dithering = blackWhite->isChecked() ? 1 : 0;
    withCoverPage = isCoverPage() ? 1 : 0;
    if (isCoverPage())
        coverText = coverPage->toPlainText();
    report = reportType();
}

void FAXWidget::eventCoverPageOption()
{
    coverPage->setVisible(isCoverPage());
    coverPageLink->setVisible(isCoverPage());
    emit signalChanged();
}

void FAXWidget::eventReportCheck()
{
    if (!reportCheck->isChecked())
        reportAttachCheck->setChecked(false);
    reportAttachCheck->setEnabled(reportCheck->isChecked());
}
