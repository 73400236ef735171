// King of Cups: seated facing the viewer, a cup in his right hand and a short
// sceptre in his left; his throne on a stone block rising from the sea, a
// ship on one side, a leaping fish on the other. A fish pendant.

#include "courts/Court.h"

namespace artwork::courts {
namespace {

constexpr double kSeaTop = 150;
constexpr double kBlockTop = 236; // the stone block's top, where his throne stands

Figure theKing()
{
    Figure k;
    k.base = {100, kBlockTop};
    k.height = 176;
    k.pose = Pose::Seated;
    k.robe = {kCupsGown, kCupsMantle, Cut::Gown, kCupsHose, kGold, false};
    k.headwear = Headwear::Crown;
    k.hairColour = kHairGrey;
    k.beard = Beard::Full;
    k.features = Features{
        .view = View::Front, .gaze = {0.6, 0}, .age = Age::Old, .expression = Expression::Gentle, .breadth = 1.1};
    k.left = {.held = Held::Cup, .size = 1.2, .grip = Grip::Fist, .at = QPointF(-0.35, 1.45), .angle = 0.0};
    k.right = {.held = Held::Sceptre, .size = 0.9, .grip = Grip::Fist, .at = QPointF(0.55, 1.9), .angle = 22.0};
    k.seed = 29;
    return k;
}

void openSea(QPainter &p)
{
    const QRectF scene = courtScene();
    paintSky(p, scene, kSeaTop, kCupsSky);
    // A green shore far off, then the sea to the foot of the picture.
    paintHills(p, QRectF(scene.left(), scene.top(), scene.width(), kSeaTop + 8 - scene.top()), kSeaTop, 41, kNearHills,
               kFarHills);
    paintWater(p, scene, kSeaTop + 6, scene.bottom(), 41);
    paintShip(p, {34, 196}, 34, -1);
    paintCloud(p, {150, 60}, 50, 4);
}

void leapingFish(QPainter &p)
{
    paintFish(p, {168, 196}, 26, -40, kFishSilver);
    QPainterPath splash;
    splash.moveTo(176, 222);
    splash.quadTo(180, 212, 186, 214);
    splash.moveTo(170, 222);
    splash.quadTo(166, 214, 160, 216);
    drawLine(p, splash, kCloud.base, 1.2);
}

void kingOnTheSea(QPainter &p)
{
    const Figure king = theKing();
    const Body b = bodyOf(king);
    const double u = b.unit, cx = b.hips.x();
    paintInWoodcut(p, [&](QPainter &q) {
        // The block of stone standing out of the waves, then a plain throne with a shell back.
        QPainterPath block;
        block.moveTo(cx - 2.4 * u, kBlockTop);
        block.lineTo(cx + 2.4 * u, kBlockTop);
        block.lineTo(cx + 2.6 * u, 292);
        block.lineTo(cx - 2.6 * u, 292);
        block.closeSubpath();
        drawShape(q, block, kGreyStone, 2.4);
        QPainterPath shell;
        const QPointF hinge(cx, b.seatY - 0.2 * u);
        for (int i = 0; i <= 6; ++i) {
            const double a = M_PI + i * M_PI / 6;
            shell.addEllipse(hinge + QPointF(std::cos(a) * 1.3 * u, std::sin(a) * 1.6 * u) * 1.25, 0.75 * u, 0.75 * u);
        }
        drawShape(q, united(shell), kIvoryStone, 1.8);
        QPainterPath seat;
        seat.addRect(QRectF(cx - 1.8 * u, b.seatY - 0.4 * u, 3.6 * u, kBlockTop - b.seatY + 0.4 * u));
        drawShape(q, seat, kIvoryStone, 1.6);
        paintFigure(q, king);
        // A fish hanging at his breast.
        const QPointF chest = b.neck + QPointF(0, 0.85 * u);
        QPainterPath chain;
        chain.moveTo(b.neck + QPointF(-0.35 * u, 0.15 * u));
        chain.quadTo(chest + QPointF(0, -0.1 * u), b.neck + QPointF(0.35 * u, 0.15 * u));
        drawLine(q, chain, kGold.base, 1.0);
        paintFish(q, chest, 0.75 * u, 90, {kGold.base, kGold.shade});
    });
    leapingFish(p);
}

} // namespace

Court kingOfCups()
{
    return {{{Layer::Scene, openSea}, {Layer::Figures, kingOnTheSea}}};
}

} // namespace artwork::courts
