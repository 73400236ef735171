#include "figures/Sky.h"

#include "figures/Shapes.h"

#include <QtMath>

#include <cmath>

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
    drawShape(p, crescent, kCrescent, std::max(1.0, r * 0.08));
    if (!face)
        return;
    // A profile along the inner edge: an eye and a closed mouth.
    drawShape(p, ellipse(c + QPointF(-0.5 * r, -0.2 * r), 0.07 * r, 0.05 * r), {kInk, kInk}, 0, 0);
    QPainterPath mouth;
    mouth.moveTo(c + QPointF(-0.52 * r, 0.3 * r));
    mouth.lineTo(c + QPointF(-0.38 * r, 0.3 * r));
    drawLine(p, mouth, kInk, std::max(0.6, r * 0.05));
}

void paintMoonFace(QPainter &p, QPointF c, double r)
{
    const Tone &moon = kMoonLight;
    QPainterPath rays;
    for (int i = 0; i < 32; ++i) {
        const double a = i * M_PI / 16;
        const QPointF d(std::cos(a), std::sin(a));
        const QPointF n(-d.y(), d.x());
        const double len = i % 2 ? 1.22 : 1.4;
        rays.moveTo(c + d * r * 0.98 + n * r * 0.07);
        rays.lineTo(c + d * r * len);
        rays.lineTo(c + d * r * 0.98 - n * r * 0.07);
        rays.closeSubpath();
    }
    drawShape(p, rays, kMoonRays, 0.6, 0.8);
    drawShape(p, ellipse(c, r, r), kMoonShadow, std::max(1.2, r * 0.06), std::max(1.0, r * 0.04));
    // The crescent, lit along the left of the disc.
    const QPainterPath crescent = ellipse(c, r, r).subtracted(ellipse(c + QPointF(r * 0.32, 0), r * 0.86, r * 0.94));
    drawShape(p, crescent, moon, std::max(1.0, r * 0.05), std::max(1.0, r * 0.04));
    // A sleeping face in the disc: lidded eyes, a long nose, a small mouth.
    const QPointF f = c + QPointF(r * 0.16, 0);
    const double lw = std::max(0.8, r * 0.05);
    QPainterPath lines;
    for (int s : {-1, 1}) {
        const QPointF e = f + QPointF(s * r * 0.26, -r * 0.08);
        lines.moveTo(e + QPointF(-r * 0.13, 0));
        lines.quadTo(e + QPointF(0, r * 0.1), e + QPointF(r * 0.13, 0));
        lines.moveTo(e + QPointF(-r * 0.14, -r * 0.14));
        lines.quadTo(e + QPointF(0, -r * 0.22), e + QPointF(r * 0.14, -r * 0.13));
    }
    lines.moveTo(f + QPointF(0, -r * 0.08));
    lines.quadTo(f + QPointF(r * 0.04, r * 0.18), f + QPointF(r * 0.1, r * 0.22));
    lines.quadTo(f + QPointF(r * 0.02, r * 0.28), f + QPointF(-r * 0.06, r * 0.24));
    lines.moveTo(f + QPointF(-r * 0.12, r * 0.42));
    lines.quadTo(f + QPointF(0, r * 0.48), f + QPointF(r * 0.12, r * 0.42));
    drawLine(p, lines, kMoonFeatures, lw);
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

void paintGlow(QPainter &p, QPointF c, double r, const QColor &outer, const QColor &inner)
{
    // Three rings of light, brightest at the middle.
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const double t = i / 2.0;
        auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
        p.setBrush(
            QColor(mix(outer.red(), inner.red()), mix(outer.green(), inner.green()), mix(outer.blue(), inner.blue())));
        p.drawEllipse(c, r * (1 - 0.28 * i), r * (1 - 0.28 * i));
    }
    p.restore();
}

void paintLightning(QPainter &p, const std::vector<QPointF> &outline)
{
    QPainterPath bolt;
    bolt.moveTo(outline[0]);
    for (std::size_t i = 1; i < outline.size(); ++i)
        bolt.lineTo(outline[i]);
    bolt.closeSubpath();
    drawShape(p, bolt, kLightning, 1.6, 1.2);
}

void paintYod(QPainter &p, QPointF c, double size, double degrees, const Tone &tone)
{
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(degrees);
    const double r = size * 0.3;
    QPainterPath drop;
    drop.moveTo(0, -size * 0.6);
    drop.cubicTo(r * 0.4, -size * 0.2, r * 1.1, 0, r, size * 0.15);
    drop.cubicTo(r * 0.9, size * 0.45, -r * 0.9, size * 0.45, -r, size * 0.15);
    drop.cubicTo(-r * 1.1, 0, -r * 0.4, -size * 0.2, 0, -size * 0.6);
    drop.closeSubpath();
    drawShape(p, t.map(drop), tone, std::max(0.6, size * 0.1), std::max(0.7, size * 0.07));
}

void paintFlame(QPainter &p, QPointF base, double height, double lean)
{
    const double w = height * 0.36;
    auto flame = [&](double scale) {
        const double h = height * scale, ww = w * scale;
        QPainterPath f;
        f.moveTo(base + QPointF(0, 0));
        f.cubicTo(base + QPointF(-ww * 1.1, -h * 0.1), base + QPointF(-ww * 0.8, -h * 0.55),
                  base + QPointF(lean * h - ww * 0.1, -h));
        f.cubicTo(base + QPointF(ww * 0.1, -h * 0.6), base + QPointF(ww * 0.4, -h * 0.75),
                  base + QPointF(ww * 0.55, -h * 0.62));
        f.cubicTo(base + QPointF(ww * 1.1, -h * 0.3), base + QPointF(ww * 0.8, -h * 0.05), base);
        f.closeSubpath();
        return f;
    };
    drawShape(p, flame(1.0), kFlame, std::max(0.8, height * 0.06), std::max(0.8, height * 0.04));
    drawShape(p, flame(0.55), kFlameCore, 0, 0);
}

} // namespace artwork::figures
