// Page of Cups: standing by the sea, looking at the cup in his right hand, a
// fish looking out of it; his left hand on his hip; the sea behind, low
// waves. A tunic with lotus flowers.

#include "courts/Court.h"

namespace artwork::courts {
namespace {

Figure thePage()
{
    Figure g;
    g.base = {104, 268};
    g.height = 202;
    g.build = Build::Youth;
    g.facing = -1;
    g.robe = {kCupsGown, std::nullopt, Cut::Tunic, kCupsHose, kGold, false};
    g.headwear = Headwear::None;
    g.hair = Hair::Short;
    g.hairColour = kHairAuburn;
    g.features = Features{.view = View::ThreeQuarter,
                          .side = -1,
                          .gaze = {-0.8, 0.4},
                          .age = Age::Young,
                          .expression = Expression::Smile};
    g.left = {.held = Held::Cup, .size = 1.25, .grip = Grip::Fist, .at = QPointF(-0.55, 1.25), .angle = 0.0};
    g.right = {.grip = Grip::Hip, .at = QPointF(0.05, 1.75), .elbowOut = true};
    g.seed = 37;
    return g;
}

void seaBehind(QPainter &p)
{
    const QRectF scene = courtScene();
    paintSky(p, scene, 150, kCupsSky);
    paintWater(p, scene, 146, 214, 54);
    paintHills(p, scene, 210, 55, kNearHills, kFarHills);
    paintCloud(p, {52, 56}, 54, 6);
}

void lotus(QPainter &q, QPointF c, double r)
{
    for (int i = -2; i <= 2; ++i)
        drawShape(q,
                  ellipse(c + QPointF(i * 0.32 * r, -0.25 * r * (2 - std::abs(i)) * 0.5), 0.22 * r, 0.5 * r, i * 22.0),
                  kLotus, 0.4, style::kInteriorLine);
}

void pageWithCup(QPainter &p)
{
    const Figure page = thePage();
    groundShadow(p, {page.base.x(), 269}, 32, 5);
    paintInWoodcut(p, [&](QPainter &q) {
        const Body b = bodyOf(page);
        const double u = b.unit;
        // The fish first, its tail down in the cup and its head over the rim, looking at him.
        const QPointF rim = b.hand[0] + QPointF(0, -1.55 * 1.25 * 0.74 * u);
        paintFish(q, rim + QPointF(0.05 * u, -0.15 * u), 1.0 * u, -72, kFishSilver);
        paintFigure(q, page);
        lotus(q, b.waist + QPointF(-0.25 * u, -0.55 * u), 0.42 * u);
        lotus(q, b.hips + QPointF(0.3 * u, 0.5 * u), 0.4 * u);
        lotus(q, b.hips + QPointF(-0.35 * u, 0.65 * u), 0.36 * u);
    });
}

} // namespace

Court pageOfCups()
{
    return {{{Layer::Scene, seaBehind}, {Layer::Figures, pageWithCup}}};
}

} // namespace artwork::courts
