// The artwork generator's palette reduction (compiled in from tools/artwork/src):
// large flat areas keep their exact colour, nothing is dithered, and the
// palette stays within its limit.

#include "Quantize.h"

#include <QPainter>
#include <QTest>

using namespace artwork;

namespace {

// Flat areas in a few colours, and over them a smooth disc whose antialiased
// edge and radial gradient need far more colours than any palette holds.
QImage testPicture(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(12, 12, 12));
    QPainter p(&image);
    p.fillRect(0, 0, size / 2, size / 2, QColor(255, 255, 255));
    p.fillRect(size / 2, size / 2, size / 2, size / 2, QColor(0, 0, 255));
    // Two golds and two reds only a few steps apart: an average would merge them.
    p.fillRect(size / 2, 0, size / 4, size / 2, QColor(236, 188, 64));
    p.fillRect(3 * size / 4, 0, size / 4, size / 2, QColor(230, 182, 58));
    p.fillRect(0, size / 2, size / 4, size / 2, QColor(204, 34, 30));
    p.fillRect(size / 4, size / 2, size / 4, size / 2, QColor(196, 28, 26));
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient gradient(size / 2.0, size / 2.0, size / 4.0);
    gradient.setColorAt(0, QColor(250, 200, 40));
    gradient.setColorAt(1, QColor(90, 10, 120));
    p.setBrush(gradient);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(size / 2.0, size / 2.0), size / 4.0, size / 4.0);
    return image;
}

const QRgb kFlat[] = {qRgb(12, 12, 12),   qRgb(255, 255, 255), qRgb(0, 0, 255),  qRgb(236, 188, 64),
                      qRgb(230, 182, 58), qRgb(204, 34, 30),   qRgb(196, 28, 26)};

} // namespace

class Quantize : public QObject {
    Q_OBJECT

private slots:
    void flatAreasStayExact_data();
    void flatAreasStayExact();
    void fewColoursAreKeptAsTheyAre();
};

void Quantize::flatAreasStayExact_data()
{
    QTest::addColumn<int>("maxColours");
    QTest::addColumn<int>("size");
    QTest::newRow("256 colours") << 256 << 200;
    QTest::newRow("16 colours") << 16 << 64;
}

void Quantize::flatAreasStayExact()
{
    QFETCH(int, maxColours);
    QFETCH(int, size);
    const QImage source = testPicture(size);
    QuantizeOptions options;
    options.maxColours = maxColours;
    options.keep = {qRgb(12, 12, 12)};
    const IndexedImage out = quantize(source, options);

    QCOMPARE(out.width, size);
    QCOMPARE(out.height, size);
    QVERIFY(static_cast<int>(out.palette.size()) <= maxColours);
    QVERIFY(static_cast<int>(out.palette.size()) >= maxColours / 2); // the edges got colours too
    // Every pixel of a flat area, and the ground, comes out exactly as drawn:
    // no dither speckles anywhere.
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb in = source.pixel(x, y) | 0xff000000u;
            const bool flat = std::find(std::begin(kFlat), std::end(kFlat), in) != std::end(kFlat);
            if (flat && out.colourAt(x, y) != in)
                QFAIL(qPrintable(QString("pixel (%1,%2) changed colour").arg(x).arg(y)));
        }
    }
    // The gradient is approximated closely on average.
    double error = 0;
    int n = 0;
    for (int y = size / 4; y < 3 * size / 4; ++y) {
        const QRgb in = source.pixel(size / 2, y), got = out.colourAt(size / 2, y);
        error += std::abs(qRed(in) - qRed(got)) + std::abs(qGreen(in) - qGreen(got)) + std::abs(qBlue(in) - qBlue(got));
        ++n;
    }
    QVERIFY2(error / n < (maxColours == 256 ? 12 : 60), qPrintable(QString("mean error %1").arg(error / n)));
    // Every palette entry is used.
    std::vector<bool> used(out.palette.size(), false);
    for (std::uint8_t i : out.pixels)
        used[i] = true;
    QVERIFY(std::all_of(used.begin(), used.end(), [](bool u) { return u; }));
}

void Quantize::fewColoursAreKeptAsTheyAre()
{
    QImage image(7, 3, QImage::Format_RGB32);
    for (int x = 0; x < 7; ++x) {
        for (int y = 0; y < 3; ++y)
            image.setPixel(x, y, qRgb(x * 40, y * 100, 7));
    }
    const IndexedImage out = quantize(image);
    QCOMPARE(static_cast<int>(out.palette.size()), 21);
    for (int x = 0; x < 7; ++x) {
        for (int y = 0; y < 3; ++y)
            QCOMPARE(out.colourAt(x, y), qRgb(x * 40, y * 100, 7));
    }
}

QTEST_GUILESS_MAIN(Quantize)
#include "tst_quantize.moc"
