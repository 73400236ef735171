#pragma once

// The first eleven trumps' figures on their own: the people, animals and
// thrones, what they hold and wear, the wheel and its creatures, painted as
// in the trump's picture but without the scene round them. Lets a test check
// that nothing of them is cut off by the frame or hidden under the band.

#include <QPainter>

namespace artwork {

// Paints the figures of trump `cardNumber` (1, The Fool, to 11, The Wheel of
// Fortune) in final pixel units; false for any other card number.
bool paintFirstTrumpFigures(QPainter &p, int cardNumber);

} // namespace artwork
