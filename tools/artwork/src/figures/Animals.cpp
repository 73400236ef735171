#include "figures/Animals.h"

#include "figures/Shapes.h"

#include <QtMath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace {

// A dog or a wolf in its own units (shoulder height 1, facing right).
struct Canine {
    bool wolf;
    bool headUp;
};

Profile canineProfile(const Canine &c)
{
    Profile pr;
    // Tail root, back, then the head: ears, brow, muzzle, jaw, throat, chest.
    if (c.headUp) {
        // The head thrown back, the muzzle to the sky.
        pr.top = {{-0.62, -0.98}, {-0.3, -0.98}, {0.05, -1.02}, {0.3, -1.18}, {0.36, -1.42},
                  {0.34, -1.58}, {0.42, -1.52}, {0.5, -1.66}, {c.wolf ? 0.68 : 0.62, c.wolf ? -1.92 : -1.82},
                  {c.wolf ? 0.74 : 0.68, c.wolf ? -1.86 : -1.76}, {0.62, -1.62}, {0.6, -1.5}, {0.55, -1.3},
                  {0.48, -1.05}, {0.5, -0.86}};
    } else {
        pr.top = {{-0.62, -0.98}, {-0.3, -0.97}, {0.05, -1.0}, {0.3, -1.12}, {0.38, -1.34},
                  {0.4, c.wolf ? -1.58 : -1.46}, {0.48, -1.38}, {0.58, -1.34}, {c.wolf ? 0.86 : 0.78, -1.22},
                  {c.wolf ? 0.86 : 0.78, -1.14}, {0.62, -1.1}, {0.54, -1.02}, {0.52, -0.86}};
    }
    pr.foreLeg = {{0.36, -0.66}, {0.38, -0.36}, {0.39, -0.08}, {0.45, 0.0}};
    pr.foreHalf = {0.1, 0.06, 0.05, 0.05};
    pr.belly = {{0.2, -0.56}, {-0.05, -0.5}, {-0.25, -0.52}};
    pr.hindLeg = {{-0.42, -0.66}, {-0.46, -0.4}, {-0.52, -0.22}, {-0.48, -0.06}, {-0.42, 0.0}};
    pr.hindHalf = {0.16, 0.09, 0.06, 0.05, 0.05};
    pr.rear = {{-0.62, -0.76}};
    return pr;
}

void paintCanine(QPainter &p, QPointF base, double height, int facing, const Tone &coat, const Canine &c)
{
    const QTransform t = profileTransform(base, height, facing);
    const double line = std::max(1.0, height * 0.025);
    const Tone far{coat.shade, coat.shade.darker(125)};
    // Tail: a wolf's hangs low and bushy, a dog's curls up.
    std::vector<QPointF> tail;
    if (c.wolf)
        tail = {{-0.6, -0.96}, {-0.8, -0.86}, {-0.92, -0.56}, {-0.86, -0.46}, {-0.74, -0.66}, {-0.6, -0.82}};
    else
        tail = {{-0.6, -0.94}, {-0.78, -1.1}, {-0.84, -1.36}, {-0.78, -1.38}, {-0.7, -1.16}, {-0.58, -1.02}};
    drawShape(p, t.map(smoothClosed(tail)), coat, line);
    drawShape(p, t.map(limb({{0.28, -0.62}, {0.27, -0.34}, {0.25, -0.08}, {0.3, 0.0}}, {0.09, 0.055, 0.045, 0.045})), far,
              line);
    drawShape(p, t.map(limb({{-0.34, -0.62}, {-0.36, -0.4}, {-0.42, -0.2}, {-0.34, -0.02}}, {0.13, 0.08, 0.05, 0.045})),
              far, line);
    drawShape(p, t.map(profileOutline(canineProfile(c))), coat, std::max(1.2, height * 0.04));
    const QPointF eye = c.headUp ? QPointF(0.47, -1.56) : QPointF(0.52, -1.26);
    drawShape(p, t.map(ellipse(eye, 0.035, 0.03)), {kOutline, kOutline}, 0, 0);
    const QPointF nose = c.headUp ? (c.wolf ? QPointF(0.71, -1.88) : QPointF(0.66, -1.78))
                                  : QPointF(c.wolf ? 0.86 : 0.78, -1.19);
    drawShape(p, t.map(ellipse(nose, 0.035, 0.03)), {kOutline, kOutline}, 0, 0);
    if (c.headUp) {
        // The open mouth.
        QPainterPath mouth;
        mouth.moveTo(t.map(nose + QPointF(-0.03, 0.06)));
        mouth.lineTo(t.map(QPointF(0.5, -1.52)));
        drawLine(p, mouth, kOutline, line);
    }
    // A collar on the dog.
    if (!c.wolf) {
        QPainterPath collar;
        const QPointF a = c.headUp ? QPointF(0.34, -1.3) : QPointF(0.36, -1.24);
        const QPointF b = c.headUp ? QPointF(0.52, -1.2) : QPointF(0.52, -1.08);
        collar.moveTo(t.map(a));
        collar.lineTo(t.map(b));
        drawLine(p, collar, kCrossGuard.base, line * 2.2);
    }
}

} // namespace

