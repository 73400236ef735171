// Things worn over or about a figure: the lemniscate, the horned crown, the
// triple tiara, a halo, and a chain.

#include "figures/Worn.h"

#include "figures/Shapes.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

void paintLemniscate(QPainter &p, QPointF c, double width)
{
    // The lemniscate of Bernoulli, drawn as a gold cord with a dark edge.
    QPainterPath eight;
    const double a = width / 2;
    for (int i = 0; i <= 96; ++i) {
        const double t = i * 2 * M_PI / 96;
        const double d = 1 + std::sin(t) * std::sin(t);
        const QPointF q = c + QPointF(a * std::cos(t) / d, a * std::sin(t) * std::cos(t) / d * 1.25);
        i == 0 ? eight.moveTo(q) : eight.lineTo(q);
    }
    const double cord = std::max(1.6, width * 0.1);
    drawLine(p, eight, kOutline, cord + 2.0);
    drawLine(p, eight, kGold.base, cord);
}

void paintHornedCrown(QPainter &p, const Figure &f)
{
    const Body b = bodyOf(f);
    const double u = b.unit;
    const QPointF c = b.crown;
    // A band round the brow, the horns rising from it, the moon between them.
    QPainterPath horns;
    horns.addEllipse(c + QPointF(0, -0.28 * u), 0.66 * u, 0.5 * u);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(0, -0.5 * u), 0.52 * u, 0.5 * u);
    QPainterPath above;
    above.addRect(QRectF(c.x() - u, c.y() - 1.5 * u, 2 * u, 1.5 * u + 0.12 * u));
    drawShape(p, horns.subtracted(bite).intersected(above), kSilver, std::max(1.0, 0.08 * u));
    drawShape(p, ellipse(c + QPointF(0, -0.4 * u), 0.3 * u, 0.3 * u), kFullMoon, std::max(1.0, 0.08 * u));
    QPainterPath band;
    band.addRoundedRect(QRectF(c.x() - 0.42 * u, c.y() + 0.04 * u, 0.84 * u, 0.14 * u), 0.05 * u, 0.05 * u);
    drawShape(p, band, kSilver, 0.5, 0.8);
}

void paintTiara(QPainter &p, const Figure &f)
{
    const Body b = bodyOf(f);
    const double u = b.unit, w = b.headWidth;
    const double bottom = b.crown.y() + 0.32 * u, top = b.crown.y() - 1.1 * u, cx = b.crown.x();
    // A beehive of cream cloth, three gold crowns round it, a cross on top.
    QPainterPath hive;
    hive.moveTo(cx - 0.56 * w, bottom);
    hive.cubicTo(cx - 0.6 * w, top + 0.4 * u, cx - 0.3 * w, top, cx, top);
    hive.cubicTo(cx + 0.3 * w, top, cx + 0.6 * w, top + 0.4 * u, cx + 0.56 * w, bottom);
    hive.closeSubpath();
    drawShape(p, hive, kParchment, std::max(1.0, 0.1 * u));
    for (int tier = 0; tier < 3; ++tier) {
        const double y = bottom - 0.08 * u - tier * 0.44 * u;
        const double half = (0.6 - tier * 0.09) * w;
        QPainterPath crown;
        crown.moveTo(cx - half, y);
        const int points = 5;
        for (int i = 0; i <= 2 * points; ++i) {
            const double x = cx - half + 2 * half * i / (2 * points);
            crown.lineTo(x, y - (i % 2 ? 0.16 * u : 0.3 * u));
        }
        crown.lineTo(cx + half, y + 0.08 * u);
        crown.lineTo(cx - half, y + 0.08 * u);
        crown.closeSubpath();
        drawShape(p, crown.intersected(hive.united(crown.translated(0, 0.1 * u)).intersected(hive)), kGold, 0.6, 0.8);
    }
    QPainterPath cross;
    cross.addRect(QRectF(cx - 0.05 * u, top - 0.42 * u, 0.1 * u, 0.46 * u));
    cross.addRect(QRectF(cx - 0.16 * u, top - 0.3 * u, 0.32 * u, 0.09 * u));
    drawShape(p, united(cross), kGold, 0.5, 0.8);
    drawShape(p, ellipse(QPointF(cx, top), 0.1 * u, 0.08 * u), kGold, 0.4, 0.7);
}

void paintChain(QPainter &p, QPointF from, QPointF to, double sag, double link)
{
    QPainterPath curve;
    curve.moveTo(from);
    curve.quadTo((from + to) / 2 + QPointF(0, sag * 2), to);
    const double len = curve.length();
    const int n = std::max(2, static_cast<int>(len / (link * 1.5)));
    for (int i = 0; i < n; ++i) {
        const double t = curve.percentAtLength(len * (i + 0.5) / n);
        const QPointF c = curve.pointAtPercent(t);
        const double angle = curve.angleAtPercent(t);
        QPainterPath ring;
        const QPainterPath outer = ellipse(c, link * 0.95, i % 2 ? link * 0.32 : link * 0.55, -angle);
        ring = outer.subtracted(ellipse(c, link * 0.55, i % 2 ? link * 0.08 : link * 0.22, -angle));
        drawShape(p, ring, kChainIron, 0.5, 0.7);
    }
}

void paintHalo(QPainter &p, QPointF c, double r)
{
    QPainterPath rays;
    for (int i = 0; i < 24; ++i) {
        const double a = i * M_PI / 12;
        const QPointF d(std::cos(a), std::sin(a));
        rays.moveTo(c + d * r * 0.9);
        rays.lineTo(c + d * r * (i % 2 ? 1.25 : 1.45));
    }
    drawLine(p, rays, kGold.shade, std::max(1.0, r * 0.08));
    drawShape(p, ellipse(c, r, r), kHaloGold, std::max(1.0, r * 0.08), std::max(0.8, r * 0.04));
}

} // namespace artwork::figures
