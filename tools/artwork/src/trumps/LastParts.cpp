#include "trumps/LastParts.h"

#include "figures/Animals.h"
#include "figures/Landscape.h"
#include "figures/Shapes.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace artwork::last {

using namespace style;
using namespace figures;
using namespace figures::shapes;

QRectF lastScene()
{
    return {9, 9, 182, 261};
}

namespace {

// The elbow between shoulder s and hand h (moved in when out of reach), the
// one of the two possible bends nearer `bend`.
QPointF elbowTowards(QPointF s, QPointF &h, double upper, double fore, QPointF bend)
{
    const auto [e1, e2] = elbowChoices(s, h, upper, fore);
    return length(e1 - bend) <= length(e2 - bend) ? e1 : e2;
}

// An arm from `s` to `hand`, one head `u` high, `w` thick.
void armFrom(QPainter &p, QPointF s, QPointF hand, QPointF bend, double u, const ArmMeasures &m,
             const Tone &sleeve, const Tone &skin, const Tone &trim, bool holding, bool cuff, bool bare,
             double bodyX)
{
    const double w = m.thickness * u;
    QPointF h = hand;
    const QPointF e = elbowTowards(s, h, m.upper * u, m.fore * u, bend);
    const QPointF along = unitVector(h - e);
    const QPointF wrist = h - along * 0.2 * u;
    if (bare) {
        drawShape(p, limb({s, e, wrist}, {0.26 * w, 0.18 * w, 0.13 * w}), skin, std::max(1.0, 0.1 * u));
    } else {
        drawShape(p, limb({s, e, wrist}, {0.3 * w, 0.23 * w, 0.27 * w}), sleeve, std::max(1.0, 0.1 * u));
        if (cuff) {
            const double c = 0.27 * w * 1.05;
            drawShape(p, limb({wrist - along * 0.1 * u, wrist}, {c, c}), trim, 0.5, 0.8);
        }
    }
    const double angle = std::atan2(along.y(), along.x()) * 180 / M_PI;
    if (holding) {
        drawShape(p, ellipse(h, 0.2 * u, 0.16 * u, angle), skin, 0.5, 0.8);
        return;
    }
    drawShape(p, ellipse(h + along * 0.04 * u, 0.19 * u, 0.12 * u, angle), skin, 0.5, 0.8);
    const QPointF thumbSide = normal(along) * (h.x() < bodyX ? -1.0 : 1.0);
    drawShape(p, ellipse(h - thumbSide * 0.1 * u - along * 0.04 * u, 0.09 * u, 0.05 * u, angle + 30), skin, 0,
              0.7);
}

} // namespace

void paintArm(QPainter &p, const Figure &figure, int side, QPointF hand, QPointF bend, const Tone &sleeve,
              bool holding, bool cuff)
{
    const Body b = bodyOf(figure);
    armFrom(p, b.shoulder[static_cast<std::size_t>(side > 0)], hand, bend, b.unit, armMeasures(figure.build),
            sleeve, figure.skin, figure.robe.trim, holding, cuff, false, b.crown.x());
}

void paintBareArmFrom(QPainter &p, QPointF shoulder, QPointF hand, QPointF bend, double unit, Build build,
                      const Tone &skin, bool holding)
{
    armFrom(p, shoulder, hand, bend, unit, armMeasures(build), skin, skin, skin, holding, false, true,
            shoulder.x());
}

KneelingBody paintKneelingNude(QPainter &p, QPointF hips, double u, int facing, const Tone &skin)
{
    // In the body's own units (a head high), facing left, the hips at the origin.
    QTransform t;
    t.translate(hips.x(), hips.y());
    t.scale(facing < 0 ? u : -u, u);
    const double line = std::max(1.0, 0.08 * u);
    const Tone far{skin.shade, skin.shade.darker(115)};
    // The far leg kneels: the thigh down to the knee on the ground, the shin
    // lying back along it.
    const std::vector<QPointF> kneeling{{0.05, -0.3},  {0.5, -0.1}, {0.52, 0.8},  {0.5, 1.3},  {0.95, 1.44},
                                        {1.45, 1.6},   {1.68, 1.7}, {1.66, 1.86}, {1.0, 1.88}, {0.2, 1.9},
                                        {-0.14, 1.86}, {-0.2, 1.6}, {-0.25, 0.9}, {-0.3, 0.2}};
    drawShape(p, t.map(smoothClosed(kneeling)), far, std::max(1.0, 0.1 * u), line);
    // The near leg raised, its foot flat in front; the torso upright.
    const std::vector<QPointF> body{// back of the neck, down the back to the buttock
                                    {0.14, -2.34},
                                    {0.3, -2.0},
                                    {0.3, -1.6},
                                    {0.16, -1.0},
                                    {0.2, -0.6},
                                    {0.48, -0.24},
                                    {0.5, 0.12},
                                    // under the raised thigh to the back of its knee, down the calf
                                    {0.0, 0.32},
                                    {-0.7, 0.32},
                                    {-1.02, 0.4},
                                    {-1.12, 0.9},
                                    {-1.16, 1.5},
                                    {-1.12, 1.72},
                                    // the foot, sole on the ground, toes forward
                                    {-1.16, 1.88},
                                    {-1.6, 1.9},
                                    {-1.9, 1.86},
                                    {-1.78, 1.74},
                                    {-1.5, 1.64},
                                    // up the shin to the knee, back along the top of the thigh
                                    {-1.5, 1.0},
                                    {-1.56, 0.2},
                                    {-1.56, -0.22},
                                    {-1.3, -0.4},
                                    {-0.7, -0.4},
                                    {-0.42, -0.42},
                                    // belly, waist, breast, throat
                                    {-0.36, -0.72},
                                    {-0.3, -1.1},
                                    {-0.44, -1.42},
                                    {-0.46, -1.66},
                                    {-0.3, -1.96},
                                    {-0.16, -2.34}};
    drawShape(p, t.map(smoothClosed(body)), skin, std::max(1.2, 0.12 * u), line);
    KneelingBody k;
    k.headCentre = t.map(QPointF(-0.02, -2.82));
    k.nearShoulder = t.map(QPointF(0.02, -1.98));
    k.farShoulder = t.map(QPointF(0.14, -2.04));
    k.neck = t.map(QPointF(0.0, -2.3));
    return k;
}

