// Things held in a hand: the kit's `Held` list, drawn by paintHeld with
// their grip at the hand, and the held things painted on their own (the
// triple cross, a bundle on a pole, a scroll, a shield, a key, a trumpet, a
// jug).

#include "figures/Held.h"

#include "Emblems.h"
#include "PipLayout.h"
#include "figures/Plants.h"
#include "figures/Shapes.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace {

// A held thing's box with the grip at the origin, upright.
struct HeldBox {
    QRectF box;
    bool handInFront = true; // the fist closes over it
};

HeldBox heldBox(Held held, double u, double toGround)
{
    using layout::pipAspect;
    auto box = [](double w, double h, double gripFromTop) { return QRectF(-w / 2, -gripFromTop * h, w, h); };
    switch (held) {
    case Held::Sword: {
        const double h = 3.5 * u;
        return {box(h * pipAspect(quillmere::Suit::Swords), h, 0.80)};
    }
    case Held::Wand: {
        const double h = 3.9 * u;
        return {box(h * pipAspect(quillmere::Suit::Wands), h, 0.60)};
    }
    case Held::Cup: {
        const double h = 1.55 * u;
        return {box(h * pipAspect(quillmere::Suit::Cups), h, 0.74)};
    }
    case Held::Pentacle: {
        const double d = 1.6 * u;
        return {box(d, d, 0.76), true};
    }
    case Held::Staff: {
        const double above = 1.7 * u;
        const double below = std::max(toGround, 0.5 * u);
        return {QRectF(-0.16 * u, -above, 0.32 * u, above + below)};
    }
    case Held::Rod:
        return {box(0.3 * u, 1.9 * u, 0.62)};
    case Held::Lamp:
        return {QRectF(-0.42 * u, -0.15 * u, 0.84 * u, 1.35 * u)};
    case Held::Scales:
        return {QRectF(-1.05 * u, -0.2 * u, 2.1 * u, 1.55 * u)};
    case Held::Flower:
        return {box(0.7 * u, 1.6 * u, 0.68)};
    case Held::Sceptre:
        return {box(0.5 * u, 2.8 * u, 0.62)};
    case Held::Orb:
        return {box(0.8 * u, 1.1 * u, 0.95), true};
    case Held::Banner:
        return {QRectF(-0.15 * u, -3.2 * u, 1.9 * u, 4.6 * u)};
    case Held::Nothing:
        break;
    }
    return {QRectF()};
}

void paintStaff(QPainter &p, const QRectF &b, double u, unsigned seed)
{
    Roughness rough(seed + 3);
    std::vector<QPointF> pts;
    const double cx = b.center().x(), half = 0.09 * u;
    const int steps = 8;
    for (int i = 0; i <= steps; ++i)
        pts.emplace_back(cx + half + 0.02 * u * rough.next(), b.top() + 0.35 * u + (b.height() - 0.35 * u) * i / steps);
    for (int i = steps; i >= 0; --i)
        pts.emplace_back(cx - half + 0.02 * u * rough.next(), b.top() + 0.35 * u + (b.height() - 0.35 * u) * i / steps);
    drawShape(p, smoothClosed(pts), kWood, std::max(0.8, half * 0.6));
    // A turned knob at the top.
    drawShape(p, ellipse(QPointF(cx, b.top() + 0.22 * u), 0.17 * u, 0.22 * u), kWood, 0.8);
}

void paintRod(QPainter &p, const QRectF &b, double u)
{
    QPainterPath rod;
    rod.addRoundedRect(QRectF(b.center().x() - 0.08 * u, b.top() + 0.1 * u, 0.16 * u, b.height() - 0.1 * u), 0.06 * u,
                       0.06 * u);
    drawShape(p, rod, kWood, 0.8);
    // White tips at both ends.
    for (double y : {b.top() + 0.18 * u, b.bottom() - 0.12 * u})
        drawShape(p, ellipse(QPointF(b.center().x(), y), 0.13 * u, 0.16 * u), kParchment, 0.6);
}

