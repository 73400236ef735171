#include "deck/CardBitmaps.h"
#include "deck/CardFaceTable.h"
#include "deck/Deck.h"
#include "deck/Reveal.h"
#include "errors/FatalError.h"
#include "windows/ImageControl.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace quillmere;

namespace {

QImage faceOfCard(int card)
{
    return CardBitmaps::loadImage(cardFace(card)->bitmapId).convertToFormat(QImage::Format_RGB32);
}

QImage shown(const ImageControl &slot)
{
    return slot.picture().toImage().convertToFormat(QImage::Format_RGB32);
}

int rowOf(const Deck &deck, int row)
{
    return static_cast<int>(*deck.cardOrder()[static_cast<std::size_t>(row)][1]);
}

// Two slots, a hidden label and a deck, wired as a spread window wires them.
struct Table {
    QWidget window;
    ImageControl *slotA = new ImageControl(&window);
    ImageControl *slotB = new ImageControl(&window);
    QLabel *Label1 = new QLabel(QStringLiteral("Label1"), &window);
    Deck deck;

    Table()
    {
        slotA->setGeometry(10, 10, 78, 117);
        slotB->setGeometry(100, 10, 78, 117);
        Label1->hide();
        for (ImageControl *slot : {slotA, slotB}) {
            slot->setPicture(CardBitmaps::load(Card_Back));
            QObject::connect(slot, &ImageControl::DblClick, slot, [this, slot] {
                Next_Card(deck, *Label1);
                slot->setPicture(CardBitmaps::load(dealtCard(*Label1).bitmapId));
            });
        }
        deck.Shuffle_The_Deck();
        window.resize(200, 140);
        window.show();
    }
};

} // namespace

class TestReveal : public QObject {
    Q_OBJECT
private slots:
    void doubleClickDealsTheNextCardOntoThatSlot();
    void onlyTheLeftButtonDeals_data();
    void onlyTheLeftButtonDeals();
    void pressesReportTheirButtonCode();
    void clickNeedsPressAndReleaseInside();
    void captionThatNamesNoCardFails();
};

void TestReveal::doubleClickDealsTheNextCardOntoThatSlot()
{
    Table t;
    QTest::mouseDClick(t.slotB, Qt::LeftButton);
    QCOMPARE(t.Label1->text(), QString::number(rowOf(t.deck, 1)));
    QCOMPARE(shown(*t.slotB), faceOfCard(rowOf(t.deck, 1)));
    QVERIFY(!t.Label1->isVisible());

    QTest::mouseDClick(t.slotB, Qt::LeftButton);
    QCOMPARE(shown(*t.slotB), faceOfCard(rowOf(t.deck, 2)));

    QTest::mouseDClick(t.slotA, Qt::LeftButton);
    QCOMPARE(shown(*t.slotA), faceOfCard(rowOf(t.deck, 3)));
    QCOMPARE(shown(*t.slotB), faceOfCard(rowOf(t.deck, 2)));
    QCOMPARE(t.deck.dealPosition(), qint16(4));
}

void TestReveal::onlyTheLeftButtonDeals_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("code");
    QTest::newRow("right") << Qt::RightButton << 2;
    QTest::newRow("middle") << Qt::MiddleButton << 4;
}

void TestReveal::onlyTheLeftButtonDeals()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, code);
    Table t;
    const QImage back = shown(*t.slotA);
    QSignalSpy presses(t.slotA, &ImageControl::MouseDown);

    // What the X server sends for a double click: press, release, double click, release.
    QTest::mousePress(t.slotA, button);
    QTest::mouseRelease(t.slotA, button);
    QTest::mouseDClick(t.slotA, button);

    QCOMPARE(t.deck.dealPosition(), qint16(1));
    QCOMPARE(shown(*t.slotA), back);
    QCOMPARE(presses.count(), 2);
    for (const auto &press : presses)
        QCOMPARE(press.at(0).value<short>(), short(code));
}

void TestReveal::pressesReportTheirButtonCode()
{
    Table t;
    QSignalSpy presses(t.slotA, &ImageControl::MouseDown);
    QTest::mousePress(t.slotA, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(2, 3));
    QTest::mouseRelease(t.slotA, Qt::LeftButton);
    QTest::mousePress(t.slotA, Qt::RightButton, Qt::AltModifier, QPoint(10, 20));
    QCOMPARE(presses.count(), 2);
    QCOMPARE(presses[0], (QVariantList{short(1), short(3), 30.0f, 45.0f}));
    QCOMPARE(presses[1], (QVariantList{short(2), short(4), 150.0f, 300.0f}));
}

void TestReveal::clickNeedsPressAndReleaseInside()
{
    Table t;
    QSignalSpy clicks(t.slotA, &ImageControl::Click);
    QSignalSpy doubles(t.slotA, &ImageControl::DblClick);

    QTest::mouseClick(t.slotA, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QTest::mouseClick(t.slotA, Qt::RightButton);
    QCOMPARE(clicks.count(), 1);
    QTest::mousePress(t.slotA, Qt::LeftButton);
    QTest::mouseRelease(t.slotA, Qt::LeftButton, {}, QPoint(200, 200)); // dragged off the control
    QCOMPARE(clicks.count(), 1);

    // A lone double-click event and its release: one double click, and the
    // release completes a click, as after an ordinary press.
    QTest::mouseDClick(t.slotA, Qt::LeftButton);
    QTest::mouseRelease(t.slotA, Qt::LeftButton);
    QCOMPARE(doubles.count(), 1);
    QCOMPARE(clicks.count(), 2);
}

void TestReveal::captionThatNamesNoCardFails()
{
    for (const char *caption : {"Label1", "", "0", "79", "7.5", "-3"}) {
        QLabel label(QString::fromLatin1(caption));
        QVERIFY_THROWS_EXCEPTION(FatalError, dealtCard(label));
    }
}

QTEST_MAIN(TestReveal)
#include "tst_reveal.moc"
