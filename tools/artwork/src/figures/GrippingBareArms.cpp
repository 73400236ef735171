#include "figures/GrippingBareArms.h"

#include "figures/Hands.h"
#include "figures/Shapes.h"

#include <algorithm>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace {

QPointF elbowOf(const BareArm &a, QPointF &hand)
{
    const ArmMeasures m = armMeasures(a.build);
    const auto [e1, e2] = elbowChoices(a.shoulder, hand, m.upper * a.unit, m.fore * a.unit);
    return length(e1 - a.bend) <= length(e2 - a.bend) ? e1 : e2;
}

HandDrawing handOf(const BareArm &a, QPointF elbow, QPointF hand)
{
    HandDrawing h;
    h.grip = a.grip;
    h.centre = hand;
    h.forearm = unitVector(hand - elbow);
    h.unit = a.unit * (a.build == Build::Child ? 0.95 : 1.0);
    h.skin = a.skin;
    h.shaftDegrees = a.shaftDegrees;
    h.thumbSide = a.thumbSide;
    return h;
}

} // namespace

QPointF paintGrippingBareArm(QPainter &p, const BareArm &a)
{
    QPointF hand = a.hand;
    const QPointF elbow = elbowOf(a, hand);
    const double w = armMeasures(a.build).thickness * a.unit * a.plump;
    const QPointF wrist = hand - unitVector(hand - elbow) * 0.14 * a.unit;
    drawShape(p, limb({a.shoulder, elbow, wrist}, {0.26 * w, 0.19 * w, 0.13 * w}), a.skin, std::max(1.0, 0.1 * a.unit),
              kInteriorLine);
    if (a.withHand)
        paintHand(p, handOf(a, elbow, hand));
    return elbow;
}

void paintGrippingBareHand(QPainter &p, const BareArm &a)
{
    QPointF hand = a.hand;
    const QPointF elbow = elbowOf(a, hand);
    paintHand(p, handOf(a, elbow, hand));
}

} // namespace artwork::figures
