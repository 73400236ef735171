// 8 The Chariot: a crowned charioteer in armour stands in a cubic stone car under a canopy of
// stars on four posts, a wand in his right hand, crescent moons on his shoulders and a square on
// his breast; a winged disc on the car's front; a black and a white sphinx lie before it, facing
// out; behind, a river and the walls of a city under a golden sky.

#include "figures/Hands.h"
#include "trumps/Trump.h"

#include <cmath>

namespace artwork::trumps {

namespace {

using namespace shapes;
using style::kContourLine;
using style::kDistantLine;
using style::kInteriorLine;
using style::paintContoured;
using style::WoodcutFinish;

const QRectF kCarFront(48, 148, 104, 88); // the car's front face
constexpr double kCanopyTop = 16, kValance = 40;
constexpr double kFrontPostX = 46, kBackPostX = 60; // from the left; mirrored on the right
constexpr double kHorizon = 128;

Figure theCharioteer()
{
    Figure f;
    f.base = {100, 234};
    f.height = 176;
    f.robe = {kCharioteerSurcoat, std::nullopt, Cut::Armour, kSteel, kGold, false};
    f.hairColour = kHairBrown;
    f.features = Features{.view = View::ThreeQuarter,
                          .side = 1,
                          .gaze = {0.5, -0.1},
                          .age = Age::Prime,
                          .expression = Expression::Proud,
                          .breadth = 1.04};
    f.seed = 8;
    // His right hand grips the wand beside the shoulder; his left rests on
    // the car's rim.
    f.left = {.grip = Grip::Fist, .at = QPointF(-0.62, 1.0), .angle = -4.0};
    f.right.grip = Grip::Rest;
    reachTo(f, 1, {134, kCarFront.top() - 1});
    return f;
}

// A wheel seen almost edge-on from the front: a narrow ellipse with its hub.
void paintEdgeWheel(QPainter &p, QPointF c, double rx, double ry)
{
    const QPainterPath tyre = ellipse(c, rx, ry).subtracted(ellipse(c, rx * 0.55, ry * 0.84));
    drawShape(p, ellipse(c, rx, ry), {kChariotWheel.shade, kChariotWheel.shade.darker(130)}, 1.0, kInteriorLine);
    QPainterPath spokes;
    for (double a : {-60.0, 0.0, 60.0}) {
        const QPointF d(rx * 0.7 * std::sin(a * M_PI / 180), ry * 0.84 * std::cos(a * M_PI / 180));
        spokes.moveTo(c - d);
        spokes.lineTo(c + d);
    }
    drawLine(p, spokes, kChariotWheel.base, 1.6);
    drawShape(p, tyre, kChariotWheel, 1.0, 1.0);
    drawShape(p, ellipse(c, rx * 0.5, ry * 0.14), kGold, 0.6, kInteriorLine);
}

// The winged disc on the car's front: a gold sun between two spread wings.
void paintWingedDisc(QPainter &p, QPointF c, double r)
{
    for (int s : {-1, 1}) {
        QPainterPath wing;
        wing.moveTo(c + QPointF(s * r * 0.7, -r * 0.6));
        wing.cubicTo(c + QPointF(s * r * 2.4, -r * 1.7), c + QPointF(s * r * 4.0, -r * 1.3),
                     c + QPointF(s * r * 4.6, -r * 0.9));
        wing.cubicTo(c + QPointF(s * r * 3.6, -r * 0.2), c + QPointF(s * r * 2.2, r * 0.6),
                     c + QPointF(s * r * 0.7, r * 0.5));
        wing.closeSubpath();
        drawShape(p, wing, kChariotWing, 1.2, 1.0);
        QPainterPath quills;
        for (double t : {0.25, 0.45, 0.65, 0.85}) {
            quills.moveTo(c + QPointF(s * r * (0.9 + 3.4 * t), -r * (1.0 + 0.3 * t)));
            quills.lineTo(c + QPointF(s * r * (0.7 + 2.4 * t), r * (0.4 - 0.4 * t)));
        }
        drawLine(p, quills, kChariotWingQuills, kInteriorLine);
    }
    drawShape(p, ellipse(c, r, r), kGold, 1.0, 1.0);
    drawShape(p, ellipse(c, r * 0.45, r * 0.45), kRuby, 0.6, kInteriorLine);
}

// The car: the wheels at its sides, the stone front with a gold rim and a
// sunk panel, and the winged disc.
void paintCar(QPainter &p)
{
    const QRectF &f = kCarFront;
    for (double x : {f.left() - 6, f.right() + 6})
        paintEdgeWheel(p, {x, f.bottom() - 22}, 7, 32);
    QPainterPath front;
    front.addRect(f);
    drawShape(p, front, kChariotCarStone, 2.4, 1.0);
    QPainterPath panel;
    panel.addRect(f.adjusted(7, 14, -7, -8));
    drawShape(p, panel, kChariotStone, 1.4, kInteriorLine);
    QPainterPath rim;
    rim.addRect(QRectF(f.left() - 4, f.top() - 3, f.width() + 8, 8));
    drawShape(p, rim, kGold, 1.4, 1.0);
    paintWingedDisc(p, {f.center().x(), f.top() + 30}, 8.5);
}

// A slender wand of pale wood with gold ends, from `top` to `bottom`.
void paintChariotWand(QPainter &p, QPointF top, QPointF bottom)
{
    const QPointF along = unitVector(bottom - top);
    drawShape(p, limb({top, bottom}, {1.9, 2.1}), kCutWood, 0.8, 1.0);
    drawShape(p, limb({top, top + along * 5}, {2.3, 2.3}), kGold, 0.6, kInteriorLine);
    drawShape(p, ellipse(top - along * 1.5, 3.2, 3.2), kGold, 0.8, kInteriorLine);
}

// A gold post of the canopy from its top down to `bottom`, a knob on top.
void paintPost(QPainter &p, double x, double top, double bottom, double half)
{
    QPainterPath post;
    post.addRoundedRect(QRectF(x - half, top, 2 * half, bottom - top), 1.2, 1.2);
    drawShape(p, post, kGold, 1.0, 1.0);
    drawShape(p, ellipse(QPointF(x, top - 1), half * 1.5, half * 1.5), kGold, 0.8, kInteriorLine);
}

// The sky, the walled city on the horizon, the river before it and the plain.
void chariotLand(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, kHorizon, kGoldenSky);
    paintCity(p, kHorizon + 2, scene.left() - 4, scene.right() + 4, 6);
    QPainterPath plain;
    plain.addRect(QRectF(scene.left() - 2, kHorizon, scene.width() + 4, scene.bottom() - kHorizon + 2));
    drawShape(p, plain, kFarHills, 1.2, kDistantLine);
    paintRiver(
        p,
        {{scene.left() - 8, kHorizon + 7}, {60, kHorizon + 9}, {130, kHorizon + 8}, {scene.right() + 8, kHorizon + 11}},
        7, 10);
    QPainterPath near;
    near.moveTo(scene.left() - 2, kHorizon + 26);
    near.cubicTo(50, kHorizon + 18, 130, kHorizon + 30, scene.right() + 2, kHorizon + 20);
    near.lineTo(scene.right() + 2, scene.bottom() + 2);
    near.lineTo(scene.left() - 2, scene.bottom() + 2);
    near.closeSubpath();
    drawShape(p, near, kNearHills, 2.0, 1.0);
    QPainterPath tufts;
    for (const QPointF &c :
         {QPointF(20, 250), QPointF(176, 246), QPointF(100, 262), QPointF(30, 186), QPointF(172, 190)})
        addGrassTuft(tufts, c);
    drawLine(p, tufts, kNearHills.shade, kInteriorLine);
}

// The back posts and the canopy's starry underside, seen above the car.
void chariotCanopyBack(QPainter &p)
{
    paintContoured(p, kContourLine, [](QPainter &q) {
        const WoodcutFinish finish;
        for (double x : {kBackPostX, 200 - kBackPostX})
            paintPost(q, x, kValance + 8, kCarFront.top(), 1.8);
        QPainterPath under;
        under.moveTo(kFrontPostX - 6, kValance - 4);
        under.lineTo(200 - kFrontPostX + 6, kValance - 4);
        under.lineTo(200 - kBackPostX + 4, kValance + 10);
        under.lineTo(kBackPostX - 4, kValance + 10);
        under.closeSubpath();
        drawShape(q, under, kStarryBlue, 1.0, 1.0);
        for (int i = 0; i < 7; ++i)
            paintStar(q, {kBackPostX + 4 + i * (200 - 2 * kBackPostX - 8) / 6.0, kValance + (i % 2 ? 2.5 : 6.0)}, 2.2,
                      6, kCanopyStars);
    });
}

// What he wears over the armour: a crescent moon on each shoulder, horns
// up, and a gold square on the breast.
void paintCharioteerMarks(QPainter &p, const Body &b)
{
    const double u = b.unit;
    for (int k : {0, 1}) {
        const QPointF c = b.shoulder[static_cast<std::size_t>(k)] + QPointF((k ? 0.12 : -0.12) * u, -0.06 * u);
        const QPainterPath moon =
            ellipse(c, 0.42 * u, 0.3 * u).subtracted(ellipse(c + QPointF(0, -0.16 * u), 0.36 * u, 0.24 * u));
        drawShape(p, moon, kCrescent, 0.8, 1.0);
    }
    const QPointF breast = b.neck + QPointF(0, 0.78 * u);
    QPainterPath square;
    square.addRect(QRectF(breast - QPointF(0.3 * u, 0.3 * u), QSizeF(0.6 * u, 0.6 * u)));
    drawShape(p, square, kGold, 0.8, 1.0);
    QPainterPath inner;
    inner.addRect(QRectF(breast - QPointF(0.15 * u, 0.15 * u), QSizeF(0.3 * u, 0.3 * u)));
    drawLine(p, inner, kGold.shade, kInteriorLine);
}

// The crown: a gold circlet with an eight-pointed star rising at the brow.
void paintStarCrown(QPainter &p, const Figure &f, const Body &b)
{
    const double u = b.unit, w = b.headWidth;
    const double shift = f.features ? f.features->side * 0.06 * w : 0;
    const QPointF brow(b.headCentre.x() + shift, b.crown.y() + 0.3 * u);
    QPainterPath circlet;
    circlet.moveTo(brow + QPointF(-0.56 * w, 0.02 * u));
    circlet.quadTo(brow + QPointF(0, -0.12 * u), brow + QPointF(0.56 * w, 0.02 * u));
    circlet.lineTo(brow + QPointF(0.54 * w, -0.16 * u));
    circlet.quadTo(brow + QPointF(0, -0.3 * u), brow + QPointF(-0.54 * w, -0.16 * u));
    circlet.closeSubpath();
    drawShape(p, circlet, kGold, 0.6, 1.0);
    for (int k : {-1, 1})
        paintStar(p, brow + QPointF(k * 0.34 * w, -0.16 * u), 0.13 * u, 6, kCanopyStars);
    paintStar(p, brow + QPointF(0, -0.46 * u), 0.36 * u, 8, kCanopyStars);
}

// The charioteer in his car, the wand in his right hand, the left on the rim.
void chariotDriver(QPainter &p)
{
    const Figure f = theCharioteer();
    const Body b = bodyOf(f);
    style::paintGroundShadow(p, {100, kCarFront.bottom() + 8}, 66, 6);
    paintContoured(p, kContourLine, [&](QPainter &q) {
        const WoodcutFinish finish;
        paintFigure(q, f);
        paintCharioteerMarks(q, b);
        paintStarCrown(q, f, b);
        const QPointF along = heading(-4);
        paintChariotWand(q, b.hand[0] + along * 2.45 * b.unit, b.hand[0] - along * 1.2 * b.unit);
        paintHand(q, {.grip = Grip::Fist,
                      .centre = b.hand[0],
                      .forearm = b.hand[0] - b.elbow[0],
                      .unit = b.unit,
                      .shaftDegrees = -4,
                      .thumbSide = 1});
        paintCar(q);
        paintHand(q, {.grip = Grip::Rest, .centre = b.hand[1], .forearm = b.hand[1] - b.elbow[1], .unit = b.unit});
    });
}

// The front posts from the car's corners and the valance of the canopy,
// scalloped and sewn with stars.
void chariotCanopyFront(QPainter &p)
{
    paintContoured(p, kContourLine, [](QPainter &q) {
        const WoodcutFinish finish;
        for (double x : {kFrontPostX, 200 - kFrontPostX})
            paintPost(q, x, kValance - 6, kCarFront.top() + 2, 2.6);
        const double left = kFrontPostX - 8, right = 200 - kFrontPostX + 8;
        QPainterPath cloth;
        cloth.moveTo(left, kCanopyTop);
        cloth.lineTo(right, kCanopyTop);
        cloth.lineTo(right, kValance - 6);
        const int scallops = 7;
        const double step = (right - left) / scallops;
        for (int i = scallops; i > 0; --i)
            cloth.quadTo(left + (i - 0.5) * step, kValance + 6, left + (i - 1) * step, kValance - 6);
        cloth.closeSubpath();
        drawShape(q, cloth, kStarryBlue, 2.0, 1.0);
        QPainterPath hem;
        hem.addRect(QRectF(left - 2, kCanopyTop - 2, right - left + 4, 4));
        drawShape(q, hem, kGold, 0.6, kInteriorLine);
        for (int i = 0; i < 6; ++i)
            paintStar(q, {left + step * 0.5 + (right - left - step) * i / 5.0, kCanopyTop + (i % 2 ? 9.0 : 15.0)}, 4.4,
                      8, kCanopyStars);
        for (double x : {left, right})
            drawShape(q, ellipse(QPointF(x, kCanopyTop - 1), 3.4, 3.4), kGold, 0.8, kInteriorLine);
    });
}

// A black sphinx and a white one lying before the car, facing out: a pair
// by tradition, but each with its own pose, paws and turn of the head.
void chariotSphinxes(QPainter &p)
{
    const double ground = 263, size = 70;
    style::paintGroundShadow(p, {54, ground}, 38, 4);
    style::paintGroundShadow(p, {144, ground}, 38, 4);
    paintContoured(p, kContourLine, [&](QPainter &q) {
        const WoodcutFinish finish;
        paintCouchantSphinx(q, {62, ground}, size,
                            {.coat = kBlackSphinx,
                             .face = kBlackSphinxFace,
                             .headcloth = kSphinxHeadcloth,
                             .stripe = kHeadclothBlack,
                             .haunch = -1,
                             .tilt = -4,
                             .gaze = {0.3, 0},
                             .leadingPaw = 1,
                             .turn = 0,
                             .breadth = 1.06,
                             .stern = true});
        paintCouchantSphinx(q, {138, ground + 1}, size * 0.97,
                            {.coat = kWhiteSphinx,
                             .face = kWhiteSphinxFace,
                             .headcloth = kWhiteHeadcloth,
                             .stripe = kSphinxStripe,
                             .haunch = 1,
                             .tilt = 3,
                             .gaze = {-0.4, 0.1},
                             .leadingPaw = -1,
                             .turn = -1,
                             .breadth = 0.96,
                             .stern = false});
    });
}

} // namespace

Trump theChariot()
{
    return {{{Layer::Scene, chariotLand},
             {Layer::Figures, chariotCanopyBack},
             {Layer::Figures, chariotDriver},
             {Layer::Figures, chariotCanopyFront},
             {Layer::Figures, chariotSphinxes}}};
}

} // namespace artwork::trumps
