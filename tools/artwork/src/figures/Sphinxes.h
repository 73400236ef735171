#pragma once

// Sphinxes lying down (couchant), seen from the front: a lion's body at rest
// with the forepaws stretched out towards the viewer, the hind quarters
// lying off to one side behind the chest, and a human head in a striped
// headcloth whose lappets fall onto the breast. Two of them can lie side by
// side as a pair without being copies: each has its own coat, headcloth,
// side for its haunch, tilt of the head, gaze and paws.

#include "Style.h"

#include <QPainter>
#include <QPointF>

namespace artwork::figures {

using style::Tone;

struct SphinxLook {
    Tone coat = kSphinxCoat;           // the lion's body
    Tone face = kSkin;                 // the human face
    Tone headcloth = kSphinxHeadcloth; // the striped headcloth
    QColor stripe = kSphinxStripe;     // its stripes
    // The side the hind quarters lie to behind the chest: -1 the viewer's
    // left, 1 the right; the tail curls round in front of them.
    int haunch = 1;
    // The head's tilt in degrees (clockwise), and where the eyes look.
    double tilt = 0;
    QPointF gaze{0, 0};
    // The paw on this side (-1 the viewer's left, 1 the right) reaches out
    // further than the other; 0 lays both level.
    int leadingPaw = 0;
    // 0 looks straight out; -1 or 1 turns the head three-quarter that way.
    int turn = 0;
    // The face's width (1 as the kit draws a woman's), and a stern set to
    // the brows rather than a calm one.
    double breadth = 1.0;
    bool stern = false;
    // An old face, lined at the brow and eyes, rather than one in its prime.
    bool ancient = false;
};

// A couchant sphinx facing the viewer: `base` is the ground under the middle
// of its chest, `height` from the ground to the top of its headcloth.
void paintCouchantSphinx(QPainter &p, QPointF base, double height, const SphinxLook &look = {});

} // namespace artwork::figures
