#pragma once

#include <QScrollArea>

// The pages of a dialog whose layout gives it a fixed size, in a scroll area that shows them whole while
// the dialog fits its screen and lets them scroll when the screen is too small for them (a large scale
// factor on a small screen): the dialog's title bar and buttons stay within reach.
class PageScroller : public QScrollArea
{
public:
    // Takes the place of pages in the layouts of its window, and pages into the scroll area.
    explicit PageScroller(QWidget *pages);

    // Sizes the pages for the screen the dialog is on; called before each showing.
    void fitToScreen();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int m_heightLimit;
};
