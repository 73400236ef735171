#pragma once

// The sixteen court cards (the King crowned, bearded and enthroned; the Queen
// crowned and enthroned; the Knight on horseback; the Page standing,
// uncrowned), each painted by its own file in courts/ (see courts/Court.h).
// No fonts: the tests compile these files.

#include "deck/CardFaceTable.h"

#include <QPainter>
#include <QRectF>

namespace artwork {

// The picture inside the field's rule, where the court scenes are drawn.
QRectF courtScene();

// A court card's whole picture: landscape, then figures.
void courtPicture(QPainter &painter, const quillmere::CardFace &face);
// Only the figures (with throne, horse and what they hold), on nothing.
void courtFigures(QPainter &painter, const quillmere::CardFace &face);

} // namespace artwork
