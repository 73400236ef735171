#include "Trumps.h"

namespace artwork {

const std::vector<TrumpPainter> &firstTrumps()
{
    static const std::vector<TrumpPainter> table{};
    return table;
}

} // namespace artwork
