#pragma once
// The compiled-in pictures: twelve sign pictures (index 0 Aries .. 11 Pisces), small pre-drawn
// sign decorations for the main window, and the program's icon.

#include <QIcon>
#include <QPixmap>

namespace orbika {

// A sign picture drawn from its SVG at the size asked for; empty for an index outside 0..11.
QPixmap SignPicture(int signIndex, int size);
// A small picture of a sign for decoration, from pre-drawn PNGs (sharp at 1x and 2x). Only the
// signs the main window shows have one; others give an empty pixmap.
QPixmap SignDecoration(int signIndex, int size);
// The program's icon. Small sizes come from pre-drawn PNGs loaded on demand; large ones are
// drawn from the SVG.
QIcon AppIcon();
QPixmap AppIconPixmap(int size);

} // namespace orbika
