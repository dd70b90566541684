#pragma once

class QPixmap;

// The tray badge: the star picture with count written on it; counts above 9 show "#".
void drawStarBadge(QPixmap &badge, int count);
