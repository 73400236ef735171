#pragma once

#include <QImage>
#include <QString>

namespace quillmere {

// The sharp pictures beside the bitmaps: each card face, the card back and the
// window pictures drawn again at four times their size (the flourishes at
// twice), for wherever a picture is shown larger than its bitmap. They are
// carried in the resources as palette PNGs, decoded only when a control needs
// one and kept in a small cache bounded by its size in bytes.
namespace Renditions {

// The resource name of a bitmap's rendition (":/renditions/148.png"), or an
// empty name for a bitmap that has none (Preview_Blank, plain grey).
QString forBitmap(int bitmapId);
// The same for a window picture, named as in the resources ("title.bmp").
QString forArtwork(const QString &pictureName);

// The rendition, decoded on first use. A rendition that is missing, cannot be
// decoded or is not a whole multiple of the bitmap's size gives a null image:
// the control then shows its bitmap, which is always there.
QImage load(const QString &name, QSize bitmapSize);
// The same if the rendition is in the cache, a null image if not: nothing is decoded.
QImage cached(const QString &name, QSize bitmapSize);

// How many renditions were decoded since the program started.
int decodedCount();
// Empties the cache (a measurement of cold decoding).
void clearCache();

// The cache's bound: a few of the largest renditions, 800 by 1212 at a byte a pixel.
inline constexpr qsizetype CacheBytes = 12 * 1024 * 1024;

} // namespace Renditions
} // namespace quillmere
