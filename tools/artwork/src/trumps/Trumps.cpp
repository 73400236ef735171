#include "Trumps.h"

namespace artwork {

const FacePainter *trumpPainter(int cardNumber)
{
    for (const auto *list : {&firstTrumps(), &lastTrumps()}) {
        for (const TrumpPainter &row : *list) {
            if (row.cardNumber == cardNumber)
                return &row.painter;
        }
    }
    return nullptr;
}

} // namespace artwork
