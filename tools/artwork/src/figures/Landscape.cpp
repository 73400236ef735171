#include "figures/Landscape.h"

#include "figures/Shapes.h"

#include <QtMath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

void paintSky(QPainter &p, const QRectF &area, double horizon, const Tone &sky)
{
    p.fillRect(QRectF(area.left(), area.top(), area.width(), horizon - area.top() + 1), sky.base);
    // A paler band along the horizon (the sky's one shade, inverted).
    const double band = (horizon - area.top()) * 0.22;
    p.fillRect(QRectF(area.left(), horizon - band, area.width(), band + 1), sky.base.lighter(110));
}

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

void paintHills(QPainter &p, const QRectF &area, double horizon, unsigned seed, const Tone &near,
                const Tone &far)
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

void paintMountains(QPainter &p, double baseY, double x0, double x1, double height, unsigned seed,
                    const Tone &rock, bool snow)
{
    Roughness rough(seed);
    const int peaks = std::max(2, static_cast<int>((x1 - x0) / (height * 1.1)));
    for (int i = 0; i < peaks; ++i) {
        const double cx = x0 + (x1 - x0) * (i + 0.5) / peaks + 4 * rough.next();
        const double h = height * (0.65 + 0.35 * std::abs(rough.next()));
        const double w = (x1 - x0) / peaks * 0.85;
        QPainterPath peak;
        peak.moveTo(cx - w, baseY + 2);
        peak.lineTo(cx - w * 0.3, baseY - h * 0.7);
        peak.lineTo(cx, baseY - h);
        peak.lineTo(cx + w * 0.35, baseY - h * 0.62);
        peak.lineTo(cx + w, baseY + 2);
        peak.closeSubpath();
        drawShape(p, peak, rock, 2.0);
        if (snow && h > height * 0.8) {
            QPainterPath cap;
            cap.moveTo(cx - w * 0.24, baseY - h * 0.76);
            cap.lineTo(cx, baseY - h);
            cap.lineTo(cx + w * 0.175, baseY - h * 0.81);
            cap.lineTo(cx + w * 0.05, baseY - h * 0.72);
            cap.lineTo(cx - w * 0.05, baseY - h * 0.78);
            cap.closeSubpath();
            drawShape(p, cap.intersected(peak), kCloud, 0, 0.8);
        }
    }
}

void paintTree(QPainter &p, QPointF base, double height, unsigned seed, TreeKind kind, const Tone &leaves)
{
    Roughness rough(seed);
    const double trunkW = std::max(1.5, height * 0.07);
    QPainterPath trunk;
    trunk.moveTo(base + QPointF(-trunkW, 0));
    trunk.lineTo(base + QPointF(-trunkW * 0.6, -height * 0.5));
    trunk.lineTo(base + QPointF(trunkW * 0.6, -height * 0.5));
    trunk.lineTo(base + QPointF(trunkW, 0));
    trunk.closeSubpath();
    drawShape(p, trunk, kWood, 0.8);
    std::vector<QPointF> crown;
    if (kind == TreeKind::Cypress) {
        const double w = height * 0.16;
        crown = {base + QPointF(0, -height),
                 base + QPointF(w * 0.7, -height * 0.7),
                 base + QPointF(w, -height * 0.35),
                 base + QPointF(w * 0.6, -height * 0.12),
                 base + QPointF(-w * 0.6, -height * 0.12),
                 base + QPointF(-w, -height * 0.35),
                 base + QPointF(-w * 0.7, -height * 0.7)};
    } else {
        // A round crown of lobes.
        const QPointF c = base + QPointF(0, -height * 0.62);
        const double r = height * 0.36;
        for (int i = 0; i < 9; ++i) {
            const double a = i * 2 * M_PI / 9;
            const double rr = r * (i % 2 ? 0.86 : 1.0) * (1 + 0.06 * rough.next());
            crown.push_back(c + QPointF(std::cos(a) * rr, std::sin(a) * rr * 0.92));
        }
    }
    drawShape(p, smoothClosed(crown), leaves, std::max(1.2, height * 0.05));
}

