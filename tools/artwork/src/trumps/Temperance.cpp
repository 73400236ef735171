// 15 Temperance: a winged angel, one foot in a pool and one on the land, pours water from one cup
// into the other; irises by the water, a path up to a crown shining like a sun between the
// mountains.

#include "trumps/Trump.h"

#include "figures/Hands.h"

#include <QTransform>

#include <tuple>

namespace artwork::trumps {

namespace {

constexpr double kHorizon = 176;

// The sky, and the crown in the sun's glow between two peaks.
void temperanceSky(QPainter &p)
{
    const QRectF s = trumpScene();
    paintSky(p, s, kHorizon, kClearSky);
    const QPointF sun(168, 150);
    paintSun(p, sun, 15, false);
    paintRankSign(p, quillmere::Rank::King, QRectF(sun.x() - 12, sun.y() - 10, 24, 15));
    for (const auto &[x, w, h] : {std::tuple{140.0, 40.0, 44.0}, std::tuple{200.0, 44.0, 56.0}})
        paintPeak(p, x, kHorizon, w, h, kBlueMountains, true);
}

// The meadows, the path from the pool up to the mountains, and the pool on
// the left, its edge running under the angel.
void temperanceLand(QPainter &p)
{
    const QRectF s = trumpScene();
    paintMeadow(p, s, kHorizon, 15, kFarHills);
    paintMeadow(p, s, kHorizon + 30, 16, kNearHills);
    QPainterPath path;
    path.moveTo(120, s.bottom() + 2);
    path.cubicTo(150, 236, 118, 214, 146, 196);
    path.cubicTo(162, 186, 150, 180, 158, kHorizon + 1);
    path.lineTo(162, kHorizon + 1);
    path.cubicTo(160, 182, 176, 190, 160, 200);
    path.cubicTo(140, 214, 178, 238, 168, s.bottom() + 2);
    path.closeSubpath();
    drawShape(p, path, kSandPath, 1.2);
    QPainterPath pool;
    pool.moveTo(s.left() - 4, 214);
    pool.cubicTo(40, 206, 94, 214, 104, 236);
    pool.cubicTo(112, 254, 98, 266, 94, s.bottom() + 4);
    pool.lineTo(s.left() - 4, s.bottom() + 4);
    pool.closeSubpath();
    paintPool(p, pool, s, 200, s.bottom() + 4, 15);
}

Figure angel()
{
    Figure angel;
    angel.base = {96, 259};
    angel.height = 200;
    angel.build = Build::Woman;
    angel.robe = {kLinen, std::nullopt, Cut::Gown, {}, kGold};
    angel.hair = Hair::Shoulder;
    angel.hairColour = kHairAmber;
    angel.features = Features{View::ThreeQuarter, 1, {0.5, 0.6}, Age::Young, Expression::Gentle, 0.96};
    angel.left = {Gesture::Behind};
    angel.right = {Gesture::Behind};
    return angel;
}

// The sign on her breast: a golden triangle, point up, inside a white square.
void paintBreastSign(QPainter &p, QPointF centre, double half)
{
    QPainterPath square;
    square.addRect(QRectF(centre.x() - half, centre.y() - half, 2 * half, 2 * half));
    drawShape(p, square, kLinen, 0, style::kInteriorLine);
    QPainterPath triangle;
    triangle.moveTo(centre + QPointF(0, -0.78 * half));
    triangle.lineTo(centre + QPointF(0.8 * half, 0.66 * half));
    triangle.lineTo(centre + QPointF(-0.8 * half, 0.66 * half));
    triangle.closeSubpath();
    drawShape(p, triangle, kGold, 0.2 * half, style::kInteriorLine);
}

// The angel and her wings, a golden disc on her brow and the sign on her
// breast; her left foot stands in the water, with ripples over it.
void temperanceAngel(QPainter &p)
{
    const Figure figure = angel();
    const Body body = bodyOf(figure);
    const double u = body.unit;
    style::paintGroundShadow(p, body.foot[1] + QPointF(0.2 * u, 0), 0.55 * u, 0.12 * u);
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        WingsLook wings;
        wings.feathers = kFlameFeathers;
        wings.tips = kRedFlightFeathers;
        wings.span = 2.3;
        wings.lift = 1.0;
        wings.marks = WingFeathers::Vaned;
        paintWings(q, figure, wings);
        paintFigure(q, figure);
    });
    drawShape(p, shapes::ellipse(body.headCentre + QPointF(0.06 * u, -0.33 * u), 0.09 * u, 0.09 * u), kGold, 0.4,
              style::kInteriorLine);
    paintBreastSign(p, body.neck + QPointF(0, 0.5 * u), 0.24 * u);
    // The bare foot in the pool over the shoe's place, its sole under the
    // water, ripples spreading round it.
    const QPointF sole = body.foot[0];
    QPainterPath bare;
    bare.moveTo(sole + QPointF(-0.23 * u, 0));
    bare.cubicTo(sole + QPointF(-0.25 * u, -0.2 * u), sole + QPointF(0.25 * u, -0.2 * u), sole + QPointF(0.23 * u, 0));
    bare.closeSubpath();
    drawShape(p, bare, figure.skin, 0.3, style::kInteriorLine);
    drawShape(p, shapes::ellipse(sole + QPointF(0, 0.02 * u), 0.42 * u, 0.08 * u), kSea, 0, 0);
    QPainterPath ripples;
    for (double r : {0.34, 0.56}) {
        ripples.moveTo(sole + QPointF(-r * u, 0));
        ripples.quadTo(sole + QPointF(0, 0.3 * r * u), sole + QPointF(r * u, 0));
    }
    drawLine(p, ripples, kPouredWaterLight, style::kInteriorLine);
}

