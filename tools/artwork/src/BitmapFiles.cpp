#include "BitmapFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace artwork {

namespace {

void put16(QByteArray &out, std::uint32_t v)
{
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>((v >> 8) & 0xff));
}

void put32(QByteArray &out, std::uint32_t v)
{
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 2835; // 72 dots per inch

std::uint32_t paddedRow(int bytesPerRow)
{
    return static_cast<std::uint32_t>((bytesPerRow + 3) / 4 * 4);
}

void putInfoHeader(QByteArray &out, int width, int height, int bitCount, std::uint32_t imageSize,
                   std::uint32_t coloursUsed)
{
    put32(out, kInfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height)); // positive: rows stored bottom-up
    put16(out, 1);                                  // planes
    put16(out, static_cast<std::uint32_t>(bitCount));
    put32(out, 0); // BI_RGB
    put32(out, imageSize);
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, coloursUsed);
    put32(out, 0); // all colours important
}

void putFileHeader(QByteArray &out, std::uint32_t fileSize, std::uint32_t pixelOffset)
{
    out.append("BM", 2);
    put32(out, fileSize);
    put32(out, 0); // reserved
    put32(out, pixelOffset);
}

} // namespace

QImage IndexedImage::toQImage() const
{
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    for (int y = 0; y < height; ++y)
        std::copy_n(&pixels[static_cast<std::size_t>(y * width)], width, image.scanLine(y));
    return image;
}

IndexedImage blockEnlarged(const IndexedImage &image, int factor)
{
    IndexedImage out;
    out.width = image.width * factor;
    out.height = image.height * factor;
    out.palette = image.palette;
    out.pixels.resize(static_cast<std::size_t>(out.width * out.height));
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x)
            out.pixels[static_cast<std::size_t>(y * out.width + x)] = image.at(x / factor, y / factor);
    }
    return out;
}

QByteArray dibBytes(const IndexedImage &image)
{
    if (image.palette.size() > 256 || image.pixels.size() != static_cast<std::size_t>(image.width * image.height))
        throw std::runtime_error("dibBytes: malformed indexed picture");
    const std::uint32_t row = paddedRow(image.width);
    QByteArray out;
    putInfoHeader(out, image.width, image.height, 8, row * static_cast<std::uint32_t>(image.height), 256);
    for (std::size_t i = 0; i < 256; ++i) {
        const QRgb c = i < image.palette.size() ? image.palette[i] : 0;
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    for (int y = image.height - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char *>(&image.pixels[static_cast<std::size_t>(y * image.width)]),
                   image.width);
        out.append(QByteArray(static_cast<qsizetype>(row) - image.width, '\0'));
    }
    return out;
}

QByteArray bmp8Bytes(const IndexedImage &image)
{
    const QByteArray dib = dibBytes(image);
    QByteArray out;
    putFileHeader(out, kFileHeaderSize + static_cast<std::uint32_t>(dib.size()),
                  kFileHeaderSize + kInfoHeaderSize + 256 * 4);
    out.append(dib);
    return out;
}

QByteArray bmp24Bytes(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const std::uint32_t row = paddedRow(image.width() * 3);
    const std::uint32_t imageSize = row * static_cast<std::uint32_t>(image.height());
    QByteArray out;
    putFileHeader(out, kFileHeaderSize + kInfoHeaderSize + imageSize, kFileHeaderSize + kInfoHeaderSize);
    putInfoHeader(out, image.width(), image.height(), 24, imageSize, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
        }
        out.append(QByteArray(static_cast<qsizetype>(row) - image.width() * 3, '\0'));
    }
    return out;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG", 9))
        throw std::runtime_error("could not encode a PNG");
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == bytes)
        return;
    old.close();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("could not write " + path.toStdString());
}

} // namespace artwork
