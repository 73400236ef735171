#include "PipLayout.h"

#include <algorithm>
#include <array>

namespace artwork::layout {

using quillmere::Rank;
using quillmere::Suit;

namespace {

constexpr double T = 1.0 / 3, TT = 2.0 / 3;

// Traditional arrangements for cups and pentacles, symmetric about the
// vertical axis (and the horizontal one wherever the count allows).
constexpr std::array<Spot, 1> k1{{{0.5, 0.5}}};
constexpr std::array<Spot, 2> k2{{{0.5, 0}, {0.5, 1}}};
constexpr std::array<Spot, 3> k3{{{0.5, 0}, {0.5, 0.5}, {0.5, 1}}};
constexpr std::array<Spot, 4> k4{{{0, 0}, {1, 0}, {0, 1}, {1, 1}}};
constexpr std::array<Spot, 5> k5{{{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}}};
constexpr std::array<Spot, 6> k6{{{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}}};
constexpr std::array<Spot, 7> k7{{{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}}};
constexpr std::array<Spot, 8> k8{{{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}}};
constexpr std::array<Spot, 9> k9{{{0, 0}, {1, 0}, {0, T}, {1, T}, {0.5, 0.5}, {0, TT}, {1, TT}, {0, 1}, {1, 1}}};
constexpr std::array<Spot, 10> k10{
    {{0, 0}, {1, 0}, {0.5, 1.0 / 6}, {0, T}, {1, T}, {0, TT}, {1, TT}, {0.5, 5.0 / 6}, {0, 1}, {1, 1}}};

// Swords and wands stand tall, so they go side by side in one or two rows of
// up to five (the lower row never longer than the upper), centred. Two rows
// sit nearer the middle than the area's edges, so the pair reads as one group.
constexpr double Up = 0.12, Lo = 0.88;
constexpr std::array<Spot, 1> r1{{{0.5, 0.5}}};
constexpr std::array<Spot, 2> r2{{{0.3, 0.5}, {0.7, 0.5}}};
constexpr std::array<Spot, 3> r3{{{0.2, 0.5}, {0.5, 0.5}, {0.8, 0.5}}};
constexpr std::array<Spot, 4> r4{{{0.3, Up}, {0.7, Up}, {0.3, Lo}, {0.7, Lo}}};
constexpr std::array<Spot, 5> r5{{{0.2, Up}, {0.5, Up}, {0.8, Up}, {0.35, Lo}, {0.65, Lo}}};
constexpr std::array<Spot, 6> r6{{{0.2, Up}, {0.5, Up}, {0.8, Up}, {0.2, Lo}, {0.5, Lo}, {0.8, Lo}}};
constexpr std::array<Spot, 7> r7{
    {{0.125, Up}, {0.375, Up}, {0.625, Up}, {0.875, Up}, {0.25, Lo}, {0.5, Lo}, {0.75, Lo}}};
constexpr std::array<Spot, 8> r8{
    {{0.125, Up}, {0.375, Up}, {0.625, Up}, {0.875, Up}, {0.125, Lo}, {0.375, Lo}, {0.625, Lo}, {0.875, Lo}}};
constexpr std::array<Spot, 9> r9{
    {{0, Up}, {0.25, Up}, {0.5, Up}, {0.75, Up}, {1, Up}, {0.125, Lo}, {0.375, Lo}, {0.625, Lo}, {0.875, Lo}}};
constexpr std::array<Spot, 10> r10{
    {{0, Up}, {0.25, Up}, {0.5, Up}, {0.75, Up}, {1, Up}, {0, Lo}, {0.25, Lo}, {0.5, Lo}, {0.75, Lo}, {1, Lo}}};

// The tree of ten, from the crown down; heights in steps of the classic
// drawing (crown 0, the upper pair 1, the middle pair 3, the centre 4, the
// lower pair 5, the foundation 6, the kingdom 7.5).
constexpr double step(double n)
{
    return n / 7.5;
}
constexpr std::array<Spot, 10> kTree{{
    {0.5, step(0)},  // 1 Kether
    {1, step(1)},    // 2 Chokmah
    {0, step(1)},    // 3 Binah
    {1, step(3)},    // 4 Chesed
    {0, step(3)},    // 5 Geburah
    {0.5, step(4)},  // 6 Tiphareth
    {1, step(5)},    // 7 Netzach
    {0, step(5)},    // 8 Hod
    {0.5, step(6)},  // 9 Yesod
    {0.5, step(7.5)} // 10 Malkuth
}};

// The 22 paths between the ten, by index into kTree.
constexpr std::array<std::pair<int, int>, 22> kPaths{{
    {0, 1}, {0, 2}, {0, 5}, {1, 2}, {1, 5}, {1, 3}, {2, 5}, {2, 4}, {3, 4}, {3, 5}, {3, 6},
    {4, 5}, {4, 7}, {5, 6}, {5, 7}, {5, 8}, {6, 7}, {6, 8}, {6, 9}, {7, 8}, {7, 9}, {8, 9},
}};

template <std::size_t N> std::span<const Spot> span(const std::array<Spot, N> &a)
{
    return {a.data(), a.size()};
}

std::vector<Box> place(std::span<const Spot> spots, const Box &area, double w, double h)
{
    std::vector<Box> boxes;
    boxes.reserve(spots.size());
    for (const Spot &s : spots)
        boxes.push_back({area.x + s.u * (area.w - w), area.y + s.v * (area.h - h), w, h});
    return boxes;
}

bool apart(const std::vector<Box> &boxes)
{
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            if (boxes[i].near(boxes[j], kPipGap))
                return false;
        }
    }
    return true;
}

} // namespace

