// Page of Swords: standing on uneven ground, turning to look back over his
// shoulder, the sword held upright in both hands; hilly ground, wind in the
// clouds, a flock of birds; his hair blown by the wind.

#include "courts/Court.h"

namespace artwork::courts {
namespace {

Figure thePage()
{
    Figure g;
    g.base = {94, 268};
    g.height = 204;
    g.pose = Pose::Walking;
    g.facing = 1; // stepping to the right...
    g.build = Build::Youth;
    g.robe = {kSwordsMantle, std::nullopt, Cut::Tunic, kSwordsHose, kSilver, false};
    g.hair = Hair::Windblown;
    g.hairColour = kHairBrown;
    // ...but looking back over his left shoulder.
    g.features = Features{
        .view = View::Profile, .side = -1, .gaze = {-1, -0.3}, .age = Age::Young, .expression = Expression::Intent};
    // Both fists on the hilt, the blade straight up before his shoulder.
    g.right = {.held = Held::Sword, .size = 1.08, .grip = Grip::Fist, .at = QPointF(0.42, 1.5), .angle = 0.0};
    g.left = {.grip = Grip::Fist, .at = QPointF(1.74, 1.2), .angle = 0.0};
    g.seed = 13;
    return g;
}

void windyHills(QPainter &p)
{
    paintCourtLand(p, 178, kSwordsSky, 26, kNearHills, kFarHills);
    // Long clouds drawn out by the wind.
    for (const QPointF &c : {QPointF(54, 52), QPointF(150, 36), QPointF(130, 96)}) {
        QPainterPath streak;
        streak.moveTo(c + QPointF(-44, 4));
        streak.cubicTo(c + QPointF(-20, -10), c + QPointF(20, -12), c + QPointF(46, -2));
        streak.cubicTo(c + QPointF(20, 2), c + QPointF(0, 8), c + QPointF(-44, 4));
        drawShape(p, streak, kCloud, 1.2, style::kDistantLine);
    }
    // A flock of birds wheeling over the hills.
    const QPointF flock[] = {{26, 118}, {40, 108}, {36, 128}, {54, 120}, {22, 136}, {160, 130}, {172, 122}};
    for (std::size_t i = 0; i < std::size(flock); ++i)
        paintBird(p, flock[i], 8.0 + static_cast<double>(i % 3), i % 2 ? 1 : -1, kDarkBird, i % 2 == 0);
    // Uneven ground under his feet: a rise on the left.
    QPainterPath rise;
    rise.moveTo(9, 250);
    rise.cubicTo(40, 244, 70, 262, 110, 268);
    rise.cubicTo(140, 272, 170, 254, 191, 248);
    rise.lineTo(191, 294);
    rise.lineTo(9, 294);
    rise.closeSubpath();
    drawShape(p, rise, kNearHills, 2.0, 0);
    QPainterPath brow;
    brow.moveTo(9, 250);
    brow.cubicTo(40, 244, 70, 262, 110, 268);
    brow.cubicTo(140, 272, 170, 254, 191, 248);
    drawLine(p, brow, kOutline, style::kInteriorLine);
}

void pageWithSword(QPainter &p)
{
    groundShadow(p, {98, 269}, 34, 5);
    paintInWoodcut(p, [&](QPainter &q) { paintFigure(q, thePage()); });
}

} // namespace

Court pageOfSwords()
{
    return {{{Layer::Scene, windyHills}, {Layer::Figures, pageWithSword}}};
}

} // namespace artwork::courts
