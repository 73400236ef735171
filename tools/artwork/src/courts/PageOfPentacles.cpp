// Page of Pentacles: standing in a flowered field, the coin held up in both
// hands, gazing at it; a ploughed field, a grove, a mountain far off. Green
// and brown clothes.

#include "courts/Court.h"

namespace artwork::courts {
namespace {

// Where he holds the coin up: before him, above his shoulder, clear of his face.
QPointF coinCentre(const Figure &page)
{
    const Body b = bodyOf(page);
    return b.shoulder[1] + QPointF(0.95 * b.unit, -1.05 * b.unit);
}

Figure thePage()
{
    Figure g;
    g.base = {86, 268};
    g.height = 202;
    g.build = Build::Youth;
    g.facing = 1;
    g.robe = {kPentaclesMantle, std::nullopt, Cut::Tunic, kBrownCloth, kGold, false};
    g.headwear = Headwear::Cap;
    g.headwearTone = kBrownCloth;
    g.hairColour = kHairTawny;
    g.features = Features{.view = View::ThreeQuarter,
                          .side = 1,
                          .gaze = {0.8, -0.9},
                          .age = Age::Young,
                          .expression = Expression::Intent};
    g.seed = 49;
    // Both hands raised before him, under the coin's rim either side.
    const QPointF coin = coinCentre(g);
    const double r = 0.8 * bodyOf(g).unit;
    g.left.grip = g.right.grip = Grip::Cradle;
    reachTo(g, -1, coin + QPointF(-0.8 * r, 0.6 * r));
    reachTo(g, 1, coin + QPointF(0.8 * r, 0.6 * r), true);
    return g;
}

void flowerField(QPainter &p)
{
    const QRectF scene = courtScene();
    paintCourtLand(p, 170, kPentaclesSky, 68);
    paintMountains(p, 172, 110, 196, 46, 5, kBlueMountains, true);
    paintPloughedField(p, scene, 176, 206);
    paintTree(p, {160, 200}, 40, 2, TreeKind::Round);
    paintTree(p, {180, 206}, 34, 9, TreeKind::Round);
    paintTree(p, {146, 206}, 28, 4, TreeKind::Round);
    paintMeadow(p, scene, 206, 69, kNearHills);
    style::Roughness rough(3);
    for (int i = 0; i < 14; ++i) {
        const QPointF c(16 + i * 13.0 + rough.next() * 4, 222 + (i % 4) * 16.0 + rough.next() * 4);
        paintFlower(p, c, 3.0, i % 3 == 0 ? kYellow : kRedFlower);
    }
}

void pageWithCoin(QPainter &p)
{
    const Figure page = thePage();
    groundShadow(p, {page.base.x() + 4, 269}, 32, 5);
    paintInWoodcut(p, [&](QPainter &q) {
        paintFigure(q, page);
        const Body b = bodyOf(page);
        const double u = b.unit;
        paintHeld(q, Held::Pentacle, coinCentre(page) + QPointF(0, 0.42 * u), u, 0, page.base.y());
        for (int i : {0, 1}) {
            const auto k = static_cast<std::size_t>(i);
            paintHand(q, {.grip = Grip::Cradle, .centre = b.hand[k], .forearm = b.hand[k] - b.elbow[k], .unit = u});
        }
    });
}

} // namespace

Court pageOfPentacles()
{
    return {{{Layer::Scene, flowerField}, {Layer::Figures, pageWithCoin}}};
}

} // namespace artwork::courts