Box fieldBox()
{
    return {kBorder, kBorder, kFaceWidth - 2 * kBorder, kFaceHeight - 2 * kBorder};
}

Box bandBox()
{
    const Box f = fieldBox();
    return {f.x, f.bottom() - kBandHeight, f.w, kBandHeight};
}

Box pipArea()
{
    const Box f = fieldBox();
    constexpr double margin = 12;
    return {f.x + margin, f.y + margin, f.w - 2 * margin, f.h - 2 * margin};
}

std::span<const Spot> pipSpots(int count, Arrangement arrangement)
{
    if (arrangement == Arrangement::TreeOfLife)
        return count == 10 ? span(kTree) : std::span<const Spot>{};
    if (arrangement == Arrangement::Rows) {
        switch (count) {
        case 1:
            return span(r1);
        case 2:
            return span(r2);
        case 3:
            return span(r3);
        case 4:
            return span(r4);
        case 5:
            return span(r5);
        case 6:
            return span(r6);
        case 7:
            return span(r7);
        case 8:
            return span(r8);
        case 9:
            return span(r9);
        case 10:
            return span(r10);
        default:
            return {};
        }
    }
    switch (count) {
    case 1:
        return span(k1);
    case 2:
        return span(k2);
    case 3:
        return span(k3);
    case 4:
        return span(k4);
    case 5:
        return span(k5);
    case 6:
        return span(k6);
    case 7:
        return span(k7);
    case 8:
        return span(k8);
    case 9:
        return span(k9);
    case 10:
        return span(k10);
    default:
        return {};
    }
}

Arrangement arrangementFor(Suit suit, int count)
{
    if (suit == Suit::Swords || suit == Suit::Wands)
        return Arrangement::Rows;
    return suit == Suit::Pentacles && count == 10 ? Arrangement::TreeOfLife : Arrangement::Traditional;
}

std::span<const std::pair<int, int>> treePaths()
{
    return {kPaths.data(), kPaths.size()};
}

double pipAspect(Suit suit)
{
    switch (suit) {
    case Suit::Swords:
        return 0.32;
    case Suit::Wands:
        return 0.28;
    case Suit::Cups:
        return 0.8;
    case Suit::Pentacles:
        return 1.0;
    case Suit::MajorArcana:
        break;
    }
    return 1.0;
}

std::vector<Box> pipBoxes(Suit suit, int count, const Box &area, double maxHeight)
{
    const std::span<const Spot> spots = pipSpots(count, arrangementFor(suit, count));
    const double aspect = pipAspect(suit);
    // The largest height that keeps the pips inside and apart, by bisection.
    double lo = 0, hi = std::min(maxHeight, std::min(area.h, area.w / aspect));
    if (apart(place(spots, area, hi * aspect, hi)))
        lo = hi;
    for (int i = 0; i < 40 && hi - lo > 1e-3; ++i) {
        const double mid = (lo + hi) / 2;
        (apart(place(spots, area, mid * aspect, mid)) ? lo : hi) = mid;
    }
    return place(spots, area, lo * aspect, lo);
}

std::vector<Box> cardPips(Suit suit, int count)
{
    const double maxHeight = suit == Suit::Swords || suit == Suit::Wands ? 150 : 80;
    return pipBoxes(suit, count, pipArea(), maxHeight);
}

int pipCount(Rank rank)
{
    switch (rank) {
    case Rank::Ace:
        return 1;
    case Rank::Two:
        return 2;
    case Rank::Three:
        return 3;
    case Rank::Four:
        return 4;
    case Rank::Five:
        return 5;
    case Rank::Six:
        return 6;
    case Rank::Seven:
        return 7;
    case Rank::Eight:
        return 8;
    case Rank::Nine:
        return 9;
    case Rank::Ten:
        return 10;
    default:
        return 0;
    }
}

} // namespace artwork::layout