void paintSceptre(QPainter &p, const QRectF &b, double u)
{
    const double cx = b.center().x();
    QPainterPath rod;
    rod.addRoundedRect(QRectF(cx - 0.08 * u, b.top() + 0.45 * u, 0.16 * u, b.height() - 0.45 * u), 0.05 * u, 0.05 * u);
    drawShape(p, rod, kGold, 0.8);
    // A knob with a small cross.
    QPainterPath cross;
    cross.addRect(QRectF(cx - 0.04 * u, b.top(), 0.08 * u, 0.3 * u));
    cross.addRect(QRectF(cx - 0.13 * u, b.top() + 0.08 * u, 0.26 * u, 0.08 * u));
    drawShape(p, united(cross), kGold, 0.5, 0.7);
    drawShape(p, ellipse(QPointF(cx, b.top() + 0.42 * u), 0.2 * u, 0.18 * u), kGold, 1.0);
    drawShape(p, ellipse(QPointF(cx, b.bottom() - 0.08 * u), 0.12 * u, 0.1 * u), kGold, 0.6);
}

void paintOrb(QPainter &p, const QRectF &b, double u)
{
    const double cx = b.center().x();
    const QPointF c(cx, b.bottom() - 0.36 * u);
    QPainterPath cross;
    cross.addRect(QRectF(cx - 0.05 * u, b.top(), 0.1 * u, 0.4 * u));
    cross.addRect(QRectF(cx - 0.15 * u, b.top() + 0.1 * u, 0.3 * u, 0.09 * u));
    drawShape(p, united(cross), kGold, 0.5, 0.7);
    drawShape(p, ellipse(c, 0.36 * u, 0.36 * u), kGold, std::max(1.0, 0.1 * u));
    QPainterPath band;
    band.moveTo(c + QPointF(-0.36 * u, 0));
    band.quadTo(c + QPointF(0, 0.12 * u), c + QPointF(0.36 * u, 0));
    band.moveTo(c + QPointF(0, -0.36 * u));
    band.lineTo(c + QPointF(0, 0.06 * u));
    drawLine(p, band, kEngraving, std::max(0.7, 0.05 * u));
}

void paintLamp(QPainter &p, const QRectF &b, double u)
{
    const double cx = b.center().x(), top = b.top();
    // The ring it hangs from, then a six-sided lantern with a light inside.
    QPainterPath ring;
    ring.addEllipse(QPointF(cx, top + 0.15 * u), 0.1 * u, 0.12 * u);
    drawLine(p, ring, kIron.shade, std::max(0.8, 0.05 * u));
    QPainterPath roof;
    roof.moveTo(cx, top + 0.22 * u);
    roof.lineTo(cx + 0.4 * u, top + 0.52 * u);
    roof.lineTo(cx - 0.4 * u, top + 0.52 * u);
    roof.closeSubpath();
    drawShape(p, roof, kIron, 0.8);
    QPainterPath glass;
    glass.addRoundedRect(QRectF(cx - 0.32 * u, top + 0.52 * u, 0.64 * u, 0.62 * u), 0.05 * u, 0.05 * u);
    drawShape(p, glass, kLampGlass, 0.8);
    // A six-pointed star of light.
    const QPointF c(cx, top + 0.83 * u);
    QPainterPath star;
    for (int t = 0; t < 2; ++t) {
        for (int i = 0; i <= 3; ++i) {
            const double a = -M_PI / 2 + t * M_PI / 3 + i * 2 * M_PI / 3;
            const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * 0.22 * u;
            i == 0 ? star.moveTo(q) : star.lineTo(q);
        }
    }
    drawLine(p, star, kLampStar, std::max(0.6, 0.04 * u));
    QPainterPath frame;
    frame.moveTo(cx, top + 0.52 * u);
    frame.lineTo(cx, top + 1.14 * u);
    drawLine(p, frame, kIron.shade, std::max(0.6, 0.05 * u));
    QPainterPath foot;
    foot.addRoundedRect(QRectF(cx - 0.36 * u, top + 1.12 * u, 0.72 * u, 0.16 * u), 0.05 * u, 0.05 * u);
    drawShape(p, foot, kIron, 0.6);
}

void paintScales(QPainter &p, const QRectF &b, double u)
{
    const double cx = b.center().x(), top = b.top() + 0.2 * u;
    const double w = 0.95 * u;
    QPainterPath beam;
    beam.moveTo(cx - w, top + 0.25 * u);
    beam.lineTo(cx + w, top + 0.25 * u);
    beam.moveTo(cx, top - 0.1 * u);
    beam.lineTo(cx, top + 0.35 * u);
    drawLine(p, beam, kGold.shade, std::max(1.0, 0.09 * u));
    drawLine(p, beam, kGold.base, std::max(0.6, 0.05 * u));
    for (int side : {-1, 1}) {
        const double x = cx + side * w;
        QPainterPath cords;
        cords.moveTo(x, top + 0.25 * u);
        cords.lineTo(x - 0.3 * u, top + 1.05 * u);
        cords.moveTo(x, top + 0.25 * u);
        cords.lineTo(x + 0.3 * u, top + 1.05 * u);
        drawLine(p, cords, kGold.shade, std::max(0.6, 0.04 * u));
        QPainterPath pan;
        pan.moveTo(x - 0.36 * u, top + 1.05 * u);
        pan.quadTo(x, top + 1.4 * u, x + 0.36 * u, top + 1.05 * u);
        pan.closeSubpath();
        drawShape(p, pan, kGold, 0.8);
    }
}

