// Page of Wands: standing, gazing up at the top of a tall wand held in both
// hands; open green land, three pyramids far off. A feathered cap, a tunic
// with salamanders.

#include "courts/Court.h"

namespace artwork::courts {
namespace {

Figure thePage()
{
    Figure g;
    g.base = {88, 268};
    g.height = 200;
    g.build = Build::Youth;
    g.facing = 1;
    g.robe = {kWandsGown, std::nullopt, Cut::Tunic, kWandsHose, kGold, false};
    g.headwear = Headwear::Cap;
    g.headwearTone = kWandsMantle;
    g.hairColour = kHairGinger;
    g.features = Features{
        .view = View::ThreeQuarter, .side = 1, .gaze = {0.6, -1}, .age = Age::Young, .expression = Expression::Gentle};
    // The wand stands on the ground at his side; both hands hold it, one above the other.
    g.right = {.grip = Grip::Fist, .at = QPointF(0.72, 1.55), .angle = 3.0};
    g.left = {.grip = Grip::Fist, .at = QPointF(2.02, 0.95), .elbowOut = false, .angle = 3.0};
    g.seed = 25;
    return g;
}

void openLand(QPainter &p)
{
    paintCourtLand(p, 214, kWandsSky, 40, kNearHills, kFarHills);
    paintPyramids(p, 216, 24, 66, 20, 3);
    paintTree(p, {176, 232}, 30, 3, TreeKind::Round);
}

void pageWithWand(QPainter &p)
{
    const Figure page = thePage();
    groundShadow(p, {page.base.x() + 8, 269}, 34, 5);
    paintInWoodcut(p, [&](QPainter &q) {
        // A tall slim wand standing on the ground by his side, under his fists.
        const Body b = bodyOf(page);
        const double x = (b.hand[0].x() + b.hand[1].x()) / 2;
        q.save();
        q.translate(x, page.base.y());
        q.rotate(3.0);
        paintWand(q, QRectF(-0.32 * b.unit, -6.9 * b.unit, 0.64 * b.unit, 6.9 * b.unit), 25);
        q.restore();
        paintFigure(q, page);
        paintSalamander(q, b.waist + QPointF(-0.2 * b.unit, 0.45 * b.unit), 0.95 * b.unit, 20, kGold);
    });
}

} // namespace

Court pageOfWands()
{
    return {{{Layer::Scene, openLand}, {Layer::Figures, pageWithWand}}};
}

} // namespace artwork::courts
