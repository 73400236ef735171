// A clothed figure drawn from joints the painter places: see Sprawled.h.

#include "figures/Sprawled.h"

#include "figures/Hands.h"
#include "figures/Proportions.h"
#include "figures/Shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace {

// The convex hull of the points, anticlockwise on screen.
std::vector<QPointF> hullOf(std::vector<QPointF> pts)
{
    std::sort(pts.begin(), pts.end(),
              [](QPointF a, QPointF b) { return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()); });
    auto cross = [](QPointF o, QPointF a, QPointF b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    std::vector<QPointF> h(2 * pts.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        while (k >= 2 && cross(h[k - 2], h[k - 1], pts[i]) <= 0)
            --k;
        h[k++] = pts[i];
    }
    for (std::size_t i = pts.size() - 1, t = k + 1; i-- > 0;) {
        while (k >= t && cross(h[k - 2], h[k - 1], pts[i]) <= 0)
            --k;
        h[k++] = pts[i];
    }
    h.resize(k - 1);
    return h;
}

QPointF acrossOf(const Sprawl &s)
{
    return normal(unitVector(s.hips - s.neck)) * static_cast<double>(s.nearSide);
}

Tone legTone(const Figure &f)
{
    return f.robe.cut == Cut::Armour ? kSteel : f.robe.hose;
}

// An open hand flung out along the forearm, the fingers together and the
// thumb apart: a shape that stays clear on a small figure.
void paintOpenHand(QPainter &p, QPointF centre, QPointF forearm, double u, const Tone &skin, int thumbSide)
{
    const QPointF d = unitVector(forearm), n = normal(d) * static_cast<double>(thumbSide);
    const QPointF wrist = centre - d * 0.14 * u;
    const std::vector<QPointF> hand{
        wrist + n * 0.1 * u,   centre + n * 0.13 * u + d * 0.02 * u, centre + d * 0.2 * u + n * 0.1 * u,
        centre + d * 0.27 * u, centre + d * 0.2 * u - n * 0.11 * u,  centre - n * 0.12 * u,
        wrist - n * 0.1 * u};
    drawShape(p, smoothClosed(hand), skin, 0.4, kInteriorLine * 0.8);
    const QPointF root = centre + n * 0.1 * u - d * 0.04 * u;
    drawShape(p, limb({root, root + (n * 0.7 + d * 0.7) * 0.17 * u}, {0.05 * u, 0.04 * u}), skin, 0.2,
              kInteriorLine * 0.8);
}

void paintArmOf(QPainter &p, const Sprawl &s, std::size_t i)
{
    const detail::Proportions pr = detail::proportionsOf(s.look.build);
    const double u = s.unit, w = pr.limb * u;
    const QPointF sh = sprawlShoulders(s)[i], e = s.elbow[i], h = s.hand[i];
    const QPointF wrist = h - unitVector(h - e) * 0.2 * u;
    const Tone sleeve = s.look.robe.cut == Cut::Armour ? kSteel : s.look.robe.gown;
    const Tone tone = i == 0 ? Tone{sleeve.shade, sleeve.shade.darker(115)} : sleeve;
    drawShape(p, limb({sh, e, wrist}, {0.3 * w, 0.23 * w, 0.2 * w}), tone, std::max(1.0, 0.1 * u), kInteriorLine);
    if (s.grips[i] == Grip::Palm) {
        paintOpenHand(p, h, h - e, u, s.look.skin, i == 0 ? -1 : 1);
        return;
    }
    paintHand(p, {.grip = s.grips[i],
                  .centre = h,
                  .forearm = h - e,
                  .unit = u,
                  .skin = s.look.skin,
                  .shaftDegrees = angleOf(h - e) - 90,
                  .thumbSide = i == 0 ? -1 : 1});
}

void paintLegOf(QPainter &p, const Sprawl &s, std::size_t i)
{
    const detail::Proportions pr = detail::proportionsOf(s.look.build);
    const double u = s.unit, w = pr.limb * u;
    const QPointF hip = sprawlHipJoints(s)[i], knee = s.knee[i], ankle = s.foot[i];
    const Tone base = legTone(s.look);
    const Tone tone = i == 0 ? Tone{base.shade, base.shade.darker(115)} : base;
    drawShape(p,
              limb({hip, lerp(hip, knee, 0.5), knee, lerp(knee, ankle, 0.3), ankle},
                   {0.4 * w, 0.33 * w, 0.23 * w, 0.25 * w, 0.15 * w}),
              tone, std::max(1.0, 0.08 * u), kInteriorLine);
    const QPointF toe = normal(unitVector(ankle - knee)) * static_cast<double>(s.toes[i]);
    const QPointF along = unitVector(ankle - knee);
    const Tone &shoe = s.look.robe.cut == Cut::Armour ? kIron : kShoe;
    drawShape(p, ellipse(ankle + toe * 0.16 * u + along * 0.06 * u, 0.32 * u, 0.14 * u, angleOf(toe)), shoe, 0.6,
              kInteriorLine);
}