void paintFlower(QPainter &p, const QRectF &b, double u, unsigned seed)
{
    const double cx = b.center().x();
    QPainterPath stem;
    stem.moveTo(cx, b.bottom());
    stem.quadTo(cx + 0.1 * u, b.top() + 0.8 * u, cx, b.top() + 0.35 * u);
    drawLine(p, stem, kLeaf.shade, std::max(0.8, 0.07 * u));
    QPainterPath leaf;
    const QPointF l0(cx + 0.03 * u, b.top() + 0.95 * u);
    leaf.moveTo(l0);
    leaf.quadTo(l0 + QPointF(0.25 * u, -0.25 * u), l0 + QPointF(0.4 * u, -0.1 * u));
    leaf.quadTo(l0 + QPointF(0.2 * u, 0.05 * u), l0);
    drawShape(p, leaf, kLeaf, 0.6, 0.7);
    // A rose of five round petals (red), or a white lily when the seed is odd.
    const QPointF c(cx, b.top() + 0.3 * u);
    const Tone petals = seed % 2 ? kParchment : kRoseRed;
    QPainterPath bloom;
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        bloom.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * 0.15 * u, 0.15 * u, 0.15 * u);
    }
    drawShape(p, united(bloom), petals, 0.8);
    drawShape(p, ellipse(c, 0.08 * u, 0.08 * u), kGold, 0.4, 0.6);
}

void paintBanner(QPainter &p, const QRectF &b, double u, const Flag &look)
{
    const double x = b.left() + 0.15 * u;
    QPainterPath pole;
    pole.addRoundedRect(QRectF(x - 0.07 * u, b.top() + 0.2 * u, 0.14 * u, b.height() - 0.2 * u), 0.05 * u, 0.05 * u);
    drawShape(p, pole, kWood, 0.7);
    drawShape(p, ellipse(QPointF(x, b.top() + 0.14 * u), 0.14 * u, 0.14 * u), kGold, 0.6);
    // A flag with a rippling fly end, bearing its sign.
    QPainterPath flag;
    const double top = b.top() + 0.3 * u, h = 1.2 * u, w = b.width() - 0.2 * u;
    flag.moveTo(x + 0.06 * u, top);
    flag.cubicTo(x + w * 0.4, top - 0.2 * u, x + w * 0.6, top + 0.2 * u, x + w, top + 0.05 * u);
    flag.lineTo(x + w - 0.2 * u, top + h * 0.5);
    flag.lineTo(x + w, top + h);
    flag.cubicTo(x + w * 0.6, top + h + 0.15 * u, x + w * 0.4, top + h - 0.2 * u, x + 0.06 * u, top + h);
    flag.closeSubpath();
    drawShape(p, flag, look.cloth, 1.0);
    switch (look.sign) {
    case FlagSign::RedCross: {
        QPainterPath cross;
        const double fx = x + w * 0.42, fy = top + h * 0.5;
        cross.moveTo(fx, fy - 0.35 * u);
        cross.lineTo(fx, fy + 0.35 * u);
        cross.moveTo(fx - 0.3 * u, fy);
        cross.lineTo(fx + 0.3 * u, fy);
        drawLine(p, cross, kCrossGuard.base, std::max(1.0, 0.12 * u));
        break;
    }
    case FlagSign::WhiteRose:
        paintWhiteRose(p, {x + w * 0.44, top + h * 0.5}, 0.42 * u);
        break;
    case FlagSign::None:
        break;
    }
}

} // namespace

