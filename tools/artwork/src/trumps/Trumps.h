#pragma once

// The major arcana's pictures, by card number: the painter the face table
// uses, and the figures alone for the checks. How a trump is painted, and
// where each one is, is in Trump.h.

#include "CardFaces.h"

#include <QPainter>
#include <QRectF>

namespace artwork {

// The picture of a trump: inside the faint rule and above the band.
QRectF trumpScene();

// The painter of trump `cardNumber`, 1 (The Fool) to 22 (The World).
const FacePainter &trumpPainter(int cardNumber);

// Paints only the figures of trump `cardNumber`, unclipped, in final pixel
// units; false for any other card number.
bool paintTrumpFigures(QPainter &p, int cardNumber);

} // namespace artwork
