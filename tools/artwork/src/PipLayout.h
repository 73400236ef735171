#pragma once

// Where things go on a card face: the face's geometry and the pip arrangements
// of the numbered cards. Plain arithmetic with no fonts and no drawing, so the
// program's tests compile this file as it is and check the table.

#include "deck/CardFaceTable.h"

#include <span>
#include <utility>
#include <vector>

namespace artwork::layout {

struct Box {
    double x = 0, y = 0, w = 0, h = 0;

    double right() const { return x + w; }
    double bottom() const { return y + h; }
    double centreX() const { return x + w / 2; }
    double centreY() const { return y + h / 2; }
    bool contains(const Box &inner) const
    {
        return inner.x >= x && inner.y >= y && inner.right() <= right() && inner.bottom() <= bottom();
    }
    // True when the boxes come closer than `gap` to each other.
    bool near(const Box &other, double gap) const
    {
        return x < other.right() + gap && other.x < right() + gap && y < other.bottom() + gap &&
               other.y < bottom() + gap;
    }
};

// A face is 200 x 303 pixels: a white border, then the near-black field.
inline constexpr int kFaceWidth = 200;
inline constexpr int kFaceHeight = 303;
inline constexpr int kBorder = 5;
// The major arcana's black band along the bottom of the field.
inline constexpr int kBandHeight = 24;
// The back is 54 x 93 pixels.
inline constexpr int kBackWidth = 54;
inline constexpr int kBackHeight = 93;

Box fieldBox(); // inside the white border
Box bandBox();  // bottom of the field, full field width
Box pipArea();  // where a numbered card's pips may go

// The least space left between two pips.
inline constexpr double kPipGap = 4.0;

// One pip's centre as a fraction of the room its centre may move in: (0,0) puts
// the pip in the top-left corner of the area, (1,1) in the bottom-right one.
struct Spot {
    double u, v;
};

// Traditional: the playing-card arrangement in two columns and a middle one
// (cups, pentacles). Rows: side by side in one or two rows (the tall swords and
// wands). TreeOfLife: the ten spheres of the Qabalistic tree.
enum class Arrangement { Traditional, Rows, TreeOfLife };

// The spots for 1 to 10 pips; empty for any other count.
std::span<const Spot> pipSpots(int count, Arrangement arrangement);
// Swords and wands in rows, the Ten of Pentacles on the tree of ten, the rest
// traditional.
Arrangement arrangementFor(quillmere::Suit suit, int count);
// The Tree's paths, as pairs of indices into pipSpots(10, TreeOfLife).
std::span<const std::pair<int, int>> treePaths();

// Width over height of one pip of a suit: swords and wands stand tall, cups and
// pentacles are about as wide as they are tall.
double pipAspect(quillmere::Suit suit);

// The pips' boxes for `count` pips of `suit` in `area`: as large as they can be
// (up to `maxHeight`) while staying inside the area and kPipGap apart.
std::vector<Box> pipBoxes(quillmere::Suit suit, int count, const Box &area, double maxHeight);
// The boxes for a numbered card: pipBoxes in pipArea() with the suit's largest size.
std::vector<Box> cardPips(quillmere::Suit suit, int count);

// The number of pips a rank shows: Ace 1 ... Ten 10; 0 for courts and None.
int pipCount(quillmere::Rank rank);

} // namespace artwork::layout
