#include "StarBadge.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

namespace {

// Point sizes by the length of the drawn text.
int pointSizeFor(qsizetype length)
{
    return length <= 2 ? 50 : 35;
}

} // namespace

QString starBadgeText(int count)
{
    return count > 9 ? QStringLiteral("#") : QString::number(count);
}

void drawStarBadge(QPixmap &badge, int count)
{
    QPixmap star(QStringLiteral(":/images/star.png"));
    if (star.isNull()) {
        badge = star;
        return;
    }
    const QString text = starBadgeText(count);
    QFont font(QApplication::font().family(), pointSizeFor(text.size()), QFont::Bold);
    QPainter painter(&star);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, star.width() - 1, star.height() - 1), Qt::AlignCenter, text);
    painter.end();
    badge = star;
}
