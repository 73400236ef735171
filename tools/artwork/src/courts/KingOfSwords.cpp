// King of Swords: seated facing the viewer, stern; the sword upright in his
// right hand, a little tilted; a high-backed throne carved with butterflies
// and crescents; a sky of clouds with two birds over low trees. Blue robe,
// purple cloak.

#include "courts/Court.h"

namespace artwork::courts {
namespace {

Figure theKing()
{
    Figure k;
    k.base = {100, 266};
    k.height = 200;
    k.pose = Pose::Seated;
    k.robe = {kSwordsGown, kSwordsMantle, Cut::Gown, kSwordsHose, kSilver, false};
    k.headwear = Headwear::Crown;
    k.hairColour = kHairGrey;
    k.beard = Beard::Full;
    k.features = Features{
        .view = View::Front, .gaze = {0, 0}, .age = Age::Old, .expression = Expression::Stern, .breadth = 0.96};
    // His right hand (on the viewer's left) holds the sword up from the throne's arm.
    k.left = {.gesture = Gesture::Raised,
              .held = Held::Sword,
              .size = 1.12,
              .grip = Grip::Fist,
              .at = QPointF(-0.62, 1.25),
              .angle = -7.0};
    k.right = {.gesture = Gesture::Down, .grip = Grip::Rest};
    k.seed = 5;
    return k;
}

void swordsSky(QPainter &p)
{
    const QRectF scene = courtScene();
    paintCourtLand(p, 206, kSwordsSky, 23);
    paintCloud(p, {scene.left() + 30, 52}, 58, 3);
    paintCloud(p, {scene.right() - 24, 96}, 50, 8);
    paintCloud(p, {scene.left() + 14, 150}, 40, 11);
    paintBird(p, {40, 30}, 12, 1, kDarkBird, true);
    paintBird(p, {160, 44}, 10, -1, kDarkBird, false);
    paintTree(p, {20, 222}, 26, 4, TreeKind::Round);
    paintTree(p, {184, 220}, 22, 6, TreeKind::Round);
}

// A crescent carved in the stone, horns up.
void crescent(QPainter &p, QPointF c, double r, const Tone &stone)
{
    QPainterPath moon;
    moon.addEllipse(c, r, r);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(0, -r * 0.45), r * 0.85, r * 0.8);
    drawShape(p, moon.subtracted(bite), stone, 0.6, style::kInteriorLine);
}

void kingAndThrone(QPainter &p)
{
    const Figure king = theKing();
    const Body b = bodyOf(king);
    const double u = b.unit, cx = b.hips.x();
    groundShadow(p, {cx, 268}, 64, 6);
    paintInWoodcut(p, [&](QPainter &q) {
        // A tall narrow back with a pointed top, higher than any other throne.
        const double top = b.crown.y() - 2.0 * u;
        QPainterPath back;
        back.moveTo(cx - 1.55 * u, b.seatY);
        back.lineTo(cx - 1.55 * u, top + 0.9 * u);
        back.lineTo(cx, top);
        back.lineTo(cx + 1.55 * u, top + 0.9 * u);
        back.lineTo(cx + 1.55 * u, b.seatY);
        back.closeSubpath();
        drawShape(q, back, kThroneStone, 2.0);
        paintButterfly(q, {cx - 1.0 * u, top + 1.55 * u}, 0.8 * u, kThroneStone);
        paintButterfly(q, {cx + 1.0 * u, top + 1.55 * u}, 0.8 * u, kThroneStone);
        crescent(q, {cx, top + 0.75 * u}, 0.32 * u, kThroneStone);
        crescent(q, {cx - 1.05 * u, top + 2.6 * u}, 0.22 * u, kThroneStone);
        crescent(q, {cx + 1.05 * u, top + 2.6 * u}, 0.22 * u, kThroneStone);
        // Arms and seat, a step below.
        QPainterPath seat;
        seat.addRect(QRectF(cx - 1.9 * u, b.seatY - 0.7 * u, 3.8 * u, 1.2 * u));
        drawShape(q, seat, kThroneStone, 1.6);
        QPainterPath step;
        step.addRect(QRectF(cx - 2.1 * u, king.base.y() - 0.25 * u, 4.2 * u, 0.3 * u));
        drawShape(q, step, kThroneStone, 1.2);
        paintFigure(q, king);
    });
}

} // namespace

Court kingOfSwords()
{
    return {{{Layer::Scene, swordsSky}, {Layer::Figures, kingAndThrone}}};
}

} // namespace artwork::courts
