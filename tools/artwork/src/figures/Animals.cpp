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
    // Tail root, back, neck, then the head: skull, brow, muzzle, jaw, throat, chest.
    const double snout = c.wolf ? 0.08 : 0.0;
    if (c.headUp) {
        // The head thrown back, the muzzle raised to the sky.
        pr.top = {{-0.6, -0.95},
                  {-0.3, -0.97},
                  {0.05, -1.0},
                  {0.22, -1.12},
                  {0.3, -1.32},
                  {0.38, -1.42},
                  {0.48, -1.48},
                  {0.62 + snout * 0.5, -1.62 - snout},
                  {0.68 + snout * 0.5, -1.64 - snout},
                  {0.68 + snout * 0.5, -1.58 - snout},
                  {0.6, -1.48},
                  {0.56, -1.38},
                  {0.52, -1.22},
                  {0.54, -1.02},
                  {0.54, -0.84}};
    } else {
        pr.top = {{-0.6, -0.95},         {-0.3, -0.96}, {0.05, -1.0},  {0.26, -1.1},          {0.34, -1.3},
                  {0.42, -1.4},          {0.56, -1.4},  {0.66, -1.34}, {0.82 + snout, -1.28}, {0.86 + snout, -1.22},
                  {0.82 + snout, -1.16}, {0.66, -1.12}, {0.58, -1.06}, {0.56, -0.96},         {0.54, -0.82}};
    }
    pr.foreLeg = {{0.4, -0.66}, {0.41, -0.36}, {0.42, -0.08}, {0.48, 0.0}};
    pr.foreHalf = {0.12, 0.08, 0.065, 0.065};
    pr.belly = {{0.24, -0.54}, {0.0, -0.48}, {-0.22, -0.5}};
    pr.hindLeg = {{-0.4, -0.66}, {-0.44, -0.42}, {-0.5, -0.24}, {-0.46, -0.06}, {-0.4, 0.0}};
    pr.hindHalf = {0.18, 0.11, 0.075, 0.065, 0.065};
    pr.rear = {{-0.6, -0.76}};
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
        tail = {{-0.56, -0.96}, {-0.8, -0.88}, {-0.94, -0.6}, {-0.9, -0.46},
                {-0.8, -0.52},  {-0.72, -0.7}, {-0.58, -0.8}};
    else
        tail = {{-0.56, -0.92}, {-0.76, -1.06}, {-0.84, -1.3}, {-0.76, -1.34}, {-0.7, -1.14}, {-0.56, -1.02}};
    drawShape(p, t.map(smoothClosed(tail)), coat, line);
    drawShape(p, t.map(limb({{0.3, -0.62}, {0.3, -0.34}, {0.29, -0.08}, {0.34, 0.0}}, {0.1, 0.07, 0.06, 0.06})), far,
              line);
    drawShape(p, t.map(limb({{-0.32, -0.62}, {-0.36, -0.4}, {-0.42, -0.2}, {-0.34, -0.02}}, {0.15, 0.09, 0.065, 0.06})),
              far, line);
    drawShape(p, t.map(profileOutline(canineProfile(c))), coat, std::max(1.2, height * 0.04));
    // Ears: a wolf's stand up in a point, a dog's fold over.
    const QPointF earRoot = c.headUp ? QPointF(0.34, -1.4) : QPointF(0.44, -1.38);
    QPainterPath ear;
    if (c.wolf) {
        ear.moveTo(earRoot + QPointF(-0.06, 0.02));
        ear.lineTo(earRoot + QPointF(-0.04, -0.2));
        ear.lineTo(earRoot + QPointF(0.08, 0.0));
        ear.closeSubpath();
    } else {
        ear = smoothClosed({earRoot + QPointF(-0.06, -0.02), earRoot + QPointF(0.04, -0.06),
                            earRoot + QPointF(0.02, 0.12), earRoot + QPointF(-0.06, 0.2),
                            earRoot + QPointF(-0.1, 0.08)});
    }
    drawShape(p, t.map(ear), c.wolf ? coat : far, line);
    const QPointF eye = c.headUp ? QPointF(0.47, -1.42) : QPointF(0.6, -1.32);
    drawShape(p, t.map(ellipse(eye, 0.03, 0.026)), {kOutline, kOutline}, 0, 0);
    const double snout = c.wolf ? 0.08 : 0.0;
    const QPointF nose = c.headUp ? QPointF(0.66 + snout * 0.5, -1.62 - snout) : QPointF(0.85 + snout, -1.24);
    drawShape(p, t.map(ellipse(nose, 0.04, 0.035)), {kOutline, kOutline}, 0, 0);
    // The mouth line; open when the head is up.
    QPainterPath mouth;
    if (c.headUp) {
        mouth.moveTo(t.map(nose + QPointF(-0.01, 0.06)));
        mouth.lineTo(t.map(QPointF(0.55, -1.44)));
    } else {
        mouth.moveTo(t.map(QPointF(0.8 + snout, -1.17)));
        mouth.lineTo(t.map(QPointF(0.66, -1.16)));
    }
    drawLine(p, mouth, kOutline, line);
    // A collar on the dog.
    if (!c.wolf) {
        QPainterPath collar;
        const QPointF a = c.headUp ? QPointF(0.28, -1.24) : QPointF(0.34, -1.26);
        const QPointF b = c.headUp ? QPointF(0.54, -1.16) : QPointF(0.56, -1.02);
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
    drawShape(p, t.map(limb({{0.32, -0.6}, {0.33, -0.3}, {0.34, -0.06}, {0.4, 0.0}}, {0.1, 0.07, 0.06, 0.06})), far,
              line);
    drawShape(p, t.map(limb({{-0.4, -0.6}, {-0.46, -0.36}, {-0.5, -0.18}, {-0.44, 0.0}}, {0.14, 0.09, 0.06, 0.06})),
              far, line);
    Profile pr;
    pr.top = {{-0.7, -0.92}, {-0.4, -0.95}, {0.1, -0.98},  {0.42, -1.05}, {0.6, -1.12},
              {0.74, -1.08}, {0.8, -0.96},  {0.76, -0.86}, {0.66, -0.82}, {0.58, -0.76}};
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
    const std::vector<QPointF> face{{0.54, -1.12}, {0.66, -1.16}, {0.78, -1.1}, {0.84, -0.98},
                                    {0.8, -0.88},  {0.68, -0.84}, {0.58, -0.9}};
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
    const QPainterPath wings = limb(
        {at(-0.5, -0.16 * up), at(-0.3, -0.14 * up), at(-0.12, -0.02 * up), at(0, 0.04), at(0.12, -0.02 * up),
         at(0.3, -0.14 * up), at(0.5, -0.16 * up)},
        {0.012 * span, 0.05 * span, 0.07 * span, 0.07 * span, 0.07 * span, 0.05 * span, 0.012 * span});
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
    const std::vector<QPointF> body{{0.5, 0.0},     {0.36, -0.14}, {0.1, -0.18}, {-0.2, -0.1},
                                    {-0.32, -0.02}, {-0.5, -0.16}, {-0.46, 0.0}, {-0.5, 0.16},
                                    {-0.32, 0.02},  {-0.2, 0.1},   {0.1, 0.16},  {0.36, 0.12}};
    drawShape(p, t.map(smoothClosed(body)), tone, std::max(1.0, length * 0.05));
    drawShape(p, t.map(ellipse(QPointF(0.34, -0.03), 0.03, 0.03)), {kOutline, kOutline}, 0, 0);
    QPainterPath gill;
    gill.moveTo(0.24, -0.1);
    gill.quadTo(0.2, 0.0, 0.24, 0.09);
    QPainterPath scales;
    for (double x : {0.05, -0.08}) {
        scales.moveTo(x, -0.1);
        scales.quadTo(x - 0.05, 0.0, x, 0.1);
    }
    drawLine(p, t.map(gill), tone.shade.darker(130), line);
    drawLine(p, t.map(scales), tone.shade, line * 0.8);
}

