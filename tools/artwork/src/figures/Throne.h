#pragma once

// A throne for a seated figure, and angels' wings. Both go behind the figure:
// paint them first, then paintFigure.

#include "figures/Figure.h"

namespace artwork::figures {

struct ThroneLook {
    Tone frame{{196, 184, 160}, {138, 126, 104}}; // carved stone
    Tone cloth{{150, 40, 50}, {96, 22, 32}};      // the hanging on its back
    // How far the back rises above the sitter's crown, in heads.
    double rise = 1.1;
};

// Paints the throne behind `seated` (a figure in Pose::Seated) and returns the
// box at the top of its back, over the sitter's head, where a crest can go.
QRectF paintThrone(QPainter &painter, const Figure &seated, const ThroneLook &look = {});

struct WingsLook {
    Tone feathers{{236, 230, 214}, {176, 164, 140}};
    Tone tips{{178, 192, 218}, {124, 138, 170}}; // the long flight feathers
    // How far each wing reaches from the spine, in heads.
    double span = 2.6;
    // 0: wings half open, level with the shoulders; 1: raised high.
    double lift = 0.6;
};

// Paints a pair of wings from the figure's shoulders.
void paintWings(QPainter &painter, const Figure &figure, const WingsLook &look = {});

} // namespace artwork::figures
