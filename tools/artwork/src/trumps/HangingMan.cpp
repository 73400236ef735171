// 13 The Hanging Man: a man hanging head down by one foot from a T-shaped tree of living wood,
// his free leg crossed behind the other, his hands behind his back, a halo round his head.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

constexpr double kBeamY = 34, kTreeX = 100;

void hangingLand(QPainter &p)
{
    const QRectF s = trumpScene();
    paintSky(p, s, 214, kMorningSky);
    paintHills(p, s, 214, 13, kSpringHills, kSpringHillsFar);
}

void hangingTree(QPainter &p)
{
    const QRectF s = trumpScene();
    paintLivingWood(p, {kTreeX, s.bottom() + 4}, {kTreeX, kBeamY - 6}, 8, 13);
    paintLivingWood(p, {s.left() + 16, kBeamY}, {s.right() - 16, kBeamY}, 8.5, 31);
}

// The halo behind his head (the kit draws a hanging figure turned upside
// down about its ankles, so the head is as far below them as it would be
// above), the rope from the beam to his ankle, the man and the knot.
void hangingMan(QPainter &p)
{
    Figure man;
    man.base = {kTreeX, kBeamY + 26};
    man.height = 184;
    man.pose = Pose::Hanging;
    man.robe = {kTunicBlue, std::nullopt, Cut::Tunic, kHoseRed, kGold};
    man.hairColour = kHairBrown;
    man.facing = 1;
    const Body body = bodyOf(man);
    const QPointF head(body.headCentre.x(), 2 * man.base.y() - body.headCentre.y());
    paintHalo(p, head, body.unit * 0.95);
    QPainterPath rope;
    rope.moveTo(kTreeX - 2, kBeamY - 4);
    rope.lineTo(kTreeX - 1, man.base.y() + 4);
    drawLine(p, rope, kOutline, 3.4);
    drawLine(p, rope, kRope, 2.0);
    paintFigure(p, man);
    QPainterPath knot;
    knot.addRoundedRect(QRectF(kTreeX - 6, man.base.y() - 2, 12, 6), 2, 2);
    drawShape(p, knot, kRopeKnot, 0.8);
}

} // namespace

Trump theHangingMan()
{
    return {{{Layer::Scene, hangingLand}, {Layer::Scene, hangingTree}, {Layer::Figures, hangingMan}}};
}

} // namespace artwork::trumps
