#include "RecipientForm.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

RecipientForm::RecipientForm(QWidget *parent) : QWidget(parent)
{
    setupUi(this);
}

void RecipientForm::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void RecipientForm::dropEvent(QDropEvent *event)
{
    // One file per drop: the import is all or nothing, so further files would need a choice of their own.
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty())
        emit signalUrl(QDir::toNativeSeparators(urls.first().toLocalFile()));
    event->acceptProposedAction();
}

void RecipientForm::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
}
