#pragma once

class QLabel;

namespace quillmere {

class Deck;
struct CardFace;

// Deals the next card of the deck and writes its number, as plain digits, into
// the caption of the window's hidden label.
void Next_Card(Deck &deck, QLabel &Label1);

// Reads the dealt number back from the hidden label's caption and looks it up
// in Card_Face_Table. Throws FatalError when the caption names no card.
const CardFace &dealtCard(const QLabel &Label1);

} // namespace quillmere
