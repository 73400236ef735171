#include "CardBitmaps.h"

#include "CardFaceTable.h"
#include "errors/FatalError.h"

#include <QResource>
#include <QtEndian>

namespace quillmere::CardBitmaps {

namespace {

constexpr qsizetype kInfoHeaderSize = 40;
constexpr qsizetype kPaletteSize = 256 * 4;
constexpr qsizetype kFileHeaderSize = 14;

qint32 int32At(QByteArrayView data, qsizetype offset)
{
    return qFromLittleEndian<qint32>(data.data() + offset);
}

quint16 uint16At(QByteArrayView data, qsizetype offset)
{
    return qFromLittleEndian<quint16>(data.data() + offset);
}

CardBitmaps::Source &source()
{
    static CardBitmaps::Source current;
    return current;
}

[[noreturn]] void reject(int bitmapId, const QString &why)
{
    throw FatalError(QStringLiteral("Picture %1 of the program is damaged: %2.").arg(bitmapId).arg(why));
}

} // namespace

QSize expectedSize(int bitmapId)
{
    return bitmapId == Card_Back ? BackSize : FaceSize;
}

QImage decode(QByteArrayView dib, int bitmapId)
{
    const QSize size = expectedSize(bitmapId);
    if (dib.size() < kInfoHeaderSize)
        reject(bitmapId, QStringLiteral("its header is cut short (%1 bytes)").arg(dib.size()));
    if (int32At(dib, 0) != kInfoHeaderSize)
        reject(bitmapId, QStringLiteral("its header is not a 40-byte bitmap header"));
    const qint32 width = int32At(dib, 4);
    const qint32 height = int32At(dib, 8);
    if (width != size.width() || height != size.height())
        reject(bitmapId, QStringLiteral("it measures %1 by %2 pixels instead of %3 by %4")
                             .arg(width)
                             .arg(height)
                             .arg(size.width())
                             .arg(size.height()));
    if (uint16At(dib, 12) != 1)
        reject(bitmapId, QStringLiteral("it has %1 planes instead of 1").arg(uint16At(dib, 12)));
    if (uint16At(dib, 14) != 8)
        reject(bitmapId, QStringLiteral("it has %1 bits per pixel instead of 8").arg(uint16At(dib, 14)));
    if (int32At(dib, 16) != 0)
        reject(bitmapId, QStringLiteral("it is compressed"));
    const qint32 coloursUsed = int32At(dib, 32);
    if (coloursUsed != 0 && coloursUsed != 256)
        reject(bitmapId, QStringLiteral("its palette has %1 colours instead of 256").arg(coloursUsed));

    const qsizetype rowBytes = (qsizetype(width) + 3) / 4 * 4;
    const qsizetype expected = kInfoHeaderSize + kPaletteSize + rowBytes * height;
    if (dib.size() != expected)
        reject(bitmapId, QStringLiteral("it holds %1 bytes instead of %2").arg(dib.size()).arg(expected));

    // Qt reads bitmap files, not the bare form a resource holds: put the file header back.
    QByteArray file(kFileHeaderSize, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(kFileHeaderSize + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(quint32(kFileHeaderSize + kInfoHeaderSize + kPaletteSize), file.data() + 10);
    file.append(dib.data(), dib.size());

    QImage image;
    if (!image.loadFromData(file, "BMP") || image.size() != size)
        reject(bitmapId, QStringLiteral("it cannot be decoded"));
    return image;
}

QByteArray carriedBytes(int bitmapId)
{
    const QResource resource(QStringLiteral(":/bitmaps/%1.dib").arg(bitmapId));
    return resource.isValid() ? resource.uncompressedData() : QByteArray();
}

Source replaceSource(Source replacement)
{
    return std::exchange(source(), std::move(replacement));
}

QImage loadImage(int bitmapId)
{
    if (bitmapId < FirstBitmapId || bitmapId > LastBitmapId)
        throw FatalError(QStringLiteral("The program has no picture numbered %1.").arg(bitmapId));
    const QByteArray data = source() ? source()(bitmapId) : carriedBytes(bitmapId);
    if (data.isNull())
        throw FatalError(QStringLiteral("Picture %1 is missing from the program.").arg(bitmapId));
    return decode(data, bitmapId);
}

QPixmap load(int bitmapId)
{
    return QPixmap::fromImage(loadImage(bitmapId));
}

} // namespace quillmere::CardBitmaps
