#include "trumps/LastParts.h"

#include "figures/Animals.h"
#include "figures/Figure.h"
#include "figures/Landscape.h"
#include "figures/Shapes.h"

#include <QtMath>

#include <cmath>

// The World's parts: the laurel wreath and its ribbons, the dancer, and the
// four living creatures in the corners.

namespace artwork::last {

using namespace style;
using namespace figures;
using namespace figures::shapes;

namespace {

const Tone kRibbon{{206, 44, 48}, {138, 24, 30}};

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
                                      .subtracted(ellipse(c + QPointF(s * size * 0.06, 0), size * 0.3,
                                                          size * 0.12, s * tailsDown * -12.0));
        drawShape(p, loop, kRibbon, std::max(0.8, size * 0.08), 0.9);
    }
    drawShape(p, ellipse(knot, size * 0.2, size * 0.24), kRibbon, std::max(0.6, size * 0.06), 0.9);
}

} // namespace

void paintLaurelWreath(QPainter &p, const QRectF &oval, double thickness)
{
    const QPointF c = oval.center();
    const double rx = oval.width() / 2, ry = oval.height() / 2;
    auto on = [&](double a) { return c + QPointF(rx * std::cos(a), ry * std::sin(a)); };
    // The binding: a slim band of stems all round.
    QPainterPath ring = ellipse(c, rx + thickness * 0.14, ry + thickness * 0.14)
                            .subtracted(ellipse(c, rx - thickness * 0.14, ry - thickness * 0.14));
    drawShape(p, ring, {{70, 120, 50}, {46, 86, 34}}, 0.8, 0.9);
    const Tone light{{112, 176, 74}, {66, 124, 46}};
    const Tone dark{{78, 142, 60}, {48, 98, 40}};
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
                const double angle = std::atan2(dir.y(), dir.x()) * 180 / M_PI;
                drawShape(p, ellipse(leafC, thickness * 0.46, thickness * 0.18, angle),
                          (i + (k > 0)) % 2 ? light : dark, 0.7, 0.8);
            }
        }
    }
    paintBow(p, QPointF(c.x(), oval.top()), thickness * 1.1, -1);
    paintBow(p, QPointF(c.x(), oval.bottom()), thickness * 1.1, 1);
}

void paintDancer(QPainter &p, QPointF hips, double u, const Tone &scarf)
{
    auto at = [&](double x, double y) { return hips + QPointF(x * u, y * u); };
    const Tone skin = kSkin;
    const double w = 0.88 * u, line = std::max(1.0, 0.1 * u);
    const std::vector<double> legHalf{0.33 * w, 0.27 * w, 0.19 * w, 0.21 * w, 0.12 * w};
    auto leg = [&](QPointF hip, QPointF knee, QPointF ankle) {
        drawShape(p, limb({hip, lerp(hip, knee, 0.5), knee, lerp(knee, ankle, 0.3), ankle}, legHalf), skin,
                  line);
    };
    // The scarf's floating end behind her, low on the right.
    const QPainterPath lowEnd =
        limb({at(0.3, 0.2), at(1.0, 0.6), at(1.6, 0.35), at(2.1, 0.8), at(2.35, 0.62)},
             {0.22 * u, 0.26 * u, 0.24 * u, 0.18 * u, 0.06 * u});
    drawShape(p, lowEnd, scarf, std::max(1.0, 0.1 * u), 1.0);
    // The crossed leg bent behind, its foot at the other's knee; then the leg she stands on.
    leg(at(0.3, 0.15), at(1.1, 1.35), at(-0.1, 2.0));
    leg(at(-0.3, 0.15), at(-0.24, 1.8), at(-0.18, 3.45));
    drawShape(p, ellipse(at(-0.18, 3.62), 0.14 * u, 0.22 * u), skin, 0.5, 0.9);
    // The body from the neck to the hips.
    const std::vector<QPointF> right{{0.16, -2.32}, {0.46, -2.06}, {0.78, -1.92}, {0.72, -1.56},
                                     {0.6, -1.2},   {0.46, -0.7},  {0.6, -0.3},   {0.74, 0.06},
                                     {0.62, 0.36},  {0.3, 0.46},   {0.0, 0.44}};
    std::vector<QPointF> pts;
    for (const QPointF &q : right)
        pts.emplace_back(q.x() * u, hips.y() + q.y() * u);
    drawShape(p, smoothClosed(mirrored(hips.x(), pts)), skin, std::max(1.2, 0.12 * u), line);
    QPainterPath neck;
    neck.addRect(QRectF(at(-0.17, -2.6), at(0.17, -2.2)));
    drawShape(p, neck, skin, 0, 0.8);
    // The scarf wound from her left shoulder across her breast and round her hips.
    const QPainterPath wrap = limb(
        {at(-0.6, -2.0), at(-0.1, -1.45), at(0.45, -0.8), at(0.55, -0.15), at(0.1, 0.3), at(-0.45, 0.32)},
        {0.26 * u, 0.4 * u, 0.36 * u, 0.34 * u, 0.42 * u, 0.34 * u});
    drawShape(p, wrap, scarf, std::max(1.2, 0.14 * u), 1.0);
    QPainterPath folds;
    folds.moveTo(at(-0.35, -1.8));
    folds.quadTo(at(0.1, -1.3), at(0.4, -0.7));
    folds.moveTo(at(0.45, 0.05));
    folds.quadTo(at(0.1, 0.3), at(-0.35, 0.3));
    drawLine(p, folds, scarf.shade, std::max(0.8, 0.06 * u));
    // Its other end flies up from the shoulder.
    const QPainterPath highEnd =
        limb({at(-0.6, -2.0), at(-1.2, -2.5), at(-1.75, -2.15), at(-2.2, -2.55), at(-2.45, -2.35)},
             {0.2 * u, 0.24 * u, 0.2 * u, 0.14 * u, 0.05 * u});
    drawShape(p, highEnd, scarf, std::max(1.0, 0.1 * u), 1.0);
    // Her head, turned a little, hair falling to the shoulders.
    Figure look;
    look.build = Build::Woman;
    look.hair = Hair::Long;
    look.hairColour = QColor(150, 84, 40);
    look.turn = -0.3;
    paintHead(p, look, at(0, -2.8), u);
    // A wand in each hand, the arms lowered and held out from the body.
    for (int s : {-1, 1}) {
        const QPointF shoulder = at(s * 0.58, -1.95);
        const QPointF hand = at(s * 1.75, 0.0);
        paintHeld(p, Held::Rod, hand, u * 1.25, s * 30.0, 0);
        paintBareArmFrom(p, shoulder, hand, at(s * 1.3, -1.1), u, Build::Woman, skin, true);
    }
}

