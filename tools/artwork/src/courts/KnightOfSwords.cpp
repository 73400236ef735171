// Knight of Swords: charging at full gallop towards the viewer's left, the
// sword raised high; a white horse at full stretch, legs flying; trees bent
// by the wind, torn clouds, birds. Helmet plume and cape streaming.

#include "courts/Court.h"

namespace artwork::courts {
namespace {

Horse theHorse()
{
    Horse h;
    h.base = {100, 262};
    h.height = 90;
    h.facing = -1;
    h.gait = Gait::Galloping;
    h.coat = kWhiteHorse;
    h.mane = kPaleMane;
    h.cloth = kSwordsMantle;
    return h;
}

Figure theKnight()
{
    Figure r;
    r.height = 116;
    r.robe = {kSwordsGown, kSwordsMantle, Cut::Armour, kSwordsHose, kGold, false};
    r.headwear = Headwear::Helm;
    r.headwearTone = kPlumeRed;
    r.hairColour = kHairBrown;
    r.features = Features{.view = View::ThreeQuarter,
                          .side = -1,
                          .gaze = {-1, -0.2},
                          .age = Age::Prime,
                          .expression = Expression::Intent};
    // The sword thrust up and forward; the reins in the other hand.
    r.left = {.held = Held::Sword,
              .size = 1.2,
              .grip = Grip::Fist,
              .at = QPointF(-0.7, -1.9),
              .elbowOut = true,
              .angle = -28.0};
    r.right = {.gesture = Gesture::Forward};
    return r;
}

// A tree bowed by the wind blowing to the left.
void windBentTree(QPainter &p, QPointF foot, double height, unsigned seed)
{
    QPainterPath trunk;
    trunk.moveTo(foot + QPointF(-2, 0));
    trunk.quadTo(foot + QPointF(-2, -height * 0.5), foot + QPointF(-height * 0.3, -height * 0.8));
    trunk.lineTo(foot + QPointF(-height * 0.26, -height * 0.84));
    trunk.quadTo(foot + QPointF(3, -height * 0.5), foot + QPointF(3, 0));
    trunk.closeSubpath();
    drawShape(p, trunk, kBark, 0.8, style::kInteriorLine);
    style::Roughness rough(seed);
    QPainterPath crown;
    for (int i = 0; i < 5; ++i) {
        const QPointF c = foot +
                          QPointF(-height * (0.18 + 0.09 * i) + rough.next() * 2, -height * (0.78 + 0.04 * (i % 2)));
        crown.addEllipse(c, height * 0.16, height * 0.1);
    }
    drawShape(p, united(crown), kFoliage, 1.2, style::kInteriorLine);
}

void stormyField(QPainter &p)
{
    paintCourtLand(p, 196, kStormSky, 25);
    // Torn clouds driven to the left.
    for (const QPointF &c : {QPointF(60, 40), QPointF(150, 70), QPointF(92, 110), QPointF(170, 130)}) {
        QPainterPath torn;
        torn.moveTo(c + QPointF(30, 0));
        torn.cubicTo(c + QPointF(20, -12), c + QPointF(-10, -10), c + QPointF(-34, -2));
        torn.cubicTo(c + QPointF(-14, 0), c + QPointF(-6, 6), c + QPointF(-26, 8));
        torn.cubicTo(c + QPointF(0, 10), c + QPointF(20, 8), c + QPointF(30, 0));
        drawShape(p, torn, kCloud, 1.4, style::kDistantLine);
    }
    for (int i = 0; i < 3; ++i)
        paintBird(p, {30.0 + i * 16, 26.0 + (i % 2) * 8}, 10, -1, kDarkBird, i % 2 == 0);
    windBentTree(p, {176, 214}, 50, 3);
    windBentTree(p, {152, 206}, 34, 7);
    windBentTree(p, {30, 210}, 30, 5);
}

void riderAndHorse(QPainter &p)
{
    const Horse horse = theHorse();
    groundShadow(p, {horse.base.x() - 4, 268}, 58, 5);
    paintInWoodcut(p, [&](QPainter &q) { paintRider(q, horse, theKnight()); });
}

} // namespace

Court knightOfSwords()
{
    return {{{Layer::Scene, stormyField}, {Layer::Figures, riderAndHorse}}};
}

} // namespace artwork::courts
