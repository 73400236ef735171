// The window pictures in resources/artwork and the icons in resources/icons:
// file formats and sizes, read by hand and by Qt, and what each must show.

#include "PictureFiles.h"

#include <QTest>

using namespace picturefiles;

namespace {

struct PngInfo {
    int width = 0, height = 0, bitDepth = 0, colourType = -1;
    int paletteEntries = 0;
    bool transparency = false; // a tRNS chunk
};

// Walks the PNG's chunks; false when the bytes are no PNG.
bool readPng(const QByteArray &b, PngInfo &info)
{
    if (!b.startsWith("\x89PNG\r\n\x1a\n") || b.size() < 33)
        return false;
    auto be32 = [&b](int o) {
        return static_cast<int>(static_cast<std::uint8_t>(b[o]) << 24 | static_cast<std::uint8_t>(b[o + 1]) << 16 |
                                static_cast<std::uint8_t>(b[o + 2]) << 8 | static_cast<std::uint8_t>(b[o + 3]));
    };
    int o = 8;
    while (o + 8 <= b.size()) {
        const int length = be32(o);
        const QByteArray type = b.mid(o + 4, 4);
        if (type == "IHDR") {
            info.width = be32(o + 8);
            info.height = be32(o + 12);
            info.bitDepth = static_cast<std::uint8_t>(b[o + 16]);
            info.colourType = static_cast<std::uint8_t>(b[o + 17]);
        } else if (type == "PLTE") {
            info.paletteEntries = length / 3;
        } else if (type == "tRNS") {
            info.transparency = true;
        }
        o += 12 + length;
    }
    return true;
}

bool golden(QRgb c)
{
    return qRed(c) > 150 && qGreen(c) > 100 && qBlue(c) < qGreen(c) - 40;
}

int count(const QImage &image, bool (*test)(QRgb))
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += test(image.pixel(x, y));
    }
    return n;
}

} // namespace

class WindowArtwork : public QObject {
    Q_OBJECT

private slots:
    void bmpFormat_data();
    void bmpFormat();
    void title();
    void flourishesMirrorEachOther();
    void star();
    void pngFormat_data();
    void pngFormat();
    void cursor();
    void iconDesign_data();
    void iconDesign();
};

void WindowArtwork::bmpFormat_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bitCount");
    QTest::newRow("title") << "title.bmp" << 452 << 104 << 24;
    QTest::newRow("flourish-left") << "flourish-left.bmp" << 127 << 36 << 8;
    QTest::newRow("flourish-right") << "flourish-right.bmp" << 127 << 36 << 8;
    QTest::newRow("star") << "star.bmp" << 48 << 48 << 8;
    QTest::newRow("banner-celtic") << "banner-celtic.bmp" << 192 << 33 << 8;
    QTest::newRow("banner-qabalistic") << "banner-qabalistic.bmp" << 222 << 33 << 8;
}

void WindowArtwork::bmpFormat()
{
    QFETCH(QString, file);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bitCount);
    const QByteArray b = readAll("resources/artwork/" + file);
    QVERIFY2(b.startsWith("BM"), "no BITMAPFILEHEADER");
    QCOMPARE(le32(b, 2), static_cast<std::uint32_t>(b.size()));
    QCOMPARE(le32(b, 14), 40u);
    QCOMPARE(les32(b, 18), width);
    QCOMPARE(les32(b, 22), height);
    QCOMPARE(le16(b, 26), 1u);
    QCOMPARE(le16(b, 28), static_cast<std::uint32_t>(bitCount));
    QCOMPARE(le32(b, 30), 0u);
    const int row = (width * bitCount / 8 + 3) / 4 * 4;
    const int table = bitCount == 8 ? 256 * 4 : 0;
    QCOMPARE(le32(b, 10), static_cast<std::uint32_t>(14 + 40 + table));
    QCOMPARE(b.size(), 14 + 40 + table + row * height);

    const QImage image = QImage::fromData(b, "BMP");
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(width, height));
    // Every picture lies on black: the corners are black.
    for (const QPoint &p : {QPoint(0, 0), QPoint(width - 1, 0), QPoint(0, height - 1), QPoint(width - 1, height - 1)})
        QCOMPARE(image.pixel(p) | 0xff000000u, qRgb(0, 0, 0));
    // And there is something on the black in the picture's light colours.
    int light = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            light += qGray(image.pixel(x, y)) > 140;
    }
    QVERIFY2(light >= 60, qPrintable(QString("%1 light pixels").arg(light)));
}

void WindowArtwork::title()
{
    // Two lines of metallic (golden) lettering: one in each half.
    const QImage image = QImage::fromData(readAll("resources/artwork/title.bmp"), "BMP");
    QVERIFY(!image.isNull());
    QVERIFY(count(image.copy(0, 0, 452, 52), golden) > 500);
    QVERIFY(count(image.copy(0, 52, 452, 52), golden) > 300);
}

