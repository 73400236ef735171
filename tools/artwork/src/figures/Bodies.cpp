#include "figures/Bodies.h"

#include "figures/Shapes.h"

#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace {

// A leg's width for a build, in pixels: a head `u` high.
double legWidth(Build build, double u)
{
    return (build != Build::Woman ? 1.0 : 0.88) * u;
}

// A bare leg from the hip through the knee to the ankle, `w` its width.
void paintBareLeg(QPainter &p, QPointF hip, QPointF knee, QPointF ankle, double w, const Tone &tone, double line)
{
    drawShape(p,
              limb({hip, lerp(hip, knee, 0.5), knee, lerp(knee, ankle, 0.3), ankle},
                   {0.33 * w, 0.27 * w, 0.19 * w, 0.21 * w, 0.12 * w}),
              tone, line);
}

// The body from the neck to the hips, seen from the front: broad shoulders
// and narrow hips on a man, the other way on a woman.
StandingBody paintBareTorso(QPainter &p, QPointF hips, double u, Build build, const Tone &skin)
{
    auto at = [&](double x, double y) { return hips + QPointF(x * u, y * u); };
    const bool man = build != Build::Woman;
    const double line = std::max(1.0, 0.1 * u);
    const double sh = man ? 0.92 : 0.78, waist = man ? 0.56 : 0.46, hip = man ? 0.66 : 0.74;
    const std::vector<QPointF> right{{0.16, -2.32},        {sh * 0.58, -2.06}, {sh, -1.9},        {sh * 0.92, -1.55},
                                     {waist + 0.12, -1.2}, {waist, -0.7},      {hip - 0.1, -0.3}, {hip, 0.06},
                                     {hip - 0.12, 0.36},   {0.3, 0.46},        {0.0, 0.44}};
    std::vector<QPointF> pts;
    for (const QPointF &q : right)
        pts.emplace_back(q.x() * u, hips.y() + q.y() * u);
    drawShape(p, smoothClosed(mirrored(hips.x(), pts)), skin, std::max(1.2, 0.12 * u), line);
    QPainterPath neck;
    neck.addRect(QRectF(at(-0.17, -2.6), at(0.17, -2.2)));
    drawShape(p, neck, skin, 0, 0.8);
    StandingBody b;
    b.headCentre = at(0, -2.8);
    b.neck = at(0, -2.3);
    b.shoulder = {at(-(sh - 0.2), -1.95), at(sh - 0.2, -1.95)};
    return b;
}

} // namespace

StandingBody paintStandingNude(QPainter &p, QPointF hips, double u, Build build, const Tone &skin,
                               const std::optional<Tone> &legs)
{
    const Tone legTone = legs.value_or(skin);
    auto at = [&](double x, double y) { return hips + QPointF(x * u, y * u); };
    const double w = legWidth(build, u), line = std::max(1.0, 0.1 * u);
    for (int s : {-1, 1}) {
        if (legs) {
            // A goat's legs: the thigh out to the knee, the shank back in to
            // the hock, bent the other way, then the cannon down to a cloven hoof.
            const QPointF hip = at(s * 0.3, 0.15), knee = at(s * 0.5, 1.3), hock = at(s * 0.24, 2.45),
                          fetlock = at(s * 0.36, 3.3);
            drawShape(p, limb({hip, knee, hock, fetlock}, {0.4 * w, 0.24 * w, 0.15 * w, 0.12 * w}), legTone, line);
            QPainterPath tufts;
            for (const QPointF &joint : {knee, hock}) {
                tufts.moveTo(joint + QPointF(s * 0.16 * u, -0.05 * u));
                tufts.lineTo(joint + QPointF(s * 0.3 * u, 0.12 * u));
                tufts.lineTo(joint + QPointF(s * 0.12 * u, 0.1 * u));
            }
            drawLine(p, tufts, legTone.shade, std::max(0.8, 0.06 * u));
            QPainterPath hoof;
            hoof.moveTo(at(s * 0.36 - 0.18, 3.3));
            hoof.lineTo(at(s * 0.36 + 0.18, 3.3));
            hoof.lineTo(at(s * 0.36 + 0.24, 3.66));
            hoof.lineTo(at(s * 0.36 - 0.24, 3.66));
            hoof.closeSubpath();
            drawShape(p, hoof, kCloven, 0.6, 0.9);
            QPainterPath cleft;
            cleft.moveTo(at(s * 0.36, 3.46));
            cleft.lineTo(at(s * 0.36, 3.66));
            drawLine(p, cleft, kOutline, std::max(0.7, 0.05 * u));
        } else {
            paintBareLeg(p, at(s * 0.3, 0.15), at(s * 0.3, 1.8), at(s * 0.32, 3.45), w, skin, line);
            drawShape(p, ellipse(at(s * 0.36, 3.56), 0.2 * u, 0.12 * u), skin, 0.5, 0.9);
        }
    }
    return paintBareTorso(p, hips, u, build, skin);
}

