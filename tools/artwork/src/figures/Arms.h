#pragma once

// Arms and hands where the kit's gestures do not reach: a fist closed round
// something laid over the kit's hand, a hand that points or blesses, and an
// arm bent from the shoulder to any point (a lion's jaws, a trumpet, a jug).
// `side` is -1 for the hand on the viewer's left, 1 for the right.

#include "figures/Figure.h"

#include <QPainter>
#include <QPointF>

namespace artwork::figures {

// A fist closed round something drawn over the figure's hand.
void paintFist(QPainter &p, const Figure &f, int side);
// The hand closed with its forefinger pointing along `direction`.
void paintPointingHand(QPainter &p, const Figure &f, int side, QPointF direction);
// The hand raised in blessing: two fingers up, the others folded.
void paintBlessingHand(QPainter &p, const Figure &f, int side);

// An arm of `figure` from its shoulder to `hand`, bent at the elbow towards
// `bend` (a point the elbow leans to), in `sleeve`, with a cuff in the robe's
// trim and the hand in the figure's skin: open, or closed round something
// when `holding`.
void paintArm(QPainter &p, const Figure &figure, int side, QPointF hand, QPointF bend, const Tone &sleeve, bool holding,
              bool cuff = true);

// A bare arm from an explicit shoulder, for bodies drawn without the kit
// (Bodies.h).
void paintBareArmFrom(QPainter &p, QPointF shoulder, QPointF hand, QPointF bend, double unit, Build build,
                      const Tone &skin, bool holding);

} // namespace artwork::figures