void paintHeld(QPainter &p, Held held, QPointF grip, double u, double angle, double ground, unsigned seed,
               const Flag &flag)
{
    if (held == Held::Nothing)
        return;
    const QRectF b = heldBox(held, u, ground - grip.y()).box;
    p.save();
    p.translate(grip);
    p.rotate(angle);
    switch (held) {
    case Held::Sword:
        paintSword(p, b);
        break;
    case Held::Wand:
        paintWand(p, b, seed);
        break;
    case Held::Cup:
        paintCup(p, b);
        break;
    case Held::Pentacle:
        paintPentacle(p, b);
        break;
    case Held::Staff:
        paintStaff(p, b, u, seed);
        break;
    case Held::Rod:
        paintRod(p, b, u);
        break;
    case Held::Lamp:
        paintLamp(p, b, u);
        break;
    case Held::Scales:
        paintScales(p, b, u);
        break;
    case Held::Flower:
        paintFlower(p, b, u, seed);
        break;
    case Held::Sceptre:
        paintSceptre(p, b, u);
        break;
    case Held::Orb:
        paintOrb(p, b, u);
        break;
    case Held::Banner:
        paintBanner(p, b, u, flag);
        break;
    case Held::Nothing:
        break;
    }
    p.restore();
}

QRectF heldBounds(Held held, QPointF grip, double u, double angle, double ground)
{
    if (held == Held::Nothing)
        return {};
    QTransform t;
    t.translate(grip.x(), grip.y());
    t.rotate(angle);
    return t.mapRect(heldBox(held, u, ground - grip.y()).box);
}

void paintTripleCross(QPainter &p, QPointF bottom, QPointF top, double u)
{
    QPainterPath rod;
    rod.addRoundedRect(QRectF(top.x() - 0.07 * u, top.y(), 0.14 * u, bottom.y() - top.y()), 0.05 * u, 0.05 * u);
    QPainterPath bars;
    for (int i = 0; i < 3; ++i) {
        const double half = (0.28 + 0.14 * i) * u, y = top.y() + (0.18 + 0.34 * i) * u;
        bars.addRoundedRect(QRectF(top.x() - half, y, 2 * half, 0.11 * u), 0.04 * u, 0.04 * u);
    }
    drawShape(p, united(rod.united(bars)), kGold, 0.8, std::max(0.8, 0.05 * u));
    drawShape(p, ellipse(top, 0.1 * u, 0.1 * u), kGold, 0.4, 0.7);
}

void paintBundleOnPole(QPainter &p, QPointF grip, double length, double angle, double u, const Tone &cloth)
{
    const QPointF d = heading(angle);
    const QPointF from = grip - d * 0.3 * u, end = grip + d * length;
    drawShape(p, limb({from, end}, {0.08 * u, 0.07 * u}), kWood, 0.6, 0.8);
    // The bundle: a sack tied at the top, hanging from the pole's end.
    const QPointF knot = end - d * 0.25 * u + QPointF(0, 0.05 * u);
    const double r = 0.55 * u;
    const QPointF belly = knot + QPointF(0, 0.75 * u);
    const std::vector<QPointF> sack{knot + QPointF(-0.12 * u, 0),        knot + QPointF(0.12 * u, 0),
                                    belly + QPointF(r * 0.9, -0.25 * r), belly + QPointF(r, 0.3 * r),
                                    belly + QPointF(0.4 * r, 0.85 * r),  belly + QPointF(-0.5 * r, 0.82 * r),
                                    belly + QPointF(-r, 0.25 * r),       belly + QPointF(-0.85 * r, -0.3 * r)};
    drawShape(p, smoothClosed(sack), cloth, std::max(1.0, 0.1 * u));
    // Its tied ears and a cord round the neck.
    drawShape(p, ellipse(knot + QPointF(-0.14 * u, -0.12 * u), 0.14 * u, 0.07 * u, -40), cloth, 0.4, 0.8);
    drawShape(p, ellipse(knot + QPointF(0.14 * u, -0.12 * u), 0.14 * u, 0.07 * u, 40), cloth, 0.4, 0.8);
    QPainterPath cord;
    cord.moveTo(knot + QPointF(-0.2 * u, 0.12 * u));
    cord.lineTo(knot + QPointF(0.2 * u, 0.12 * u));
    drawLine(p, cord, kEngraving, std::max(0.8, 0.06 * u));
}

void paintScroll(QPainter &p, QPointF c, double len, double angle)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    const double h = len * 0.34;
    QPainterPath sheet;
    sheet.addRect(QRectF(-len * 0.36, -h / 2, len * 0.72, h));
    drawShape(p, sheet, kParchment, 1.0);
    QPainterPath lines;
    for (int i = 1; i <= 3; ++i) {
        const double y = -h / 2 + h * i / 4;
        lines.moveTo(-len * 0.26, y);
        lines.lineTo(len * 0.26 - (i == 3 ? len * 0.16 : 0), y);
    }
    drawLine(p, lines, kEngraving, std::max(0.6, len * 0.018));
    // The rolled ends.
    for (int s : {-1, 1}) {
        QPainterPath roll;
        roll.addRoundedRect(QRectF(s * len * 0.36 - len * 0.1, -h * 0.62, len * 0.2, h * 1.24), len * 0.08, len * 0.08);
        drawShape(p, roll, kParchment, 1.0);
    }
    p.restore();
}

