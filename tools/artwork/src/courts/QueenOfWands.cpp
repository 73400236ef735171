// Queen of Wands: seated facing the viewer, knees apart, strong; the wand in
// her right hand, a sunflower in her left; lions on the throne's arms; a
// black cat at her feet; green hills and sunflowers. Hair to the shoulders.

#include "courts/Court.h"

namespace artwork::courts {
namespace {

Figure theQueen()
{
    Figure q;
    q.base = {100, 264};
    q.height = 196;
    q.pose = Pose::Seated;
    q.build = Build::Woman;
    q.kneesApart = 0.32;
    q.robe = {kWandsMantle, kWandsGown, Cut::Gown, kWandsHose, kGold, false};
    q.headwear = Headwear::Coronet;
    q.hair = Hair::Shoulder;
    q.hairColour = kHairRed;
    q.features = Features{
        .view = View::Front, .gaze = {-0.5, 0}, .age = Age::Prime, .expression = Expression::Proud, .breadth = 1.05};
    // The wand planted upright beside her; the sunflower held up in her other hand.
    q.left = {.grip = Grip::Fist, .at = QPointF(-0.6, 1.3), .elbowOut = true, .angle = 0.0};
    q.right = {.grip = Grip::Fist, .at = QPointF(0.42, 0.95), .elbowOut = true, .angle = 12.0};
    q.seed = 21;
    return q;
}

void sunflowerHills(QPainter &p)
{
    paintCourtLand(p, 190, kWandsSky, 38, kNearHills, kFarHills);
    paintSunflower(p, {22, 204}, 7, {24, 250}, 0);
    paintSunflower(p, {180, 196}, 6.5, {178, 246}, 0);
    paintSunflower(p, {170, 226}, 5.5, {170, 260}, 0);
}

void lionOnArm(QPainter &q, QPointF base, double height, int facing)
{
    paintLion(q, base, height, facing, kLionCoat, kLionMane);
}

void queenAndThrone(QPainter &p)
{
    const Figure queen = theQueen();
    const Body b = bodyOf(queen);
    const double u = b.unit, cx = b.hips.x();
    groundShadow(p, {cx, 266}, 66, 6);
    paintInWoodcut(p, [&](QPainter &q) {
        // A broad, low back with a rounded top; the arms stretch out to carved lions.
        QPainterPath back;
        back.moveTo(cx - 2.0 * u, b.seatY);
        back.lineTo(cx - 2.0 * u, b.crown.y() + 0.8 * u);
        back.cubicTo(cx - 2.0 * u, b.crown.y() - 0.9 * u, cx + 2.0 * u, b.crown.y() - 0.9 * u, cx + 2.0 * u,
                     b.crown.y() + 0.8 * u);
        back.lineTo(cx + 2.0 * u, b.seatY);
        back.closeSubpath();
        drawShape(q, back, kWandsThroneCloth, 2.0);
        for (int s : {-1, 1}) {
            QPainterPath arm;
            arm.addRect(QRectF(s > 0 ? cx + 1.6 * u : cx - 2.55 * u, b.seatY - 0.9 * u, 0.95 * u, 1.6 * u));
            drawShape(q, arm, kThroneStone, 1.4);
            lionOnArm(q, {s > 0 ? cx + 2.05 * u : cx - 2.05 * u, b.seatY - 0.9 * u}, 0.62 * u, s);
        }
        QPainterPath seat;
        seat.addRect(QRectF(cx - 2.0 * u, b.seatY - 0.3 * u, 4.0 * u, 0.9 * u));
        drawShape(q, seat, kThroneStone, 1.6);
        paintFigure(q, queen);
        // The sunflower held up in her other fist, its head clear of her shoulder.
        const QPointF hand = b.hand[1];
        paintSunflower(q, hand + QPointF(0.55 * u, -1.15 * u), 0.42 * u, hand + QPointF(0, 0.2 * u), 14);
        paintHand(q, {.grip = Grip::Fist,
                      .centre = hand,
                      .forearm = hand - b.elbow[1],
                      .unit = u,
                      .shaftDegrees = 25,
                      .thumbSide = -1});
        paintSlimWand(q, b.hand[0], 5.5 * u, 0.84 * u, -2, 0.42, 21);
        paintHand(q, {.grip = Grip::Fist,
                      .centre = b.hand[0],
                      .forearm = b.hand[0] - b.elbow[0],
                      .unit = u,
                      .shaftDegrees = -2,
                      .thumbSide = 1});
        paintSittingCat(q, {cx + 0.45 * u, queen.base.y() + 2}, 1.55 * u);
    });
}

} // namespace

Court queenOfWands()
{
    return {{{Layer::Scene, sunflowerHills}, {Layer::Figures, queenAndThrone}}};
}

} // namespace artwork::courts
