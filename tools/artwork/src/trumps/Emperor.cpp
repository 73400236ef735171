// 5 The Emperor: an old king with a white beard, armoured under his red robe, seated on a square stone
// throne with a ram's head at each corner of its back and on each arm; the ankh sceptre in his right
// hand, the orb in his left; bare red mountains behind, a thin stream at their foot.

#include "trumps/Trump.h"

#include "figures/Hands.h"

#include <QtMath>

#include <algorithm>

namespace artwork::trumps {

namespace {

using shapes::ellipse;

constexpr double kHorizon = 168;

Figure emperorRecord()
{
    Figure e;
    e.base = {100, 262};
    e.height = 204;
    e.pose = Pose::Seated;
    // A red robe over armour: the surcoat to the knees, steel greaves and sabatons below it.
    e.robe = {kRoyalRed, kKingRed, Cut::Armour, kHoseRed, kGold, false};
    e.headwear = Headwear::Crown;
    e.hairColour = kEmperorWhite;
    e.beard = Beard::Full;
    e.features = Features{.view = View::ThreeQuarter,
                          .side = 1,
                          .gaze = {0.8, 0.1},
                          .age = Age::Old,
                          .expression = Expression::Stern,
                          .breadth = 1.06};
    // The ankh gripped upright at his shoulder; the orb cradled in the other hand.
    e.left = {.gesture = Gesture::Raised, .grip = Grip::Fist, .angle = 0.0};
    e.right = {.gesture = Gesture::Forward, .held = Held::Orb, .size = 1.3, .grip = Grip::Cradle};
    e.seed = 5;
    return e;
}

// A thin stream lying on the ground on his left: it leaves the foot of the
// mountains as a thread in tight flat bends, winds towards the viewer, its
// bends opening out and its banks spreading as it comes nearer, and passes
// the foot of the throne. Its width lies on the ground, so across a reach
// running sideways it is foreshortened to a sliver.
void paintThinStream(QPainter &p)
{
    const std::vector<GroundReach> course{
        {{181, kHorizon + 18}, 0.5}, {{187, kHorizon + 20.5}, 0.8}, {{180, kHorizon + 24.5}, 1.2},
        {{187, kHorizon + 31}, 1.7}, {{179, kHorizon + 40}, 2.4},   {{186, kHorizon + 53}, 3.3},
        {{191, kHorizon + 68}, 4.3}, {{183, kHorizon + 84}, 5.6},   {{180, kHorizon + 108}, 7.5}};
    drawShape(p, groundBand(course).outline, kSea, 0.9);
    // Glints lying across the water, longer nearer the viewer.
    QPainterPath glints;
    for (std::size_t i = 3; i < course.size(); ++i) {
        const GroundReach &r = course[i];
        glints.moveTo(r.middle - QPointF(0.45 * r.half, 0));
        glints.lineTo(r.middle + QPointF(0.3 * r.half, 0));
    }
    drawLine(p, glints, kSea.base.lighter(150), 0.9);
}

void emperorMountains(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, kHorizon, kSunsetSky);
    paintMountains(p, kHorizon + 10, scene.left() - 30, scene.right() + 30, 140, 5, kRedRock, false);
    paintMountains(p, kHorizon + 20, scene.left() - 10, scene.right() + 10, 70, 12, kDarkRedRock, false);
    QPainterPath ground;
    ground.addRect(QRectF(scene.left(), kHorizon + 18, scene.width(), scene.bottom() - kHorizon));
    drawShape(p, ground, kBareEarth, 0, 1.0);
    paintThinStream(p);
}

// The ankh sceptre: a gold rod topped by the looped cross, gripped at `grip`.
void paintAnkhSceptre(QPainter &p, QPointF grip, double u)
{
    const double x = grip.x(), bar = grip.y() - 1.55 * u;
    QPainterPath rod;
    rod.addRoundedRect(QRectF(x - 0.09 * u, bar, 0.18 * u, 2.9 * u), 0.06 * u, 0.06 * u);
    drawShape(p, rod, kGold, 0.8, style::kInteriorLine);
    drawShape(p, ellipse({x, bar + 2.9 * u}, 0.14 * u, 0.11 * u), kGold, 0.5, style::kInteriorLine);
    QPainterPath cross;
    cross.addRoundedRect(QRectF(x - 0.48 * u, bar - 0.1 * u, 0.96 * u, 0.2 * u), 0.06 * u, 0.06 * u);
    drawShape(p, cross, kGold, 0.6, style::kInteriorLine);
    // The loop: a ring, wider below than above.
    QPainterPath loop = ellipse({x, bar - 0.48 * u}, 0.3 * u, 0.4 * u);
    loop.addPath(ellipse({x, bar - 0.46 * u}, 0.15 * u, 0.26 * u));
    loop.setFillRule(Qt::OddEvenFill);
    drawShape(p, loop, kGold, 0.8, style::kInteriorLine);
}

// The square stone throne, back and arms, with its four rams' heads.
void paintRamThrone(QPainter &p, const Figure &e)
{
    const Body b = bodyOf(e);
    const double u = b.unit, cx = b.crown.x(), half = b.shoulderHalf + 0.8 * u;
    const double top = b.crown.y() - 0.75 * u, armTop = b.seatY - 1.35 * u, armOut = half + 0.45 * u;
    QPainterPath back;
    back.addRect(QRectF(cx - half, top, 2 * half, b.seatY - top));
    drawShape(p, back, kCarvedStone, 1.6);
    // A sunk panel and a cornice on the back.
    QPainterPath panel;
    panel.addRect(QRectF(cx - half + 0.3 * u, top + 0.45 * u, 2 * half - 0.6 * u, b.seatY - top - 0.6 * u));
    drawShape(p, panel, kThroneSlate, 1.0, style::kInteriorLine);
    QPainterPath cornice;
    cornice.addRect(QRectF(cx - half - 0.12 * u, top - 0.1 * u, 2 * half + 0.24 * u, 0.32 * u));
    drawShape(p, cornice, kCarvedStone, 0.8, style::kInteriorLine);
    for (int s : {-1, 1}) {
        QPainterPath arm;
        arm.addRect(QRectF(QPointF(cx + s * (half - 0.2 * u), armTop), QPointF(cx + s * armOut, b.seatY)).normalized());
        drawShape(p, arm, kCarvedStone, 1.2);
    }
    QPainterPath seat;
    seat.addRect(
        QRectF(cx - armOut - 0.1 * u, b.seatY - 0.1 * u, 2 * armOut + 0.2 * u, e.base.y() - b.seatY - 0.2 * u));
    drawShape(p, seat, kCarvedStone, 1.6);
    for (int s : {-1, 1}) {
        QPainterPath block;
        const double x = cx + s * (armOut - 0.55 * u);
        block.addRect(QRectF(x - 0.32 * u, b.seatY + 0.5 * u, 0.64 * u, e.base.y() - b.seatY - 1.1 * u));
        drawLine(p, block, kCarvedStone.shade, style::kInteriorLine);
    }
    QPainterPath plinth;
    plinth.addRect(QRectF(cx - armOut - 0.3 * u, e.base.y() - 0.3 * u, 2 * armOut + 0.6 * u, 0.45 * u));
    drawShape(p, plinth, kCarvedStone, 1.0);
    // Rams at the two top corners of the back and on the fronts of the arms; none over his head.
    for (int s : {-1, 1}) {
        paintRamHead(p, {cx + s * (half - 0.05 * u), top + 0.05 * u}, 1.25 * u, kCarvedStone);
        paintRamHead(p, {cx + s * (armOut - 0.12 * u), armTop + 0.15 * u}, 1.05 * u, kCarvedStone);
    }
}

// The sleeves of his red surcoat over the upper arms, ending a little past the elbow in a gold band,
// so only the steel of the forearms shows: an armoured arm under a robe, bending at the elbow.
void paintSurcoatSleeves(QPainter &p, const Body &b)
{
    const double u = b.unit;
    for (int i : {0, 1}) {
        const QPointF shoulder = b.shoulder[i], elbow = b.elbow[i];
        const QPointF fore = shapes::unitVector(b.hand[i] - elbow);
        const QPointF end = elbow + fore * (0.25 * u);
        const QPointF inward = shapes::unitVector(b.neck - shoulder);
        const QPointF top = shoulder + inward * (0.12 * u);
        drawShape(p, shapes::limb({top, elbow, end}, {0.3 * u, 0.26 * u, 0.3 * u}), kKingRed, 0.2 * u,
                  style::kInteriorLine);
        const QPointF n = shapes::normal(fore);
        QPainterPath cuff;
        cuff.moveTo(end - n * (0.28 * u));
        cuff.lineTo(end + n * (0.28 * u));
        drawLine(p, cuff, kOutline, 0.16 * u + 1.2);
        drawLine(p, cuff, kGold.base, 0.16 * u);
    }
}

void emperorFigure(QPainter &p)
{
    const Figure emperor = emperorRecord();
    const Body b = bodyOf(emperor);
    style::paintGroundShadow(p, {b.crown.x(), emperor.base.y() + 0.5}, 74, 6, kBareEarth.shade);
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        paintRamThrone(q, emperor);
        paintFigure(q, emperor);
        paintSurcoatSleeves(q, b);
        paintAnkhSceptre(q, b.hand[0], b.unit);
        paintHand(q, {.grip = Grip::Fist,
                      .centre = b.hand[0],
                      .forearm = b.hand[0] - b.elbow[0],
                      .unit = b.unit,
                      .thumbSide = 1});
    });
}

} // namespace

Trump theEmperor()
{
    return {{{Layer::Scene, emperorMountains}, {Layer::Figures, emperorFigure}}};
}

} // namespace artwork::trumps
