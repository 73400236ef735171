// The artwork generator's layout tables, compiled in from tools/artwork/src:
// where the pips of the numbered cards go, and the Hebrew letters of the
// major arcana.

#include "CardText.h"
#include "PipLayout.h"

#include <QTest>

#include <algorithm>
#include <set>

using namespace artwork;
using namespace artwork::layout;
using quillmere::Rank;
using quillmere::Suit;

Q_DECLARE_METATYPE(quillmere::Suit)
Q_DECLARE_METATYPE(artwork::layout::Arrangement)

class CardLayout : public QObject {
    Q_OBJECT

private slots:
    void pipsInsideFieldAndApart_data();
    void pipsInsideFieldAndApart();
    void arrangementsAreSymmetric_data();
    void arrangementsAreSymmetric();
    void tenOfPentaclesFollowsTheTree();
    void ranksCountTheirPips();
    void hebrewLetters();
};

void CardLayout::pipsInsideFieldAndApart_data()
{
    QTest::addColumn<Suit>("suit");
    QTest::addColumn<int>("count");
    const std::pair<Suit, const char *> suits[] = {
        {Suit::Swords, "Swords"}, {Suit::Wands, "Wands"}, {Suit::Cups, "Cups"}, {Suit::Pentacles, "Pentacles"}};
    for (const auto &[suit, name] : suits) {
        for (int count = 1; count <= 10; ++count)
            QTest::addRow("%s %d", name, count) << suit << count;
    }
}

void CardLayout::pipsInsideFieldAndApart()
{
    QFETCH(Suit, suit);
    QFETCH(int, count);
    const std::vector<Box> pips = cardPips(suit, count);
    QCOMPARE(static_cast<int>(pips.size()), count);

    const Box field = fieldBox();
    QCOMPARE(field.x, 5.0);
    QCOMPARE(field.right(), 195.0);
    QCOMPARE(field.bottom(), 298.0);
    for (const Box &pip : pips) {
        QVERIFY(field.contains(pip));
        QVERIFY(pipArea().contains(pip));
        // Large enough to read on a card shown at 78 x 117.
        QVERIFY2(pip.h >= 40, qPrintable(QString("pip only %1 high").arg(pip.h)));
        QCOMPARE(qRound(pip.w / pip.h * 100), qRound(pipAspect(suit) * 100));
    }
    for (std::size_t i = 0; i < pips.size(); ++i) {
        for (std::size_t j = i + 1; j < pips.size(); ++j)
            QVERIFY2(!pips[i].near(pips[j], kPipGap - 1e-6), qPrintable(QString("pips %1 and %2 touch").arg(i).arg(j)));
    }
}

void CardLayout::arrangementsAreSymmetric_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<Arrangement>("arrangement");
    QTest::addColumn<bool>("upDown"); // symmetric top to bottom as well
    for (int count = 1; count <= 10; ++count) {
        QTest::addRow("traditional %d", count) << count << Arrangement::Traditional << (count != 7);
        QTest::addRow("rows %d", count) << count << Arrangement::Rows << (count % 2 == 0 || count < 5);
    }
    QTest::newRow("tree of ten") << 10 << Arrangement::TreeOfLife << false;
}

void CardLayout::arrangementsAreSymmetric()
{
    QFETCH(int, count);
    QFETCH(Arrangement, arrangement);
    QFETCH(bool, upDown);
    const auto spots = pipSpots(count, arrangement);
    QCOMPARE(static_cast<int>(spots.size()), count);
    auto has = [&](double u, double v) {
        return std::any_of(spots.begin(), spots.end(),
                           [&](const Spot &s) { return std::abs(s.u - u) < 1e-9 && std::abs(s.v - v) < 1e-9; });
    };
    for (const Spot &s : spots) {
        QVERIFY(s.u >= 0 && s.u <= 1 && s.v >= 0 && s.v <= 1);
        QVERIFY2(has(1 - s.u, s.v), "no mirror image left to right");
        if (upDown)
            QVERIFY2(has(s.u, 1 - s.v), "no mirror image top to bottom");
    }
    // No two spots the same.
    for (std::size_t i = 0; i < spots.size(); ++i) {
        for (std::size_t j = i + 1; j < spots.size(); ++j)
            QVERIFY(spots[i].u != spots[j].u || spots[i].v != spots[j].v);
    }
}

void CardLayout::tenOfPentaclesFollowsTheTree()
{
    QCOMPARE(arrangementFor(Suit::Pentacles, 10), Arrangement::TreeOfLife);
    QCOMPARE(arrangementFor(Suit::Pentacles, 9), Arrangement::Traditional);
    QCOMPARE(arrangementFor(Suit::Cups, 10), Arrangement::Traditional);
    QCOMPARE(arrangementFor(Suit::Swords, 10), Arrangement::Rows);
    QCOMPARE(arrangementFor(Suit::Wands, 4), Arrangement::Rows);
    const auto tree = pipSpots(10, Arrangement::TreeOfLife);
    // From the crown at the top centre down to the kingdom at the bottom centre.
    QCOMPARE(tree.front().u, 0.5);
    QCOMPARE(tree.front().v, 0.0);
    QCOMPARE(tree.back().u, 0.5);
    QCOMPARE(tree.back().v, 1.0);
    // The 22 paths join distinct pairs and reach every one of the ten.
    const auto paths = treePaths();
    QCOMPARE(static_cast<int>(paths.size()), 22);
    std::set<std::pair<int, int>> pairs;
    std::set<int> reached;
    for (const auto &[a, b] : paths) {
        QVERIFY(a >= 0 && a < 10 && b >= 0 && b < 10 && a != b);
        QVERIFY(pairs.insert({std::min(a, b), std::max(a, b)}).second);
        reached.insert(a);
        reached.insert(b);
    }
    QCOMPARE(static_cast<int>(reached.size()), 10);
}

void CardLayout::ranksCountTheirPips()
{
    const Rank numbered[] = {Rank::Ace, Rank::Two,   Rank::Three, Rank::Four, Rank::Five,
                             Rank::Six, Rank::Seven, Rank::Eight, Rank::Nine, Rank::Ten};
    for (int i = 0; i < 10; ++i)
        QCOMPARE(pipCount(numbered[i]), i + 1);
    for (Rank court : {Rank::King, Rank::Queen, Rank::Knight, Rank::Page, Rank::None})
        QCOMPARE(pipCount(court), 0);
}

void CardLayout::hebrewLetters()
{
    // Aleph to Tav, no final forms: one letter for each of the 22 major arcana.
    const char32_t alphabet[22] = {
        0x05D0, 0x05D1, 0x05D2, 0x05D3, 0x05D4, 0x05D5, 0x05D6, 0x05D7, 0x05D8, 0x05D9, 0x05DB,
        0x05DC, 0x05DE, 0x05E0, 0x05E1, 0x05E2, 0x05E4, 0x05E6, 0x05E7, 0x05E8, 0x05E9, 0x05EA,
    };
    for (int card = 1; card <= 22; ++card)
        QCOMPARE(static_cast<quint32>(hebrewLetter(card)), static_cast<quint32>(alphabet[card - 1]));
    QCOMPARE(static_cast<quint32>(hebrewLetter(0)), 0u);
    QCOMPARE(static_cast<quint32>(hebrewLetter(23)), 0u);
}

QTEST_GUILESS_MAIN(CardLayout)
#include "tst_cardlayout.moc"
