// The reveal as the user starts it: a double click on a card slot of a real
// window deals the next card of that window's deck onto that slot.
#include "../support/DealtCards.h"
#include "../support/DoubleClick.h"
#include "../support/ShellFixture.h"
#include "deck/CardFaceTable.h"
#include "errors/FatalError.h"
#include "windows/ImageControl.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTest>

using namespace quillmere;
using namespace DealtCards;

Q_DECLARE_METATYPE(quillmere::WindowKind)

namespace {

SpreadWindow *openShown(ShellFixture &f, WindowKind kind)
{
    auto *window = qobject_cast<SpreadWindow *>(f.shell.load(kind));
    if (window)
        f.shell.show(window);
    return window;
}

// Two slots of the window, named so that neither is the first or the last of
// its window's slot order: dealing does not follow that order.
void addWindowRows()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    // clang-format off
    QTest::newRow("main") << WindowKind::Main << "Image3" << "Image2";
    QTest::newRow("celtic") << WindowKind::Celtic << "Image7" << "Image4";
    // clang-format on
}

// Where the slot stands in its window, or null.
ImageControl *slotNamed(const SpreadWindow *window, const QString &name)
{
    for (ImageControl *slot : window->cardSlots()) {
        if (slot->objectName() == name)
            return slot;
    }
    return nullptr;
}

} // namespace

class TestReveal : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ShellFixture::settle(); }
    void doubleClickDealsTheNextCardOntoThatSlot_data() { addWindowRows(); }
    void doubleClickDealsTheNextCardOntoThatSlot();
    void onlyTheLeftButtonDeals_data();
    void onlyTheLeftButtonDeals();
    void captionsArePlainDigits_data();
    void captionsArePlainDigits();
    void captionThatNamesNoCardFails_data();
    void captionThatNamesNoCardFails();
};

void TestReveal::doubleClickDealsTheNextCardOntoThatSlot()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, first);
    QFETCH(QString, second);
    ShellFixture f;
    SpreadWindow *window = openShown(f, kind);
    QVERIFY(window);
    ImageControl *a = slotNamed(window, first);
    ImageControl *b = slotNamed(window, second);
    QVERIFY(a && b);

    // Two deals onto one slot, then one onto the other: rows 1, 2 and 3.
    const std::pair<ImageControl *, int> deals[] = {{a, 1}, {a, 2}, {b, 3}};
    for (const auto &[slot, row] : deals) {
        doubleClick(slot);
        const int card = cardAt(*window, row);
        QCOMPARE(window->Label1->text(), QString::number(card));
        QVERIFY(!window->Label1->isVisible());
        QCOMPARE(rgb(slot->picture()), faceAtRow(*window, row));
        QCOMPARE(slot->accessibleDescription(), nameOf(card));
        QCOMPARE(window->deck().dealPosition(), qint16(row + 1));
        if (row == 2) {
            QCOMPARE(rgb(b->picture()), bitmap(Card_Back));
            QCOMPARE(b->accessibleDescription(), QStringLiteral("Face down"));
        }
    }
    // Dealing onto b left a's card as it was, and every other slot face down.
    QCOMPARE(rgb(a->picture()), faceAtRow(*window, 2));
    QCOMPARE(a->accessibleDescription(), nameOf(cardAt(*window, 2)));
    for (ImageControl *slot : window->cardSlots()) {
        if (slot != a && slot != b)
            QCOMPARE(rgb(slot->picture()), bitmap(Card_Back));
    }
    QCOMPARE(rgb(window->previewPane()->picture()), bitmap(Preview_Blank));
}

void TestReveal::onlyTheLeftButtonDeals_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<Qt::MouseButton>("button");
    for (auto [kind, name] : {std::pair{WindowKind::Main, "main"}, {WindowKind::Celtic, "celtic"}}) {
        QTest::addRow("%s, right", name) << kind << Qt::RightButton;
        QTest::addRow("%s, middle", name) << kind << Qt::MiddleButton;
    }
}

void TestReveal::onlyTheLeftButtonDeals()
{
    QFETCH(WindowKind, kind);
    QFETCH(Qt::MouseButton, button);
    ShellFixture f;
    SpreadWindow *window = openShown(f, kind);
    QVERIFY(window);
    ImageControl *slot = window->cardSlots().last();

    doubleClick(slot, button);
    QCOMPARE(window->deck().dealPosition(), qint16(1));
    QCOMPARE(window->Label1->text(), QStringLiteral("Label1"));
    QCOMPARE(rgb(slot->picture()), bitmap(Card_Back));
    QCOMPARE(slot->accessibleDescription(), QStringLiteral("Face down"));

    // The same slot deals at once to the left button.
    doubleClick(slot);
    QCOMPARE(window->deck().dealPosition(), qint16(2));
    QCOMPARE(rgb(slot->picture()), faceAtRow(*window, 1));
}

void TestReveal::captionsArePlainDigits_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<QString>("caption");
    QTest::newRow("1") << 1 << "1";
    QTest::newRow("7") << 7 << "7";
    QTest::newRow("78") << 78 << "78";
}

void TestReveal::captionsArePlainDigits()
{
    QFETCH(int, card);
    QFETCH(QString, caption);
    ShellFixture f;
    SpreadWindow *window = openShown(f, WindowKind::Main);
    QVERIFY(window);
    const QRegularExpression digits(QStringLiteral("^[1-9][0-9]?$"));
    for (int deal = 1; deal <= 78; ++deal) {
        QTest::mouseDClick(window->cardSlots().first(), Qt::LeftButton);
        QVERIFY2(digits.match(window->Label1->text()).hasMatch(), qPrintable(window->Label1->text()));
        if (cardAt(*window, deal) == card) {
            QCOMPARE(window->Label1->text(), caption);
            return;
        }
    }
    QFAIL("the card never came up");
}

void TestReveal::captionThatNamesNoCardFails_data()
{
    QTest::addColumn<QString>("caption");
    for (const char *caption : {"Label1", "", "0", "79", "7.5", "-3"})
        QTest::newRow(*caption ? caption : "empty") << QString::fromLatin1(caption);
}

void TestReveal::captionThatNamesNoCardFails()
{
    QFETCH(QString, caption);
    QLabel label(caption);
    QVERIFY_THROWS_EXCEPTION(FatalError, SpreadWindow::dealtCard(label));
}

QTEST_MAIN(TestReveal)
#include "tst_reveal.moc"
