// The renditions in resources/renditions: each the same picture as its bitmap,
// drawn at a whole multiple of its size, so that averaged back down to the
// bitmap's size it matches the bitmap closely.

#include "../support/PictureDifference.h"
#include "PictureFiles.h"

#include "deck/CardFaceTable.h"

#include <QDir>
#include <QTest>

using namespace picturefiles;

namespace {

QImage bitmapPicture(const QString &bitmap)
{
    if (bitmap.endsWith(".dib"))
        return decodeWithQt(readAll(bitmap));
    return QImage(sourcePath(bitmap));
}

QImage rendition(const QString &name)
{
    return QImage(sourcePath("resources/renditions/" + name));
}

// Each pixel the mean of its factor x factor block.
QImage averagedDown(const QImage &source, int factor)
{
    const QImage big = source.convertToFormat(QImage::Format_RGB32);
    QImage small(big.width() / factor, big.height() / factor, QImage::Format_RGB32);
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb c = big.pixel(x * factor + dx, y * factor + dy);
                    r += qRed(c), g += qGreen(c), b += qBlue(c);
                }
            }
            const int n = factor * factor;
            small.setPixel(x, y, qRgb(r / n, g / n, b / n));
        }
    }
    return small;
}

} // namespace

class Renditions : public QObject {
    Q_OBJECT

private slots:
    void sameAsItsBitmap_data();
    void sameAsItsBitmap();
    void tellsCardsApart();
    void backKeepsItsLattice();
    void everyBitmapButTheBlankHasOne();
};

void Renditions::sameAsItsBitmap_data()
{
    QTest::addColumn<QString>("bitmap");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("factor");
    // A picture of small lettering alone differs more: the bitmap's hinted
    // letters are heavier than their outlines drawn large.
    QTest::addColumn<bool>("letteringAlone");
    for (const quillmere::CardFace &face : quillmere::Card_Face_Table()) {
        const QString id = QString::number(face.bitmapId);
        QTest::addRow("%d %s", face.cardNumber, face.name.data())
            << "resources/bitmaps/" + id + ".dib" << id + ".png" << 4 << false;
    }
    const auto art = [](const char *name, int factor, bool letteringAlone) {
        QTest::addRow("%s", name) << QString("resources/artwork/%1.bmp").arg(name) << QString("%1.png").arg(name)
                                  << factor << letteringAlone;
    };
    art("title", 4, false);
    art("star", 4, false);
    art("banner-celtic", 4, true);
    art("banner-qabalistic", 4, true);
    art("flourish-left", 2, false);
    art("flourish-right", 2, false);
}

void Renditions::sameAsItsBitmap()
{
    QFETCH(QString, bitmap);
    QFETCH(QString, name);
    QFETCH(int, factor);
    QFETCH(bool, letteringAlone);
    const QImage small = bitmapPicture(bitmap);
    const QImage large = rendition(name);
    QVERIFY2(!small.isNull() && !large.isNull(), qPrintable(bitmap + " or " + name + " does not decode"));
    QCOMPARE(large.size(), small.size() * factor);
    // A palette PNG: a byte a pixel in the program's cache once decoded.
    QCOMPARE(large.format(), QImage::Format_Indexed8);

    const PictureDifference d = PictureDifference::between(averagedDown(large, factor), small);
    QVERIFY2(d.mean < (letteringAlone ? 10.0 : 3.0), qPrintable(QString::number(d.mean)));
    QVERIFY2(d.farShare < (letteringAlone ? 0.05 : 0.01), qPrintable(QString::number(d.farShare)));
}

// The measure above sees the difference between two cards of a kind.
void Renditions::tellsCardsApart()
{
    const std::pair<int, int> pairs[] = {{148, 163}, {111, 109}, {160, 171}, {107, 105}};
    for (const auto &[own, other] : pairs) {
        const QImage large = averagedDown(rendition(QString("%1.png").arg(own)), 4);
        const QImage otherBitmap = bitmapPicture(QString("resources/bitmaps/%1.dib").arg(other));
        const PictureDifference d = PictureDifference::between(large, otherBitmap);
        QVERIFY2(d.mean > 3.0 || d.farShare > 0.01, qPrintable(QString("%1 against %2").arg(own).arg(other)));
    }
}

// Every pixel of the back a 4 x 4 block of one of its two colours: the lattice
// exactly as the bitmap has it, enlarged without blur.
void Renditions::backKeepsItsLattice()
{
    const QImage small = bitmapPicture("resources/bitmaps/141.dib");
    const QImage large = rendition("141.png");
    QCOMPARE(large.size(), QSize(216, 372));
    for (int y = 0; y < large.height(); ++y) {
        for (int x = 0; x < large.width(); ++x) {
            if (large.pixel(x, y) != small.pixel(x / 4, y / 4))
                QFAIL(qPrintable(QString("pixel %1, %2").arg(x).arg(y)));
        }
    }
}

void Renditions::everyBitmapButTheBlankHasOne()
{
    QStringList expected;
    for (int id = quillmere::FirstBitmapId; id <= quillmere::LastBitmapId; ++id) {
        if (id != quillmere::Preview_Blank)
            expected << QString("%1.png").arg(id);
    }
    expected << "banner-celtic.png"
             << "banner-qabalistic.png"
             << "flourish-left.png"
             << "flourish-right.png"
             << "star.png"
             << "title.png";
    const QStringList found = QDir(sourcePath("resources/renditions")).entryList({"*.png"}, QDir::Files, QDir::Name);
    QCOMPARE(found, expected);
}

QTEST_GUILESS_MAIN(Renditions)
#include "tst_renditions.moc"
