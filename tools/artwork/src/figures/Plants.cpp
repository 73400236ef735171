#include "figures/Plants.h"

#include "figures/Shapes.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace {

// A bow of ribbon tied round the wreath at `knot`: two loops lying like a
// figure eight and two short tails.
void paintBow(QPainter &p, QPointF knot, double size, int tailsDown)
{
    for (int s : {-1, 1}) {
        const QPointF tip = knot + QPointF(s * size * 0.9, tailsDown * size * 0.75);
        QPainterPath tail;
        tail.moveTo(knot + QPointF(s * size * 0.08, 0));
        tail.lineTo(tip + QPointF(s * size * 0.14, 0));
        tail.lineTo(tip + QPointF(0, -tailsDown * size * 0.12));
        tail.lineTo(tip - QPointF(s * size * 0.14, 0));
        tail.lineTo(knot - QPointF(s * size * 0.12, 0));
        tail.closeSubpath();
        drawShape(p, tail, kRibbon, std::max(0.8, size * 0.08), 0.9);
    }
    for (int s : {-1, 1}) {
        const QPointF c = knot + QPointF(s * size * 0.55, -tailsDown * size * 0.12);
        const QPainterPath loop = ellipse(c, size * 0.55, size * 0.32, s * tailsDown * -12.0)
                                      .subtracted(ellipse(c + QPointF(s * size * 0.06, 0), size * 0.3, size * 0.12,
                                                          s * tailsDown * -12.0));
        drawShape(p, loop, kRibbon, std::max(0.8, size * 0.08), 0.9);
    }
    drawShape(p, ellipse(knot, size * 0.2, size * 0.24), kRibbon, std::max(0.6, size * 0.06), 0.9);
}

} // namespace

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

void paintFlameTree(QPainter &p, QPointF base, double height, int flames)
{
    const double trunkW = height * 0.06;
    QPainterPath trunk;
    trunk.moveTo(base + QPointF(-trunkW, 0));
    trunk.lineTo(base + QPointF(-trunkW * 0.5, -height * 0.6));
    trunk.lineTo(base + QPointF(trunkW * 0.5, -height * 0.6));
    trunk.lineTo(base + QPointF(trunkW, 0));
    trunk.closeSubpath();
    drawShape(p, trunk, kWood, 1.0);
    // Branches, each ending in a tongue of flame.
    const Tone &flame = kFlameTongue;
    const Tone &core = kFlameTongueCore;
    struct Tongue {
        double x, y, size;
    };
    const std::vector<Tongue> all{{0.0, -1.0, 0.2},    {-0.17, -0.88, 0.17}, {0.17, -0.86, 0.17}, {-0.28, -0.7, 0.15},
                                  {0.28, -0.68, 0.15}, {-0.1, -0.72, 0.15},  {0.1, -0.76, 0.14},  {-0.3, -0.5, 0.13},
                                  {0.3, -0.5, 0.13},   {0.0, -0.56, 0.13},   {-0.13, -0.4, 0.12}, {0.13, -0.4, 0.12}};
    const std::vector<Tongue> tongues(all.begin(), all.begin() + std::clamp<int>(flames, 0, int(all.size())));
    QPainterPath branches;
    for (const Tongue &t : tongues) {
        branches.moveTo(base + QPointF(0, -height * 0.45));
        branches.quadTo(base + QPointF(t.x * height * 0.3, -height * 0.55),
                        base + QPointF(t.x, t.y) * height + QPointF(0, t.size * height * 0.4));
    }
    drawLine(p, branches, kWood.shade, std::max(1.0, height * 0.02));
    for (const Tongue &t : tongues) {
        const QPointF c = base + QPointF(t.x, t.y) * height;
        const double s = t.size * height;
        const std::vector<QPointF> outline{c + QPointF(0.05 * s, -0.7 * s),  c + QPointF(0.28 * s, -0.1 * s),
                                           c + QPointF(0.32 * s, 0.25 * s),  c + QPointF(0, 0.45 * s),
                                           c + QPointF(-0.32 * s, 0.25 * s), c + QPointF(-0.26 * s, -0.15 * s)};
        drawShape(p, smoothClosed(outline), flame, std::max(0.8, s * 0.1));
        drawShape(p, ellipse(c + QPointF(0, 0.18 * s), 0.13 * s, 0.2 * s), core, 0, 0.6);
    }
}

void paintIris(QPainter &p, QPointF base, double height, unsigned seed)
{
    Roughness rough(seed);
    const Tone &leaves = kIrisLeaves;
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
    const Tone &petal = kIrisPetal;
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
            drawShape(p, ellipse(top + QPointF(s * r * 0.6, r * 0.25), r * 0.55, r * 0.3, s * 35.0), petal, 0.6, 0.8);
        drawShape(p, ellipse(top + QPointF(0, r * 0.05), r * 0.18, r * 0.16), kGold, 0, 0.6);
    }
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
        petals.addPath(ellipse(QPointF(std::cos(a), std::sin(a)) * r * 0.7, r * 0.42, r * 0.17, a * 180 / M_PI));
    }
    drawShape(p, t.map(united(petals)), kSunflowerPetal, std::max(0.8, r * 0.1), 0.9);
    drawShape(p, t.map(ellipse(QPointF(0, 0), r * 0.46, r * 0.46)), kSunflowerHeart, std::max(0.8, r * 0.1), 0.9);
    QPainterPath seeds;
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3 + 0.3;
        seeds.addEllipse(QPointF(std::cos(a), std::sin(a)) * r * 0.24, r * 0.05, r * 0.05);
    }
    drawShape(p, t.map(seeds), kSunflowerSeed, 0, 0);
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
    const Tone &bark = kBark;
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
            drawShape(p, limb({root - dir * half * 0.3, root + dir * half * 0.6}, {half * 0.4, half * 0.34}), bark,
                      std::max(0.8, half * 0.15));
            drawShape(p, ellipse(root + dir * half * 0.62, half * 0.3, half * 0.3), kCutWood, 0, 0.8);
            continue;
        }
        QPainterPath stem;
        stem.moveTo(root);
        stem.lineTo(root + dir * half * 1.6);
        drawLine(p, stem, kLeaf.shade, std::max(0.8, half * 0.14));
        for (int k = 0; k < 4; ++k) {
            const QPointF leafAt = root + dir * half * (0.5 + 0.4 * k);
            const double angle = angleOf(dir) + (k == 3 ? 0 : k % 2 ? 50 : -50);
            drawShape(
                p,
                ellipse(leafAt + QPointF(std::cos(angle * M_PI / 180), std::sin(angle * M_PI / 180)) * half * 0.45,
                        half * 0.55, half * 0.26, angle),
                kLeaf, 0.6, 0.8);
        }
    }
}

