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
    void rim_data();
    void rim();
    void back();
    void blank();
};

void CardBitmaps::everyNumberHasOneFile()
{
    QStringList expected;
    for (int id = quillmere::FirstBitmapId; id <= quillmere::LastBitmapId; ++id)
        expected << QString("%1.dib").arg(id);
    const QStringList found = QDir(sourcePath("resources/bitmaps")).entryList({"*.dib"}, QDir::Files, QDir::Name);
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

    const int left = kBorder, top = kBorder, right = kFaceW - kBorder - 1, bottom = kFaceH - kBorder - 1;
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

void CardBitmaps::rim_data()
{
    face_data();
}

// Round every picture, from the outside in: the white border, a margin of the
// near-black field three pixels wide, and the faint rule, unbroken and all of
// one colour. The picture and its lettering stay inside the rule, so the dark
// margin shows all round; on the major arcana the band below ends the rule.
void CardBitmaps::rim()
{
    QFETCH(int, cardNumber);
    const CardFace face = *quillmere::cardFace(cardNumber);
    Dib dib;
    QVERIFY(loadDib(face.bitmapId, dib));
    const int left = kBorder, top = kBorder, right = kFaceW - kBorder - 1, bottom = kFaceH - kBorder - 1;
    const int bandTop = bottom + 1 - kBandH;
    const bool major = face.suit == Suit::MajorArcana;
    // The rule's rectangle, three pixels in from the field's edge and, on the
    // major arcana, four pixels above the band.
    const int ruleLeft = left + 3, ruleRight = right - 3, ruleTop = top + 3;
    const int ruleBottom = major ? bandTop - 4 : bottom - 3;
    const int marginBottom = major ? bandTop - 1 : bottom;
    const QRgb rule = dib.pixel(ruleLeft, ruleTop);
    QVERIFY2(!nearBlack(rule), qPrintable(QString("no rule at its corner, found %1").arg(hex(rule))));
    for (int y = 0; y < kFaceH; ++y) {
        for (int x = 0; x < kFaceW; ++x) {
            const QRgb c = dib.pixel(x, y);
            const bool border = x < left || y < top || x > right || y > bottom;
            const bool onRule = ((x == ruleLeft || x == ruleRight) && y >= ruleTop && y <= ruleBottom) ||
                                ((y == ruleTop || y == ruleBottom) && x >= ruleLeft && x <= ruleRight);
            const bool margin = !border && y <= marginBottom &&
                                (x < ruleLeft || x > ruleRight || y < ruleTop || y > ruleBottom);
            const char *wrong = border && c != qRgb(255, 255, 255) ? "border"
                                : onRule && c != rule              ? "rule"
                                : margin && !nearBlack(c)          ? "margin"
                                                                   : nullptr;
            if (wrong)
                QFAIL(qPrintable(QString("%1 pixel (%2,%3) is %4").arg(wrong).arg(x).arg(y).arg(hex(c))));
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
                QFAIL(qPrintable(QString("back pixel (%1,%2) is %3").arg(x).arg(y).arg(hex(dib.pixel(x, y)))));
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
                QFAIL(qPrintable(QString("blank pixel (%1,%2) is %3").arg(x).arg(y).arg(hex(dib.pixel(x, y)))));
        }
    }
}

QTEST_GUILESS_MAIN(CardBitmaps)
#include "tst_cardpictures.moc"
