// Knight of Wands: on a chestnut horse rearing, the wand raised; three
// pyramids far off on the green plain. A tunic with salamanders, a plume like
// a flame.

#include "courts/Court.h"

namespace artwork::courts {
namespace {

constexpr double kLean = 14; // degrees the rider leans forward, into the rear

Horse theHorse()
{
    Horse h;
    h.base = {122, 264};
    h.height = 90;
    h.facing = 1;
    h.gait = Gait::Rearing;
    h.coat = kChestnutHorse;
    h.mane = kDarkMane;
    h.cloth = kWandsMantle;
    return h;
}

Figure theKnight()
{
    Figure r;
    r.height = 112;
    r.robe = {kWandsGown, kFlameOrange, Cut::Armour, kWandsHose, kGold, false};
    r.headwear = Headwear::Helm;
    r.headwearTone = kFlameOrange;
    r.hairColour = kHairGinger;
    r.features = Features{
        .view = View::ThreeQuarter, .side = 1, .gaze = {0.6, -0.4}, .age = Age::Young, .expression = Expression::Proud};
    // The wand swung up behind him, clear of the horse's head; the reins in the other hand.
    r.left = {.held = Held::Wand,
              .size = 1.05,
              .grip = Grip::Fist,
              .at = QPointF(-0.35, -1.75),
              .elbowOut = true,
              .angle = -16.0};
    r.right = {.gesture = Gesture::Forward};
    return r;
}

void plainWithPyramids(QPainter &p)
{
    paintCourtLand(p, 206, kWandsSky, 39, kNearHills, kFarHills);
    paintPyramids(p, 208, 134, 176, 24, 3);
}

void riderAndHorse(QPainter &p)
{
    const Horse horse = theHorse();
    groundShadow(p, {horse.base.x() - 0.42 * horse.height, 266}, 30, 5); // under the hind hooves
    paintInWoodcut(p, [&](QPainter &q) {
        // The horse, then the rider leaning forward into the rear, the reins
        // from the bit to his forward fist.
        paintHorse(q, horse);
        Figure rider = theKnight();
        rider.pose = Pose::Riding;
        rider.base = saddleOf(horse);
        rider.facing = horse.facing;
        QTransform lean;
        lean.translate(rider.base.x(), rider.base.y());
        lean.rotate(kLean);
        lean.translate(-rider.base.x(), -rider.base.y());
        q.save();
        q.setTransform(lean, true);
        paintFigure(q, rider);
        const Body b = bodyOf(rider);
        paintSalamander(q, b.waist + QPointF(-0.1 * b.unit, -0.55 * b.unit), 0.9 * b.unit, -70, kGold);
        q.restore();
        const QPointF bit = bitOf(horse), fist = lean.map(b.hand[1]);
        QPainterPath reins;
        reins.moveTo(bit);
        reins.quadTo((bit + fist) / 2 + QPointF(0, horse.height * 0.08), fist);
        drawLine(q, reins, kLeather.shade, std::max(1.0, horse.height * 0.014));
    });
}

} // namespace

Court knightOfWands()
{
    return {{{Layer::Scene, plainWithPyramids}, {Layer::Figures, riderAndHorse}}};
}

} // namespace artwork::courts
