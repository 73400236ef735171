#pragma once

// The 80 card bitmaps: the 78 faces, the back and the blank preview.

#include "BitmapFiles.h"

#include "deck/CardFaceTable.h"

#include <QFont>
#include <QImage>
#include <QPainter>

namespace artwork {

// How one face is drawn, in two passes: `picture` on the supersampled canvas
// (final pixel units, clipped to the field, the band left out), then
// `lettering` on the final-size picture, where text is drawn hinted.
struct FacePainter {
    void (*picture)(QPainter &, const quillmere::CardFace &);
    void (*lettering)(QPainter &, const quillmere::CardFace &);
};

// The lettering of a face that has none.
void noLettering(QPainter &, const quillmere::CardFace &);
// Text centred on a point, hinted, at final size (for a painter's lettering).
void drawCentredText(QPainter &p, const QString &text, const QFont &font, const QColor &colour,
                     QPointF centre);

// The painter of a card, from a table with one row per card number.
const FacePainter &facePainter(const quillmere::CardFace &face);

// The face before palette reduction (200 x 303, opaque).
QImage renderFace(const quillmere::CardFace &face);
// The face as written to its bitmap.
IndexedImage faceBitmap(const quillmere::CardFace &face);

// Card_Back: 54 x 93, a 1-pixel black frame round a blue field with a dot lattice.
IndexedImage cardBack();
// Preview_Blank: 200 x 303, all grey (192, 192, 192).
IndexedImage previewBlank();

} // namespace artwork
