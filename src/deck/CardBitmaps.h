#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QPixmap>
#include <QSize>

namespace quillmere {

// The program's 80 numbered bitmaps, 101 to 180, carried in its resources as
// 8-bit device-independent bitmaps without a file header.
namespace CardBitmaps {

inline constexpr QSize FaceSize{200, 303};
inline constexpr QSize BackSize{54, 93};

// The size the bitmap with this number must have.
QSize expectedSize(int bitmapId);

// Checks one headerless 8-bit bitmap and decodes it with Qt's BMP reader.
// Throws FatalError naming the bitmap number when the data is not exactly a
// bitmap of that form and of the expected size.
QImage decode(QByteArrayView dib, int bitmapId);

// Loads the bitmap with this number afresh from the resources and decodes it.
// Throws FatalError when the number names no bitmap or the data is damaged.
QImage loadImage(int bitmapId);
QPixmap load(int bitmapId);

} // namespace CardBitmaps
} // namespace quillmere
