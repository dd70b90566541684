#pragma once

#include "ui_SMSWidget.h"

#include <QWidget>

// The text of one SMS message, kept within one message's length (160 characters, 80 with Unicode) as
// the user types, with the count of characters left.
class SMSWidget : public QWidget, public Ui::SMSWidget
{
    Q_OBJECT

public:
    static constexpr int plainLimit = 160;
    static constexpr int unicodeLimit = 80;

    explicit SMSWidget(QWidget *parent);

    // Whether the text holds more than white space.
    bool hasText() const;
    // The Unicode choice (1 or 0) and the text exactly as typed.
    void message(int &unicodeFlag, QString &text) const;

signals:
    void signalChanged();

private slots:
    void eventSmsValidate();
};
