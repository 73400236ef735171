#include "CardText.h"

#include <array>

namespace artwork {

using quillmere::Rank;
using quillmere::Suit;

namespace {

constexpr std::array<char32_t, 22> kLetters{
    U'\u05D0', U'\u05D1', U'\u05D2', U'\u05D3', U'\u05D4', U'\u05D5', U'\u05D6', U'\u05D7',
    U'\u05D8', U'\u05D9', U'\u05DB', U'\u05DC', U'\u05DE', U'\u05E0', U'\u05E1', U'\u05E2',
    U'\u05E4', U'\u05E6', U'\u05E7', U'\u05E8', U'\u05E9', U'\u05EA',
};

constexpr std::array<std::string_view, 22> kNumerals{
    "0",  "I",   "II",   "III", "IV", "V",   "VI",   "VII",   "VIII", "IX", "X",
    "XI", "XII", "XIII", "XIV", "XV", "XVI", "XVII", "XVIII", "XIX",  "XX", "XXI",
};

} // namespace

char32_t hebrewLetter(int cardNumber)
{
    if (cardNumber < 1 || cardNumber > 22)
        return 0;
    return kLetters[static_cast<std::size_t>(cardNumber - 1)];
}

std::u32string_view elementWord(Suit suit)
{
    switch (suit) {
    case Suit::Wands:
        return U"\u05D0\u05E9"; // esh, fire
    case Suit::Cups:
        return U"\u05DE\u05D9\u05DD"; // mayim, water
    case Suit::Swords:
        return U"\u05E8\u05D5\u05D7"; // ruach, air
    case Suit::Pentacles:
        return U"\u05D0\u05E8\u05E5"; // aretz, earth
    case Suit::MajorArcana:
        break;
    }
    return {};
}

std::string_view trumpNumeral(int cardNumber)
{
    if (cardNumber < 1 || cardNumber > 22)
        return {};
    return kNumerals[static_cast<std::size_t>(cardNumber - 1)];
}

std::string_view rankWord(Rank rank)
{
    switch (rank) {
    case Rank::King:
        return "KING";
    case Rank::Queen:
        return "QUEEN";
    case Rank::Knight:
        return "KNIGHT";
    case Rank::Page:
        return "PAGE";
    default:
        return {};
    }
}

std::string_view suitWord(Suit suit)
{
    switch (suit) {
    case Suit::Swords:
        return "SWORDS";
    case Suit::Wands:
        return "WANDS";
    case Suit::Cups:
        return "CUPS";
    case Suit::Pentacles:
        return "PENTACLES";
    case Suit::MajorArcana:
        break;
    }
    return {};
}

} // namespace artwork
