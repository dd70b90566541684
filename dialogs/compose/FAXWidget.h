#pragma once

#include "ui_FAXWidget.h"

#include <QString>
#include <QWidget>

// The options of one fax: how its documents are rendered, whether a transmission report is mailed (with
// the sent file or without), and an optional cover page. Starts from the choices of the last fax dialog.
class FAXWidget : public QWidget, public Ui::FAXWidget
{
    Q_OBJECT

public:
    explicit FAXWidget(QWidget *parent);

    bool isCoverPage() const;
    // "NOT_AT_ALL", "NO" (report without the file) or "YES" (report with the file).
    QString reportType() const;
    // dithering 1 for black & white thresholding, else 0; the cover text is written only with a cover page.
    void options(int &dithering, int &withCoverPage, QString &coverText, QString &report) const;

signals:
    void signalChanged();

private slots:
    void eventCoverPageOption();
    void eventReportCheck();
};
