#pragma once

// Reading the picture files byte by byte, independently of the generator's
// writers, so the tests see what the program's loader will see.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace picturefiles {

QString sourcePath(const QString &relative); // a path inside the repository
QByteArray readAll(const QString &relative);

std::uint32_t le16(const QByteArray &bytes, int offset);
std::uint32_t le32(const QByteArray &bytes, int offset);
std::int32_t les32(const QByteArray &bytes, int offset);

// The BITMAPINFOHEADER fields and the colour table of an 8-bit DIB, parsed by hand.
struct Dib {
    std::uint32_t headerSize = 0;
    std::int32_t width = 0, height = 0;
    std::uint32_t planes = 0, bitCount = 0, compression = 0, imageSize = 0, clrUsed = 0, clrImportant = 0;
    std::vector<QRgb> table;         // 256 entries when bitCount is 8
    std::vector<std::uint8_t> index; // width * height, top row first
    bool tableReservedBytesZero = true;
    bool rowPaddingZero = true;

    QRgb pixel(int x, int y) const { return table.at(index.at(static_cast<std::size_t>(y * width + x))); }
};

// Parses the DIB that starts at `offset` (0 for a bitmap resource, 14 for a .bmp
// file). Returns false, with `why` filled in, when it is not an 8-bit BI_RGB DIB
// whose rows fit the bytes.
bool parseDib8(const QByteArray &bytes, int offset, Dib &dib, QString &why);

// The same bytes as a .bmp file, decoded by Qt.
QImage decodeWithQt(const QByteArray &dib);

} // namespace picturefiles
