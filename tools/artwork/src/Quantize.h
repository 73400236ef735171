#pragma once

// Palette reduction for the 8-bit pictures: median cut without dithering.
// Colours covering large flat areas are kept exactly; the rest of the palette
// goes to the in-between colours of antialiased edges.

#include "BitmapFiles.h"

#include <QImage>

#include <vector>

namespace artwork {

struct QuantizeOptions {
    int maxColours = 256;
    // Colours that must appear exactly in the palette when the picture uses them
    // (the white border, the field, the band).
    std::vector<QRgb> keep;
    // A colour used by at least this many pixels counts as a flat area and is kept
    // exactly, as long as no more than half the palette goes to such colours.
    int flatPixels = 24;
};

// Reduces an opaque picture (alpha ignored) to at most maxColours colours.
IndexedImage quantize(const QImage &image, const QuantizeOptions &options = {});

} // namespace artwork
