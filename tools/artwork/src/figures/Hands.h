#pragma once

// Hands that close on what they hold: a fist round a hilt or a staff, a hand
// cradling a thing from below, resting on a knee or a rim, an open palm, a
// pointing hand, a blessing hand, a hand on the hip. paintFigure draws a
// Hand's `grip` with these; a painter can draw one on its own.

#include "figures/Figure.h"

#include <QPainter>
#include <QPointF>

namespace artwork::figures {

struct HandDrawing {
    Grip grip = Grip::Fist;
    QPointF centre;        // the middle of the hand
    QPointF forearm{0, 1}; // the forearm's direction, elbow to wrist
    double unit = 20;      // a head's height
    Tone skin = kSkin;
    double shaftDegrees = 0; // a fist's shaft: degrees clockwise from upright
    int thumbSide = 1;       // which side of the hand the thumb shows: -1 viewer's left, 1 right
};

void paintHand(QPainter &painter, const HandDrawing &hand);

} // namespace artwork::figures