void paintAngelHead(QPainter &p, QPointF c, double size)
{
    paintCloud(p, c + QPointF(0, size * 0.42), size * 1.3, 3);
    const Tone feathers{{236, 230, 214}, {176, 164, 140}};
    for (int s : {-1, 1}) {
        const std::vector<QPointF> wing{
            c + QPointF(s * size * 0.15, size * 0.1), c + QPointF(s * size * 0.5, -size * 0.3),
            c + QPointF(s * size * 0.66, -size * 0.2), c + QPointF(s * size * 0.6, size * 0.06),
            c + QPointF(s * size * 0.4, size * 0.24)};
        drawShape(p, smoothClosed(wing), feathers, std::max(0.8, size * 0.05), 0.9);
    }
    Figure look;
    look.build = Build::Woman;
    look.hairColour = kHairGold;
    paintHead(p, look, c, size * 0.5);
}

void paintEagleHead(QPainter &p, QPointF c, double size, int facing)
{
    paintCloud(p, c + QPointF(0, size * 0.42), size * 1.3, 5);
    QTransform t;
    t.translate(c.x(), c.y());
    t.scale(facing * size, size);
    const Tone plumage{{152, 104, 56}, {104, 68, 34}};
    // The head and neck, ragged feathers at its foot; facing right in its own frame.
    const std::vector<QPointF> head{{-0.3, 0.4},  {-0.34, 0.1}, {-0.24, -0.2}, {-0.02, -0.36}, {0.2, -0.32},
                                    {0.3, -0.18}, {0.26, 0.0},  {0.14, 0.16},  {0.18, 0.4},    {0.08, 0.34},
                                    {0.0, 0.44},  {-0.1, 0.36}, {-0.2, 0.46}};
    drawShape(p, t.map(smoothClosed(head)), plumage, std::max(0.8, size * 0.05), 0.9);
    QPainterPath beak;
    beak.moveTo(0.16, -0.26);
    beak.cubicTo(0.36, -0.3, 0.5, -0.16, 0.44, 0.02);
    beak.lineTo(0.38, -0.06);
    beak.cubicTo(0.32, -0.04, 0.24, -0.06, 0.18, -0.08);
    beak.closeSubpath();
    drawShape(p, t.map(beak), kGold, 0.6, 0.9);
    drawShape(p, t.map(ellipse(QPointF(0.08, -0.18), 0.045, 0.045)), {{250, 220, 110}, {250, 220, 110}}, 0,
              0.8);
    drawShape(p, t.map(ellipse(QPointF(0.09, -0.18), 0.022, 0.022)), {kOutline, kOutline}, 0, 0);
    QPainterPath brow;
    brow.moveTo(-0.02, -0.26);
    brow.lineTo(0.16, -0.22);
    drawLine(p, t.map(brow), kOutline, std::max(0.8, size * 0.03));
}