// The robe: the body from the shoulders to the hips, and its skirt, a
// tunic's to the middle of the thighs, a gown's to the ankles, blown along
// `skirtFlow`.
std::pair<QPainterPath, QPainterPath> robeOf(const Sprawl &s)
{
    const detail::Proportions pr = detail::proportionsOf(s.look.build);
    const double u = s.unit;
    const QPointF n = acrossOf(s) * s.breadth * u;
    const QPointF waist = lerp(s.neck, s.hips, 0.72);
    const auto sh = sprawlShoulders(s);
    // The body bends at the chest when the painter moves it off the line
    // from neck to hips (a back arched in falling).
    const QPointF chest = s.chest.value_or(lerp(s.neck, s.hips, 0.4));
    const double b = s.breadth * u;
    QPainterPath body = limb({(sh[0] + sh[1]) / 2, chest, waist, s.hips},
                             {pr.shoulderHalf * 0.9 * b, pr.shoulderHalf * 0.82 * b, pr.waistHalf * b, pr.hipHalf * b});
    const bool gown = s.look.robe.cut == Cut::Gown;
    const auto hj = sprawlHipJoints(s);
    std::vector<QPointF> skirt{waist + n * pr.waistHalf, waist - n * pr.waistHalf, s.hips + n * (pr.hipHalf + 0.05),
                               s.hips - n * (pr.hipHalf + 0.05)};
    for (std::size_t i = 0; i < 2; ++i) {
        const QPointF hem = gown ? lerp(s.knee[i], s.foot[i], 0.78) : lerp(hj[i], s.knee[i], 0.36);
        const QPointF legAcross = normal(unitVector(s.knee[i] - hj[i])) * (gown ? 0.55 : 0.4) * u;
        skirt.push_back(hem + legAcross + s.skirtFlow * u);
        skirt.push_back(hem - legAcross + s.skirtFlow * u);
    }
    return {smoothClosed(hullOf(skirt)), body};
}

void paintCloak(QPainter &p, const Sprawl &s)
{
    if (!s.look.robe.mantle || !s.cloakTo)
        return;
    const double u = s.unit;
    const auto sh = sprawlShoulders(s);
    const QPointF c = *s.cloakTo, d = unitVector(c - s.neck), m = normal(d);
    const QPointF mid = lerp(s.neck, c, 0.5);
    const std::vector<QPointF> cloak{sh[0],
                                     mid + m * 1.1 * u,
                                     c + m * 1.5 * u,
                                     c + m * 0.5 * u - d * 0.25 * u,
                                     c - m * 0.2 * u + d * 0.3 * u,
                                     c - m * 1.1 * u - d * 0.1 * u,
                                     mid - m * 1.0 * u,
                                     sh[1]};
    drawShape(p, smoothClosed(cloak), *s.look.robe.mantle, std::max(1.2, 0.14 * u), kInteriorLine);
    QPainterPath folds;
    for (double t : {-0.6, 0.3}) {
        folds.moveTo(lerp(s.neck, mid, 0.6) + m * t * 0.6 * u);
        folds.quadTo(mid + m * t * u, c + m * (t * 1.1) * u);
    }
    drawLine(p, folds, s.look.robe.mantle->shade.darker(115), kInteriorLine);
}

} // namespace

std::array<QPointF, 2> sprawlShoulders(const Sprawl &s)
{
    const detail::Proportions pr = detail::proportionsOf(s.look.build);
    const QPointF d = unitVector(s.hips - s.neck), n = acrossOf(s) * s.breadth * s.unit * pr.shoulderHalf * 0.92;
    const QPointF root = s.neck + d * 0.2 * s.unit;
    return {root - n, root + n};
}

std::array<QPointF, 2> sprawlHipJoints(const Sprawl &s)
{
    const QPointF n = acrossOf(s) * s.breadth * s.unit * 0.34;
    return {s.hips - n, s.hips + n};
}

void paintSprawled(QPainter &p, const Sprawl &s)
{
    const double u = s.unit;
    paintCloak(p, s);
    paintArmOf(p, s, 0);
    paintLegOf(p, s, 0);
    paintLegOf(p, s, 1);
    drawShape(p, limb({s.neck, lerp(s.neck, s.head, 0.7)}, {0.2 * u, 0.18 * u}), s.look.skin, 0.5, kInteriorLine);
    const auto [skirt, body] = robeOf(s);
    drawShape(p, skirt, s.look.robe.gown, std::max(1.2, 0.12 * u), kInteriorLine);
    drawShape(p, body, s.look.robe.gown, std::max(1.2, 0.12 * u), kInteriorLine);
    // The belt across the waist, in the trim.
    const QPointF waist = lerp(s.neck, s.hips, 0.72), n = acrossOf(s) * s.breadth * u * 0.72;
    QPainterPath belt;
    belt.moveTo(waist - n);
    belt.lineTo(waist + n);
    drawLine(p, belt, s.look.robe.trim.base, 0.16 * u);
    paintArmOf(p, s, 1);
    p.save();
    p.translate(s.head);
    p.rotate(s.headDegrees);
    paintHead(p, s.look, {0, 0}, u);
    p.restore();
}

} // namespace artwork::figures
