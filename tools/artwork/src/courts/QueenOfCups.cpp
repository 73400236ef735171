// Queen of Cups: seated at the water's edge, gazing at her cup: an ornate
// lidded cup with handles, held in both hands (the only lidded cup in the
// deck); a throne carved with small water-sprites; pebbles and the shore at
// her feet.

#include "courts/Court.h"

namespace artwork::courts {
namespace {

constexpr double kTurn = 0.88;

// Where the cup stands (its foot) and how tall it is.
QPointF cupFoot(const Figure &queen)
{
    const Body b = bodyOf(queen);
    return {b.hips.x() - 0.2 * b.unit, b.waist.y() + 0.55 * b.unit};
}

double cupHeight(double unit)
{
    return 1.55 * unit;
}

Figure theQueen()
{
    Figure q;
    q.base = {116, 264};
    q.height = 192;
    q.pose = Pose::Seated;
    q.build = Build::Woman;
    q.robe = {kCupsMantle, kCupsGown, Cut::Gown, kCupsHose, kGold, false};
    q.headwear = Headwear::Coronet;
    q.hair = Hair::Shoulder;
    q.hairColour = kHairHoney;
    q.features = Features{
        .view = View::ThreeQuarter, .side = -1, .gaze = {-0.5, 1}, .age = Age::Prime, .expression = Expression::Gentle};
    q.seed = 33;
    // Her hands under the bowl either side, the cup held before her breast.
    const QPointF foot = cupFoot(q);
    const double h = cupHeight(bodyOf(q).unit);
    q.left.grip = q.right.grip = Grip::Cradle;
    reachTo(q, -1, foot + QPointF(-0.3 * h, -0.34 * h));
    reachTo(q, 1, foot + QPointF(0.3 * h, -0.34 * h));
    return q;
}

// The lidded cup, standing on `foot`, `height` tall: a footed bowl with two
// handles and a domed lid with a knob.
void liddedCup(QPainter &p, QPointF foot, double height)
{
    const double h = height;
    auto at = [&](double x, double y) { return foot + QPointF(x * h, -y * h); };
    for (int s : {-1, 1}) {
        QPainterPath handle;
        handle.moveTo(at(s * 0.28, 0.62));
        handle.cubicTo(at(s * 0.55, 0.66), at(s * 0.55, 0.4), at(s * 0.24, 0.4));
        drawLine(p, handle, kOutline, 0.16 * h);
        drawLine(p, handle, kGold.base, 0.09 * h);
    }
    drawShape(p,
              smoothClosed({at(-0.2, 0), at(0.2, 0), at(0.06, 0.12), at(0.06, 0.26), at(-0.06, 0.26), at(-0.06, 0.12)}),
              kGold, 1.0, style::kInteriorLine);
    drawShape(p, smoothClosed({at(-0.3, 0.66), at(0.3, 0.66), at(0.24, 0.38), at(0, 0.26), at(-0.24, 0.38)}), kGold,
              1.4, style::kInteriorLine);
    QPainterPath lid;
    lid.moveTo(at(-0.3, 0.66));
    lid.cubicTo(at(-0.28, 0.86), at(0.28, 0.86), at(0.3, 0.66));
    lid.closeSubpath();
    drawShape(p, lid, kGold, 1.0, style::kInteriorLine);
    drawShape(p, ellipse(at(0, 0.9), 0.06 * h, 0.06 * h), kRuby, 0.4, style::kInteriorLine);
    for (double x : {-0.14, 0.0, 0.14})
        drawShape(p, ellipse(at(x, 0.52), 0.035 * h, 0.035 * h), kSapphire, 0, style::kInteriorLine);
}

// A small water-sprite carved on the throne: a child's head and arms over a fish's tail.
void waterSprite(QPainter &p, QPointF c, double size, int facing)
{
    QPainterPath tail;
    tail.moveTo(c + QPointF(-0.2 * size, 0.2 * size));
    tail.cubicTo(c + QPointF(0, 0.9 * size), c + QPointF(facing * 0.6 * size, 0.9 * size),
                 c + QPointF(facing * 0.7 * size, 0.6 * size));
    tail.lineTo(c + QPointF(facing * 0.9 * size, 0.5 * size));
    tail.lineTo(c + QPointF(facing * 0.75 * size, 0.75 * size));
    tail.cubicTo(c + QPointF(facing * 0.4 * size, 1.1 * size), c + QPointF(0.25 * size, 0.8 * size),
                 c + QPointF(0.2 * size, 0.2 * size));
    tail.closeSubpath();
    drawShape(p, tail, kPaleThroneStone, 0.8, style::kInteriorLine);
    drawShape(p, ellipse(c, 0.24 * size, 0.26 * size), kPaleThroneStone, 0.6, style::kInteriorLine);
}

void shore(QPainter &p)
{
    const QRectF scene = courtScene();
    paintSky(p, scene, 176, kCupsSky);
    paintWater(p, scene, 170, 250, 43);
    // Green cliffs behind her on the right, the sand and pebbles below.
    QPainterPath cliff;
    cliff.moveTo(120, 294);
    cliff.lineTo(126, 150);
    cliff.cubicTo(150, 128, 176, 132, 192, 140);
    cliff.lineTo(192, 294);
    cliff.closeSubpath();
    drawShape(p, cliff, kSpringHills, 2.4, style::kInteriorLine);
    QPainterPath sand;
    sand.moveTo(8, 258);
    sand.cubicTo(50, 244, 110, 246, 192, 250);
    sand.lineTo(192, 294);
    sand.lineTo(8, 294);
    sand.closeSubpath();
    drawShape(p, sand, kSand, 1.6, style::kInteriorLine);
    style::Roughness rough(5);
    for (int i = 0; i < 16; ++i) {
        const QPointF c(16 + i * 11.0 + rough.next() * 3, 270 + (i % 3) * 7.0 + rough.next() * 2);
        drawShape(p, ellipse(c, 3.0 + rough.next(), 2.0), kPebble, 0.6, style::kInteriorLine);
    }
}

void queenByTheWater(QPainter &p)
{
    const Figure queen = theQueen();
    const Body b = bodyOf(queen);
    const double u = b.unit, cx = b.hips.x();
    groundShadow(p, {cx, 266}, 58, 6);
    paintInWoodcut(p, [&](QPainter &q) {
        QPainterPath back;
        back.moveTo(cx - 1.8 * u, b.seatY);
        back.lineTo(cx - 1.8 * u, b.crown.y() + 0.3 * u);
        back.quadTo(cx, b.crown.y() - 1.4 * u, cx + 1.8 * u, b.crown.y() + 0.3 * u);
        back.lineTo(cx + 1.8 * u, b.seatY);
        back.closeSubpath();
        drawShape(q, back, kPaleThroneStone, 2.0);
        waterSprite(q, {cx - 1.1 * u, b.crown.y() + 0.2 * u}, 0.7 * u, 1);
        waterSprite(q, {cx + 1.1 * u, b.crown.y() + 0.2 * u}, 0.7 * u, -1);
        waterSprite(q, {cx, b.crown.y() - 0.5 * u}, 0.55 * u, 1);
        QPainterPath seat;
        seat.addRect(QRectF(cx - 2.0 * u, b.seatY - 0.3 * u, 4.0 * u, queen.base.y() - b.seatY + 0.3 * u));
        drawShape(q, seat, kPaleThroneStone, 1.6);
        // Turned a little towards the water: narrower than seen from the front.
        q.save();
        q.translate(cx, 0);
        q.scale(kTurn, 1);
        q.translate(-cx, 0);
        paintFigure(q, queen);
        q.restore();
        // The cup between her hands, then her fingers round it.
        auto squeezed = [&](QPointF at) { return QPointF(cx + (at.x() - cx) * kTurn, at.y()); };
        liddedCup(q, squeezed(cupFoot(queen)), cupHeight(u));
        for (std::size_t i : {0u, 1u})
            paintHand(q, {.grip = Grip::Cradle,
                          .centre = squeezed(b.hand[i]),
                          .forearm = squeezed(b.hand[i]) - squeezed(b.elbow[i]),
                          .unit = u});
    });
}

} // namespace

Court queenOfCups()
{
    return {{{Layer::Scene, shore}, {Layer::Figures, queenByTheWater}}};
}

} // namespace artwork::courts
