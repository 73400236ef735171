#pragma once

// The pictures of the program's windows: the title lettering, the flourishes,
// the star, the spread banners, the pointing-hand cursor and the icon.

#include "BitmapFiles.h"

#include <QImage>
#include <QString>

namespace artwork {

// Each at `scale` times the size given (the renditions: 4, or 2 for the
// flourishes), drawn by the same strokes in the same final pixel units.
QImage titleLettering(int scale = 1); // 452 x 104, 24 bits
// Its rendition at four times, with a palette like every rendition: the metal's
// gradient keeps no visible bands in 256 colours, at under half the bytes.
IndexedImage titleRendition();
IndexedImage flourishLeft(int scale = 1);                           // 127 x 36
IndexedImage mirrored(const IndexedImage &);                        // left to right
IndexedImage star(int scale = 1);                                   // 48 x 48
IndexedImage banner(const QString &text, int width, int scale = 1); // width x 33
QImage handCursor();                                                // 32 x 32, indexed with a transparent ground
QImage icon(int size);                                              // 32: 16 colours, indexed; larger: RGB

} // namespace artwork