void WindowArtwork::flourishesMirrorEachOther()
{
    const QImage left = QImage::fromData(readAll("resources/artwork/flourish-left.bmp"), "BMP");
    const QImage right = QImage::fromData(readAll("resources/artwork/flourish-right.bmp"), "BMP");
    QVERIFY(!left.isNull() && !right.isNull());
    QCOMPARE(right.size(), left.size());
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x)
            QCOMPARE(right.pixel(left.width() - 1 - x, y), left.pixel(x, y));
    }
    QVERIFY(left != right); // the scroll is not symmetric itself
}

void WindowArtwork::star()
{
    const QImage image = QImage::fromData(readAll("resources/artwork/star.bmp"), "BMP");
    QVERIFY(!image.isNull());
    const QRgb centre = image.pixel(24, 24);
    QVERIFY2(qBlue(centre) > 150 && qRed(centre) < 100, "the centre is not blue");
    QVERIFY(count(image, golden) > 200);
}

void WindowArtwork::pngFormat_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("palette");     // colour type 3
    QTest::addColumn<int>("maxColours");   // 0: no limit
    QTest::addColumn<bool>("transparent"); // a tRNS chunk
    QTest::newRow("hand-cursor") << "artwork/hand-cursor.png" << 32 << true << 256 << true;
    QTest::newRow("icon 32") << "icons/quillmere-tarot-32.png" << 32 << true << 16 << false;
    for (int size : {64, 128, 256})
        QTest::addRow("icon %d", size) << QString("icons/quillmere-tarot-%1.png").arg(size) << size << false << 0
                                       << false;
}

void WindowArtwork::pngFormat()
{
    QFETCH(QString, file);
    QFETCH(int, size);
    QFETCH(bool, palette);
    QFETCH(int, maxColours);
    QFETCH(bool, transparent);
    const QByteArray b = readAll("resources/" + file);
    PngInfo info;
    QVERIFY2(readPng(b, info), "not a PNG");
    QCOMPARE(info.width, size);
    QCOMPARE(info.height, size);
    QCOMPARE(info.colourType == 3, palette);
    if (!palette)
        QCOMPARE(info.colourType, 2); // RGB, no alpha channel
    if (maxColours > 0) {
        QVERIFY(info.paletteEntries >= 2);
        QVERIFY2(info.paletteEntries <= maxColours, qPrintable(QString("%1 colours").arg(info.paletteEntries)));
    }
    QCOMPARE(info.transparency, transparent);

    const QImage image = QImage::fromData(b, "PNG");
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(size, size));
}

void WindowArtwork::cursor()
{
    const QImage image =
        QImage::fromData(readAll("resources/artwork/hand-cursor.png"), "PNG").convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!image.isNull());
    // The hot spot is the top-left pixel: the fingertip, opaque and red.
    const QRgb tip = image.pixel(0, 0);
    QCOMPARE(qAlpha(tip), 255);
    QVERIFY(qRed(tip) > 150 && qGreen(tip) < 80 && qBlue(tip) < 80);
    // The finger goes straight down from there, white inside its outline.
    for (int y = 1; y < 10; ++y)
        QCOMPARE(image.pixel(2, y), qRgb(255, 255, 255));
    QCOMPARE(qAlpha(image.pixel(31, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(31, 31)), 0);
    int white = 0, red = 0, clear = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) == 0)
                ++clear;
            else if (c == qRgb(255, 255, 255))
                ++white;
            else if (qRed(c) > 150 && qGreen(c) < 80)
                ++red;
        }
    }
    QVERIFY(white > 100);
    QVERIFY(red > 40);
    QVERIFY(clear > 500);
    QCOMPARE(white + red + clear, 32 * 32); // nothing half-transparent, no third colour
}

void WindowArtwork::iconDesign_data()
{
    QTest::addColumn<int>("size");
    for (int size : {32, 64, 128, 256})
        QTest::addRow("%d", size) << size;
}

void WindowArtwork::iconDesign()
{
    QFETCH(int, size);
    const QImage image = QImage::fromData(readAll(QString("resources/icons/quillmere-tarot-%1.png").arg(size)), "PNG")
                             .convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!image.isNull());
    auto at = [&](double fx, double fy) {
        return image.pixel(static_cast<int>(fx * (size - 1)), static_cast<int>(fy * (size - 1)));
    };
    auto yellow = [](QRgb c) { return qRed(c) > 220 && qGreen(c) > 190 && qBlue(c) < 60; };
    // Black ground at the top-left, the sun filling the lower-right corner.
    QCOMPARE(at(0, 0), qRgb(0, 0, 0));
    QCOMPARE(at(1, 0), qRgb(0, 0, 0));
    QCOMPARE(at(0, 1), qRgb(0, 0, 0));
    QVERIFY(yellow(at(1, 1)));
    QVERIFY(yellow(at(0.8, 0.97)));
    int opaque = 0, green = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb c = image.pixel(x, y);
            opaque += qAlpha(c) == 255;
            green += qGreen(c) > 100 && qRed(c) < 60 && qBlue(c) < 100;
        }
    }
    QCOMPARE(opaque, size * size);
    QVERIFY2(green >= size / 16, "no green dots");
}

QTEST_GUILESS_MAIN(WindowArtwork)
#include "tst_windowartwork.moc"