void paintButterfly(QPainter &p, QPointF c, double span, const Tone &wings)
{
    const double s = span / 2;
    for (int k : {-1, 1}) {
        drawShape(p,
                  smoothClosed({c + QPointF(k * 0.08 * s, -0.1 * s), c + QPointF(k * 0.7 * s, -0.75 * s),
                                c + QPointF(k * 1.0 * s, -0.45 * s), c + QPointF(k * 0.55 * s, 0.0)}),
                  wings, std::max(0.6, 0.08 * s), kInteriorLine);
        drawShape(p,
                  smoothClosed({c + QPointF(k * 0.08 * s, 0.05 * s), c + QPointF(k * 0.6 * s, 0.1 * s),
                                c + QPointF(k * 0.55 * s, 0.6 * s), c + QPointF(k * 0.15 * s, 0.35 * s)}),
                  wings, std::max(0.6, 0.08 * s), kInteriorLine);
        drawShape(p, ellipse(c + QPointF(k * 0.55 * s, -0.42 * s), 0.12 * s, 0.1 * s), {wings.shade, wings.shade}, 0,
                  0);
    }
    drawShape(p, ellipse(c, 0.08 * s, 0.42 * s), {kOutline, kOutline}, 0, 0);
    QPainterPath feelers;
    for (int k : {-1, 1}) {
        feelers.moveTo(c + QPointF(0, -0.38 * s));
        feelers.quadTo(c + QPointF(k * 0.1 * s, -0.7 * s), c + QPointF(k * 0.28 * s, -0.78 * s));
    }
    drawLine(p, feelers, kOutline, std::max(0.4, 0.05 * s));
}

