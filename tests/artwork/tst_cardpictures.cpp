// The 80 card bitmaps in resources/bitmaps: their exact format, and the parts of
// every picture the program relies on (the faces' white border and dark field,
// the major arcana's band, the back's lattice, the blank's grey).

#include "PictureFiles.h"

#include "deck/CardFaceTable.h"

#include <QDir>
#include <QTest>
#include <algorithm>

using namespace picturefiles;
using quillmere::CardFace;
using quillmere::Suit;

namespace {

// Face geometry, as the program draws around it.
constexpr int kFaceW = 200, kFaceH = 303, kBorder = 5, kBandH = 24;
constexpr int kBackW = 54, kBackH = 93;

QString bitmapPath(int id)
{
    return QString("resources/bitmaps/%1.dib").arg(id);
}

bool loadDib(int id, Dib &dib)
{
    QString why;
    const bool ok = parseDib8(readAll(bitmapPath(id)), 0, dib, why);
    if (!ok)
        qWarning("%s: %s", qPrintable(bitmapPath(id)), qPrintable(why));
    return ok;
}

bool nearBlack(QRgb c)
{
    return qRed(c) <= 24 && qGreen(c) <= 24 && qBlue(c) <= 24;
}

bool whiteish(QRgb c)
{
    return qRed(c) >= 200 && qGreen(c) >= 200 && qBlue(c) >= 200;
}

QString hex(QRgb c)
{
    return QString("(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

} // namespace

class CardBitmaps : public QObject {
    Q_OBJECT

  private slots:
    void everyNumberHasOneFile();
    void format_data();
    void format();
    void face_data();
    void face();
    void lastTrumpsInsideTheRule_data();
    void lastTrumpsInsideTheRule();
    void back();
    void blank();
};

void CardBitmaps::everyNumberHasOneFile()
{
    QStringList expected;
    for (int id = quillmere::FirstBitmapId; id <= quillmere::LastBitmapId; ++id)
        expected << QString("%1.dib").arg(id);
    const QStringList found =
        QDir(sourcePath("resources/bitmaps")).entryList({"*.dib"}, QDir::Files, QDir::Name);
    QCOMPARE(found, expected);
}

void CardBitmaps::format_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    for (int id = quillmere::FirstBitmapId; id <= quillmere::LastBitmapId; ++id) {
        const bool back = id == quillmere::Card_Back;
        QTest::addRow("%d", id) << id << (back ? kBackW : kFaceW) << (back ? kBackH : kFaceH);
    }
}

void CardBitmaps::format()
{
    QFETCH(int, id);
    QFETCH(int, width);
    QFETCH(int, height);
    const QByteArray bytes = readAll(bitmapPath(id));
    const int row = (width + 3) / 4 * 4;
    QCOMPARE(bytes.size(), 40 + 256 * 4 + row * height);

    Dib dib;
    QVERIFY(loadDib(id, dib));
    QCOMPARE(dib.width, width);
    QCOMPARE(dib.height, height); // positive: bottom-up rows
    QCOMPARE(dib.planes, 1u);
    QCOMPARE(dib.bitCount, 8u);
    QCOMPARE(dib.compression, 0u);
    QCOMPARE(dib.imageSize, static_cast<std::uint32_t>(row * height));
    QCOMPARE(dib.clrUsed, 256u);
    QCOMPARE(dib.clrImportant, 0u);
    QVERIFY(dib.tableReservedBytesZero);
    QVERIFY(dib.rowPaddingZero);
    // The colour table's entries past the last one the pixels use are zero.
    const int highest = *std::max_element(dib.index.begin(), dib.index.end());
    for (int i = highest + 1; i < 256; ++i)
        QCOMPARE(dib.table[static_cast<std::size_t>(i)] & 0xffffffu, 0u);

    // Qt reads the same picture out of the bytes.
    const QImage decoded = decodeWithQt(bytes);
    QVERIFY(!decoded.isNull());
    QCOMPARE(decoded.size(), QSize(width, height));
    for (const QPoint &p : {QPoint(0, 0), QPoint(width - 1, 0), QPoint(width / 2, height / 2),
                            QPoint(width / 3, height - 1), QPoint(width - 1, height - 2)})
        QCOMPARE(decoded.pixel(p) | 0xff000000u, dib.pixel(p.x(), p.y()) | 0xff000000u);
}

void CardBitmaps::face_data()
{
    QTest::addColumn<int>("cardNumber");
    for (const CardFace &face : quillmere::Card_Face_Table())
        QTest::addRow("%d %s", face.cardNumber, face.name.data()) << face.cardNumber;
}

void CardBitmaps::face()
{
    QFETCH(int, cardNumber);
    const CardFace face = *quillmere::cardFace(cardNumber);
    Dib dib;
    QVERIFY(loadDib(face.bitmapId, dib));
    QCOMPARE(dib.width, kFaceW);
    QCOMPARE(dib.height, kFaceH);

    // The white border: every pixel within kBorder of an edge.
    for (int y = 0; y < kFaceH; ++y) {
        for (int x = 0; x < kFaceW; ++x) {
            const bool border = x < kBorder || y < kBorder || x >= kFaceW - kBorder || y >= kFaceH - kBorder;
            if (border && dib.pixel(x, y) != qRgb(255, 255, 255))
                QFAIL(qPrintable(
                    QString("border pixel (%1,%2) is %3").arg(x).arg(y).arg(hex(dib.pixel(x, y)))));
        }
    }
    // The near-black field: its outermost ring of pixels, just inside the border,
    // and its corners are left dark by every picture.
    const int left = kBorder, top = kBorder, right = kFaceW - kBorder - 1, bottom = kFaceH - kBorder - 1;
    for (int x = left; x <= right; ++x) {
        QVERIFY2(nearBlack(dib.pixel(x, top)), qPrintable(QString("field top at x=%1").arg(x)));
        QVERIFY2(nearBlack(dib.pixel(x, bottom)), qPrintable(QString("field bottom at x=%1").arg(x)));
    }
    for (int y = top; y <= bottom; ++y) {
        QVERIFY2(nearBlack(dib.pixel(left, y)), qPrintable(QString("field left at y=%1").arg(y)));
        QVERIFY2(nearBlack(dib.pixel(right, y)), qPrintable(QString("field right at y=%1").arg(y)));
    }
    // The picture itself is more than the ground: some pixels are bright.
    int bright = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x)
            bright += qGray(dib.pixel(x, y)) > 100;
    }
    QVERIFY2(bright > 1000, qPrintable(QString("only %1 bright pixels").arg(bright)));

    // The band: black along the bottom of the field on the major arcana, with
    // white lettering at its left end (the Hebrew letter) and in the middle
    // (the title); on the minor arcana no band and no lettering there.
    const int bandTop = bottom + 1 - kBandH;
    auto whiteIn = [&](int x0, int x1) {
        int n = 0;
        for (int y = bandTop; y <= bottom; ++y) {
            for (int x = x0; x <= x1; ++x)
                n += whiteish(dib.pixel(x, y));
        }
        return n;
    };
    if (face.suit == Suit::MajorArcana) {
        int black = 0;
        for (int y = bandTop; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x)
                black += dib.pixel(x, y) == qRgb(0, 0, 0);
        }
        QVERIFY2(black * 10 >= (right - left + 1) * kBandH * 6, qPrintable(QString("%1 black").arg(black)));
        for (int x = left; x <= right; ++x) {
            QCOMPARE(dib.pixel(x, bandTop), qRgb(0, 0, 0));
            QCOMPARE(dib.pixel(x, bottom), qRgb(0, 0, 0));
        }
        // The letter: even the small Yod covers a handful of white pixels.
        QVERIFY2(whiteIn(left, left + 20) >= 6, "no Hebrew letter at the band's left end");
        QVERIFY2(whiteIn(kFaceW / 2 - 15, kFaceW / 2 + 15) >= 15, "no title in the middle of the band");
        // The field above the band is the field's own dark grey, not the band's black.
        QVERIFY(nearBlack(dib.pixel(left, bandTop - 1)));
        QVERIFY(dib.pixel(left, bandTop - 1) != qRgb(0, 0, 0));
    } else {
        QCOMPARE(whiteIn(left, right), 0);
    }
}