void paintCloud(QPainter &p, QPointF c, double width, unsigned seed, const Tone &tone)
{
    Roughness rough(seed);
    QPainterPath cloud;
    const int puffs = 4;
    for (int i = 0; i < puffs; ++i) {
        const double t = (i + 0.5) / puffs - 0.5;
        const double r = width * (0.2 + 0.06 * rough.next()) * (1 - std::abs(t) * 0.8);
        cloud.addEllipse(c + QPointF(t * width * 0.72, -r * 0.35), r, r * 0.85);
    }
    cloud.addRoundedRect(QRectF(c.x() - width * 0.5, c.y() - width * 0.08, width, width * 0.16), width * 0.08,
                         width * 0.08);
    drawShape(p, united(cloud), tone, std::max(1.2, width * 0.04));
}

void paintFlower(QPainter &p, QPointF c, double r, const Tone &petals)
{
    QPainterPath bloom;
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        bloom.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.5, r * 0.5, r * 0.5);
    }
    drawShape(p, united(bloom), petals, std::max(0.5, r * 0.2), 0.8);
    drawShape(p, ellipse(c, r * 0.28, r * 0.28), kGold, 0, 0.6);
}

void paintSun(QPainter &p, QPointF c, double r, bool face)
{
    QPainterPath rays;
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        const QPointF d(std::cos(a), std::sin(a));
        const QPointF n(-d.y(), d.x());
        const double len = i % 2 ? 1.45 : 1.7;
        if (i % 2) {
            // A wavy ray.
            rays.moveTo(c + d * r * 1.0 + n * r * 0.1);
            rays.quadTo(c + d * r * 1.2 + n * r * 0.22, c + d * r * 1.3);
            rays.quadTo(c + d * r * 1.4 - n * r * 0.1, c + d * r * len);
            rays.quadTo(c + d * r * 1.3 - n * r * 0.02, c + d * r * 1.0 - n * r * 0.1);
        } else {
            rays.moveTo(c + d * r * 1.0 + n * r * 0.14);
            rays.lineTo(c + d * r * len);
            rays.lineTo(c + d * r * 1.0 - n * r * 0.14);
        }
        rays.closeSubpath();
    }
    drawShape(p, rays, kGold, 0.8);
    drawShape(p, ellipse(c, r, r), kGold, std::max(1.4, r * 0.1));
    if (!face)
        return;
    const double lw = std::max(0.7, r * 0.05);
    QPainterPath f;
    for (int s : {-1, 1}) {
        f.moveTo(c + QPointF(s * 0.45 * r, -0.2 * r));
        f.quadTo(c + QPointF(s * 0.3 * r, -0.32 * r), c + QPointF(s * 0.15 * r, -0.2 * r));
    }
    f.moveTo(c + QPointF(0.02 * r, -0.15 * r));
    f.quadTo(c + QPointF(0.1 * r, 0.12 * r), c + QPointF(-0.06 * r, 0.14 * r));
    f.moveTo(c + QPointF(-0.25 * r, 0.38 * r));
    f.quadTo(c + QPointF(0, 0.5 * r), c + QPointF(0.25 * r, 0.38 * r));
    drawLine(p, f, kGold.shade.darker(130), lw);
    for (int s : {-1, 1})
        drawShape(p, ellipse(c + QPointF(s * 0.3 * r, -0.06 * r), 0.07 * r, 0.06 * r), {kInk, kInk}, 0, 0);
}

void paintMoon(QPainter &p, QPointF c, double r, bool face)
{
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(r * 0.45, -r * 0.1), r * 0.85, r * 0.85);
    const QPainterPath crescent = disc.subtracted(bite);
    drawShape(p, crescent, {{240, 230, 180}, {200, 184, 120}}, std::max(1.0, r * 0.08));
    if (!face)
        return;
    // A profile along the inner edge: an eye and a closed mouth.
    drawShape(p, ellipse(c + QPointF(-0.5 * r, -0.2 * r), 0.07 * r, 0.05 * r), {kInk, kInk}, 0, 0);
    QPainterPath mouth;
    mouth.moveTo(c + QPointF(-0.52 * r, 0.3 * r));
    mouth.lineTo(c + QPointF(-0.38 * r, 0.3 * r));
    drawLine(p, mouth, kInk, std::max(0.6, r * 0.05));
}

