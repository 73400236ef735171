// Prints every card's name, one a line, in card-number order: the words a
// card slot's accessible description holds once that card is dealt onto it.
#include "deck/CardFaceTable.h"

#include <cstdio>

int main()
{
    for (const quillmere::CardFace &face : quillmere::Card_Face_Table())
        std::printf("%.*s\n", static_cast<int>(face.name.size()), face.name.data());
    return 0;
}
