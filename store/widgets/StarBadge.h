#pragma once

class QPixmap;
class QString;

// The tray badge: the star picture with count written on it; counts above 9 show "#".
void drawStarBadge(QPixmap &badge, int count);
// What the badge of count shows.
QString starBadgeText(int count);
