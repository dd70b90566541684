#pragma once

#include "ui_RecipientForm.h"

#include <QWidget>

// The recipient list of the recipients picker: rows of name and number. A file dropped on it is handed on
// as a local path through signalUrl, for the picker to import.
class RecipientForm : public QWidget, public Ui::RecipientForm
{
    Q_OBJECT

public:
    explicit RecipientForm(QWidget *parent);

signals:
    void signalUrl(const QString &path);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;
};
