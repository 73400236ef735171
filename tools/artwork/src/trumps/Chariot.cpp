// 8 The Chariot: a crowned warrior in armour stands in a square chariot under a starry canopy,
// drawn by a black horse and a white one; the walls of a city behind.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

using namespace shapes;

void paintChariot(QPainter &p, const QRectF &body)
{
    const Tone &stone = kChariotStone;
    const Tone &wheel = kChariotWheel;
    // The wheels at the sides, seen a little from the front.
    for (int s : {-1, 1}) {
        const QPointF c(s < 0 ? body.left() + 2 : body.right() - 2, body.bottom() - body.height() * 0.2);
        const double ry = body.height() * 0.5, rx = ry * 0.42;
        QPainterPath tyre;
        tyre.addEllipse(c, rx, ry);
        QPainterPath inner;
        inner.addEllipse(c, rx * 0.68, ry * 0.8);
        drawShape(p, tyre.subtracted(inner), wheel, 1.2);
        QPainterPath spokes;
        for (int i = 0; i < 4; ++i) {
            const double a = i * M_PI / 4;
            spokes.moveTo(c + QPointF(std::cos(a) * rx * 0.7, std::sin(a) * ry * 0.8));
            spokes.lineTo(c - QPointF(std::cos(a) * rx * 0.7, std::sin(a) * ry * 0.8));
        }
        drawLine(p, spokes, wheel.shade, 1.6);
        drawShape(p, ellipse(c, rx * 0.25, ry * 0.18), wheel, 0.6);
    }
    QPainterPath box;
    box.addRect(body);
    drawShape(p, box, stone, 2.6);
    QPainterPath rim;
    rim.addRect(QRectF(body.left() - 3, body.top() - 4, body.width() + 6, 7));
    drawShape(p, rim, kGold, 1.2);
    QPainterPath panel;
    panel.addRect(body.adjusted(6, 8, -6, -5));
    drawLine(p, panel, stone.shade, 1.0);
    // The winged disc on the front.
    const QPointF c = body.center() + QPointF(0, 2);
    const double r = body.height() * 0.16;
    for (int s : {-1, 1}) {
        QPainterPath wing;
        wing.moveTo(c + QPointF(s * r * 0.6, -r * 0.5));
        wing.cubicTo(c + QPointF(s * r * 2.2, -r * 1.5), c + QPointF(s * r * 3.6, -r * 1.0),
                     c + QPointF(s * r * 4.0, -r * 0.6));
        wing.cubicTo(c + QPointF(s * r * 3.0, -r * 0.1), c + QPointF(s * r * 2.0, r * 0.5),
                     c + QPointF(s * r * 0.6, r * 0.4));
        wing.closeSubpath();
        drawShape(p, wing, kChariotWing, 1.0);
        QPainterPath feathers;
        for (double t : {0.4, 0.6, 0.8}) {
            feathers.moveTo(c + QPointF(s * r * (0.8 + 3.0 * t), -r * (0.9 + 0.2 * t)));
            feathers.lineTo(c + QPointF(s * r * (0.6 + 2.0 * t), r * (0.3 - 0.3 * t)));
        }
        drawLine(p, feathers, kChariotWingQuills, 0.8);
    }
    drawShape(p, ellipse(c, r, r), kGold, 1.0);
    drawShape(p, ellipse(c, r * 0.45, r * 0.45), kRuby, 0.6, 0.8);
}

void paintCanopy(QPainter &p, double left, double right, double top, double valance, double bottom)
{
    const Tone &night = kStarryBlue;
    for (double x : {left, right}) {
        QPainterPath post;
        post.addRoundedRect(QRectF(x - 2.4, top, 4.8, bottom - top), 1.5, 1.5);
        drawShape(p, post, kGold, 1.0);
    }
    // The canopy with a scalloped valance.
    QPainterPath cloth;
    cloth.moveTo(left - 8, top);
    cloth.lineTo(right + 8, top);
    cloth.lineTo(right + 8, valance - 6);
    const int scallops = 7;
    const double step = (right - left + 16) / scallops;
    for (int i = scallops; i > 0; --i) {
        const double x0 = left - 8 + i * step;
        cloth.quadTo(x0 - step / 2, valance + 6, x0 - step, valance - 6);
    }
    cloth.closeSubpath();
    drawShape(p, cloth, night, 2.0);
    QPainterPath hem;
    hem.moveTo(left - 8, top + 2);
    hem.lineTo(right + 8, top + 2);
    drawLine(p, hem, kGold.base, 2.0);
    for (int i = 0; i < 6; ++i) {
        const double x = left + 2 + (right - left - 4) * (i + 0.5) / 6;
        const double y = top + (valance - top) * (i % 2 ? 0.38 : 0.62);
        paintStar(p, {x, y}, 4.2, 6);
    }
    for (double x : {left, right})
        drawShape(p, ellipse(QPointF(x, top - 2), 3.6, 3.6), kGold, 0.8);
}

void chariotCity(QPainter &p)
{
    const QRectF scene = trumpScene();
    const double horizon = 150;
    paintSky(p, scene, horizon, kDaySky);
    paintCity(p, horizon, scene.left() - 4, scene.right() + 4, 6);
    paintHills(p, scene, horizon + 4, 8);
}

void chariotFigures(QPainter &p)
{
    Figure warrior;
    warrior.base = {100, 217};
    warrior.height = 168;
    warrior.robe = {kBlue, std::nullopt, Cut::Armour, {}, kGold};
    warrior.headwear = Headwear::Crown;
    warrior.hairColour = kHairBrown;
    warrior.left = {Gesture::Down};
    warrior.right = {Gesture::Raised, Held::Sceptre, 0, 1.15};
    warrior.seed = 8;
    paintCanopy(p, 44, 156, 17, 34, 166);
    paintFigure(p, warrior);
    paintChariot(p, QRectF(40, 154, 120, 64));

    Horse white;
    white.base = {56, 264};
    white.height = 50;
    white.facing = -1;
    white.gait = Gait::Standing;
    white.coat = kWhiteHorse;
    white.cloth = kStarryBlue;
    Horse black;
    black.base = {144, 264};
    black.height = 50;
    black.facing = 1;
    black.gait = Gait::Standing;
    black.coat = kBlackHorse;
    black.mane = kBlackMane;
    black.cloth = kStarryBlue;
    // Gold traces from the chariot to each horse's breast strap.
    QPainterPath traces;
    traces.moveTo(46, 206);
    traces.quadTo(40, 226, 30, 234);
    traces.moveTo(154, 206);
    traces.quadTo(160, 226, 170, 234);
    drawLine(p, traces, kOutline, 3.4);
    drawLine(p, traces, kGold.base, 1.8);
    paintHorse(p, white);
    paintHorse(p, black);
}

} // namespace

Trump theChariot()
{
    return {{{Layer::Scene, chariotCity}, {Layer::Figures, chariotFigures}}};
}

} // namespace artwork::trumps
