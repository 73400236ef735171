#pragma once

// Arms where the kit's gestures do not reach: an arm bent from the shoulder
// to any point (a trumpet, a jug), clothed or bare. `side` is -1 for the hand
// on the viewer's left, 1 for the right.

#include "figures/Figure.h"

#include <QPainter>
#include <QPointF>

namespace artwork::figures {

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
