#include "deck/ClockSeededRandom.h"
#include "deck/Deck.h"
#include "errors/FatalError.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <set>

using namespace quillmere;

namespace {

// A clock that counts its readings and gives up loudly instead of letting a
// shuffle that never ends hang the test.
struct CountingClock {
    std::uint64_t *calls;
    std::uint64_t step;
    std::uint64_t operator()() const
    {
        if (++*calls > 1'000'000)
            throw std::runtime_error("the shuffle kept drawing");
        return step * *calls;
    }
};

int cardAt(const Deck &deck, int row)
{
    const auto &cell = deck.cardOrder()[static_cast<std::size_t>(row)][1];
    return cell ? static_cast<int>(*cell) : -1;
}

} // namespace

class TestDeck : public QObject {
    Q_OBJECT
private slots:
    void shuffleGivesAPermutation_data();
    void shuffleGivesAPermutation();
    void everyDrawFollowsAReseed_data();
    void everyDrawFollowsAReseed();
    void dealingRunsThroughTheOrderAndWraps();
    void shuffleAfterDealsStartsOver();
    void dealingAnUnshuffledDeckFails();
    void generatorStaysBelowOne();
    void firstCardIsRoughlyUniform();
};

void TestDeck::shuffleGivesAPermutation_data()
{
    QTest::addColumn<quint64>("step");
    QTest::newRow("frozen clock") << quint64(0);
    QTest::newRow("clock ticking by one") << quint64(1);
    QTest::newRow("clock ticking by a second") << quint64(1'000'000'000);
}

void TestDeck::shuffleGivesAPermutation()
{
    QFETCH(quint64, step);
    std::uint64_t calls = 0;
    Deck deck(CountingClock{&calls, step});
    QCOMPARE(deck.dealPosition(), qint16(0));

    for (int round = 0; round < 200; ++round) {
        calls = 0;
        deck.Shuffle_The_Deck();
        // About 385 draws are expected (78 times the 78th harmonic number),
        // each after its own reseed; a frozen clock must not stall the loop.
        QVERIFY2(calls < 4000, qPrintable(QString::number(calls)));

        std::set<int> seen;
        for (int row = 1; row <= 78; ++row)
            seen.insert(cardAt(deck, row));
        QCOMPARE(seen.size(), std::size_t(78));
        QCOMPARE(*seen.begin(), 1);
        QCOMPARE(*seen.rbegin(), 78);
        QCOMPARE(deck.dealPosition(), qint16(1));
        QVERIFY(!deck.cardOrder()[0][1].has_value());
        for (const auto &row : deck.cardOrder())
            QVERIFY(!row[0].has_value());
        for (int n = 1; n <= 78; ++n)
            QCOMPARE(deck.cardUsed()[static_cast<std::size_t>(n)], qint16(1));
        QCOMPARE(deck.cardUsed()[0], qint16(0));
    }
}

void TestDeck::everyDrawFollowsAReseed_data()
{
    QTest::addColumn<quint64>("step");
    QTest::newRow("frozen clock") << quint64(0);
    QTest::newRow("clock ticking") << quint64(7);
}

void TestDeck::everyDrawFollowsAReseed()
{
    QFETCH(quint64, step);
    std::uint64_t reads = 0;
    Deck deck(CountingClock{&reads, step});

    // The shuffle replayed draw by draw on a generator of its own: reseed, draw,
    // and again while the number is taken. The deck must deal the same order
    // and read its clock exactly once a draw, the redraws included.
    std::uint64_t replayReads = 0;
    ClockSeededRandom replay(CountingClock{&replayReads, step});
    for (int shuffle = 0; shuffle < 3; ++shuffle) {
        reads = replayReads = 0; // both clocks read the same from here
        deck.Shuffle_The_Deck();
        std::array<bool, 79> taken{};
        std::uint64_t draws = 0;
        for (int row = 1; row <= 78; ++row) {
            int n = 0;
            do {
                replay.reseed();
                n = static_cast<int>(std::floor(double(replay.next()) * 78.0 + 1.0));
                ++draws;
            } while (taken[static_cast<std::size_t>(n)]);
            taken[static_cast<std::size_t>(n)] = true;
            QCOMPARE(cardAt(deck, row), n);
        }
        QVERIFY(draws > 78); // some numbers were drawn again
        QCOMPARE(reads, draws);
    }
}

void TestDeck::dealingRunsThroughTheOrderAndWraps()
{
    Deck deck;
    deck.Shuffle_The_Deck();
    for (int deal = 1; deal <= 78; ++deal)
        QCOMPARE(deck.dealNext(), cardAt(deck, deal));
    QCOMPARE(deck.dealPosition(), qint16(79)); // rests at 79 until the next deal

    QCOMPARE(deck.dealNext(), cardAt(deck, 1)); // deal 79
    QCOMPARE(deck.dealPosition(), qint16(2));
    for (int deal = 80; deal <= 156; ++deal)
        QCOMPARE(deck.dealNext(), cardAt(deck, (deal - 1) % 78 + 1));
    QCOMPARE(deck.dealNext(), cardAt(deck, 1)); // deal 157
    QCOMPARE(deck.dealPosition(), qint16(2));
}

void TestDeck::shuffleAfterDealsStartsOver()
{
    Deck deck;
    deck.Shuffle_The_Deck();
    for (int deal = 0; deal < 5; ++deal)
        deck.dealNext();
    QCOMPARE(deck.dealPosition(), qint16(6));

    deck.Shuffle_The_Deck();
    QCOMPARE(deck.dealPosition(), qint16(1));
    QCOMPARE(deck.dealNext(), cardAt(deck, 1));
}

void TestDeck::dealingAnUnshuffledDeckFails()
{
    Deck deck;
    QVERIFY_THROWS_EXCEPTION(FatalError, deck.dealNext());
}

void TestDeck::generatorStaysBelowOne()
{
    QCOMPARE(ClockSeededRandom::toUnitInterval(0), 0.0f);
    const float largest = ClockSeededRandom::toUnitInterval(std::numeric_limits<std::uint64_t>::max());
    QVERIFY(largest < 1.0f);
    QVERIFY(std::floor(double(largest) * 78.0 + 1.0) == 78.0);

    // With the clock frozen, reseed-and-draw still moves on.
    ClockSeededRandom random([] { return std::uint64_t(42); });
    std::set<float> values;
    for (int i = 0; i < 1000; ++i) {
        random.reseed();
        const float r = random.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        values.insert(r);
    }
    QVERIFY(values.size() > 990);
}

void TestDeck::firstCardIsRoughlyUniform()
{
    std::uint64_t calls = 0;
    Deck deck(CountingClock{&calls, 1});
    std::array<int, 79> firsts{};
    const int shuffles = 7800;
    for (int i = 0; i < shuffles; ++i) {
        calls = 0;
        deck.Shuffle_The_Deck();
        ++firsts[static_cast<std::size_t>(cardAt(deck, 1))];
    }
    // 100 expected per card; a stuck or biased draw lands far outside this band.
    for (int n = 1; n <= 78; ++n)
        QVERIFY2(firsts[static_cast<std::size_t>(n)] > 50 && firsts[static_cast<std::size_t>(n)] < 160,
                 qPrintable(QStringLiteral("card %1 came first %2 times").arg(n).arg(firsts[n])));
}

QTEST_MAIN(TestDeck)
#include "tst_deck.moc"
