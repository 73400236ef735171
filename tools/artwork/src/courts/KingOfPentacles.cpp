// King of Pentacles: seated, relaxed, facing the viewer; a coin on his knee
// under one hand, a sceptre in the other; a throne with bulls' heads; a
// castle behind; vines and grapes all round. A robe patterned with grapes.

#include "courts/Court.h"

namespace artwork::courts {
namespace {

Figure theKing()
{
    Figure k;
    k.base = {96, 266};
    k.height = 200;
    k.pose = Pose::Seated;
    k.kneesApart = 0.22;
    k.robe = {kGrapeRobe, kPentaclesMantle, Cut::Gown, kBrownCloth, kGold, false};
    k.headwear = Headwear::Crown;
    k.hairColour = kHairDarkBrown;
    k.beard = Beard::Full;
    k.features = Features{
        .view = View::Front, .gaze = {0.3, 0.5}, .age = Age::Prime, .expression = Expression::Smile, .breadth = 1.14};
    // The sceptre held out to the side; the other hand laid on the coin on his knee.
    k.left = {.held = Held::Sceptre,
              .size = 1.15,
              .grip = Grip::Fist,
              .at = QPointF(-0.75, 1.15),
              .elbowOut = true,
              .angle = -18.0};
    k.right = {.gesture = Gesture::Down, .grip = Grip::Rest, .at = QPointF(0.55, 2.05)};
    k.seed = 41;
    return k;
}

void castleAndVines(QPainter &p)
{
    paintCourtLand(p, 186, kPentaclesSky, 65);
    paintMountains(p, 190, 4, 196, 30, 7, kBlueMountains, false);
    paintHills(p, courtScene(), 196, 66);
    paintCastle(p, {160, 190}, 44, 3);
    paintVine(p, {{10, 250}, {14, 214}, {10, 178}, {18, 140}, {14, 104}, {20, 70}}, 7, 2);
    paintVine(p, {{190, 250}, {186, 220}, {190, 196}}, 7, 2);
}

// A bull's head carved in stone, seen from the front, with gold-tipped horns.
void bullHead(QPainter &q, QPointF c, double size)
{
    for (int s : {-1, 1}) {
        QPainterPath horn;
        horn.moveTo(c + QPointF(s * 0.25 * size, -0.25 * size));
        horn.cubicTo(c + QPointF(s * 0.7 * size, -0.3 * size), c + QPointF(s * 0.8 * size, -0.6 * size),
                     c + QPointF(s * 0.62 * size, -0.8 * size));
        horn.cubicTo(c + QPointF(s * 0.65 * size, -0.5 * size), c + QPointF(s * 0.5 * size, -0.4 * size),
                     c + QPointF(s * 0.22 * size, -0.1 * size));
        horn.closeSubpath();
        drawShape(q, horn, kGold, 0.6, style::kInteriorLine);
        drawShape(q, ellipse(c + QPointF(s * 0.42 * size, -0.1 * size), 0.16 * size, 0.08 * size, s * 20.0), kBullStone,
                  0.4, style::kInteriorLine);
    }
    drawShape(q,
              smoothClosed({c + QPointF(0, -0.4 * size), c + QPointF(0.32 * size, -0.2 * size),
                            c + QPointF(0.24 * size, 0.35 * size), c + QPointF(0, 0.48 * size),
                            c + QPointF(-0.24 * size, 0.35 * size), c + QPointF(-0.32 * size, -0.2 * size)}),
              kBullStone, 1.0, style::kInteriorLine);
    for (int s : {-1, 1})
        drawShape(q, ellipse(c + QPointF(s * 0.13 * size, -0.05 * size), 0.04 * size, 0.04 * size),
                  {kOutline, kOutline}, 0, 0);
    drawShape(q, ellipse(c + QPointF(0, 0.33 * size), 0.17 * size, 0.1 * size), kBullStone, 0.4, style::kInteriorLine);
}

void kingAndThrone(QPainter &p)
{
    const Figure king = theKing();
    const Body b = bodyOf(king);
    const double u = b.unit, cx = b.hips.x();
    groundShadow(p, {cx + 4, 268}, 66, 6);
    paintInWoodcut(p, [&](QPainter &q) {
        // A square, heavy throne; bulls' heads on its corners.
        QPainterPath back;
        back.addRect(QRectF(cx - 2.1 * u, b.crown.y() + 0.2 * u, 4.2 * u, b.seatY - b.crown.y() - 0.2 * u));
        drawShape(q, back, kPentaclesThroneCloth, 2.0);
        QPainterPath seat;
        seat.addRect(QRectF(cx - 2.3 * u, b.seatY - 0.6 * u, 4.6 * u, king.base.y() - b.seatY + 0.6 * u));
        drawShape(q, seat, kBullStone, 1.8);
        bullHead(q, {cx - 2.1 * u, b.crown.y() + 0.35 * u}, 1.05 * u);
        bullHead(q, {cx + 2.1 * u, b.crown.y() + 0.35 * u}, 1.05 * u);
        paintFigure(q, king);
        // Grapes worked on the robe over his knees.
        for (const QPointF &at : {QPointF(-0.6, 4.1), QPointF(0.1, 4.6), QPointF(-0.2, 5.2), QPointF(0.7, 5.0)})
            paintGrapes(q, b.crown + at * u, 0.5 * u);
        // The coin on his knee, his hand laid over its rim.
        const QPointF knee = b.knee[1];
        paintHeld(q, Held::Pentacle, knee + QPointF(0.05 * u, -0.25 * u), u * 1.15, 0, king.base.y());
        paintHand(q, {.grip = Grip::Rest,
                      .centre = b.hand[1] + QPointF(0, -0.05 * u),
                      .forearm = b.hand[1] - b.elbow[1],
                      .unit = u});
        paintVine(q, {{cx - 2.3 * u, b.seatY + 0.2 * u}, {cx - 1.2 * u, king.base.y() - 0.1 * u}}, 0.32 * u, 0);
    });
}

} // namespace

Court kingOfPentacles()
{
    return {{{Layer::Scene, castleAndVines}, {Layer::Figures, kingAndThrone}}};
}

} // namespace artwork::courts