void CardBitmaps::lastTrumpsInsideTheRule_data()
{
    QTest::addColumn<int>("cardNumber");
    for (const CardFace &face : quillmere::Card_Face_Table()) {
        if (face.suit == Suit::MajorArcana && face.cardNumber >= 12)
            QTest::addRow("%d %s", face.cardNumber, face.name.data()) << face.cardNumber;
    }
}

// Strength to The World paint their scenes inside the faint rule (3 pixels in
// from the field's edge, and 3 above the band). The figure kit can draw past a
// painter's clip, so a figure lying near the edge may spill a fold or a hem
// into the margin: between the field's edge and the rule all stays dark.
void CardBitmaps::lastTrumpsInsideTheRule()
{
    QFETCH(int, cardNumber);
    const CardFace face = *quillmere::cardFace(cardNumber);
    Dib dib;
    QVERIFY(loadDib(face.bitmapId, dib));
    const int left = kBorder, top = kBorder, right = kFaceW - kBorder - 1;
    const int bandTop = kFaceH - kBorder - kBandH;
    for (int y = top; y < bandTop; ++y) {
        for (int x = left; x <= right; ++x) {
            const bool margin = x < left + 3 || x > right - 3 || y < top + 3 || y >= bandTop - 3;
            if (margin && !nearBlack(dib.pixel(x, y)))
                QFAIL(qPrintable(
                    QString("margin pixel (%1,%2) is %3").arg(x).arg(y).arg(hex(dib.pixel(x, y)))));
        }
    }
}

void CardBitmaps::back()
{
    // Inside the 1-pixel black frame, pixel (x, y) is a black dot exactly when
    // x % 4 == (y even ? 0 : 2); every other pixel is pure blue.
    Dib dib;
    QVERIFY(loadDib(quillmere::Card_Back, dib));
    QCOMPARE(dib.width, kBackW);
    QCOMPARE(dib.height, kBackH);
    for (int y = 0; y < kBackH; ++y) {
        for (int x = 0; x < kBackW; ++x) {
            const bool frame = x == 0 || y == 0 || x == kBackW - 1 || y == kBackH - 1;
            const bool dot = x % 4 == (y % 2 == 0 ? 0 : 2);
            const QRgb expected = frame || dot ? qRgb(0, 0, 0) : qRgb(0, 0, 255);
            if (dib.pixel(x, y) != expected)
                QFAIL(
                    qPrintable(QString("back pixel (%1,%2) is %3").arg(x).arg(y).arg(hex(dib.pixel(x, y)))));
        }
    }
}

void CardBitmaps::blank()
{
    Dib dib;
    QVERIFY(loadDib(quillmere::Preview_Blank, dib));
    QCOMPARE(dib.width, kFaceW);
    QCOMPARE(dib.height, kFaceH);
    for (int y = 0; y < kFaceH; ++y) {
        for (int x = 0; x < kFaceW; ++x) {
            if (dib.pixel(x, y) != qRgb(192, 192, 192))
                QFAIL(
                    qPrintable(QString("blank pixel (%1,%2) is %3").arg(x).arg(y).arg(hex(dib.pixel(x, y)))));
        }
    }
}

QTEST_GUILESS_MAIN(CardBitmaps)
#include "tst_cardpictures.moc"
