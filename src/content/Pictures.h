#pragma once
// The compiled-in pictures: twelve sign pictures (index 0 Aries .. 11 Pisces) and the program's
// icon. They are SVG, rendered on demand at the size asked for.

#include <QIcon>
#include <QPixmap>

namespace orbika {

// An empty pixmap for an index outside 0..11.
QPixmap SignPicture(int signIndex, int size);
QPixmap AppIconPixmap(int size);
QIcon AppIcon();

} // namespace orbika
