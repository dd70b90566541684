#include "PageScroller.h"

#include "ScreenFit.h"

#include <QLayout>
#include <QScrollBar>
#include <QStyle>

namespace {

constexpr int noLimit = QWIDGETSIZE_MAX;

// Below this many pixels of pages the dialog would show nothing useful: it is left taller than the screen.
constexpr int smallestUsefulHeight = 120;

// What the pages take when nothing holds them back: their size hint, but never less than their minimum.
QSize wholeSize(const QWidget *pages)
{
    return pages->sizeHint().expandedTo(pages->minimumSizeHint()).expandedTo(pages->minimumSize());
}

} // namespace

PageScroller::PageScroller(QWidget *pages) : QScrollArea(pages->parentWidget()), m_heightLimit(noLimit)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    if (QLayout *layout = pages->window()->layout())
        delete layout->replaceWidget(pages, this);
    setWidget(pages);
}

QSize PageScroller::sizeHint() const
{
    const QSize pages = widget() ? wholeSize(widget()) : QSize();
    if (pages.height() <= m_heightLimit)
        return pages;
    return {pages.width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this), m_heightLimit};
}

QSize PageScroller::minimumSizeHint() const
{
    return sizeHint();
}

void PageScroller::fitToScreen()
{
    QLayout *layout = window()->layout();
    if (!layout || !widget())
        return;
    m_heightLimit = noLimit;
    updateGeometry();
    layout->activate();
    const int excess = layout->totalSizeHint().height() - ScreenFit::room(window()).height();
    if (excess <= 0)
        return;
    m_heightLimit = qMax(wholeSize(widget()).height() - excess, smallestUsefulHeight);
    updateGeometry();
    layout->activate();
}
