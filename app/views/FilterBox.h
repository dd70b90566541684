#pragma once

#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>

class QFrame;
class QLineEdit;
class QToolButton;

// The search box of the main window's tool bar: a white framed line edit with a clear button. While it is
// empty and without focus it shows the grey, italic placeholder "Search ..." as its text. What the user
// types is sent as filterChanged. GUI thread only.
class FilterBox : public QWidget
{
    Q_OBJECT

public:
    // leadingSpacer keeps the box at the right end of its place; maximumWidth above 0 limits the frame.
    FilterBox(QWidget *parent, bool leadingSpacer, int maximumWidth);
    ~FilterBox() override;

    // The placeholder look; emits nothing itself.
    void showPlaceholder();
    // The typed text while the box has the keyboard focus, else the empty text.
    QString filterText() const;

signals:
    void filterChanged(QString filter);

public slots:
    // The clear button: empties the box, keeps the focus in it and sends the empty filter.
    void reset();
    void toggleClearButton();
    void focusChanged(QWidget *oldObject, QWidget *newObject);

protected:
    void changeEvent(QEvent *event) override;

private:
    bool hasKeyboardFocus() const;
    void setLook(const QFont &font, const QPalette &palette);

    QFrame *m_frame;
    QLineEdit *m_lineEdit;
    QToolButton *m_clearButton;
    QString m_placeholderText;
    QFont m_placeholderFont;
    QFont m_normalFont;
    QPalette m_placeholderPalette;
    QPalette m_normalPalette;
};
