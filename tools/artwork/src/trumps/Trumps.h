#pragma once

// The major arcana's own pictures. Each trump has a painter of its own, listed
// in a table with its number; a trump without one keeps the placeholder.

#include "CardFaces.h"

#include <vector>

namespace artwork {

struct TrumpPainter {
    int cardNumber; // 1 (The Fool) to 22 (The World)
    FacePainter painter;
};

// The painters of the first eleven trumps (The Fool to The Wheel of Fortune)
// and of the last eleven (Strength to The World), each kept in a file of its own.
const std::vector<TrumpPainter> &firstTrumps();
const std::vector<TrumpPainter> &lastTrumps();

// The painter of a trump, or nullptr while it has none of its own.
const FacePainter *trumpPainter(int cardNumber);

} // namespace artwork
