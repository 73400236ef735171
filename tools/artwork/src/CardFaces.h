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
// `lettering` over the finished picture, in final pixel units: once on the
// bitmap, where text is drawn hinted, and once on the rendition through a
// painter scaled four times, where the same glyphs are drawn sharp.
struct FacePainter {
    void (*picture)(QPainter &, const quillmere::CardFace &);
    void (*lettering)(QPainter &, const quillmere::CardFace &);
};

// The lettering of a face that has none.
void noLettering(QPainter &, const quillmere::CardFace &);
// Text centred on a point, hinted, at final size (for a painter's lettering);
// on a scaled painter the glyphs stand where they stand at final size.
void drawCentredText(QPainter &p, const QString &text, const QFont &font, const QColor &colour, QPointF centre);

// The painter of a card, from a table with one row per card number.
const FacePainter &facePainter(const quillmere::CardFace &face);

// A face before palette reduction, opaque: the bitmap's picture (200 x 303) and
// its rendition at four times that size (800 x 1212), painted together.
struct FacePictures {
    QImage bitmap;
    QImage rendition;
};
FacePictures renderFace(const quillmere::CardFace &face);

// The face as written: its bitmap and its rendition, each with a palette of its own.
struct FaceBitmaps {
    IndexedImage bitmap;
    IndexedImage rendition;
};
FaceBitmaps faceBitmaps(const quillmere::CardFace &face);
// The bitmap alone.
IndexedImage faceBitmap(const quillmere::CardFace &face);

// Card_Back: 54 x 93, a 1-pixel black frame round a blue field with a dot lattice.
IndexedImage cardBack();
// Its rendition at four times the size: every pixel a 4 x 4 block, the lattice exact.
IndexedImage cardBackRendition();
// Preview_Blank: 200 x 303, all grey (192, 192, 192).
IndexedImage previewBlank();

} // namespace artwork
