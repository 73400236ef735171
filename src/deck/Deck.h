#pragma once

#include "ClockSeededRandom.h"

#include <QtGlobal>
#include <array>
#include <optional>

namespace quillmere {

// One spread window's deck. Rows and entries run from 0 to 78 and are used from
// 1 to 78, so a row number is a dealing position and an entry number a card number.
class Deck {
public:
    using Cell = std::optional<float>; // empty, or a whole card number stored as a float
    using Order = std::array<std::array<Cell, 2>, 79>;
    using Used = std::array<qint16, 79>;

    explicit Deck(ClockSeededRandom::Clock clock = ClockSeededRandom::systemClock);

    // A new random order in column 1 of Card_Order; the next deal reads row 1.
    void Shuffle_The_Deck();

    // The dealing step: wraps from 79 to 1 before reading, returns the card at
    // Deal_Position and advances it. Throws FatalError if the deck was never shuffled.
    int dealNext();

    const Order &cardOrder() const { return Card_Order; }
    const Used &cardUsed() const { return Card_Used; }
    qint16 dealPosition() const { return Deal_Position; }

private:
    ClockSeededRandom m_random;
    Order Card_Order{};
    Used Card_Used{};
    qint16 Deal_Position = 0;
};

} // namespace quillmere