StandingBody paintStandingNude(QPainter &p, QPointF hips, double u, Build build, const Tone &skin,
                               const std::optional<Tone> &legs)
{
    const Tone legTone = legs.value_or(skin);
    auto at = [&](double x, double y) { return hips + QPointF(x * u, y * u); };
    const bool man = build != Build::Woman;
    const double w = (man ? 1.0 : 0.88) * u, line = std::max(1.0, 0.1 * u);
    const std::vector<double> half{0.33 * w, 0.27 * w, 0.19 * w, 0.21 * w, 0.12 * w};
    for (int s : {-1, 1}) {
        const QPointF hip = at(s * 0.3, 0.15), knee = at(s * 0.3, 1.8), ankle = at(s * 0.32, 3.45);
        drawShape(p, limb({hip, lerp(hip, knee, 0.5), knee, lerp(knee, ankle, 0.3), ankle}, half), legTone,
                  line);
        if (legs) {
            // Cloven hooves.
            QPainterPath hoof;
            hoof.moveTo(at(s * 0.32 - 0.2, 3.45));
            hoof.lineTo(at(s * 0.32 + 0.2, 3.45));
            hoof.lineTo(at(s * 0.32 + 0.24, 3.66));
            hoof.lineTo(at(s * 0.32 - 0.24, 3.66));
            hoof.closeSubpath();
            drawShape(p, hoof, {{52, 40, 36}, {34, 26, 24}}, 0.6, 0.9);
        } else {
            drawShape(p, ellipse(at(s * 0.36, 3.56), 0.2 * u, 0.12 * u), skin, 0.5, 0.9);
        }
    }
    // Broad shoulders and narrow hips on a man, the other way on a woman.
    const double sh = man ? 0.92 : 0.78, waist = man ? 0.56 : 0.46, hip = man ? 0.66 : 0.74;
    const std::vector<QPointF> right{{0.16, -2.32},      {sh * 0.58, -2.06},   {sh, -1.9},
                                     {sh * 0.92, -1.55}, {waist + 0.12, -1.2}, {waist, -0.7},
                                     {hip - 0.1, -0.3},  {hip, 0.06},          {hip - 0.12, 0.36},
                                     {0.3, 0.46},        {0.0, 0.44}};
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

Jaws paintRaisedLionHead(QPainter &p, QPointF base, double height, int facing)
{
    const QTransform lion = profileTransform(base, height, facing);
    const double line = std::max(1.0, height * 0.022);
    // The mane: a ragged ring of locks, large enough to hide the kit's head.
    std::vector<QPointF> ring;
    const QPointF mc(0.55, -1.12);
    for (int i = 0; i < 22; ++i) {
        const double a = i * 2 * M_PI / 22;
        const double r = i % 2 ? 0.38 : 0.47;
        ring.push_back(mc + QPointF(std::cos(a) * r * 0.92, std::sin(a) * r));
    }
    drawShape(p, lion.map(smoothClosed(ring)), kLionMane, line * 2.0);
    QPainterPath locks;
    for (int i = 0; i < 11; ++i) {
        const double a = (i + 0.5) * 2 * M_PI / 11;
        locks.moveTo(mc + QPointF(std::cos(a), std::sin(a)) * 0.22);
        locks.lineTo(mc + QPointF(std::cos(a), std::sin(a)) * 0.36);
    }
    drawLine(p, lion.map(locks), kLionMane.shade, line);

    // The face in its own frame: facing right, the muzzle lifted towards the sky.
    QTransform head = lion;
    head.translate(0.66, -1.18);
    head.rotate(-28);
    head.scale(0.9, 0.9);
    for (int s : {-1, 1})
        drawShape(p, head.map(ellipse(QPointF(-0.04 + s * 0.02, -0.24 + s * 0.0), 0.08, 0.07)), kLionCoat,
                  line);
    const std::vector<QPointF> face{{-0.16, -0.06}, {-0.1, -0.2}, {0.06, -0.25}, {0.2, -0.2}, {0.33, -0.12},
                                    {0.42, -0.06},  {0.44, 0.02}, {0.4, 0.06},   {0.24, 0.1}, {0.36, 0.2},
                                    {0.34, 0.27},   {0.16, 0.28}, {-0.04, 0.22}, {-0.14, 0.1}};
    drawShape(p, head.map(smoothClosed(face)), kLionCoat, line * 1.6);
    // The open mouth, its tongue and four fangs.
    const std::vector<QPointF> mouth{{0.14, 0.1}, {0.3, 0.05}, {0.42, 0.07}, {0.36, 0.19}, {0.24, 0.17}};
    drawShape(p, head.map(smoothClosed(mouth)), {{110, 22, 28}, {80, 14, 18}}, 0, line);
    drawShape(p, head.map(ellipse(QPointF(0.27, 0.15), 0.08, 0.03, -10)), {{220, 90, 96}, {170, 56, 64}}, 0,
              0);
    QPainterPath fangs;
    for (const auto &[x, y, down] : {std::tuple{0.36, 0.065, 1.0}, std::tuple{0.25, 0.075, 1.0},
                                     std::tuple{0.33, 0.185, -1.0}, std::tuple{0.23, 0.17, -1.0}}) {
        fangs.moveTo(x - 0.025, y);
        fangs.lineTo(x, y + down * 0.06);
        fangs.lineTo(x + 0.025, y);
        fangs.closeSubpath();
    }
    drawShape(p, head.map(fangs), {{250, 248, 236}, {210, 204, 190}}, 0, line * 0.6);
    // Nose, eye and brow.
    QPainterPath nose;
    nose.moveTo(0.36, -0.07);
    nose.lineTo(0.45, -0.03);
    nose.lineTo(0.41, 0.02);
    nose.closeSubpath();
    drawShape(p, head.map(nose), {kOutline, kOutline}, 0, 0);
    drawShape(p, head.map(ellipse(QPointF(0.12, -0.1), 0.04, 0.03)), {kOutline, kOutline}, 0, 0);
    QPainterPath brow;
    brow.moveTo(0.04, -0.15);
    brow.quadTo(0.12, -0.19, 0.2, -0.14);
    drawLine(p, head.map(brow), kOutline, line);
    return {head.map(QPointF(0.34, -0.12)), head.map(QPointF(0.26, 0.3))};
}

void paintGarland(QPainter &p, const QPainterPath &path, double rose)
{
    drawLine(p, path, kOutline, rose * 0.7 + 1.2);
    drawLine(p, path, kLeaf.base, rose * 0.7);
    const double len = path.length();
    const int n = std::max(2, static_cast<int>(len / (rose * 2.4)));
    for (int i = 0; i <= n; ++i) {
        const QPointF c = path.pointAtPercent(path.percentAtLength(len * i / n));
        paintFlower(p, c, rose, {{214, 48, 58}, {140, 24, 36}});
    }
}

void paintLivingWood(QPainter &p, QPointF from, QPointF to, double half, unsigned seed)
{
    Roughness rough(seed);
    const QPointF along = unitVector(to - from), across = normal(along);
    const double len = length(to - from);
    const int steps = std::max(3, static_cast<int>(len / 12));
    std::vector<QPointF> pts;
    for (int i = 0; i <= steps; ++i)
        pts.push_back(from + along * (len * i / steps) + across * (half + half * 0.08 * rough.next()));
    pts.push_back(to + along * half * 0.3);
    for (int i = steps; i >= 0; --i)
        pts.push_back(from + along * (len * i / steps) - across * (half + half * 0.08 * rough.next()));
    pts.push_back(from - along * half * 0.3);
    const Tone bark{{150, 100, 58}, {98, 62, 34}};
    const QPainterPath wood = smoothClosed(pts);
    drawShape(p, wood, bark, std::max(1.4, half * 0.3));
    // Lines of bark along the grain.
    QPainterPath grain;
    for (double f : {-0.45, 0.1, 0.55}) {
        const double start = len * (0.05 + 0.2 * std::abs(rough.next()));
        const double stop = len * (0.55 + 0.4 * std::abs(rough.next()));
        grain.moveTo(from + along * start + across * half * f);
        grain.quadTo(from + along * (start + stop) / 2 + across * half * (f + 0.12 * rough.next()),
                     from + along * stop + across * half * f);
    }
    p.save();
    p.setClipPath(wood);
    drawLine(p, grain, bark.shade, std::max(0.7, half * 0.12));
    p.restore();
    // Two cut stubs and sprigs of leaves where the wood lives.
    for (int i = 0; i < 3; ++i) {
        const double t = 0.22 + 0.28 * i + 0.05 * rough.next();
        const double side = i % 2 ? 1.0 : -1.0;
        const QPointF root = from + along * len * t + across * side * half * 0.8;
        const QPointF dir = unitVector(across * side + along * 0.6);
        if (i == 1) {
            drawShape(p, limb({root - dir * half * 0.3, root + dir * half * 0.6}, {half * 0.4, half * 0.34}),
                      bark, std::max(0.8, half * 0.15));
            drawShape(p, ellipse(root + dir * half * 0.62, half * 0.3, half * 0.3),
                      {{222, 190, 140}, {176, 140, 96}}, 0, 0.8);
            continue;
        }
        QPainterPath stem;
        stem.moveTo(root);
        stem.lineTo(root + dir * half * 1.6);
        drawLine(p, stem, kLeaf.shade, std::max(0.8, half * 0.14));
        for (int k = 0; k < 4; ++k) {
            const QPointF leafAt = root + dir * half * (0.5 + 0.4 * k);
            const double angle = std::atan2(dir.y(), dir.x()) * 180 / M_PI + (k == 3 ? 0 : k % 2 ? 50 : -50);
            drawShape(p,
                      ellipse(leafAt + QPointF(std::cos(angle * M_PI / 180), std::sin(angle * M_PI / 180)) *
                                           half * 0.45,
                              half * 0.55, half * 0.26, angle),
                      kLeaf, 0.6, 0.8);
        }
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
    drawShape(p, ellipse(c, r, r), {{250, 222, 120}, {232, 190, 80}}, std::max(1.0, r * 0.08),
              std::max(0.8, r * 0.04));
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

void paintIris(QPainter &p, QPointF base, double height, unsigned seed)
{
    Roughness rough(seed);
    const Tone leaves{{86, 150, 70}, {52, 104, 46}};
    for (int i = -2; i <= 2; ++i) {
        const double lean = i * 0.18 + 0.05 * rough.next();
        const double tall = height * (0.62 - 0.08 * std::abs(i));
        const QPointF tip = base + QPointF(lean * tall, -tall);
        QPainterPath leaf;
        leaf.moveTo(base + QPointF(-height * 0.04 + i * height * 0.03, 0));
        leaf.quadTo(base + QPointF(lean * tall * 0.4 - height * 0.05, -tall * 0.5), tip);
        leaf.quadTo(base + QPointF(lean * tall * 0.4 + height * 0.05, -tall * 0.5),
                    base + QPointF(height * 0.04 + i * height * 0.03, 0));
        leaf.closeSubpath();
        drawShape(p, leaf, leaves, std::max(0.6, height * 0.02), 0.8);
    }
    const Tone petal{{104, 96, 206}, {68, 58, 150}};
    for (int k = 0; k < 2; ++k) {
        const double side = k ? 1.0 : -1.0;
        const QPointF top = base + QPointF(side * height * 0.14, -height * (0.86 + 0.1 * k));
        QPainterPath stem;
        stem.moveTo(base);
        stem.quadTo(base + QPointF(side * height * 0.02, -height * 0.5), top);
        drawLine(p, stem, leaves.shade, std::max(0.8, height * 0.03));
        const double r = height * 0.13;
        // Three standards up, two falls drooping to the sides.
        for (int s : {-1, 0, 1}) {
            const QPointF c = top + QPointF(s * r * 0.45, -r * (s == 0 ? 0.9 : 0.6));
            drawShape(p, ellipse(c, r * 0.32, r * 0.6, s * 25.0), petal, 0.6, 0.8);
        }
        for (int s : {-1, 1})
            drawShape(p, ellipse(top + QPointF(s * r * 0.6, r * 0.25), r * 0.55, r * 0.3, s * 35.0), petal,
                      0.6, 0.8);
        drawShape(p, ellipse(top + QPointF(0, r * 0.05), r * 0.18, r * 0.16), kGold, 0, 0.6);
    }
}

void paintStream(QPainter &p, QPointF from, QPointF control, QPointF to, double width)
{
    QPainterPath stream;
    stream.moveTo(from);
    stream.quadTo(control, to);
    drawLine(p, stream, kOutline, width + 1.6);
    drawLine(p, stream, {150, 204, 236}, width);
    drawLine(p, stream, {236, 248, 255}, std::max(0.6, width * 0.3));
}

void paintBatWings(QPainter &p, QPointF root, double u, double span, const Tone &skin)
{
    const double L = span * u;
    const double line = std::max(1.0, 0.08 * u);
    for (int s : {-1, 1}) {
        auto at = [&](double x, double y) { return root + QPointF(s * x * L, y * L); };
        // The arm of the wing up to its wrist, then the finger tips fanned down.
        const QPointF wrist = at(0.55, -0.55);
        const std::vector<QPointF> tips{at(1.0, -0.72), at(1.02, -0.2), at(0.86, 0.22), at(0.5, 0.42)};
        QPainterPath wing;
        wing.moveTo(at(0.05, -0.1));
        wing.quadTo(at(0.25, -0.5), wrist);
        wing.lineTo(tips[0]);
        for (std::size_t i = 1; i < tips.size(); ++i) {
            // A scallop between two fingers, pulled in towards the wrist.
            const QPointF mid = (tips[i - 1] + tips[i]) / 2;
            wing.quadTo(lerp(mid, wrist, 0.28), tips[i]);
        }
        wing.quadTo(lerp((tips.back() + at(0.08, 0.18)) / 2, wrist, 0.2), at(0.08, 0.18));
        wing.closeSubpath();
        drawShape(p, wing, skin, std::max(1.4, 0.14 * u), line * 1.2);
        QPainterPath bones;
        bones.moveTo(at(0.05, -0.1));
        bones.quadTo(at(0.25, -0.5), wrist);
        for (const QPointF &tip : tips) {
            bones.moveTo(wrist);
            bones.lineTo(tip);
        }
        drawLine(p, bones, kOutline, line * 2.2);
        drawLine(p, bones, skin.base.lighter(130), line);
        // A claw at the wrist.
        QPainterPath claw;
        claw.moveTo(wrist + QPointF(-0.03 * L, 0));
        claw.lineTo(wrist + QPointF(s * 0.02 * L, -0.1 * L));
        claw.lineTo(wrist + QPointF(s * 0.05 * L, 0.01 * L));
        claw.closeSubpath();
        drawShape(p, claw, {{226, 214, 180}, {170, 156, 120}}, 0, 0.8);
    }
}

void paintHorns(QPainter &p, QPointF c, double unit, double size)
{
    const Tone horn{{228, 214, 176}, {170, 150, 108}};
    const double u = unit * size;
    for (int s : {-1, 1}) {
        const QPointF rootAt = c + QPointF(s * 0.28 * unit, -0.36 * unit);
        const std::vector<QPointF> chain{
            rootAt, rootAt + QPointF(s * 0.22 * u, -0.38 * u), rootAt + QPointF(s * 0.5 * u, -0.62 * u),
            rootAt + QPointF(s * 0.86 * u, -0.66 * u), rootAt + QPointF(s * 1.04 * u, -0.5 * u)};
        drawShape(p, limb(chain, {0.16 * u, 0.13 * u, 0.1 * u, 0.06 * u, 0.015 * u}), horn,
                  std::max(0.8, 0.06 * u), std::max(0.8, 0.05 * u));
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
        drawShape(p, ring, {{206, 206, 214}, {140, 140, 154}}, 0.5, 0.7);
    }
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
    drawShape(p, flame(1.0), {{238, 120, 40}, {196, 70, 30}}, std::max(0.8, height * 0.06),
              std::max(0.8, height * 0.04));
    drawShape(p, flame(0.55), {{252, 220, 100}, {240, 180, 70}}, 0, 0);
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

void paintMasonry(QPainter &p, const QPainterPath &wall, double course, const QColor &joint)
{
    const QRectF box = wall.boundingRect();
    QPainterPath joints;
    int row = 0;
    for (double y = box.top() + course; y < box.bottom(); y += course, ++row) {
        joints.moveTo(box.left(), y);
        joints.lineTo(box.right(), y);
        const double offset = row % 2 ? course : 0;
        for (double x = box.left() + offset; x < box.right(); x += course * 2) {
            joints.moveTo(x, y);
            joints.lineTo(x, y + course);
        }
    }
    p.save();
    p.setClipPath(wall, Qt::IntersectClip);
    drawLine(p, joints, joint, 0.8);
    p.restore();
}

void paintLightning(QPainter &p, const std::vector<QPointF> &outline)
{
    QPainterPath bolt;
    bolt.moveTo(outline[0]);
    for (std::size_t i = 1; i < outline.size(); ++i)
        bolt.lineTo(outline[i]);
    bolt.closeSubpath();
    drawShape(p, bolt, {{255, 240, 130}, {240, 196, 60}}, 1.6, 1.2);
}

QPointF paintJug(QPainter &p, QPointF grip, double size, double degrees)
{
    // Upright, the grip at the neck; the belly below, the lip above.
    const double s = size;
    QTransform t;
    t.translate(grip.x(), grip.y());
    t.rotate(degrees);
    const Tone clay{{212, 124, 72}, {156, 80, 44}};
    QPainterPath handle;
    handle.moveTo(s * 0.1, -s * 0.22);
    handle.cubicTo(s * 0.42, -s * 0.24, s * 0.46, s * 0.1, s * 0.22, s * 0.22);
    drawLine(p, t.map(handle), kOutline, s * 0.1 + 1.6);
    drawLine(p, t.map(handle), clay.base, s * 0.1);
    const std::vector<QPointF> right{{s * 0.17, -s * 0.36}, {s * 0.11, -s * 0.3}, {s * 0.1, -s * 0.12},
                                     {s * 0.3, s * 0.08},   {s * 0.32, s * 0.34}, {s * 0.18, s * 0.56},
                                     {s * 0.1, s * 0.62}};
    std::vector<QPointF> pts;
    for (const QPointF &q : right)
        pts.push_back(q);
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        pts.emplace_back(-it->x(), it->y());
    const QPainterPath shape = smoothClosed(pts);
    drawShape(p, t.map(shape), clay, std::max(1.0, s * 0.07), std::max(0.9, s * 0.04));
    QPainterPath band;
    band.moveTo(-s * 0.3, s * 0.2);
    band.quadTo(0, s * 0.26, s * 0.3, s * 0.2);
    drawLine(p, t.map(band), clay.shade, std::max(0.8, s * 0.04));
    drawShape(p, t.map(ellipse(QPointF(0, -s * 0.36), s * 0.17, s * 0.05)), {{90, 46, 26}, {90, 46, 26}}, 0,
              0.8);
    return t.map(QPointF(-s * 0.16, -s * 0.36));
}

void paintPerchedBird(QPainter &p, QPointF feet, double size, int facing, const Tone &tone)
{
    QTransform t;
    t.translate(feet.x(), feet.y());
    t.scale(facing * size, size);
    const double line = std::max(0.8, size * 0.03);
    QPainterPath legs;
    legs.moveTo(-0.05, 0);
    legs.lineTo(-0.02, -0.22);
    legs.moveTo(0.07, 0);
    legs.lineTo(0.05, -0.22);
    drawLine(p, t.map(legs), kOutline, line * 1.4);
    // Body and tail, the neck curving up to a small head with a long bill bent down.
    const std::vector<QPointF> body{{-0.5, -0.28}, {-0.3, -0.4}, {0.0, -0.5},   {0.2, -0.5},   {0.3, -0.62},
                                    {0.3, -0.8},   {0.36, -0.9}, {0.44, -0.88}, {0.42, -0.78}, {0.38, -0.62},
                                    {0.3, -0.36},  {0.1, -0.22}, {-0.2, -0.22}};
    drawShape(p, t.map(smoothClosed(body)), tone, std::max(0.8, size * 0.05), line);
    QPainterPath bill;
    bill.moveTo(0.42, -0.86);
    bill.quadTo(0.62, -0.84, 0.7, -0.68);
    drawLine(p, t.map(bill), kOutline, line * 2.2);
    drawLine(p, t.map(bill), {60, 48, 44}, line);
    drawShape(p, t.map(ellipse(QPointF(0.37, -0.84), 0.025, 0.025)), {kOutline, kOutline}, 0, 0);
    QPainterPath wing;
    wing.moveTo(-0.3, -0.36);
    wing.quadTo(0.0, -0.46, 0.2, -0.4);
    drawLine(p, t.map(wing), tone.shade, line);
}

void paintCrayfish(QPainter &p, QPointF c, double length, double degrees)
{
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(degrees);
    t.scale(length, length);
    const Tone shell{{200, 72, 50}, {140, 44, 32}};
    const double line = std::max(0.8, length * 0.03);
    // Legs, then the claws on their arms, then the body over them.
    QPainterPath legs;
    for (int i = 0; i < 4; ++i) {
        for (int s : {-1, 1}) {
            const double y = -0.06 + i * 0.06;
            legs.moveTo(s * 0.06, y);
            legs.lineTo(s * 0.2, y - 0.04 + i * 0.03);
            legs.lineTo(s * 0.26, y + 0.04 + i * 0.04);
        }
    }
    drawLine(p, t.map(legs), kOutline, line * 1.6);
    for (int s : {-1, 1}) {
        drawShape(p,
                  t.map(limb({{s * 0.08, -0.14}, {s * 0.2, -0.26}, {s * 0.2, -0.36}}, {0.035, 0.035, 0.04})),
                  shell, line, line);
        // A pincer: two blades with a gap between.
        QPainterPath claw = smoothClosed({{s * 0.2, -0.34},
                                          {s * 0.3, -0.4},
                                          {s * 0.31, -0.52},
                                          {s * 0.24, -0.6},
                                          {s * 0.21, -0.5},
                                          {s * 0.16, -0.6},
                                          {s * 0.12, -0.5},
                                          {s * 0.13, -0.4}});
        drawShape(p, t.map(claw), shell, line * 1.4, line);
    }
    QPainterPath feelers;
    for (int s : {-1, 1}) {
        feelers.moveTo(s * 0.03, -0.2);
        feelers.quadTo(s * 0.1, -0.45, s * 0.04, -0.62);
    }
    drawLine(p, t.map(feelers), kOutline, line);
    // The carapace and the jointed tail fanning out at its end.
    drawShape(p, t.map(ellipse(QPointF(0, -0.06), 0.08, 0.16)), shell, line * 1.4, line);
    for (int i = 0; i < 4; ++i)
        drawShape(p, t.map(ellipse(QPointF(0, 0.12 + i * 0.065), 0.075 - i * 0.006, 0.04)), shell, line,
                  line);
    const std::vector<QPointF> fan{{0, 0.34}, {0.1, 0.44},   {0.04, 0.46},
                                   {0, 0.42}, {-0.04, 0.46}, {-0.1, 0.44}};
    drawShape(p, t.map(smoothClosed(fan)), shell, line, line);
    for (int s : {-1, 1})
        drawShape(p, t.map(ellipse(QPointF(s * 0.04, -0.2), 0.018, 0.018)), {kOutline, kOutline}, 0, 0);
}

void paintMoonFace(QPainter &p, QPointF c, double r)
{
    const Tone moon{{240, 232, 184}, {206, 192, 130}};
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
    drawShape(p, rays, {{226, 214, 150}, {186, 170, 100}}, 0.6, 0.8);
    drawShape(p, ellipse(c, r, r), {{170, 182, 196}, {140, 152, 170}}, std::max(1.2, r * 0.06),
              std::max(1.0, r * 0.04));
    // The crescent, lit along the left of the disc.
    const QPainterPath crescent =
        ellipse(c, r, r).subtracted(ellipse(c + QPointF(r * 0.32, 0), r * 0.86, r * 0.94));
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
    drawLine(p, lines, {70, 74, 100}, lw);
}

void paintSunflower(QPainter &p, QPointF head, double r, QPointF root, double degrees)
{
    QPainterPath stem;
    stem.moveTo(root);
    stem.quadTo((root + head) / 2 + QPointF(r * 0.3, 0), head);
    drawLine(p, stem, kOutline, r * 0.22 + 1.4);
    drawLine(p, stem, kLeaf.base, r * 0.22);
    for (int s : {-1, 1}) {
        const QPointF at = lerp(root, head, s < 0 ? 0.45 : 0.62);
        drawShape(p, ellipse(at + QPointF(s * r * 0.55, 0), r * 0.6, r * 0.26, s * -25.0), kLeaf, 0.8, 0.9);
    }
    QTransform t;
    t.translate(head.x(), head.y());
    t.rotate(degrees);
    QPainterPath petals;
    for (int i = 0; i < 14; ++i) {
        const double a = i * 2 * M_PI / 14;
        petals.addPath(
            ellipse(QPointF(std::cos(a), std::sin(a)) * r * 0.7, r * 0.42, r * 0.17, a * 180 / M_PI));
    }
    drawShape(p, t.map(united(petals)), {{252, 204, 40}, {220, 150, 20}}, std::max(0.8, r * 0.1), 0.9);
    drawShape(p, t.map(ellipse(QPointF(0, 0), r * 0.46, r * 0.46)), {{118, 70, 34}, {84, 46, 22}},
              std::max(0.8, r * 0.1), 0.9);
    QPainterPath seeds;
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3 + 0.3;
        seeds.addEllipse(QPointF(std::cos(a), std::sin(a)) * r * 0.24, r * 0.05, r * 0.05);
    }
    drawShape(p, t.map(seeds), {{70, 40, 20}, {70, 40, 20}}, 0, 0);
}

void paintTrumpet(QPainter &p, QPointF from, QPointF to, double width)
{
    const QPointF along = unitVector(to - from), across = normal(along);
    const double len = length(to - from);
    // The banner first, hanging below the tube.
    const QPointF a = from + along * len * 0.42, b = from + along * len * 0.72;
    const double drop = len * 0.34;
    const QPointF down(0, 1);
    QPainterPath flag;
    flag.moveTo(a);
    flag.lineTo(b);
    flag.cubicTo(b + down * drop * 0.4 + along * 2, b + down * drop * 0.7 - along * 2, b + down * drop);
    flag.lineTo((a + b) / 2 + down * drop * 0.8);
    flag.lineTo(a + down * drop);
    flag.cubicTo(a + down * drop * 0.7 + along * 2, a + down * drop * 0.4 - along * 2, a);
    flag.closeSubpath();
    drawShape(p, flag, kParchment, 1.2);
    const QPointF mid = (a + b) / 2 + down * drop * 0.45;
    QPainterPath cross;
    cross.moveTo(mid + down * drop * -0.3);
    cross.lineTo(mid + down * drop * 0.3);
    cross.moveTo(mid - QPointF(drop * 0.24, 0));
    cross.lineTo(mid + QPointF(drop * 0.24, 0));
    drawLine(p, cross, kCrossGuard.base, std::max(1.4, drop * 0.12));
    QPainterPath cords;
    cords.moveTo(a + across * 0);
    cords.lineTo(a);
    // The tube, its bell flaring wide.
    QPainterPath horn;
    const double w = width / 2;
    horn.moveTo(from + across * w * 0.8);
    horn.lineTo(from + along * len * 0.78 + across * w);
    horn.quadTo(from + along * len * 0.94 + across * w * 1.2, to + across * w * 3.6);
    horn.quadTo(to + along * w * 0.8, to - across * w * 3.6);
    horn.quadTo(from + along * len * 0.94 - across * w * 1.2, from + along * len * 0.78 - across * w);
    horn.lineTo(from - across * w * 0.8);
    horn.closeSubpath();
    drawShape(p, horn, kGold, std::max(1.0, width * 0.3), 1.1);
    drawShape(p,
              ellipse(to + along * w * 0.3, w * 1.1, w * 3.4, std::atan2(along.y(), along.x()) * 180 / M_PI),
              kGoldInside, 0, 0.9);
    for (double f : {0.3, 0.6})
        drawShape(
            p,
            ellipse(from + along * len * f, w * 0.9, w * 1.6, std::atan2(along.y(), along.x()) * 180 / M_PI),
            kGold, 0.5, 0.9);
}

void paintCoffinBack(QPainter &p, QPointF foot, double width, double height)
{
    // The far rim and the dark inside, seen over the front board.
    const double w = width / 2, depth = height * 0.45;
    QPainterPath inside;
    inside.moveTo(foot + QPointF(-w, -height));
    inside.lineTo(foot + QPointF(-w * 0.86, -height - depth));
    inside.lineTo(foot + QPointF(w * 0.86, -height - depth));
    inside.lineTo(foot + QPointF(w, -height));
    inside.closeSubpath();
    drawShape(p, inside, {{58, 36, 24}, {40, 24, 16}}, 0, 1.0);
    QPainterPath rim;
    rim.moveTo(foot + QPointF(-w * 0.86, -height - depth));
    rim.lineTo(foot + QPointF(w * 0.86, -height - depth));
    drawLine(p, rim, kOutline, 3.0);
    drawLine(p, rim, kWood.base, 1.6);
}

void paintCoffinFront(QPainter &p, QPointF foot, double width, double height)
{
    const double w = width / 2;
    QPainterPath front;
    front.moveTo(foot + QPointF(-w, -height));
    front.lineTo(foot + QPointF(w, -height));
    front.lineTo(foot + QPointF(w * 0.9, 0));
    front.lineTo(foot + QPointF(-w * 0.9, 0));
    front.closeSubpath();
    drawShape(p, front, kWood, std::max(1.2, height * 0.12), 1.1);
    QPainterPath grain;
    grain.moveTo(foot + QPointF(-w * 0.8, -height * 0.5));
    grain.lineTo(foot + QPointF(w * 0.8, -height * 0.5));
    drawLine(p, grain, kWood.shade, 0.9);
}

void paintSkull(QPainter &p, QPointF c, double w, double h)
{
    const Tone bone{{236, 230, 210}, {186, 176, 150}};
    // The cranium and the cheekbones, narrowing to the jaw.
    const std::vector<QPointF> right{{0, -0.52 * h},       {0.42 * w, -0.42 * h}, {0.52 * w, -0.06 * h},
                                     {0.44 * w, 0.16 * h}, {0.3 * w, 0.26 * h},   {0.28 * w, 0.46 * h},
                                     {0, 0.5 * h}};
    std::vector<QPointF> pts;
    for (const QPointF &q : right)
        pts.emplace_back(q.x(), c.y() + q.y());
    drawShape(p, smoothClosed(mirrored(c.x(), pts)), bone, std::max(0.8, 0.07 * h), std::max(0.8, 0.05 * h));
    const Tone hollow{{40, 30, 30}, {40, 30, 30}};
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

void paintWhiteRose(QPainter &p, QPointF c, double r)
{
    QPainterPath bloom;
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        bloom.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.52, r * 0.5, r * 0.5);
    }
    drawShape(p, united(bloom), {{250, 248, 240}, {206, 200, 186}}, std::max(0.6, r * 0.15),
              std::max(0.7, r * 0.1));
    drawShape(p, ellipse(c, r * 0.3, r * 0.3), kGold, std::max(0.5, r * 0.08), std::max(0.6, r * 0.08));
}

void paintFlagOf(QPainter &p, const Figure &figure, int side, const Tone &cloth, FlagSign sign)
{
    const Body b = bodyOf(figure);
    const figures::Hand &hand = side < 0 ? figure.left : figure.right;
    const double u = b.unit * hand.size;
    double angle = hand.tilt;
    if (hand.gesture == figures::Gesture::Raised || hand.gesture == figures::Gesture::Aloft)
        angle += side * 6.0;
    // The flag as the kit lays it out beside the pole, in the pole's own frame.
    const double x = 0.0, top = -2.9 * u, fh = 1.2 * u, fw = 1.7 * u;
    QPainterPath flag;
    flag.moveTo(x + 0.06 * u, top);
    flag.cubicTo(x + fw * 0.4, top - 0.2 * u, x + fw * 0.6, top + 0.2 * u, x + fw, top + 0.05 * u);
    flag.lineTo(x + fw - 0.2 * u, top + fh * 0.5);
    flag.lineTo(x + fw, top + fh);
    flag.cubicTo(x + fw * 0.6, top + fh + 0.15 * u, x + fw * 0.4, top + fh - 0.2 * u, x + 0.06 * u, top + fh);
    flag.closeSubpath();
    p.save();
    p.translate(b.hand[static_cast<std::size_t>(side > 0)]);
    p.rotate(angle);
    drawShape(p, flag, cloth, 1.0);
    const QPointF mid(x + fw * 0.44, top + fh * 0.5);
    switch (sign) {
    case FlagSign::None:
        break;
    case FlagSign::WhiteRose:
        paintWhiteRose(p, mid, 0.42 * u);
        break;
    }
    p.restore();
}

void paintTurned(QPainter &p, const Figure &figure, QPointF at, double degrees)
{
    p.save();
    p.translate(at);
    p.rotate(degrees);
    p.translate(-figure.base);
    paintFigure(p, figure);
    p.restore();
}

} // namespace artwork::last
