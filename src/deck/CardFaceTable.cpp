#include "CardFaceTable.h"

namespace quillmere {

namespace {

using enum Suit;
using enum Rank;

// The bitmap numbers follow no rule; this table is the only place that knows them.
constexpr std::array<CardFace, 78> kTable{{
    {1, 148, MajorArcana, None, "The Fool", "THE FOOL"},
    {2, 163, MajorArcana, None, "The Magician", "THE MAGICIAN"},
    {3, 152, MajorArcana, None, "The High Priestess", "THE HIGH PRIESTESS"},
    {4, 147, MajorArcana, None, "The Empress", "THE EMPRESS"},
    {5, 146, MajorArcana, None, "The Emperor", "THE EMPEROR"},
    {6, 151, MajorArcana, None, "The High Priest", "THE HIGH PRIEST"},
    {7, 162, MajorArcana, None, "The Lovers", "THE LOVERS"},
    {8, 143, MajorArcana, None, "The Chariot", "THE CHARIOT"},
    {9, 153, MajorArcana, None, "Justice", "JUSTICE"},
    {10, 149, MajorArcana, None, "The Hermit", "THE HERMIT"},
    {11, 179, MajorArcana, None, "The Wheel of Fortune", "THE WHEEL OF FORTUNE"},
    {12, 175, MajorArcana, None, "Strength", "STRENGTH"},
    {13, 150, MajorArcana, None, "The Hanging Man", "THE HANGING MAN"},
    {14, 144, MajorArcana, None, "Death", "DEATH"},
    {15, 177, MajorArcana, None, "Temperance", "TEMPERANCE"},
    {16, 145, MajorArcana, None, "Satan", "SATAN"},
    {17, 178, MajorArcana, None, "The Tower", "THE TOWER"},
    {18, 174, MajorArcana, None, "The Star", "THE STAR"},
    {19, 164, MajorArcana, None, "The Moon", "THE MOON"},
    {20, 176, MajorArcana, None, "The Sun", "THE SUN"},
    {21, 173, MajorArcana, None, "Judgement", "JUDGEMENT"},
    {22, 101, MajorArcana, None, "The World", "THE WORLD"},

    {23, 160, Swords, King, "King of Swords", ""},
    {24, 171, Swords, Queen, "Queen of Swords", ""},
    {25, 158, Swords, Knight, "Knight of Swords", ""},
    {26, 167, Swords, Page, "Page of Swords", ""},
    {27, 103, Swords, Ten, "Ten of Swords", ""},
    {28, 139, Swords, Nine, "Nine of Swords", ""},
    {29, 135, Swords, Eight, "Eight of Swords", ""},
    {30, 131, Swords, Seven, "Seven of Swords", ""},
    {31, 127, Swords, Six, "Six of Swords", ""},
    {32, 123, Swords, Five, "Five of Swords", ""},
    {33, 119, Swords, Four, "Four of Swords", ""},
    {34, 115, Swords, Three, "Three of Swords", ""},
    {35, 111, Swords, Two, "Two of Swords", ""},
    {36, 107, Swords, Ace, "Ace of Swords", ""},

    {37, 161, Wands, King, "King of Wands", ""},
    {38, 172, Wands, Queen, "Queen of Wands", ""},
    {39, 159, Wands, Knight, "Knight of Wands", ""},
    {40, 168, Wands, Page, "Page of Wands", ""},
    {41, 104, Wands, Ten, "Ten of Wands", ""},
    {42, 140, Wands, Nine, "Nine of Wands", ""},
    {43, 136, Wands, Eight, "Eight of Wands", ""},
    {44, 132, Wands, Seven, "Seven of Wands", ""},
    {45, 128, Wands, Six, "Six of Wands", ""},
    {46, 124, Wands, Five, "Five of Wands", ""},
    {47, 120, Wands, Four, "Four of Wands", ""},
    {48, 116, Wands, Three, "Three of Wands", ""},
    {49, 112, Wands, Two, "Two of Wands", ""},
    {50, 108, Wands, Ace, "Ace of Wands", ""},

    {51, 155, Cups, King, "King of Cups", ""},
    {52, 170, Cups, Queen, "Queen of Cups", ""},
    {53, 157, Cups, Knight, "Knight of Cups", ""},
    {54, 166, Cups, Page, "Page of Cups", ""},
    {55, 102, Cups, Ten, "Ten of Cups", ""},
    {56, 138, Cups, Nine, "Nine of Cups", ""},
    {57, 134, Cups, Eight, "Eight of Cups", ""},
    {58, 130, Cups, Seven, "Seven of Cups", ""},
    {59, 126, Cups, Six, "Six of Cups", ""},
    {60, 122, Cups, Five, "Five of Cups", ""},
    {61, 118, Cups, Four, "Four of Cups", ""},
    {62, 114, Cups, Three, "Three of Cups", ""},
    {63, 110, Cups, Two, "Two of Cups", ""},
    {64, 106, Cups, Ace, "Ace of Cups", ""},

    {65, 154, Pentacles, King, "King of Pentacles", ""},
    {66, 169, Pentacles, Queen, "Queen of Pentacles", ""},
    {67, 156, Pentacles, Knight, "Knight of Pentacles", ""},
    {68, 165, Pentacles, Page, "Page of Pentacles", ""},
    {69, 180, Pentacles, Ten, "Ten of Pentacles", ""},
    {70, 137, Pentacles, Nine, "Nine of Pentacles", ""},
    {71, 133, Pentacles, Eight, "Eight of Pentacles", ""},
    {72, 129, Pentacles, Seven, "Seven of Pentacles", ""},
    {73, 125, Pentacles, Six, "Six of Pentacles", ""},
    {74, 121, Pentacles, Five, "Five of Pentacles", ""},
    {75, 117, Pentacles, Four, "Four of Pentacles", ""},
    {76, 113, Pentacles, Three, "Three of Pentacles", ""},
    {77, 109, Pentacles, Two, "Two of Pentacles", ""},
    {78, 105, Pentacles, Ace, "Ace of Pentacles", ""},
}};

constexpr bool rowsAreInCardOrder()
{
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (kTable[i].cardNumber != static_cast<int>(i) + 1)
            return false;
    }
    return true;
}
static_assert(rowsAreInCardOrder(), "row k-1 must hold card k");

} // namespace

const std::array<CardFace, 78> &Card_Face_Table()
{
    return kTable;
}

std::optional<CardFace> cardFace(int cardNumber)
{
    if (cardNumber < FirstCardNumber || cardNumber > LastCardNumber)
        return std::nullopt;
    return kTable[static_cast<std::size_t>(cardNumber - 1)];
}

} // namespace quillmere
