#include "figures/Creatures.h"

#include "figures/Figure.h"
#include "figures/Shapes.h"
#include "figures/Sky.h"

#include <QtMath>

#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace {

// A small pair of wings spread behind a head.
void smallWings(QPainter &p, QPointF c, double size, const Tone &feathers)
{
    for (int s : {-1, 1}) {
        const std::vector<QPointF> wing{
            c + QPointF(s * 0.15 * size, 0.05 * size), c + QPointF(s * 0.45 * size, -0.36 * size),
            c + QPointF(s * 0.7 * size, -0.46 * size), c + QPointF(s * 0.64 * size, -0.1 * size),
            c + QPointF(s * 0.54 * size, 0.12 * size), c + QPointF(s * 0.32 * size, 0.3 * size)};
        drawShape(p, smoothClosed(wing), feathers, std::max(1.0, size * 0.05));
        QPainterPath quills;
        for (double t : {0.3, 0.55, 0.8}) {
            quills.moveTo(c + QPointF(s * (0.25 + 0.42 * t) * size, (-0.22 * t) * size));
            quills.lineTo(c + QPointF(s * (0.2 + 0.34 * t) * size, (0.25 - 0.1 * t) * size));
        }
        drawLine(p, quills, feathers.shade, std::max(0.6, size * 0.02));
    }
}

// An eagle's head and neck in profile, looking towards `facing`.
void eagleHead(QPainter &p, QPointF c, double size, int facing)
{
    QTransform t;
    t.translate(c.x(), c.y());
    t.scale(facing * size, size);
    const Tone &plumage = kEaglePlumage;
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
    drawShape(p, t.map(ellipse(QPointF(0.08, -0.18), 0.045, 0.045)), kEagleEye, 0, 0.8);
    drawShape(p, t.map(ellipse(QPointF(0.09, -0.18), 0.022, 0.022)), {kOutline, kOutline}, 0, 0);
    QPainterPath brow;
    brow.moveTo(-0.02, -0.26);
    brow.lineTo(0.16, -0.22);
    drawLine(p, t.map(brow), kOutline, std::max(0.8, size * 0.03));
}

// A bull's head from the front, horned.
void bullHead(QPainter &p, QPointF c, double size)
{
    auto at = [&](double x, double y) { return c + QPointF(x * size, y * size); };
    const Tone &hide = kBullHide;
    const Tone &horn = kBullHorn;
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
    drawShape(p, ellipse(at(0, 0.28), 0.17 * size, 0.11 * size), kBullMuzzle, 0.6, 0.9);
    for (int s : {-1, 1}) {
        drawShape(p, ellipse(at(s * 0.07, 0.29), 0.03 * size, 0.025 * size), {kOutline, kOutline}, 0, 0);
        drawShape(p, ellipse(at(s * 0.11, -0.06), 0.035 * size, 0.03 * size), {kOutline, kOutline}, 0, 0);
    }
}

// A lion's face from the front in a ring of mane.
void lionFace(QPainter &p, QPointF c, double size)
{
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

} // namespace

void paintSerpent(QPainter &p, const std::vector<QPointF> &body, double half, const Tone &skin)
{
    std::vector<double> widths;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(body.size() - 1);
        widths.push_back(half * (0.3 + 0.7 * std::sin(std::min(1.0, t * 1.15) * M_PI * 0.5 + 0.2)));
    }
    const QPointF head = body.back(), neck = body[body.size() - 2];
    const QPointF d = unitVector(head - neck);
    QPainterPath tongue;
    tongue.moveTo(head + d * half * 1.2);
    tongue.lineTo(head + d * half * 2.6);
    tongue.lineTo(head + d * half * 3.2 + normal(d) * half * 0.5);
    tongue.moveTo(head + d * half * 2.6);
    tongue.lineTo(head + d * half * 3.2 - normal(d) * half * 0.5);
    drawLine(p, tongue, kCrossGuard.base, std::max(0.7, half * 0.25));
    drawShape(p, limb(body, widths), skin, std::max(0.8, half * 0.4));
    drawShape(p, ellipse(head, half * 1.5, half * 1.05, angleOf(d)), skin, std::max(0.6, half * 0.3));
    drawShape(p, ellipse(head + d * half * 0.3 - normal(d) * half * 0.45, half * 0.28, half * 0.28),
              {kOutline, kOutline}, 0, 0);
}

void paintCreature(QPainter &p, Creature creature, QPointF c, double size, int facing)
{
    paintCloud(p, c + QPointF(0, size * 0.42), size * 1.3, static_cast<unsigned>(creature) + 3);
    smallWings(p, c + QPointF(0, size * 0.05), size, kFeathers);
    switch (creature) {
    case Creature::Angel: {
        Figure angel;
        angel.build = Build::Child;
        angel.hairColour = kHairGold;
        angel.turn = 0.3 * facing;
        paintHead(p, angel, c, size * 0.62);
        break;
    }
    case Creature::Eagle:
        eagleHead(p, c, size, facing);
        break;
    case Creature::Lion:
        lionFace(p, c, size);
        break;
    case Creature::Bull:
        bullHead(p, c, size);
        break;
    }
}

void paintCreaturesInCorners(QPainter &p, const QRectF &area, double size)
{
    const double left = area.left() + 0.73 * size, right = area.right() - 0.73 * size;
    const double top = area.top() + 0.45 * size, bottom = area.bottom() - 0.56 * size;
    paintCreature(p, Creature::Angel, {left, top}, size, 1);
    paintCreature(p, Creature::Eagle, {right, top}, size, -1);
    paintCreature(p, Creature::Bull, {left, bottom}, size, 1);
    paintCreature(p, Creature::Lion, {right, bottom}, size, -1);
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
    drawLine(p, t.map(bill), kBill, line);
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
    const Tone &shell = kCrayfishShell;
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
        drawShape(p, t.map(limb({{s * 0.08, -0.14}, {s * 0.2, -0.26}, {s * 0.2, -0.36}}, {0.035, 0.035, 0.04})), shell,
                  line, line);
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
        drawShape(p, t.map(ellipse(QPointF(0, 0.12 + i * 0.065), 0.075 - i * 0.006, 0.04)), shell, line, line);
    const std::vector<QPointF> fan{{0, 0.34}, {0.1, 0.44}, {0.04, 0.46}, {0, 0.42}, {-0.04, 0.46}, {-0.1, 0.44}};
    drawShape(p, t.map(smoothClosed(fan)), shell, line, line);
    for (int s : {-1, 1})
        drawShape(p, t.map(ellipse(QPointF(s * 0.04, -0.2), 0.018, 0.018)), {kOutline, kOutline}, 0, 0);
}

} // namespace artwork::figures
