#pragma once

// The words and letters printed on the faces, apart from the titles (which the
// card table holds). Plain data with no fonts.

#include "deck/CardFaceTable.h"

#include <string_view>

namespace artwork {

// The Hebrew letter of a major arcanum, card 1 (Aleph) to card 22 (Tav), in
// alphabetical order without the final forms; 0 for any other card number.
char32_t hebrewLetter(int cardNumber);

// The Hebrew name of a suit's element, written on the Ace's ribbon:
// Wands fire, Cups water, Swords air, Pentacles earth.
std::u32string_view elementWord(quillmere::Suit suit);

// The major arcanum's number in Roman numerals: "0" for card 1, "I" for card 2
// ... "XXI" for card 22.
std::string_view trumpNumeral(int cardNumber);

// "KING", "QUEEN", "KNIGHT", "PAGE" and "SWORDS", "WANDS", "CUPS", "PENTACLES".
std::string_view rankWord(quillmere::Rank rank);
std::string_view suitWord(quillmere::Suit suit);

} // namespace artwork
