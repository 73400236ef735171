#include "deck/CardBitmaps.h"
#include "deck/CardFaceTable.h"
#include "errors/FatalError.h"

#include <QTest>
#include <QtEndian>
#include <set>

using namespace quillmere;

namespace {

// A headerless 8-bit bitmap as the program carries them. Palette entry i is
// (i, 255 - i, 7); the top row uses index 200 and every other row index 10.
QByteArray makeDib(int width, int height)
{
    const int rowBytes = (width + 3) / 4 * 4;
    QByteArray dib(40 + 1024 + rowBytes * height, '\0');
    char *p = dib.data();
    qToLittleEndian<qint32>(40, p);
    qToLittleEndian<qint32>(width, p + 4);
    qToLittleEndian<qint32>(height, p + 8);
    qToLittleEndian<quint16>(1, p + 12);
    qToLittleEndian<quint16>(8, p + 14);
    qToLittleEndian<qint32>(rowBytes * height, p + 20);
    qToLittleEndian<qint32>(256, p + 32);
    for (int i = 0; i < 256; ++i) {
        p[40 + 4 * i] = char(7);
        p[40 + 4 * i + 1] = char(255 - i);
        p[40 + 4 * i + 2] = char(i);
    }
    for (int row = 0; row < height; ++row) { // stored bottom-up: the last stored row is the top
        const char index = row == height - 1 ? char(200) : char(10);
        memset(p + 1064 + row * rowBytes, index, size_t(width));
    }
    return dib;
}

void poke32(QByteArray &dib, int offset, qint32 value)
{
    qToLittleEndian<qint32>(value, dib.data() + offset);
}

void poke16(QByteArray &dib, int offset, quint16 value)
{
    qToLittleEndian<quint16>(value, dib.data() + offset);
}

} // namespace

class TestCardBitmaps : public QObject {
    Q_OBJECT
private slots:
    void tableMapsCardsToFaces_data();
    void tableMapsCardsToFaces();
    void tableIsOneToOneOntoTheFaces();
    void decodesAWellFormedBitmap();
    void rejectsDamagedBitmaps_data();
    void rejectsDamagedBitmaps();
    void everyBitmapLoadsWithItsSize();
    void unknownNumbersFailCleanly();
};

void TestCardBitmaps::tableMapsCardsToFaces_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<int>("bitmap");
    QTest::addColumn<QString>("name");
    QTest::newRow("The Fool") << 1 << 148 << "The Fool";
    QTest::newRow("The World") << 22 << 101 << "The World";
    QTest::newRow("The Hanging Man") << 13 << 150 << "The Hanging Man";
    QTest::newRow("King of Swords") << 23 << 160 << "King of Swords";
    QTest::newRow("Ten of Pentacles") << 69 << 180 << "Ten of Pentacles";
    QTest::newRow("Ace of Pentacles") << 78 << 105 << "Ace of Pentacles";
}

void TestCardBitmaps::tableMapsCardsToFaces()
{
    QFETCH(int, card);
    QFETCH(int, bitmap);
    QFETCH(QString, name);
    const auto face = cardFace(card);
    QVERIFY(face.has_value());
    QCOMPARE(face->bitmapId, bitmap);
    QCOMPARE(QString::fromLatin1(face->name), name);
}

void TestCardBitmaps::tableIsOneToOneOntoTheFaces()
{
    std::set<int> ids;
    for (const CardFace &face : Card_Face_Table()) {
        QVERIFY(face.bitmapId >= FirstBitmapId && face.bitmapId <= LastBitmapId);
        ids.insert(face.bitmapId);
        QCOMPARE(face.title.empty(), face.suit != Suit::MajorArcana);
    }
    QCOMPARE(ids.size(), std::size_t(78));
    QVERIFY(!ids.contains(Card_Back));
    QVERIFY(!ids.contains(Preview_Blank));
    QVERIFY(!cardFace(0).has_value());
    QVERIFY(!cardFace(79).has_value());
}