void paintBullHead(QPainter &p, QPointF c, double size)
{
    paintCloud(p, c + QPointF(0, size * 0.42), size * 1.3, 7);
    auto at = [&](double x, double y) { return c + QPointF(x * size, y * size); };
    const Tone hide{{146, 92, 58}, {100, 60, 36}};
    const Tone horn{{236, 226, 196}, {186, 170, 130}};
    for (int s : {-1, 1}) {
        drawShape(p,
                  limb({at(s * 0.16, -0.2), at(s * 0.38, -0.28), at(s * 0.46, -0.46)},
                       {0.07 * size, 0.05 * size, 0.015 * size}),
                  horn, 0.6, 0.9);
        drawShape(p, ellipse(at(s * 0.3, -0.1), 0.14 * size, 0.07 * size, s * 20.0), hide, 0.6, 0.9);
    }
    const std::vector<QPointF> right{{0.0, -0.3}, {0.2, -0.26}, {0.22, 0.0}, {0.16, 0.2},
                                     {0.17, 0.3}, {0.08, 0.38}, {0.0, 0.38}};
    std::vector<QPointF> pts;
    for (const QPointF &q : right)
        pts.emplace_back(q.x() * size, c.y() + q.y() * size);
    drawShape(p, smoothClosed(mirrored(c.x(), pts)), hide, std::max(0.8, size * 0.05), 0.9);
    drawShape(p, ellipse(at(0, 0.28), 0.17 * size, 0.11 * size), {{222, 186, 160}, {180, 140, 116}}, 0.6,
              0.9);
    for (int s : {-1, 1}) {
        drawShape(p, ellipse(at(s * 0.07, 0.29), 0.03 * size, 0.025 * size), {kOutline, kOutline}, 0, 0);
        drawShape(p, ellipse(at(s * 0.11, -0.06), 0.035 * size, 0.03 * size), {kOutline, kOutline}, 0, 0);
    }
}

void paintLionFace(QPainter &p, QPointF c, double size)
{
    paintCloud(p, c + QPointF(0, size * 0.42), size * 1.3, 9);
    std::vector<QPointF> ring;
    for (int i = 0; i < 18; ++i) {
        const double a = i * 2 * M_PI / 18;
        const double r = (i % 2 ? 0.36 : 0.46) * size;
        ring.push_back(c + QPointF(std::cos(a) * r, std::sin(a) * r));
    }
    drawShape(p, smoothClosed(ring), kLionMane, std::max(1.0, size * 0.07), 0.9);
    auto at = [&](double x, double y) { return c + QPointF(x * size, y * size); };
    const std::vector<QPointF> right{{0.0, -0.26}, {0.18, -0.22}, {0.24, 0.0}, {0.16, 0.2}, {0.0, 0.27}};
    std::vector<QPointF> pts;
    for (const QPointF &q : right)
        pts.emplace_back(q.x() * size, c.y() + q.y() * size);
    drawShape(p, smoothClosed(mirrored(c.x(), pts)), kLionCoat, std::max(0.8, size * 0.05), 0.9);
    for (int s : {-1, 1})
        drawShape(p, ellipse(at(s * 0.09, -0.06), 0.03 * size, 0.025 * size), {kOutline, kOutline}, 0, 0);
    QPainterPath nose;
    nose.moveTo(at(-0.06, 0.06));
    nose.lineTo(at(0.06, 0.06));
    nose.lineTo(at(0, 0.13));
    nose.closeSubpath();
    drawShape(p, nose, {kOutline, kOutline}, 0, 0);
    QPainterPath mouth;
    mouth.moveTo(at(0, 0.13));
    mouth.lineTo(at(0, 0.18));
    mouth.moveTo(at(-0.08, 0.2));
    mouth.quadTo(at(0, 0.16), at(0.08, 0.2));
    drawLine(p, mouth, kOutline, std::max(0.8, size * 0.03));
}

} // namespace artwork::last