void paintStar(QPainter &p, QPointF c, double r, int points, const Tone &tone)
{
    QPainterPath star;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = -M_PI / 2 + i * M_PI / points;
        const double rr = i % 2 ? r * 0.42 : r;
        const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * rr;
        i == 0 ? star.moveTo(q) : star.lineTo(q);
    }
    star.closeSubpath();
    drawShape(p, star, tone, std::max(0.6, r * 0.12), std::max(0.7, r * 0.08));
}

void paintTower(QPainter &p, QPointF base, double width, double height, const Tone &stone,
                const std::optional<Tone> &roof)
{
    const double w = width / 2, merlon = std::max(1.5, width * 0.16);
    const double top = base.y() - height;
    QPainterPath tower;
    tower.moveTo(base.x() - w, base.y());
    tower.lineTo(base.x() - w, top + merlon);
    if (!roof) {
        // Battlements: merlons and crenels across the top.
        const int merlons = 3;
        const double step = width / (2 * merlons - 1);
        for (int i = 0; i < 2 * merlons - 1; ++i) {
            const double x0 = base.x() - w + i * step;
            const double y = i % 2 ? top + merlon : top;
            tower.lineTo(x0, y);
            tower.lineTo(x0 + step, y);
        }
    }
    tower.lineTo(base.x() + w, top + merlon);
    tower.lineTo(base.x() + w, base.y());
    tower.closeSubpath();
    drawShape(p, tower, stone, std::max(1.0, width * 0.14));
    if (roof) {
        QPainterPath cone;
        cone.moveTo(base.x() - w * 1.15, top + merlon);
        cone.lineTo(base.x(), top - height * 0.35);
        cone.lineTo(base.x() + w * 1.15, top + merlon);
        cone.closeSubpath();
        drawShape(p, cone, *roof, std::max(1.0, width * 0.12));
    }
    QPainterPath slit;
    slit.addRoundedRect(QRectF(base.x() - width * 0.07, top + height * 0.3, width * 0.14, height * 0.18),
                        width * 0.07, width * 0.07);
    drawShape(p, slit, {kOutline, kOutline}, 0, 0);
}

void paintCastle(QPainter &p, QPointF base, double width, unsigned seed, const Tone &stone)
{
    Roughness rough(seed);
    const double h = width * 0.42;
    QPainterPath wall;
    wall.addRect(QRectF(base.x() - width * 0.4, base.y() - h * 0.55, width * 0.8, h * 0.55));
    drawShape(p, wall, stone, std::max(1.0, width * 0.03));
    paintTower(p, base + QPointF(-width * 0.4, 0), width * 0.2, h * (0.85 + 0.1 * rough.next()), stone,
               Tone{{170, 60, 50}, {116, 36, 30}});
    paintTower(p, base + QPointF(width * 0.4, 0), width * 0.2, h * (0.85 + 0.1 * rough.next()), stone,
               Tone{{170, 60, 50}, {116, 36, 30}});
    paintTower(p, base + QPointF(width * 0.05, 0), width * 0.26, h * 1.15, stone);
}

void paintPillar(QPainter &p, const QRectF &shaft, const Tone &stone)
{
    const double w = shaft.width();
    QPainterPath body;
    body.addRect(shaft);
    drawShape(p, body, stone, std::max(1.4, w * 0.18));
    // Flutes down the shaft.
    QPainterPath flutes;
    for (double f : {0.33, 0.66}) {
        flutes.moveTo(shaft.left() + w * f, shaft.top() + 2);
        flutes.lineTo(shaft.left() + w * f, shaft.bottom() - 2);
    }
    drawLine(p, flutes, stone.shade, std::max(0.6, w * 0.05));
    QPainterPath capital;
    capital.addRect(QRectF(shaft.left() - w * 0.2, shaft.top() - w * 0.3, w * 1.4, w * 0.3));
    capital.addRect(QRectF(shaft.left() - w * 0.32, shaft.top() - w * 0.5, w * 1.64, w * 0.2));
    drawShape(p, united(capital), stone, std::max(1.0, w * 0.08));
    QPainterPath foot;
    foot.addRect(QRectF(shaft.left() - w * 0.2, shaft.bottom(), w * 1.4, w * 0.25));
    foot.addRect(QRectF(shaft.left() - w * 0.32, shaft.bottom() + w * 0.25, w * 1.64, w * 0.25));
    drawShape(p, united(foot), stone, std::max(1.0, w * 0.08));
}

} // namespace artwork::figures