// Where a cup held at `grip`, its stem in the fist, `cup` heads high and
// tipped `degrees` clockwise, has the given point of its box (x across
// the rim from -0.5 to 0.5, y down from the rim's top).
QPointF cupPoint(QPointF grip, double height, double degrees, double x, double y)
{
    const double top = -0.74 * height, width = 0.8 * height;
    QTransform t;
    t.translate(grip.x(), grip.y());
    t.rotate(degrees);
    return t.map(QPointF(x * width, top + y * height));
}

// The cups, each gripped by its stem: one held out at her shoulder and
// tipped towards the other, held low at the hip, the water running in an arc from the high cup's lip into
// the low cup's mouth.
void temperanceCups(QPainter &p)
{
    const Figure figure = angel();
    const Body body = bodyOf(figure);
    const double u = body.unit;
    const QPointF high = body.shoulder[0] + QPointF(-1.5 * u, 0.4 * u);
    const QPointF low = body.hips + QPointF(0.95 * u, 0.35 * u);
    const QPointF elbow = body.shoulder[0] + QPointF(-0.75 * u, 1.0 * u);
    const double tip = 62, size = 0.8, h = 1.55 * size * u;
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        paintHeld(q, Held::Cup, high, u * size, tip, 0);
        paintHeld(q, Held::Cup, low, u * size, 0, 0);
        paintArm(q, figure, -1, high + QPointF(0, 0.06 * u), elbow, kLinen, true, false);
        paintArm(q, figure, 1, low + QPointF(0, 0.06 * u), body.hips + QPointF(30, -16), kLinen, true, false);
        paintHand(q, {Grip::Fist, high, high - elbow, u, figure.skin, tip, -1});
        paintHand(q, {Grip::Fist, low, {0.2, 1}, u, figure.skin, 0, 1});
    });
    const QPointF lip = cupPoint(high, h, tip, 0.47, 0.07);
    const QPointF mouth = cupPoint(low, h, 0, -0.05, 0.07);
    paintPouredWater(p, lip, QPointF(lip.x() + 0.55 * (mouth.x() - lip.x()) + 6, lip.y() - 4), mouth, 2.4);
}

void temperanceIrises(QPainter &p)
{
    paintIris(p, {24, 250}, 40, 1);
    paintIris(p, {176, 258}, 36, 2);
}

} // namespace

Trump temperance()
{
    return {{{Layer::Scene, temperanceSky},
             {Layer::Scene, temperanceLand},
             {Layer::Figures, temperanceAngel},
             {Layer::Figures, temperanceCups},
             {Layer::Scene, temperanceIrises}}};
}

} // namespace artwork::trumps