void paintWhiteRose(QPainter &p, QPointF c, double r)
{
    QPainterPath bloom;
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        bloom.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.52, r * 0.5, r * 0.5);
    }
    drawShape(p, united(bloom), kWhiteRose, std::max(0.6, r * 0.15), std::max(0.7, r * 0.1));
    drawShape(p, ellipse(c, r * 0.3, r * 0.3), kGold, std::max(0.5, r * 0.08), std::max(0.6, r * 0.08));
}

void paintGarland(QPainter &p, const QPainterPath &path, double rose)
{
    drawLine(p, path, kOutline, rose * 0.7 + 1.2);
    drawLine(p, path, kLeaf.base, rose * 0.7);
    const double len = path.length();
    const int n = std::max(2, static_cast<int>(len / (rose * 2.4)));
    for (int i = 0; i <= n; ++i) {
        const QPointF c = path.pointAtPercent(path.percentAtLength(len * i / n));
        paintFlower(p, c, rose, kRoseRed);
    }
}

void paintLaurelWreath(QPainter &p, const QRectF &oval, double thickness)
{
    const QPointF c = oval.center();
    const double rx = oval.width() / 2, ry = oval.height() / 2;
    auto on = [&](double a) { return c + QPointF(rx * std::cos(a), ry * std::sin(a)); };
    // The binding: a slim band of stems all round.
    QPainterPath ring = ellipse(c, rx + thickness * 0.14, ry + thickness * 0.14)
                            .subtracted(ellipse(c, rx - thickness * 0.14, ry - thickness * 0.14));
    drawShape(p, ring, kLaurelStem, 0.8, 0.9);
    const Tone &light = kLaurelLight;
    const Tone &dark = kLaurelDark;
    // Leaves in pairs, growing up both sides from the foot to the top.
    const int pairs = 22;
    for (int side : {-1, 1}) {
        for (int i = 0; i < pairs; ++i) {
            // From the foot (pi/2) round the side to the top (-pi/2 or 3pi/2).
            const double t = (i + 0.5) / pairs;
            const double a = M_PI / 2 - side * M_PI * t;
            const QPointF at = on(a);
            QPointF along = on(a - side * 0.01) - at;
            along = unitVector(along);
            const QPointF out = unitVector(at - c);
            for (int k : {-1, 1}) {
                const QPointF dir = unitVector(along + out * (k * 0.75));
                const QPointF leafC = at + dir * thickness * 0.42;
                const double angle = angleOf(dir);
                drawShape(p, ellipse(leafC, thickness * 0.46, thickness * 0.18, angle),
                          (i + (k > 0)) % 2 ? light : dark, 0.7, 0.8);
            }
        }
    }
    paintBow(p, QPointF(c.x(), oval.top()), thickness * 1.1, -1);
    paintBow(p, QPointF(c.x(), oval.bottom()), thickness * 1.1, 1);
}

void paintGrapes(QPainter &p, QPointF top, double size)
{
    const double r = size * 0.13;
    const int rows[] = {4, 3, 3, 2, 1};
    for (int row = 0; row < 5; ++row) {
        for (int i = 0; i < rows[row]; ++i) {
            const double x = (i - (rows[row] - 1) / 2.0) * r * 1.7;
            drawShape(p, ellipse(top + QPointF(x, r + row * r * 1.5), r, r), kGrapes, std::max(0.4, r * 0.4),
                      kInteriorLine);
        }
    }
}

void paintVine(QPainter &p, const std::vector<QPointF> &course, double leaf, int every)
{
    drawLine(p, smoothOpen(course), kOutline, std::max(1.6, leaf * 0.22));
    drawLine(p, smoothOpen(course), kBark.base, std::max(0.9, leaf * 0.12));
    for (std::size_t i = 0; i < course.size(); ++i) {
        const QPointF c = course[i];
        const double side = i % 2 ? 1 : -1;
        drawShape(
            p,
            smoothClosed({c, c + QPointF(side * 0.9 * leaf, -0.5 * leaf), c + QPointF(side * 1.3 * leaf, 0.3 * leaf),
                          c + QPointF(side * 0.5 * leaf, 0.7 * leaf)}),
            kVineLeaf, std::max(0.5, leaf * 0.15), kInteriorLine);
        if (every > 0 && i % static_cast<std::size_t>(every) == 1)
            paintGrapes(p, c + QPointF(-side * 0.3 * leaf, 0.2 * leaf), leaf * 2.0);
    }
}

} // namespace artwork::figures