void paintSalamander(QPainter &p, QPointF c, double length, double degrees, const Tone &skin)
{
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(degrees);
    t.scale(length, length);
    // The spine waves from the tail tip to the snout; the legs splay from it.
    std::vector<QPointF> spine;
    for (int i = 0; i <= 12; ++i) {
        const double x = -0.5 + i / 12.0;
        spine.emplace_back(x, 0.06 * std::sin(x * 9.0));
    }
    std::vector<double> half;
    for (int i = 0; i <= 12; ++i) {
        const double x = i / 12.0;
        half.push_back(x < 0.55 ? 0.01 + 0.045 * x / 0.55 : 0.055 - 0.02 * (x - 0.55) / 0.45);
    }
    half.back() = 0.03;
    for (double x : {0.12, 0.32}) {
        const double y = 0.06 * std::sin(x * 9.0);
        for (int k : {-1, 1}) {
            drawShape(p, t.map(limb({{x, y}, {x + 0.04, y + k * 0.1}, {x + 0.09, y + k * 0.12}}, {0.016, 0.013, 0.01})),
                      skin, 0.4, kInteriorLine);
        }
    }
    drawShape(p, t.map(limb(spine, half)), skin, std::max(0.6, length * 0.02), kInteriorLine);
    for (double x : {-0.1, 0.1, 0.28})
        drawShape(p, t.map(ellipse(QPointF(x, 0.06 * std::sin(x * 9.0)), 0.018, 0.018)), {kOutline, kOutline}, 0, 0);
}

void paintSittingCat(QPainter &p, QPointF base, double height, const Tone &coat)
{
    const double h = height;
    auto at = [&](double x, double y) { return base + QPointF(x * h, -y * h); };
    // The tail curled round the feet, the body, the head with its ears.
    QPainterPath tail;
    tail.moveTo(at(0.2, 0.05));
    tail.cubicTo(at(0.45, 0.0), at(0.5, 0.25), at(0.38, 0.35));
    drawLine(p, tail, kOutline, std::max(1.6, 0.11 * h));
    drawLine(p, tail, coat.base, std::max(1.0, 0.07 * h));
    drawShape(p,
              smoothClosed({at(0, 0.72), at(0.2, 0.6), at(0.27, 0.25), at(0.24, 0.0), at(-0.24, 0.0), at(-0.27, 0.25),
                            at(-0.2, 0.6)}),
              coat, std::max(0.8, 0.05 * h), kInteriorLine);
    const QPointF head = at(0, 0.78);
    QPainterPath ears;
    for (int k : {-1, 1}) {
        ears.moveTo(head + QPointF(k * 0.06 * h, -0.1 * h));
        ears.lineTo(head + QPointF(k * 0.16 * h, -0.24 * h));
        ears.lineTo(head + QPointF(k * 0.19 * h, -0.04 * h));
        ears.closeSubpath();
    }
    drawShape(p, united(ears), coat, 0.5, kInteriorLine);
    drawShape(p, ellipse(head, 0.19 * h, 0.15 * h), coat, std::max(0.6, 0.03 * h), kInteriorLine);
    for (int k : {-1, 1})
        drawShape(p, ellipse(head + QPointF(k * 0.075 * h, -0.01 * h), 0.035 * h, 0.025 * h), {kGold.base, kGold.base},
                  0, 0);
    QPainterPath whiskers;
    for (int k : {-1, 1}) {
        whiskers.moveTo(head + QPointF(k * 0.06 * h, 0.07 * h));
        whiskers.lineTo(head + QPointF(k * 0.26 * h, 0.05 * h));
    }
    drawLine(p, whiskers, coat.base.lighter(250), std::max(0.4, 0.012 * h));
}

void paintRabbit(QPainter &p, QPointF base, double height, int facing, const Tone &coat)
{
    const double h = height, f = facing;
    auto at = [&](double x, double y) { return base + QPointF(f * x * h, -y * h); };
    drawShape(
        p, smoothClosed({at(-0.45, 0.05), at(-0.5, 0.3), at(-0.2, 0.5), at(0.15, 0.48), at(0.3, 0.3), at(0.25, 0.02)}),
        coat, std::max(0.8, 0.05 * h), kInteriorLine);
    for (double dx : {0.0, -0.08})
        drawShape(p, smoothClosed({at(0.18 + dx, 0.62), at(0.1 + dx, 0.98), at(0.02 + dx, 1.0), at(0.06 + dx, 0.62)}),
                  coat, 0.5, kInteriorLine);
    drawShape(p, ellipse(at(0.25, 0.55), 0.17 * h, 0.13 * h), coat, 0.6, kInteriorLine);
    drawShape(p, ellipse(at(0.3, 0.58), 0.03 * h, 0.03 * h), {kOutline, kOutline}, 0, 0);
    drawShape(p, ellipse(at(-0.48, 0.25), 0.08 * h, 0.08 * h), kSand, 0.3,
              kInteriorLine); // not white: it may sit low on a card
}

} // namespace artwork::figures
