#pragma once

// Writers for the picture files the program loads: the card bitmaps as bitmap
// resources (a device-independent bitmap without its file header) and .bmp
// files with their file header.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace artwork {

// An 8-bit picture: one palette index per pixel, rows top-down.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width * height indices
    std::vector<QRgb> palette;        // at most 256 colours; alpha kept for PNG only

    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    QRgb colourAt(int x, int y) const { return palette[at(x, y)]; }
    QImage toQImage() const; // Format_Indexed8, for PNG files and contact sheets
};

// Every pixel made a factor x factor block of the same index: enlarged without blur.
IndexedImage blockEnlarged(const IndexedImage &image, int factor);

// BITMAPINFOHEADER + 256-entry colour table + bottom-up rows padded to 4 bytes.
QByteArray dibBytes(const IndexedImage &image);
// The same with the 14-byte BITMAPFILEHEADER in front.
QByteArray bmp8Bytes(const IndexedImage &image);
// A 24 bits per pixel .bmp file (no colour table) of an opaque picture.
QByteArray bmp24Bytes(const QImage &image);

// Writes only when the bytes differ, so an unchanged picture keeps its file time.
void writeFile(const QString &path, const QByteArray &bytes);
// A PNG written by Qt: palette PNG for Format_Indexed8, RGB for Format_RGB32.
QByteArray pngBytes(const QImage &image);

} // namespace artwork
