#include "FilterBox.h"

#include "ViewIcons.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpacerItem>
#include <QToolButton>

namespace {

const QColor placeholderGrey(100, 100, 100, 100);

} // namespace

FilterBox::FilterBox(QWidget *parent, bool leadingSpacer, int maximumWidth)
    : QWidget(parent), m_frame(new QFrame(this)), m_lineEdit(new QLineEdit(m_frame)),
      m_clearButton(new QToolButton(m_frame)), m_placeholderText(tr("Search ..."))
{
    m_placeholderFont.setItalic(true);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        m_placeholderPalette.setColor(group, QPalette::Text, placeholderGrey);
    m_normalPalette.setColor(QPalette::Active, QPalette::Text, Qt::black);
    m_normalPalette.setColor(QPalette::Inactive, QPalette::Text, Qt::black);
    m_normalPalette.setColor(QPalette::Disabled, QPalette::Text, placeholderGrey);

    auto *outer = new QHBoxLayout(this);

    QPalette white = m_frame->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        white.setColor(group, QPalette::Button, Qt::white);
        white.setColor(group, QPalette::Window, Qt::white);
    }
    m_frame->setPalette(white);
    m_frame->setAutoFillBackground(true);
    m_frame->setFrameShape(QFrame::StyledPanel);
    m_frame->setFrameShadow(QFrame::Sunken);
    if (maximumWidth > 0)
        m_frame->setMaximumWidth(maximumWidth);

    m_clearButton->setAutoFillBackground(false);
    m_clearButton->setIcon(viewIcon(":/images/edit-undo.png"));
    m_clearButton->setIconSize(QSize(10, 10));
    m_clearButton->setAutoRaise(true);
    m_clearButton->hide();

    m_lineEdit->setFrame(false);

    auto *inner = new QHBoxLayout(m_frame);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addWidget(m_lineEdit);
    inner->addWidget(m_clearButton);
    m_frame->setFixedHeight(25);

    if (leadingSpacer)
        outer->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    else
        outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_frame);

    m_lineEdit->setText(m_placeholderText);
    setLook(m_placeholderFont, m_placeholderPalette);

    connect(m_lineEdit, &QLineEdit::textChanged, this, &FilterBox::toggleClearButton);
    connect(m_clearButton, &QToolButton::clicked, this, &FilterBox::reset);
    connect(qApp, &QApplication::focusChanged, this, &FilterBox::focusChanged);
}

FilterBox::~FilterBox()
{
    // The line edit reports losing the focus while the base class destroys it, when this part of the box is
    // gone already.
    disconnect(qApp, &QApplication::focusChanged, this, &FilterBox::focusChanged);
}

void FilterBox::setLook(const QFont &font, const QPalette &palette)
{
    m_lineEdit->setFont(font);
    m_lineEdit->setPalette(palette);
}

bool FilterBox::hasKeyboardFocus() const
{
    return m_lineEdit->hasFocus() || m_clearButton->hasFocus();
}

QString FilterBox::filterText() const
{
    return hasKeyboardFocus() ? m_lineEdit->text() : QString();
}

void FilterBox::showPlaceholder()
{
    m_lineEdit->setText(m_placeholderText);
    setLook(m_placeholderFont, m_placeholderPalette);
    m_clearButton->hide();
}

void FilterBox::toggleClearButton()
{
    m_clearButton->setVisible(!m_lineEdit->text().isEmpty());
    // Text the box puts in itself while it has no focus, such as the placeholder, filters nothing.
    if (hasKeyboardFocus())
        emit filterChanged(m_lineEdit->text());
}

void FilterBox::reset()
{
    m_lineEdit->setText(QString());
    m_lineEdit->setFocus(Qt::OtherFocusReason);
    emit filterChanged(QString());
}

void FilterBox::focusChanged(QWidget *oldObject, QWidget *newObject)
{
    if (newObject == m_lineEdit) {
        if (m_lineEdit->text() == m_placeholderText) {
            m_lineEdit->setText(QString());
            setLook(m_normalFont, m_normalPalette);
        }
    } else if (oldObject == m_lineEdit || oldObject == m_clearButton) {
        if (m_lineEdit->text().isEmpty())
            showPlaceholder();
    }
}

void FilterBox::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    m_placeholderText = tr("Search ...");
    // While the user is in the box it keeps the edit look: the placeholder put in there now would be
    // taken for typed text and sent as the filter.
    if (!hasKeyboardFocus())
        showPlaceholder();
}
