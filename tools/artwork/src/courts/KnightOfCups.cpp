// Knight of Cups: riding at a walk, calm, the cup held out before him; a
// white horse stepping towards a stream to cross, trees. Wings on his helmet
// and at his heels.

#include "courts/Court.h"

namespace artwork::courts {
namespace {

Horse theHorse()
{
    Horse h;
    h.base = {92, 258};
    h.height = 88;
    h.facing = 1;
    h.gait = Gait::Walking;
    h.coat = kWhiteHorse;
    h.mane = kGreyMane;
    h.cloth = kCupsGown;
    return h;
}

Figure theKnight()
{
    Figure r;
    r.height = 114;
    r.robe = {kCupsGown, std::nullopt, Cut::Armour, kCupsHose, kGold, false};
    r.headwear = Headwear::Helm;
    r.headwearTone = kCupsMantle;
    r.hairColour = kHairAuburn;
    r.features = Features{
        .view = View::Profile, .side = 1, .gaze = {1, 0.4}, .age = Age::Young, .expression = Expression::Calm};
    r.right = {.held = Held::Cup, .size = 1.1, .grip = Grip::Fist, .at = QPointF(1.35, 0.75), .angle = 0.0};
    r.left = {.gesture = Gesture::Forward};
    return r;
}

void stream(QPainter &p)
{
    paintCourtLand(p, 178, kCupsSky, 53);
    paintRiver(p, {{160, 180}, {150, 214}, {170, 246}, {176, 294}}, 6, 24);
    paintTree(p, {22, 208}, 48, 3, TreeKind::Round);
    paintTree(p, {44, 196}, 34, 8, TreeKind::Round);
    paintTree(p, {184, 190}, 30, 5, TreeKind::Cypress);
}

// Small wings either side of the helmet and at the heel.
void wing(QPainter &q, QPointF root, double size, int facing)
{
    const double b = -facing;
    drawShape(
        q,
        smoothClosed({root, root + QPointF(b * 0.5 * size, -0.9 * size), root + QPointF(b * 1.0 * size, -0.7 * size),
                      root + QPointF(b * 0.8 * size, -0.3 * size), root + QPointF(b * 0.4 * size, 0.1 * size)}),
        kSilver, 0.8, style::kInteriorLine);
    QPainterPath quills;
    quills.moveTo(root + QPointF(b * 0.2 * size, -0.2 * size));
    quills.lineTo(root + QPointF(b * 0.75 * size, -0.6 * size));
    quills.moveTo(root + QPointF(b * 0.25 * size, 0));
    quills.lineTo(root + QPointF(b * 0.8 * size, -0.3 * size));
    drawLine(q, quills, kSilver.shade, 0.6);
}

void riderAndHorse(QPainter &p)
{
    const Horse horse = theHorse();
    groundShadow(p, {horse.base.x(), 260}, 60, 5);
    paintInWoodcut(p, [&](QPainter &q) {
        const Figure placed = paintRider(q, horse, theKnight());
        const Body b = bodyOf(placed);
        wing(q, b.headCentre + QPointF(-0.35 * b.unit, -0.25 * b.unit), 0.7 * b.unit, 1);
        wing(q, b.foot[0] + QPointF(-0.1 * b.unit, 0.05 * b.unit), 0.5 * b.unit, 1);
    });
}

} // namespace

Court knightOfCups()
{
    return {{{Layer::Scene, stream}, {Layer::Figures, riderAndHorse}}};
}

} // namespace artwork::courts