void paintDog(QPainter &p, QPointF base, double height, int facing, const Tone &coat, bool barking)
{
    paintCanine(p, base, height, facing, coat, {false, barking});
}

void paintWolf(QPainter &p, QPointF base, double height, int facing, const Tone &coat, bool howling)
{
    paintCanine(p, base, height, facing, coat, {true, howling});
}

void paintLion(QPainter &p, QPointF base, double height, int facing, const Tone &coat, const Tone &mane)
{
    const QTransform t = profileTransform(base, height, facing);
    const double line = std::max(1.0, height * 0.02);
    const Tone far{coat.shade, coat.shade.darker(125)};
    // The tail with its tuft.
    QPainterPath tail;
    tail.moveTo(-0.7, -0.9);
    tail.cubicTo(-1.0, -0.85, -1.0, -0.4, -1.15, -0.55);
    drawLine(p, t.map(tail), kOutline, line * 4.2);
    drawLine(p, t.map(tail), coat.base, line * 2.4);
    drawShape(p, t.map(ellipse(QPointF(-1.15, -0.57), 0.07, 0.1, 20)), mane, line * 0.8);
    drawShape(p, t.map(limb({{0.32, -0.6}, {0.33, -0.3}, {0.34, -0.06}, {0.4, 0.0}}, {0.1, 0.07, 0.06, 0.06})), far, line);
    drawShape(p, t.map(limb({{-0.4, -0.6}, {-0.46, -0.36}, {-0.5, -0.18}, {-0.44, 0.0}}, {0.14, 0.09, 0.06, 0.06})), far,
              line);
    Profile pr;
    pr.top = {{-0.7, -0.92}, {-0.4, -0.95}, {0.1, -0.98}, {0.42, -1.05}, {0.6, -1.12}, {0.74, -1.08},
              {0.8, -0.96}, {0.76, -0.86}, {0.66, -0.82}, {0.58, -0.76}};
    pr.foreLeg = {{0.44, -0.6}, {0.45, -0.3}, {0.46, -0.06}, {0.54, 0.0}};
    pr.foreHalf = {0.12, 0.08, 0.065, 0.06};
    pr.belly = {{0.25, -0.5}, {-0.05, -0.46}, {-0.3, -0.5}};
    pr.hindLeg = {{-0.5, -0.62}, {-0.54, -0.4}, {-0.6, -0.2}, {-0.54, -0.04}, {-0.46, 0.0}};
    pr.hindHalf = {0.18, 0.1, 0.07, 0.06, 0.06};
    pr.rear = {{-0.7, -0.76}};
    drawShape(p, t.map(profileOutline(pr)), coat, std::max(1.2, height * 0.035));
    // The mane: a ragged ring round the head and down the neck.
    std::vector<QPointF> ring;
    const QPointF mc(0.5, -0.98);
    for (int i = 0; i < 18; ++i) {
        const double a = i * 2 * M_PI / 18;
        const double r = (i % 2 ? 0.3 : 0.38) * (std::cos(a) > 0.3 ? 0.8 : 1.0);
        ring.push_back(mc + QPointF(std::cos(a) * r * 0.95, std::sin(a) * r));
    }
    drawShape(p, t.map(smoothClosed(ring)), mane, line * 1.6);
    // The face over the mane.
    const std::vector<QPointF> face{{0.54, -1.12}, {0.66, -1.16}, {0.78, -1.1}, {0.84, -0.98}, {0.8, -0.88},
                                    {0.68, -0.84}, {0.58, -0.9}};
    drawShape(p, t.map(smoothClosed(face)), coat, line);
    drawShape(p, t.map(ellipse(QPointF(0.7, -1.06), 0.03, 0.022)), {kOutline, kOutline}, 0, 0);
    drawShape(p, t.map(ellipse(QPointF(0.83, -0.97), 0.03, 0.025)), {kOutline, kOutline}, 0, 0);
    QPainterPath mouth;
    mouth.moveTo(QPointF(0.82, -0.9));
    mouth.quadTo(QPointF(0.76, -0.88), QPointF(0.72, -0.9));
    drawLine(p, t.map(mouth), kOutline, line);
}

