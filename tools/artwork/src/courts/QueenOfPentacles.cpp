// Queen of Pentacles: seated, looking down at the coin cradled in her lap in
// both hands; under an arch of roses; a rabbit in a lower corner; hills
// behind; flowers at her feet.

#include "courts/Court.h"

namespace artwork::courts {
namespace {

// The coin's middle and size: on her lap, between her knees.
QPointF coinInLap(const Figure &queen)
{
    const Body b = bodyOf(queen);
    return {b.hips.x(), b.seatY - 0.25 * b.unit};
}

double coinRadius(double unit)
{
    return 0.8 * 1.05 * unit; // a pentacle is 1.6 heads across at size 1
}

Figure theQueen()
{
    Figure q;
    q.base = {96, 264};
    q.height = 194;
    q.pose = Pose::Seated;
    q.build = Build::Woman;
    q.robe = {kPentaclesGown, kPentaclesMantle, Cut::Gown, kBrownCloth, kGold, false};
    q.headwear = Headwear::Coronet;
    q.hair = Hair::Shoulder;
    q.hairColour = kHairSable;
    q.features = Features{
        .view = View::Front, .gaze = {0.2, 1}, .age = Age::Prime, .expression = Expression::Gentle, .breadth = 0.98};
    q.seed = 45;
    // Both hands under the coin's rim, either side, in her lap.
    const Body b = bodyOf(q);
    const QPointF coin = coinInLap(q);
    const double r = coinRadius(b.unit);
    q.left.grip = q.right.grip = Grip::Cradle;
    reachTo(q, -1, coin + QPointF(-0.78 * r, 0.62 * r));
    reachTo(q, 1, coin + QPointF(0.78 * r, 0.62 * r));
    return q;
}

void hillsUnderRoses(QPainter &p)
{
    paintCourtLand(p, 200, kPentaclesSky, 66, kSpringHills, kSpringHillsFar);
    paintMountains(p, 204, 4, 196, 26, 9, kBlueMountains, false);
    paintHills(p, courtScene(), 208, 67, kSpringHills, kSpringHillsFar);
    // The arch of roses over the picture.
    QPainterPath arch;
    arch.moveTo(16, 260);
    arch.lineTo(16, 90);
    arch.cubicTo(20, 10, 180, 10, 184, 90);
    arch.lineTo(184, 260);
    drawLine(p, arch, kLeaf.shade, 3.0);
    paintGarland(p, arch, 5.5);
}

void queenInTheGarden(QPainter &p)
{
    const Figure queen = theQueen();
    const Body b = bodyOf(queen);
    const double u = b.unit, cx = b.hips.x();
    groundShadow(p, {cx, 266}, 58, 6);
    paintInWoodcut(p, [&](QPainter &q) {
        // A simple garden seat with a low back.
        QPainterPath back;
        back.addRoundedRect(QRectF(cx - 1.7 * u, b.crown.y() + 1.4 * u, 3.4 * u, b.seatY - b.crown.y() - 1.4 * u),
                            0.4 * u, 0.4 * u);
        drawShape(q, back, kPaleThroneStone, 1.8);
        QPainterPath seat;
        seat.addRect(QRectF(cx - 2.0 * u, b.seatY - 0.3 * u, 4.0 * u, queen.base.y() - b.seatY + 0.3 * u));
        drawShape(q, seat, kPaleThroneStone, 1.6);
        paintFigure(q, queen);
        // The coin in her lap, her hands under its rim.
        // The pentacle's grip lies 0.26 of its height below its middle.
        paintHeld(q, Held::Pentacle, coinInLap(queen) + QPointF(0, 0.26 * 2 * coinRadius(u)), u * 1.05, 0,
                  queen.base.y());
        for (int i : {0, 1}) {
            const auto k = static_cast<std::size_t>(i);
            paintHand(q, {.grip = Grip::Cradle, .centre = b.hand[k], .forearm = b.hand[k] - b.elbow[k], .unit = u});
        }
        paintRabbit(q, {166, 280}, 22, -1);
        for (int i = 0; i < 5; ++i)
            paintFlower(q, {42.0 + i * 28.0, 284.0 - (i % 2) * 5.0}, 3.4, i % 2 ? kRedFlower : kYellow);
    });
}

} // namespace

Court queenOfPentacles()
{
    return {{{Layer::Scene, hillsUnderRoses}, {Layer::Figures, queenInTheGarden}}};
}

} // namespace artwork::courts
