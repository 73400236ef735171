#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <functional>

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

// Loads the bitmap with this number afresh from its source and decodes it.
// Throws FatalError when the number names no bitmap or the data is damaged.
QImage loadImage(int bitmapId);
QPixmap load(int bitmapId);

// The bytes of a bitmap as the program carries them in its resources, or a
// null array when it carries no bitmap with this number.
QByteArray carriedBytes(int bitmapId);

// Where loadImage takes the bytes of a bitmap from: carriedBytes, unless
// another source is put in place, as the tests do to make a picture go
// missing or arrive damaged. Returns the source it replaces; an empty one
// puts carriedBytes back.
using Source = std::function<QByteArray(int bitmapId)>;
Source replaceSource(Source source);

} // namespace CardBitmaps
} // namespace quillmere