void paintFlowingHair(QPainter &p, QPointF centre, double u, const QColor &colour, int side)
{
    const Tone hair{colour, colour.darker(140)};
    auto at = [&](double x, double y) { return centre + QPointF(side * x * u, y * u); };
    // The mass behind the head down to the nape, then locks streaming out to
    // `side` and one falling to the other shoulder, each tapering to a point.
    drawShape(p, ellipse(centre + QPointF(0, 0.05 * u), 0.5 * u, 0.6 * u), hair, std::max(1.0, 0.08 * u));
    const std::vector<std::vector<QPointF>> locks{
        {at(0.25, -0.35), at(0.7, -0.38), at(1.0, -0.18), at(1.3, -0.26), at(1.55, -0.08)},
        {at(0.3, 0.0), at(0.7, 0.08), at(1.0, 0.28), at(1.28, 0.22), at(1.5, 0.45)},
        {at(0.2, 0.3), at(0.5, 0.62), at(0.8, 0.8), at(1.05, 0.74), at(1.22, 0.98)},
        {at(-0.3, 0.1), at(-0.48, 0.5), at(-0.44, 0.85), at(-0.56, 1.1)},
    };
    QPainterPath strands;
    for (const std::vector<QPointF> &lock : locks) {
        std::vector<double> half;
        for (std::size_t i = 0; i < lock.size(); ++i)
            half.push_back(u * (0.2 - 0.18 * static_cast<double>(i) / static_cast<double>(lock.size() - 1)));
        drawShape(p, limb(lock, half), hair, std::max(0.8, 0.06 * u), std::max(0.8, 0.05 * u));
        strands.addPath(smoothOpen({lerp(lock[0], lock[1], 0.5), lock[1], lock[2], lerp(lock[2], lock[3], 0.6)}));
    }
    drawLine(p, strands, hair.shade, std::max(0.6, 0.04 * u));
}

void paintSkull(QPainter &p, QPointF c, double w, double h)
{
    const Tone &bone = kBone;
    // The cranium and the cheekbones, narrowing to the jaw.
    const std::vector<QPointF> right{{0, -0.52 * h},       {0.42 * w, -0.42 * h}, {0.52 * w, -0.06 * h},
                                     {0.44 * w, 0.16 * h}, {0.3 * w, 0.26 * h},   {0.28 * w, 0.46 * h},
                                     {0, 0.5 * h}};
    std::vector<QPointF> pts;
    for (const QPointF &q : right)
        pts.emplace_back(q.x(), c.y() + q.y());
    drawShape(p, smoothClosed(mirrored(c.x(), pts)), bone, std::max(0.8, 0.07 * h), std::max(0.8, 0.05 * h));
    const Tone &hollow = kHollow;
    for (int s : {-1, 1})
        drawShape(p, ellipse(c + QPointF(s * 0.2 * w, 0.0), 0.15 * w, 0.13 * h), hollow, 0, 0);
    QPainterPath nose;
    nose.moveTo(c + QPointF(0, 0.1 * h));
    nose.lineTo(c + QPointF(0.07 * w, 0.24 * h));
    nose.lineTo(c + QPointF(-0.07 * w, 0.24 * h));
    nose.closeSubpath();
    drawShape(p, nose, hollow, 0, 0);
    QPainterPath teeth;
    teeth.moveTo(c + QPointF(-0.24 * w, 0.35 * h));
    teeth.lineTo(c + QPointF(0.24 * w, 0.35 * h));
    for (double x : {-0.12, 0.0, 0.12}) {
        teeth.moveTo(c + QPointF(x * w, 0.3 * h));
        teeth.lineTo(c + QPointF(x * w, 0.42 * h));
    }
    drawLine(p, teeth, kOutline, std::max(0.6, 0.04 * h));
}

void paintHorns(QPainter &p, QPointF c, double unit, double size)
{
    const Tone &horn = kHorn;
    const double u = unit * size;
    for (int s : {-1, 1}) {
        const QPointF rootAt = c + QPointF(s * 0.28 * unit, -0.36 * unit);
        const std::vector<QPointF> chain{
            rootAt, rootAt + QPointF(s * 0.22 * u, -0.38 * u), rootAt + QPointF(s * 0.5 * u, -0.62 * u),
            rootAt + QPointF(s * 0.86 * u, -0.66 * u), rootAt + QPointF(s * 1.04 * u, -0.5 * u)};
        drawShape(p, limb(chain, {0.16 * u, 0.13 * u, 0.1 * u, 0.06 * u, 0.015 * u}), horn, std::max(0.8, 0.06 * u),
                  std::max(0.8, 0.05 * u));
        QPainterPath rings;
        for (int i = 1; i <= 3; ++i) {
            const QPointF q = lerp(chain[i - 1], chain[i], 0.5);
            const QPointF n = normal(unitVector(chain[i] - chain[i - 1]));
            rings.moveTo(q - n * 0.1 * u);
            rings.lineTo(q + n * 0.1 * u);
        }
        drawLine(p, rings, horn.shade, std::max(0.6, 0.04 * u));
    }
}

} // namespace artwork::figures
