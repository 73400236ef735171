// 9 Justice: crowned and seated between two pillars before a purple veil, in a red robe and a green
// mantle; the sword held upright in her right hand, the scales hanging level from her left.

#include "trumps/Trump.h"

#include "figures/Hands.h"

namespace artwork::trumps {

namespace {

using shapes::ellipse;

Figure justiceRecord()
{
    Figure j;
    j.base = {100, 262};
    j.height = 206;
    j.pose = Pose::Seated;
    j.build = Build::Woman;
    j.robe = {kRed, kGreen, Cut::Gown, kHoseBlue, kGold, false};
    j.headwear = Headwear::Crown;
    // Hair to the shoulders, the neck clear: nothing under the chin.
    j.hair = Hair::Shoulder;
    j.hairColour = kHairBrown;
    j.features = Features{
        .view = View::Front, .gaze = {0, 0}, .age = Age::Prime, .expression = Expression::Stern, .breadth = 1.0};
    // The sword gripped upright at her right shoulder; the scales hang from her left fist.
    j.left = {.gesture = Gesture::Raised, .held = Held::Sword, .size = 1.15, .grip = Grip::Fist, .angle = 0.0};
    j.right = {.grip = Grip::Fist, .at = QPointF(0.98, 0.75), .angle = 0.0};
    j.seed = 9;
    return j;
}

void justiceHall(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, scene.bottom(), kHallGold);
    paintCurtain(p, QRectF(34, 40, 132, 190), kPurple);
    paintStoneFloor(p, scene, 236, kGreyStone);
    paintPillar(p, QRectF(14, 36, 20, 190), kGreyStone);
    paintPillar(p, QRectF(166, 36, 20, 190), kGreyStone);
}

// The scales hanging from the fist at `grip`: a ring in the hand, the beam level under it, and two
// pans hung level on three cords each. The near pan hangs over her red robe, so the beam, the cords
// and the pans are bright gold with a dark edge of their own: both pans must read at slot size.
void paintLevelScales(QPainter &p, QPointF grip, double u)
{
    const double beamY = grip.y() + 0.55 * u, half = 0.8 * u, panY = beamY + 1.35 * u;
    const double line = 0.75 * style::kContourLine;
    QPainterPath post;
    post.moveTo(grip);
    post.lineTo(grip.x(), beamY + 0.25 * u);
    drawLine(p, post, kOutline, 0.16 * u + 1.2);
    drawLine(p, post, kGold.base, 0.09 * u);
    QPainterPath beam;
    beam.addRoundedRect(QRectF(grip.x() - half, beamY - 0.08 * u, 2 * half, 0.16 * u), 0.06 * u, 0.06 * u);
    drawShape(p, beam, kGold, 0.3, line);
    drawShape(p, ellipse({grip.x(), beamY}, 0.1 * u, 0.1 * u), kGold, 0, line);
    for (int s : {-1, 1}) {
        const double x = grip.x() + s * half;
        QPainterPath cords;
        for (double dx : {-0.44, 0.0, 0.44}) {
            cords.moveTo(x, beamY);
            cords.lineTo(x + dx * u, panY);
        }
        drawLine(p, cords, kOutline, 1.8);
        drawLine(p, cords, kGold.base, 0.9);
        drawShape(p, ellipse({x, beamY}, 0.07 * u, 0.07 * u), kGold, 0, line);
        QPainterPath pan;
        pan.moveTo(x - 0.5 * u, panY);
        pan.quadTo(x, panY + 0.65 * u, x + 0.5 * u, panY);
        pan.closeSubpath();
        drawShape(p, pan, kGold, 0.8, line);
    }
}

void justiceFigure(QPainter &p)
{
    const Figure justice = justiceRecord();
    const Body b = bodyOf(justice);
    style::paintGroundShadow(p, {b.hips.x(), justice.base.y() + 0.5}, 72, 6, kGreyStone.shade);
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        // A dark throne, so the bright blade stands out against it.
        paintThrone(q, justice, {kDarkThroneStone, kBronzeCloth, 1.0});
        paintFigure(q, justice);
        paintLevelScales(q, b.hand[1], b.unit);
        paintHand(q, {.grip = Grip::Fist,
                      .centre = b.hand[1],
                      .forearm = b.hand[1] - b.elbow[1],
                      .unit = b.unit,
                      .thumbSide = -1});
    });
}

} // namespace

Trump justice()
{
    return {{{Layer::Scene, justiceHall}, {Layer::Figures, justiceFigure}}};
}

} // namespace artwork::trumps