void TestCardBitmaps::decodesAWellFormedBitmap()
{
    const QImage face = CardBitmaps::decode(makeDib(200, 303), 148);
    QCOMPARE(face.size(), QSize(200, 303));
    QCOMPARE(face.pixelColor(5, 0), QColor(200, 55, 7));   // top row, stored last
    QCOMPARE(face.pixelColor(5, 302), QColor(10, 245, 7)); // bottom row, stored first

    const QImage back = CardBitmaps::decode(makeDib(54, 93), Card_Back); // rows padded to 56 bytes
    QCOMPARE(back.size(), QSize(54, 93));
    QCOMPARE(back.pixelColor(53, 0), QColor(200, 55, 7));
    QCOMPARE(back.pixelColor(53, 92), QColor(10, 245, 7));
}

void TestCardBitmaps::rejectsDamagedBitmaps_data()
{
    QTest::addColumn<QByteArray>("dib");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("reason");
    const QByteArray good = makeDib(200, 303);
    QByteArray d;

    // clang-format off
    QTest::newRow("empty") << QByteArray() << 148 << "its header is cut short (0 bytes)";
    QTest::newRow("header cut short") << good.left(39) << 148 << "its header is cut short (39 bytes)";
    QTest::newRow("pixels cut short") << good.left(good.size() - 1) << 163 << "it holds 61663 bytes instead of 61664";
    QTest::newRow("trailing bytes") << good + QByteArray(1, 'x') << 163 << "it holds 61665 bytes instead of 61664";
    d = good; poke32(d, 0, 12);
    QTest::newRow("old 12-byte header") << d << 152 << "its header is not a 40-byte bitmap header";
    d = good; poke32(d, 4, 100);
    QTest::newRow("wrong width") << d << 147 << "it measures 100 by 303 pixels instead of 200 by 303";
    d = good; poke32(d, 8, -303);
    QTest::newRow("top-down rows") << d << 146 << "it measures 200 by -303 pixels instead of 200 by 303";
    QTest::newRow("back-sized face") << makeDib(54, 93) << 151 << "it measures 54 by 93 pixels instead of 200 by 303";
    QTest::newRow("face-sized back") << good << int(Card_Back) << "it measures 200 by 303 pixels instead of 54 by 93";
    d = good; poke16(d, 12, 2);
    QTest::newRow("two planes") << d << 162 << "it has 2 planes instead of 1";
    d = good; poke16(d, 14, 4);
    QTest::newRow("4 bits per pixel") << d << 143 << "it has 4 bits per pixel instead of 8";
    d = good; poke16(d, 14, 24);
    QTest::newRow("24 bits per pixel") << d << 143 << "it has 24 bits per pixel instead of 8";
    d = good; poke32(d, 16, 1);
    QTest::newRow("run-length compressed") << d << 153 << "it is compressed";
    d = good; poke32(d, 32, 16);
    QTest::newRow("short palette") << d << 149 << "its palette has 16 colours instead of 256";
    d = good; poke32(d, 32, 0x7fffffff);
    QTest::newRow("absurd palette") << d << 149 << "its palette has 2147483647 colours instead of 256";
    // clang-format on
}

void TestCardBitmaps::rejectsDamagedBitmaps()
{
    QFETCH(QByteArray, dib);
    QFETCH(int, id);
    QFETCH(QString, reason);
    try {
        CardBitmaps::decode(dib, id);
        QFAIL("damaged data was accepted");
    } catch (const FatalError &error) {
        QCOMPARE(error.message(), QStringLiteral("Picture %1 of the program is damaged: %2.").arg(id).arg(reason));
    }
}

void TestCardBitmaps::everyBitmapLoadsWithItsSize()
{
    for (int id = FirstBitmapId; id <= LastBitmapId; ++id) {
        const QImage image = CardBitmaps::loadImage(id);
        QCOMPARE(image.size(), id == Card_Back ? QSize(54, 93) : QSize(200, 303));
        QCOMPARE(image.format(), QImage::Format_Indexed8);
    }
    QCOMPARE(CardBitmaps::load(Preview_Blank).size(), QSize(200, 303));
}

void TestCardBitmaps::unknownNumbersFailCleanly()
{
    for (int id : {0, 100, 181, -1}) {
        try {
            CardBitmaps::loadImage(id);
            QFAIL("an unknown number loaded");
        } catch (const FatalError &error) {
            QVERIFY(error.message().contains(QString::number(id)));
        }
    }
}

QTEST_MAIN(TestCardBitmaps)
#include "tst_cardbitmaps.moc"
