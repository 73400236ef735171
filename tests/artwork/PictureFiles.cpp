#include "PictureFiles.h"

#include <QFile>

namespace picturefiles {

QString sourcePath(const QString &relative)
{
    return QStringLiteral(QUILLMERE_SOURCE_DIR "/") + relative;
}

QByteArray readAll(const QString &relative)
{
    QFile file(sourcePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::uint32_t le16(const QByteArray &b, int o)
{
    return static_cast<std::uint8_t>(b[o]) | static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[o + 1])) << 8;
}

std::uint32_t le32(const QByteArray &b, int o)
{
    return le16(b, o) | le16(b, o + 2) << 16;
}

std::int32_t les32(const QByteArray &b, int o)
{
    return static_cast<std::int32_t>(le32(b, o));
}

bool parseDib8(const QByteArray &b, int o, Dib &dib, QString &why)
{
    if (b.size() < o + 40) {
        why = "shorter than a BITMAPINFOHEADER";
        return false;
    }
    dib.headerSize = le32(b, o);
    dib.width = les32(b, o + 4);
    dib.height = les32(b, o + 8);
    dib.planes = le16(b, o + 12);
    dib.bitCount = le16(b, o + 14);
    dib.compression = le32(b, o + 16);
    dib.imageSize = le32(b, o + 20);
    dib.clrUsed = le32(b, o + 32);
    dib.clrImportant = le32(b, o + 36);
    if (dib.headerSize != 40 || dib.bitCount != 8 || dib.compression != 0 || dib.width <= 0 || dib.height <= 0) {
        why = "not an 8-bit uncompressed DIB with a 40-byte header";
        return false;
    }
    const int tableAt = o + 40;
    const int pixelsAt = tableAt + 256 * 4;
    const int row = (dib.width + 3) / 4 * 4;
    if (b.size() < pixelsAt + row * dib.height) {
        why = "too short for its rows";
        return false;
    }
    dib.table.clear();
    for (int i = 0; i < 256; ++i) {
        const int e = tableAt + 4 * i;
        dib.table.push_back(qRgb(static_cast<std::uint8_t>(b[e + 2]), static_cast<std::uint8_t>(b[e + 1]),
                                 static_cast<std::uint8_t>(b[e])));
        if (b[e + 3] != 0)
            dib.tableReservedBytesZero = false;
    }
    dib.index.assign(static_cast<std::size_t>(dib.width * dib.height), 0);
    for (int y = 0; y < dib.height; ++y) {
        const int stored = pixelsAt + (dib.height - 1 - y) * row; // bottom-up
        for (int x = 0; x < dib.width; ++x)
            dib.index[static_cast<std::size_t>(y * dib.width + x)] = static_cast<std::uint8_t>(b[stored + x]);
        for (int x = dib.width; x < row; ++x) {
            if (b[stored + x] != 0)
                dib.rowPaddingZero = false;
        }
    }
    return true;
}

QImage decodeWithQt(const QByteArray &dib)
{
    QByteArray file("BM", 2);
    auto put32 = [&file](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file.append(static_cast<char>((v >> (8 * i)) & 0xff));
    };
    put32(static_cast<std::uint32_t>(14 + dib.size()));
    put32(0);
    put32(14 + 40 + 256 * 4);
    file.append(dib);
    return QImage::fromData(file, "BMP");
}

} // namespace picturefiles
