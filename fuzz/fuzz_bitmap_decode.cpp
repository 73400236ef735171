// Feeds arbitrary bytes to CardBitmaps::decode() as a face (148) and as the back
// (141). Either it refuses them with FatalError naming the bitmap, or it returns
// an image of exactly the expected size holding the pixels and colours the bytes
// describe. Any other exception ends the run as a crash.
#include "deck/CardBitmaps.h"
#include "errors/FatalError.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, int id, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "CardBitmaps::decode(%d): %s\n", id, what);
        std::abort();
    }
}

// The accepted form: a 40-byte header, 256 palette entries (blue, green, red,
// unused) and the rows bottom-up, each padded to four bytes.
void checkPixels(const QImage &image, const uint8_t *data, int id)
{
    const int width = image.width();
    const int height = image.height();
    const int rowBytes = (width + 3) / 4 * 4;
    require(image.format() == QImage::Format_Indexed8, id, "the image keeps its palette");
    require(image.colorCount() == 256, id, "the palette has 256 colours");
    for (int i = 0; i < 256; ++i) {
        const uint8_t *entry = data + 40 + 4 * i;
        require(image.color(i) == qRgb(entry[2], entry[1], entry[0]), id, "the palette is the one stored");
    }
    for (int y = 0; y < height; ++y) {
        const uint8_t *row = data + 40 + 1024 + qsizetype(height - 1 - y) * rowBytes;
        const uchar *line = image.constScanLine(y);
        for (int x = 0; x < width; ++x)
            require(line[x] == row[x], id, "every pixel is the one stored");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView dib(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const int id : {148, 141}) {
        try {
            const QImage image = quillmere::CardBitmaps::decode(dib, id);
            require(image.size() == quillmere::CardBitmaps::expectedSize(id), id, "the image has the expected size");
            checkPixels(image, data, id);
        } catch (const quillmere::FatalError &error) {
            require(error.message().contains(QString::number(id)), id, "the refusal names the bitmap");
        }
    }
    return 0;
}