void paintHeartShield(QPainter &p, QPointF c, double height)
{
    auto heart = [&](double s) {
        const double w = height * 0.55 * s, h = height * 0.5 * s;
        QPainterPath path;
        path.moveTo(c.x(), c.y() - h * 0.55);
        path.cubicTo(c.x() + w * 0.2, c.y() - h * 1.1, c.x() + w * 1.05, c.y() - h * 1.05, c.x() + w, c.y() - h * 0.35);
        path.cubicTo(c.x() + w * 0.95, c.y() + h * 0.2, c.x() + w * 0.4, c.y() + h * 0.6, c.x(), c.y() + h);
        path.cubicTo(c.x() - w * 0.4, c.y() + h * 0.6, c.x() - w * 0.95, c.y() + h * 0.2, c.x() - w, c.y() - h * 0.35);
        path.cubicTo(c.x() - w * 1.05, c.y() - h * 1.05, c.x() - w * 0.2, c.y() - h * 1.1, c.x(), c.y() - h * 0.55);
        path.closeSubpath();
        return path;
    };
    drawShape(p, heart(1.0), kGold, std::max(1.2, height * 0.05));
    drawShape(p, heart(0.78).translated(0, -height * 0.03), kHeartRed, std::max(1.0, height * 0.04));
    // The sign of Venus: a ring over a cross.
    const QPointF ring = c + QPointF(0, -height * 0.12);
    const double r = height * 0.12;
    QPainterPath sign;
    sign.addEllipse(ring, r, r);
    sign.moveTo(ring + QPointF(0, r));
    sign.lineTo(ring + QPointF(0, r + height * 0.22));
    sign.moveTo(ring + QPointF(-r * 0.75, r + height * 0.11));
    sign.lineTo(ring + QPointF(r * 0.75, r + height * 0.11));
    drawLine(p, sign, kOutline, std::max(2.0, height * 0.075));
    drawLine(p, sign, kGold.base, std::max(1.1, height * 0.04));
}

void paintKey(QPainter &p, QPointF bow, double length, double angle, const Tone &metal)
{
    p.save();
    p.translate(bow);
    p.rotate(angle);
    // Drawn pointing up from the bow at the origin.
    const double r = length * 0.16, shaftW = length * 0.055;
    QPainterPath key;
    key.addEllipse(QPointF(0, 0), r, r * 0.85);
    key.addRect(QRectF(-shaftW, -length + r * 0.4, 2 * shaftW, length - r * 0.9));
    // The bit, with two notches cut in it.
    QPainterPath bit;
    bit.addRect(QRectF(shaftW * 0.5, -length + r * 0.4, length * 0.2, length * 0.22));
    QPainterPath notch;
    notch.addRect(
        QRectF(shaftW * 0.5 + length * 0.09, -length + r * 0.4 + length * 0.06, length * 0.12, length * 0.04));
    notch.addRect(
        QRectF(shaftW * 0.5 + length * 0.09, -length + r * 0.4 + length * 0.13, length * 0.12, length * 0.035));
    key = united(key.united(bit)).subtracted(notch);
    QPainterPath hole;
    hole.addEllipse(QPointF(0, 0), r * 0.5, r * 0.4);
    drawShape(p, key.subtracted(hole), metal, std::max(1.0, length * 0.04), std::max(0.8, length * 0.025));
    p.restore();
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
    drawShape(p, ellipse(to + along * w * 0.3, w * 1.1, w * 3.4, angleOf(along)), kGoldInside, 0, 0.9);
    for (double f : {0.3, 0.6})
        drawShape(p, ellipse(from + along * len * f, w * 0.9, w * 1.6, angleOf(along)), kGold, 0.5, 0.9);
}

QPointF paintJug(QPainter &p, QPointF grip, double size, double degrees)
{
    // Upright, the grip at the neck; the belly below, the lip above.
    const double s = size;
    QTransform t;
    t.translate(grip.x(), grip.y());
    t.rotate(degrees);
    const Tone &clay = kClay;
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
    drawShape(p, t.map(ellipse(QPointF(0, -s * 0.36), s * 0.17, s * 0.05)), kJugMouth, 0, 0.8);
    return t.map(QPointF(-s * 0.16, -s * 0.36));
}

} // namespace artwork::figures