void paintBird(QPainter &p, QPointF c, double span, int facing, const Tone &tone, bool wingsUp)
{
    // Seen from the front in flight: two curved wings from a small body, the
    // head turned to `facing`.
    const double line = std::max(0.8, span * 0.035);
    const double up = wingsUp ? 1.0 : -0.6;
    auto at = [&](double x, double y) { return c + QPointF(x * span, y * span); };
    const QPainterPath wings = limb({at(-0.5, -0.16 * up), at(-0.3, -0.14 * up), at(-0.12, -0.02 * up), at(0, 0.04),
                                     at(0.12, -0.02 * up), at(0.3, -0.14 * up), at(0.5, -0.16 * up)},
                                    {0.012 * span, 0.05 * span, 0.07 * span, 0.07 * span, 0.07 * span, 0.05 * span,
                                     0.012 * span});
    drawShape(p, wings, tone, line);
    drawShape(p, ellipse(at(0, 0.06), 0.07 * span, 0.12 * span), tone, line * 0.8, line);
    drawShape(p, ellipse(at(facing * 0.05, -0.06), 0.06 * span, 0.06 * span), tone, 0, line);
    QPainterPath beak;
    beak.moveTo(at(facing * 0.1, -0.08));
    beak.lineTo(at(facing * 0.17, -0.05));
    beak.lineTo(at(facing * 0.1, -0.03));
    beak.closeSubpath();
    drawShape(p, beak, kGold, 0, line * 0.6);
}

void paintFish(QPainter &p, QPointF c, double length, double degrees, const Tone &tone)
{
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(degrees);
    t.scale(length, length);
    const double line = std::max(0.8, length * 0.03);
    const std::vector<QPointF> body{{0.5, 0.0},    {0.36, -0.14}, {0.1, -0.18}, {-0.2, -0.1}, {-0.32, -0.02},
                                    {-0.5, -0.16}, {-0.46, 0.0},  {-0.5, 0.16}, {-0.32, 0.02}, {-0.2, 0.1},
                                    {0.1, 0.16},   {0.36, 0.12}};
    drawShape(p, t.map(smoothClosed(body)), tone, std::max(1.0, length * 0.05));
    drawShape(p, t.map(ellipse(QPointF(0.34, -0.03), 0.03, 0.03)), {kOutline, kOutline}, 0, 0);
    QPainterPath gill;
    gill.moveTo(0.24, -0.1);
    gill.quadTo(0.2, 0.0, 0.24, 0.09);
    QPainterPath scales;
    for (double x : {0.05, -0.08})
    {
        scales.moveTo(x, -0.1);
        scales.quadTo(x - 0.05, 0.0, x, 0.1);
    }
    drawLine(p, t.map(gill), tone.shade.darker(130), line);
    drawLine(p, t.map(scales), tone.shade, line * 0.8);
}

} // namespace artwork::figures
