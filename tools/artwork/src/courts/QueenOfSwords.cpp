// Queen of Swords: seated in profile, facing the viewer's right; the sword
// upright in her right hand, her left hand raised, palm open; a throne with a
// butterfly and a winged head; clouds rising from below, one bird high. A
// crown of butterflies, a cloak patterned with clouds.

#include "courts/Court.h"

namespace artwork::courts {
namespace {

constexpr double kTurn = 0.78; // the body seen side on: narrower than from the front

Figure theQueen()
{
    Figure q;
    q.base = {92, 266};
    q.height = 198;
    q.pose = Pose::Seated;
    q.build = Build::Woman;
    q.robe = {kPaleBlueGown, kSwordsGown, Cut::Gown, kSwordsHose, kSilver, false};
    q.hair = Hair::Shoulder;
    q.hairColour = kHairBlack;
    q.features = Features{.view = View::Profile,
                          .side = 1,
                          .gaze = {1, 0},
                          .age = Age::Prime,
                          .expression = Expression::Stern,
                          .breadth = 1.0};
    q.facing = 1;
    // Her sword upright at the back, her open hand held out before her.
    q.left = {.held = Held::Sword, .size = 1.05, .grip = Grip::Fist, .at = QPointF(0.1, 1.35), .angle = 0.0};
    q.right = {.grip = Grip::Palm, .at = QPointF(1.45, 0.1), .elbowOut = false};
    q.seed = 9;
    return q;
}

void risingClouds(QPainter &p)
{
    const QRectF scene = courtScene();
    paintCourtLand(p, 214, kSwordsSky, 24);
    paintCloud(p, {150, 200}, 70, 2);
    paintCloud(p, {172, 160}, 48, 5);
    paintCloud(p, {128, 226}, 56, 7);
    paintBird(p, {160, 34}, 14, -1, kDarkBird, true);
    paintTree(p, {scene.left() + 12, 232}, 30, 9, TreeKind::Cypress);
}

// The winged head carved on the throne's back: a child's face between two wings.
void wingedHead(QPainter &p, QPointF c, double size)
{
    for (int k : {-1, 1}) {
        drawShape(p,
                  smoothClosed({c + QPointF(k * 0.2 * size, 0), c + QPointF(k * 0.9 * size, -0.5 * size),
                                c + QPointF(k * 1.0 * size, 0.05 * size), c + QPointF(k * 0.5 * size, 0.4 * size)}),
                  kPaleThroneStone, 1.0, style::kInteriorLine);
    }
    drawShape(p, ellipse(c, 0.32 * size, 0.36 * size), kPaleThroneStone, 1.0, style::kInteriorLine);
    QPainterPath face;
    face.moveTo(c + QPointF(-0.12 * size, -0.02 * size));
    face.lineTo(c + QPointF(-0.06 * size, -0.02 * size));
    face.moveTo(c + QPointF(0.06 * size, -0.02 * size));
    face.lineTo(c + QPointF(0.12 * size, -0.02 * size));
    face.moveTo(c + QPointF(-0.08 * size, 0.16 * size));
    face.quadTo(c + QPointF(0, 0.2 * size), c + QPointF(0.08 * size, 0.16 * size));
    drawLine(p, face, kPaleThroneStone.shade.darker(140), 0.7);
}

// Her crown: a band with three butterflies on it.
void butterflyCrown(QPainter &p, const Figure &queen)
{
    const Body b = bodyOf(queen);
    const double u = b.unit;
    const QPointF c = b.headCentre + QPointF(-0.05 * u, -0.5 * u);
    QPainterPath band;
    band.addRoundedRect(QRectF(c.x() - 0.42 * u, c.y() - 0.08 * u, 0.84 * u, 0.2 * u), 0.06 * u, 0.06 * u);
    drawShape(p, band, kGold, 0.6, style::kInteriorLine);
    paintButterfly(p, c + QPointF(-0.3 * u, -0.28 * u), 0.48 * u, kGold);
    paintButterfly(p, c + QPointF(0.05 * u, -0.42 * u), 0.56 * u, kGold);
    paintButterfly(p, c + QPointF(0.36 * u, -0.26 * u), 0.44 * u, kGold);
}

void queenAndThrone(QPainter &p)
{
    const Figure queen = theQueen();
    const Body b = bodyOf(queen);
    const double u = b.unit, cx = b.hips.x();
    groundShadow(p, {cx + 6, 268}, 54, 6);
    paintInWoodcut(p, [&](QPainter &q) {
        // The throne seen from the side: its back upright behind her, the seat reaching forward.
        QPainterPath back;
        back.addRoundedRect(QRectF(cx - 1.55 * u, b.crown.y() - 0.6 * u, 0.7 * u, b.seatY - b.crown.y() + 1.1 * u),
                            0.3 * u, 0.3 * u);
        drawShape(q, back, kPaleThroneStone, 1.8);
        wingedHead(q, {cx - 1.2 * u, b.crown.y() - 0.7 * u}, 0.75 * u);
        paintButterfly(q, {cx - 1.2 * u, b.crown.y() + 1.9 * u}, 0.62 * u, kPaleThroneStone);
        QPainterPath seat;
        seat.addRect(QRectF(cx - 1.6 * u, b.seatY - 0.2 * u, 2.7 * u, 0.55 * u));
        seat.addRect(QRectF(cx - 1.45 * u, b.seatY + 0.3 * u, 0.5 * u, queen.base.y() - b.seatY - 0.3 * u));
        seat.addRect(QRectF(cx + 0.5 * u, b.seatY + 0.3 * u, 0.5 * u, queen.base.y() - b.seatY - 0.3 * u));
        drawShape(q, united(seat), kPaleThroneStone, 1.4);
        // Seen side on, she is narrower than from the front.
        q.save();
        q.translate(cx, 0);
        q.scale(kTurn, 1);
        q.translate(-cx, 0);
        paintFigure(q, queen);
        q.restore();
        butterflyCrown(q, queen); // unsqueezed: the head's middle is on the line it was squeezed about
    });
}

} // namespace

Court queenOfSwords()
{
    return {{{Layer::Scene, risingClouds}, {Layer::Figures, queenAndThrone}}};
}

} // namespace artwork::courts
