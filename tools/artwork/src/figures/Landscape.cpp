#include "figures/Landscape.h"

#include "figures/Shapes.h"

#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace {

// A hill line across the area: gentle bumps from a deterministic seed.
QPainterPath ridge(const QRectF &area, double y, double amplitude, int bumps, unsigned seed, double bottom)
{
    Roughness rough(seed);
    std::vector<QPointF> pts;
    pts.emplace_back(area.left() - 20, bottom + 20);
    for (int i = 0; i <= bumps; ++i) {
        const double x = area.left() - 10 + (area.width() + 20) * i / bumps;
        pts.emplace_back(x, y - amplitude * (0.5 + 0.5 * rough.next()));
    }
    pts.emplace_back(area.right() + 20, bottom + 20);
    return smoothClosed(pts);
}

} // namespace

GroundBand groundBand(const std::vector<GroundReach> &course)
{
    GroundBand band;
    for (std::size_t i = 0; i < course.size(); ++i) {
        const QPointF before = course[i == 0 ? 0 : i - 1].middle;
        const QPointF after = course[std::min(i + 1, course.size() - 1)].middle;
        const QPointF along = unitVector(after - before);
        const QPointF across(-along.y(), 0.35 * along.x());
        band.left.push_back(course[i].middle - across * course[i].half);
        band.right.push_back(course[i].middle + across * course[i].half);
    }
    std::vector<QPointF> edges(band.right);
    edges.insert(edges.end(), band.left.rbegin(), band.left.rend());
    band.outline = smoothClosed(edges);
    return band;
}

void addGrassTuft(QPainterPath &tufts, QPointF foot)
{
    // Three blades from one foot: the middle one upright, the outer ones leaning out.
    const double x = foot.x(), y = foot.y();
    tufts.moveTo(x - 2, y);
    tufts.lineTo(x - 3, y - 3);
    tufts.moveTo(x, y);
    tufts.lineTo(x, y - 4);
    tufts.moveTo(x + 2, y);
    tufts.lineTo(x + 3, y - 3);
}

void paintHills(QPainter &p, const QRectF &area, double horizon, unsigned seed, const Tone &near, const Tone &far)
{
    const double depth = area.bottom() - horizon;
    drawShape(p, ridge(area, horizon + 2, depth * 0.14, 4, seed, area.bottom()), far, 2.0);
    drawShape(p, ridge(area, horizon + depth * 0.32, depth * 0.16, 3, seed + 5, area.bottom()), near, 2.4);
    // Tufts of grass on the near hill.
    Roughness rough(seed + 11);
    QPainterPath tufts;
    for (int i = 0; i < 9; ++i) {
        const double x = area.left() + area.width() * (i + 0.5) / 9 + 6 * rough.next();
        const double y = horizon + depth * (0.55 + 0.35 * std::abs(rough.next()));
        addGrassTuft(tufts, {x, y});
    }
    drawLine(p, tufts, near.shade, 0.9);
}

void paintPeak(QPainter &p, double cx, double baseY, double w, double h, const Tone &rock, bool snow, double outline)
{
    QPainterPath peak;
    peak.moveTo(cx - w, baseY + 2);
    peak.lineTo(cx - w * 0.3, baseY - h * 0.7);
    peak.lineTo(cx, baseY - h);
    peak.lineTo(cx + w * 0.35, baseY - h * 0.62);
    peak.lineTo(cx + w, baseY + 2);
    peak.closeSubpath();
    drawShape(p, peak, rock, 2.0, outline);
    if (!snow)
        return;
    QPainterPath cap;
    cap.moveTo(cx - w * 0.24, baseY - h * 0.76);
    cap.lineTo(cx, baseY - h);
    cap.lineTo(cx + w * 0.175, baseY - h * 0.81);
    cap.lineTo(cx + w * 0.05, baseY - h * 0.72);
    cap.lineTo(cx - w * 0.05, baseY - h * 0.78);
    cap.closeSubpath();
    drawShape(p, cap.intersected(peak), kCloud, 0, 0.8 * outline);
}

void paintMountains(QPainter &p, double baseY, double x0, double x1, double height, unsigned seed, const Tone &rock,
                    bool snow)
{
    Roughness rough(seed);
    const int peaks = std::max(2, static_cast<int>((x1 - x0) / (height * 1.1)));
    for (int i = 0; i < peaks; ++i) {
        const double cx = x0 + (x1 - x0) * (i + 0.5) / peaks + 4 * rough.next();
        const double h = height * (0.65 + 0.35 * std::abs(rough.next()));
        const double w = (x1 - x0) / peaks * 0.85;
        paintPeak(p, cx, baseY, w, h, rock, snow && h > height * 0.8);
    }
}

void paintMeadow(QPainter &p, const QRectF &area, double top, unsigned seed, const Tone &grass)
{
    Roughness rough(seed);
    std::vector<QPointF> pts;
    pts.emplace_back(area.left() - 20, area.bottom() + 20);
    for (int i = 0; i <= 5; ++i)
        pts.emplace_back(area.left() - 10 + (area.width() + 20) * i / 5, top + 2.5 * rough.next());
    pts.emplace_back(area.right() + 20, area.bottom() + 20);
    drawShape(p, smoothClosed(pts), grass, 2.0);
    QPainterPath tufts;
    for (int i = 0; i < 8; ++i) {
        const double x = area.left() + area.width() * (i + 0.5) / 8 + 6 * rough.next();
        const double y = top + (area.bottom() - top) * (0.3 + 0.6 * std::abs(rough.next()));
        addGrassTuft(tufts, {x, y});
    }
    drawLine(p, tufts, grass.shade, 0.9);
}

void paintPloughedField(QPainter &p, const QRectF &area, double top, double bottom, const Tone &earth)
{
    QPainterPath field;
    field.addRect(QRectF(area.left(), top, area.width(), bottom - top));
    drawShape(p, field, earth, 0, 0);
    const QPointF vanish(area.center().x(), top - (bottom - top) * 1.6);
    QPainterPath furrows;
    for (int i = -10; i <= 10; ++i) {
        const QPointF foot(area.center().x() + i * area.width() / 9.0, bottom);
        const double t = (top - vanish.y()) / (foot.y() - vanish.y());
        furrows.moveTo(vanish + (foot - vanish) * t);
        furrows.lineTo(foot);
    }
    p.save();
    p.setClipPath(field, Qt::IntersectClip);
    drawLine(p, furrows, earth.shade, 1.0);
    p.restore();
}

} // namespace artwork::figures
