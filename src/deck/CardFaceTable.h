#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quillmere {

enum class Suit { MajorArcana, Swords, Wands, Cups, Pentacles };

// Ranks of a suit in the order the deck numbers them: King first, Ace last.
enum class Rank { None, King, Queen, Knight, Page, Ten, Nine, Eight, Seven, Six, Five, Four, Three, Two, Ace };

struct CardFace {
    int cardNumber; // 1..78
    int bitmapId;   // 101..180, never 141 or 142
    Suit suit;
    Rank rank;              // Rank::None for the major arcana
    std::string_view name;  // as a reader names the card: "The Fool", "Ace of Pentacles"
    std::string_view title; // printed on the face's band; empty for the minor arcana
};

inline constexpr int FirstCardNumber = 1;
inline constexpr int LastCardNumber = 78;
inline constexpr int FirstBitmapId = 101;
inline constexpr int LastBitmapId = 180;
inline constexpr int Card_Back = 141;
inline constexpr int Preview_Blank = 142;

// The 78 rows, in card-number order: row k-1 holds card k.
const std::array<CardFace, 78> &Card_Face_Table();

// The row for a card number, or nothing when the number names no card.
std::optional<CardFace> cardFace(int cardNumber);

} // namespace quillmere
