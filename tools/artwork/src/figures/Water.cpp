#include "figures/Water.h"

#include "figures/Shapes.h"

#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

void paintWater(QPainter &p, const QRectF &area, double top, double bottom, unsigned seed, const Tone &water)
{
    QPainterPath sea;
    sea.addRect(QRectF(area.left() - 2, top, area.width() + 4, bottom - top));
    drawShape(p, sea, water, 0, 1.0);
    Roughness rough(seed);
    QPainterPath waves;
    const double rows = std::max(2.0, std::floor((bottom - top) / 6));
    for (int r = 0; r < rows; ++r) {
        const double y = top + (bottom - top) * (r + 0.6) / rows;
        const double len = 4 + r * 1.5;
        for (double x = area.left() + 4 + 8 * std::abs(rough.next()); x < area.right() - 4;
             x += len * 2.6 + 6 * std::abs(rough.next())) {
            waves.moveTo(x, y);
            waves.quadTo(x + len / 2, y - 2, x + len, y);
        }
    }
    drawLine(p, waves, water.base.lighter(145), 0.9);
}

void paintPool(QPainter &p, const QPainterPath &shore, const QRectF &area, double top, double bottom, unsigned seed,
               const Tone &water)
{
    p.save();
    p.setClipPath(shore, Qt::IntersectClip);
    paintWater(p, area, top, bottom, seed, water);
    p.restore();
    drawShape(p, shore, kClear, 0, 1.6);
}

void paintRiver(QPainter &p, const std::vector<QPointF> &course, double w0, double w1)
{
    std::vector<double> half;
    for (std::size_t i = 0; i < course.size(); ++i)
        half.push_back((w0 + (w1 - w0) * static_cast<double>(i) / static_cast<double>(course.size() - 1)) / 2);
    const QPainterPath water = limb(course, half);
    drawShape(p, water, kSea, 1.6);
    p.save();
    p.setClipPath(water, Qt::IntersectClip);
    QPainterPath ripples;
    for (std::size_t i = 1; i + 1 < course.size(); ++i) {
        const QPointF c = course[i];
        const QPointF along = unitVector(course[i + 1] - course[i - 1]);
        const QPointF n = normal(along) * half[i] * 0.5;
        ripples.moveTo(c - n);
        ripples.quadTo(c + along * 2.0, c + n);
    }
    drawLine(p, ripples, kSea.base.lighter(150), 1.0);
    p.restore();
}

void paintPouredWater(QPainter &p, QPointF from, QPointF control, QPointF to, double width)
{
    QPainterPath stream;
    stream.moveTo(from);
    stream.quadTo(control, to);
    drawLine(p, stream, kOutline, width + 1.6);
    drawLine(p, stream, kPouredWater, width);
    drawLine(p, stream, kPouredWaterLight, std::max(0.6, width * 0.3));
}

void paintShip(QPainter &p, QPointF keel, double length, int facing)
{
    const double l = length, f = facing;
    QPainterPath hull;
    hull.moveTo(keel + QPointF(-f * 0.5 * l, -0.22 * l));
    hull.lineTo(keel + QPointF(f * 0.55 * l, -0.22 * l));
    hull.quadTo(keel + QPointF(f * 0.4 * l, 0), keel + QPointF(f * 0.2 * l, 0));
    hull.lineTo(keel + QPointF(-f * 0.35 * l, 0));
    hull.closeSubpath();
    QPainterPath mast;
    mast.moveTo(keel + QPointF(0, -0.22 * l));
    mast.lineTo(keel + QPointF(0, -0.95 * l));
    drawLine(p, mast, kOutline, std::max(0.8, 0.04 * l));
    QPainterPath sail;
    sail.moveTo(keel + QPointF(-f * 0.05 * l, -0.9 * l));
    sail.quadTo(keel + QPointF(f * 0.35 * l, -0.6 * l), keel + QPointF(-f * 0.05 * l, -0.3 * l));
    sail.closeSubpath();
    drawShape(p, sail, kSail, std::max(0.5, 0.04 * l), kInteriorLine);
    drawShape(p, hull, kHull, std::max(0.5, 0.05 * l), kInteriorLine);
}

} // namespace artwork::figures
