#pragma once

// A throne for a seated figure: paint it first, then paintFigure. And the
// carved ram's head that The Emperor's throne bears.

#include "figures/Figure.h"

namespace artwork::figures {

struct ThroneLook {
    Tone frame = kThroneStone; // carved stone
    Tone cloth = kThroneCloth; // the hanging on its back
    // How far the back rises above the sitter's crown, in heads.
    double rise = 1.1;
};

// Paints the throne behind `seated` (a figure in Pose::Seated) and returns the
// box at the top of its back, over the sitter's head, where a crest can go.
QRectF paintThrone(QPainter &painter, const Figure &seated, const ThroneLook &look = {});

// A ram's head carved in `tone`, seen from the front, `size` wide across its
// gold horns, for a throne's arms and crest.
void paintRamHead(QPainter &p, QPointF centre, double size, const Tone &tone);

} // namespace artwork::figures
