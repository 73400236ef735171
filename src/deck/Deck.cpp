#include "Deck.h"

#include "CardFaceTable.h"
#include "errors/FatalError.h"

#include <cmath>

namespace quillmere {

Deck::Deck(ClockSeededRandom::Clock clock) : m_random(std::move(clock)) {}

void Deck::Shuffle_The_Deck()
{
    Card_Used.fill(0);
    for (auto &row : Card_Order)
        row.fill(std::nullopt);

    // Rejection: each position takes the first drawn number no earlier position
    // took. Every draw, the redraws included, starts from a fresh reseed.
    for (int i = 1; i <= LastCardNumber; ++i) {
        int n = 0;
        do {
            m_random.reseed();
            const double r = m_random.next();
            n = static_cast<int>(std::floor(r * LastCardNumber + 1.0));
        } while (Card_Used[static_cast<std::size_t>(n)] != 0);
        Card_Used[static_cast<std::size_t>(n)] = 1;
        Card_Order[static_cast<std::size_t>(i)][1] = static_cast<float>(n);
    }
    Deal_Position = 1;
}

int Deck::dealNext()
{
    if (Deal_Position == LastCardNumber + 1)
        Deal_Position = 1;
    const Cell &cell = Card_Order[static_cast<std::size_t>(Deal_Position)][1];
    if (!cell)
        throw FatalError(QStringLiteral("A card was dealt from a deck that was never shuffled."));
    ++Deal_Position;
    return static_cast<int>(*cell);
}

} // namespace quillmere
