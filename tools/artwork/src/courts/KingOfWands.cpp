// King of Wands: seated, turned three-quarters towards the viewer's left,
// gripping a flowering wand; a throne with lions and salamanders; a small
// salamander at his feet; a cloak patterned with salamanders.

#include "courts/Court.h"

namespace artwork::courts {
namespace {

constexpr double kTurn = 0.86; // the body turned a little away: narrower

Figure theKing()
{
    Figure k;
    k.base = {112, 266};
    k.height = 198;
    k.pose = Pose::Seated;
    k.robe = {kWandsGown, kWandsMantle, Cut::Gown, kWandsHose, kGold, false};
    k.headwear = Headwear::Crown;
    k.hairColour = kHairChestnut;
    k.beard = Beard::Full;
    k.features = Features{.view = View::ThreeQuarter,
                          .side = -1,
                          .gaze = {-1, 0},
                          .age = Age::Prime,
                          .expression = Expression::Proud,
                          .breadth = 1.08};
    // The wand gripped upright before him, towards the side he faces; the
    // other hand resting on the throne's arm.
    k.left = {.grip = Grip::Fist, .at = QPointF(-0.6, 1.15), .angle = -6.0};
    k.right = {.grip = Grip::Rest, .at = QPointF(0.55, 1.95)};
    k.seed = 17;
    return k;
}

void warmLand(QPainter &p)
{
    paintCourtLand(p, 200, kWandsSky, 37, kNearHills, kDryHills);
    paintMountains(p, 204, 4, 196, 40, 11, kDesertRock, false);
    paintHills(p, courtScene(), 212, 38, kNearHills, kDryHills);
}

// A lion's head on the throne's post, seen from the front: a ruff of mane,
// round ears, a broad muzzle.
void carvedLion(QPainter &q, QPointF c, double r, const Tone &)
{
    QPainterPath mane;
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        mane.addEllipse(c + QPointF(std::cos(a), std::sin(a) * 1.1) * r * 0.74, r * 0.34, r * 0.34);
    }
    drawShape(q, united(mane), kLionMane, 1.0, style::kInteriorLine);
    for (int k : {-1, 1})
        drawShape(q, ellipse(c + QPointF(k * 0.42 * r, -0.48 * r), 0.16 * r, 0.16 * r), kLionCoat, 0.4,
                  style::kInteriorLine);
    drawShape(
        q,
        smoothClosed({c + QPointF(0, -0.6 * r), c + QPointF(0.5 * r, -0.3 * r), c + QPointF(0.42 * r, 0.35 * r),
                      c + QPointF(0, 0.62 * r), c + QPointF(-0.42 * r, 0.35 * r), c + QPointF(-0.5 * r, -0.3 * r)}),
        kLionCoat, 0.8, style::kInteriorLine);
    drawShape(q, ellipse(c + QPointF(0, 0.3 * r), 0.26 * r, 0.2 * r), {kLionCoat.base.lighter(115), kLionCoat.base}, 0,
              style::kInteriorLine);
    for (int k : {-1, 1})
        drawShape(q, ellipse(c + QPointF(k * 0.2 * r, -0.08 * r), 0.06 * r, 0.05 * r), {kOutline, kOutline}, 0, 0);
    QPainterPath nose;
    nose.moveTo(c + QPointF(-0.1 * r, 0.14 * r));
    nose.lineTo(c + QPointF(0.1 * r, 0.14 * r));
    nose.lineTo(c + QPointF(0, 0.26 * r));
    nose.closeSubpath();
    drawShape(q, nose, {kOutline, kOutline}, 0, 0);
    QPainterPath mouth;
    mouth.moveTo(c + QPointF(0, 0.26 * r));
    mouth.lineTo(c + QPointF(0, 0.36 * r));
    mouth.moveTo(c + QPointF(-0.16 * r, 0.42 * r));
    mouth.quadTo(c + QPointF(0, 0.34 * r), c + QPointF(0.16 * r, 0.42 * r));
    drawLine(q, mouth, kOutline, style::kInteriorLine);
}

void kingAndThrone(QPainter &p)
{
    const Figure king = theKing();
    const Body b = bodyOf(king);
    const double u = b.unit, cx = b.hips.x();
    groundShadow(p, {cx, 268}, 60, 6);
    paintInWoodcut(p, [&](QPainter &q) {
        // The back seen a little from the side: its far edge deeper than its near one.
        QPainterPath back;
        back.moveTo(cx - 1.4 * u, b.seatY);
        back.lineTo(cx - 1.4 * u, b.crown.y() - 0.2 * u);
        back.quadTo(cx + 0.2 * u, b.crown.y() - 1.3 * u, cx + 1.9 * u, b.crown.y() - 0.5 * u);
        back.lineTo(cx + 1.9 * u, b.seatY);
        back.closeSubpath();
        drawShape(q, back, kThroneStone, 2.0);
        QPainterPath side;
        side.moveTo(cx + 1.9 * u, b.crown.y() - 0.5 * u);
        side.lineTo(cx + 2.35 * u, b.crown.y() - 0.1 * u);
        side.lineTo(cx + 2.35 * u, b.seatY + 0.4 * u);
        side.lineTo(cx + 1.9 * u, b.seatY);
        side.closeSubpath();
        drawShape(q, side, {kThroneStone.shade, kThroneStone.shade.darker(120)}, 0);
        paintSalamander(q, {cx + 1.45 * u, b.crown.y() + 1.6 * u}, 1.6 * u, -80, kGold);
        carvedLion(q, {cx - 1.4 * u, b.crown.y() - 0.3 * u}, 0.55 * u, kThroneStone);
        carvedLion(q, {cx + 1.95 * u, b.crown.y() - 0.55 * u}, 0.5 * u, kThroneStone);
        QPainterPath seat;
        seat.addRect(QRectF(cx - 1.9 * u, b.seatY - 0.5 * u, 4.1 * u, 1.0 * u));
        drawShape(q, seat, kThroneStone, 1.6);
        q.save();
        q.translate(cx, 0);
        q.scale(kTurn, 1);
        q.translate(-cx, 0);
        paintFigure(q, king);
        // The flowering wand before him, his fist closed round it.
        paintSlimWand(q, b.hand[0], 5.6 * u, 0.86 * u, -6, 0.44, 17);
        paintHand(q, {.grip = Grip::Fist,
                      .centre = b.hand[0],
                      .forearm = b.hand[0] - b.elbow[0],
                      .unit = u,
                      .shaftDegrees = -6,
                      .thumbSide = 1});
        // Salamanders worked on the cloak's fall at his sides.
        for (int s : {-1, 1})
            paintSalamander(q, {cx + s * 1.55 * u, b.seatY + 0.9 * u}, 0.9 * u, -90 + s * 10, kSalamander);
        q.restore();
        paintSalamander(q, {cx - 2.4 * u, king.base.y() - 0.2 * u}, 1.3 * u, 190, kSalamander);
    });
}

} // namespace

Court kingOfWands()
{
    return {{{Layer::Scene, warmLand}, {Layer::Figures, kingAndThrone}}};
}

} // namespace artwork::courts
