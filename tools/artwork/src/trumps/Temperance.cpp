// 15 Temperance: a winged angel, one foot in a pool and one on the land, pours water from one cup
// into the other; irises by the water, a path up to a crown shining like a sun between the
// mountains.

#include "trumps/Trump.h"

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
    angel.base = {96, 266};
    angel.height = 206;
    angel.build = Build::Woman;
    angel.robe = {kLinen, std::nullopt, Cut::Gown, {}, kGold};
    angel.hair = Hair::Long;
    angel.hairColour = kHairAmber;
    angel.turn = 0.2;
    angel.left = {Gesture::Behind};
    angel.right = {Gesture::Behind};
    return angel;
}

// The angel and her wings, a sun on her brow; her left foot stands in the
// water, with ripples over it.
void temperanceAngel(QPainter &p)
{
    const Figure figure = angel();
    WingsLook wings;
    wings.feathers = kFlameFeathers;
    wings.tips = kRedFlightFeathers;
    wings.span = 2.3;
    wings.lift = 1.0;
    paintWings(p, figure, wings);
    paintFigure(p, figure);
    const Body body = bodyOf(figure);
    const double u = body.unit;
    drawShape(p, shapes::ellipse(body.headCentre + QPointF(0, -0.3 * u), 0.09 * u, 0.09 * u), kGold, 0.4, 0.7);
    const QPointF foot = body.foot[0];
    QPainterPath wet;
    wet.addEllipse(QPointF(foot.x() - 1, foot.y() - 0.5), 0.34 * u, 0.12 * u);
    drawShape(p, wet, kSea, 0, 0.8);
}

// The cups: one held high and tipped, pouring from its lip into the other
// held low.
void temperanceCups(QPainter &p)
{
    const Figure figure = angel();
    const Body body = bodyOf(figure);
    const double u = body.unit;
    const QPointF high = body.shoulder[0] + QPointF(-0.7 * u, 0.2 * u);
    const QPointF low = body.hips + QPointF(0.9 * u, 0.3 * u);
    const double tip = 48, cup = 0.8;
    paintHeld(p, Held::Cup, high, u * cup, tip, 0);
    paintHeld(p, Held::Cup, low, u * cup, 0, 0);
    paintArm(p, figure, -1, high, body.shoulder[0] + QPointF(-20, 26), kLinen, true);
    paintArm(p, figure, 1, low, body.hips + QPointF(30, -16), kLinen, true);
    QTransform t;
    t.translate(high.x(), high.y());
    t.rotate(tip);
    const QPointF lip = t.map(QPointF(0.45 * cup * u, -1.15 * cup * u));
    const QPointF mouth = low + QPointF(-0.1 * u, -1.1 * cup * u);
    paintPouredWater(p, lip, QPointF((lip.x() + mouth.x()) / 2 + 4, lip.y() - 6), mouth, 2.4);
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
