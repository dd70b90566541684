#include "SMSWidget.h"

#include <QSignalBlocker>
#include <QTextCursor>

SMSWidget::SMSWidget(QWidget *parent) : QWidget(parent)
{
    setupUi(this);
    connect(sms, &QPlainTextEdit::textChanged, this, &SMSWidget::eventSmsValidate);
    connect(unicode, &QCheckBox::toggled, this, &SMSWidget::eventSmsValidate);
    eventSmsValidate();
}

bool SMSWidget::hasText() const
{
    return !sms->toPlainText().trimmed().isEmpty();
}

void SMSWidget::message(int &unicodeFlag, QString &text) const
{
    unicodeFlag = unicode->isChecked() ? 1 : 0;
    text = sms->toPlainText();
}

void SMSWidget::eventSmsValidate()
{
    const QString text = sms->toPlainText();
    const int limit = unicode->isChecked() ? unicodeLimit : plainLimit;
    int left = limit - int(text.size());
    if (left < 0) {
        // Half a surrogate pair would be sent as a broken character.
        const int keep = text.at(limit - 1).isHighSurrogate() ? limit - 1 : limit;
        // Cutting through a cursor keeps the caret where the user is typing (or at the cut when it stood in the
        // part cut off), so that further keys do not land at the start and push the end out.
        const QSignalBlocker blocker(sms);
        QTextCursor cut(sms->document());
        cut.setPosition(keep);
        cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cut.removeSelectedText();
        left = limit - keep;
    }
    toAdd->setText(QString::number(left));
    emit signalChanged();
}
