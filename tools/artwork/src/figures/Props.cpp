#include "figures/Props.h"

#include "figures/Shapes.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace {

} // namespace

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

void paintHornedCrown(QPainter &p, const Figure &f)
{
    const Body b = bodyOf(f);
    const double u = b.unit;
    const QPointF c = b.crown;
    // A band round the brow, the horns rising from it, the moon between them.
    QPainterPath horns;
    horns.addEllipse(c + QPointF(0, -0.28 * u), 0.66 * u, 0.5 * u);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(0, -0.5 * u), 0.52 * u, 0.5 * u);
    QPainterPath above;
    above.addRect(QRectF(c.x() - u, c.y() - 1.5 * u, 2 * u, 1.5 * u + 0.12 * u));
    drawShape(p, horns.subtracted(bite).intersected(above), kSilver, std::max(1.0, 0.08 * u));
    drawShape(p, ellipse(c + QPointF(0, -0.4 * u), 0.3 * u, 0.3 * u), kFullMoon, std::max(1.0, 0.08 * u));
    QPainterPath band;
    band.addRoundedRect(QRectF(c.x() - 0.42 * u, c.y() + 0.04 * u, 0.84 * u, 0.14 * u), 0.05 * u, 0.05 * u);
    drawShape(p, band, kSilver, 0.5, 0.8);
}

void paintTiara(QPainter &p, const Figure &f)
{
    const Body b = bodyOf(f);
    const double u = b.unit, w = b.headWidth;
    const double bottom = b.crown.y() + 0.32 * u, top = b.crown.y() - 1.1 * u, cx = b.crown.x();
    // A beehive of cream cloth, three gold crowns round it, a cross on top.
    QPainterPath hive;
    hive.moveTo(cx - 0.56 * w, bottom);
    hive.cubicTo(cx - 0.6 * w, top + 0.4 * u, cx - 0.3 * w, top, cx, top);
    hive.cubicTo(cx + 0.3 * w, top, cx + 0.6 * w, top + 0.4 * u, cx + 0.56 * w, bottom);
    hive.closeSubpath();
    drawShape(p, hive, kParchment, std::max(1.0, 0.1 * u));
    for (int tier = 0; tier < 3; ++tier) {
        const double y = bottom - 0.08 * u - tier * 0.44 * u;
        const double half = (0.6 - tier * 0.09) * w;
        QPainterPath crown;
        crown.moveTo(cx - half, y);
        const int points = 5;
        for (int i = 0; i <= 2 * points; ++i) {
            const double x = cx - half + 2 * half * i / (2 * points);
            crown.lineTo(x, y - (i % 2 ? 0.16 * u : 0.3 * u));
        }
        crown.lineTo(cx + half, y + 0.08 * u);
        crown.lineTo(cx - half, y + 0.08 * u);
        crown.closeSubpath();
        drawShape(p, crown.intersected(hive.united(crown.translated(0, 0.1 * u)).intersected(hive)), kGold, 0.6, 0.8);
    }
    QPainterPath cross;
    cross.addRect(QRectF(cx - 0.05 * u, top - 0.42 * u, 0.1 * u, 0.46 * u));
    cross.addRect(QRectF(cx - 0.16 * u, top - 0.3 * u, 0.32 * u, 0.09 * u));
    drawShape(p, united(cross), kGold, 0.5, 0.8);
    drawShape(p, ellipse(QPointF(cx, top), 0.1 * u, 0.08 * u), kGold, 0.4, 0.7);
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
        drawShape(p, ring, kChainIron, 0.5, 0.7);
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
    drawShape(p, ellipse(c, r, r), kHaloGold, std::max(1.0, r * 0.08), std::max(0.8, r * 0.04));
}

} // namespace artwork::figures
