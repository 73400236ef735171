// Knight of Pentacles: on a heavy dark horse standing still (the only still
// horse in the deck), the coin held level before him; a ploughed field
// behind.

#include "courts/Court.h"

namespace artwork::courts {
namespace {

Horse theHorse()
{
    Horse h;
    h.base = {96, 264};
    h.height = 92;
    h.facing = -1;
    h.gait = Gait::Standing;
    h.coat = kHeavyHorse;
    h.mane = kDarkMane;
    h.cloth = kPentaclesMantle;
    return h;
}

Figure theKnight()
{
    Figure r;
    r.height = 122;
    r.robe = {kPentaclesGown, std::nullopt, Cut::Armour, kBrownCloth, kGold, false};
    r.headwear = Headwear::Helm;
    r.headwearTone = kLeaf;
    r.hairColour = kHairDarkBrown;
    r.features = Features{.view = View::ThreeQuarter,
                          .side = -1,
                          .gaze = {-0.6, 0.6},
                          .age = Age::Prime,
                          .expression = Expression::Calm,
                          .breadth = 1.1};
    // The coin on his open hand before him, level; the reins in the other.
    r.left = {.held = Held::Pentacle, .size = 1.05, .grip = Grip::Cradle, .at = QPointF(-0.95, 0.95), .angle = 0.0};
    r.right = {.gesture = Gesture::Forward};
    return r;
}

void ploughedField(QPainter &p)
{
    const QRectF scene = courtScene();
    paintCourtLand(p, 176, kPentaclesSky, 67);
    paintPloughedField(p, scene, 182, 236);
    paintTree(p, {20, 186}, 26, 4, TreeKind::Round);
    paintTree(p, {178, 184}, 22, 6, TreeKind::Round);
    paintMeadow(p, scene, 236, 68, kNearHills);
}

void riderAndHorse(QPainter &p)
{
    const Horse horse = theHorse();
    groundShadow(p, {horse.base.x() + 4, 266}, 64, 6);
    paintInWoodcut(p, [&](QPainter &q) {
        // Heavier than the other horses: broader in the body, shorter in the leg.
        q.save();
        q.translate(horse.base);
        q.scale(1.05, 0.96);
        q.translate(-horse.base);
        paintRider(q, horse, theKnight());
        q.restore();
    });
}

} // namespace

Court knightOfPentacles()
{
    return {{{Layer::Scene, ploughedField}, {Layer::Figures, riderAndHorse}}};
}

} // namespace artwork::courts
