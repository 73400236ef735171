#include "trumps/FirstParts.h"

#include "Emblems.h"
#include "figures/Landscape.h"
#include "figures/Shapes.h"

#include <QImage>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace artwork::first {

using namespace style;
using namespace figures;
using namespace figures::shapes;

namespace {

QPointF polar(QPointF c, double r, double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return c + QPointF(std::cos(a), std::sin(a)) * r;
}

// A direction `degrees` clockwise from straight up.
QPointF heading(double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return {std::sin(a), -std::cos(a)};
}

double angleOf(QPointF d)
{
    return std::atan2(d.y(), d.x()) * 180 / M_PI;
}

const Tone kSilver{{226, 230, 236}, {160, 168, 184}};
const Tone kPomegranate{{196, 42, 52}, {128, 22, 34}};

} // namespace

QRectF trumpScene()
{
    return {9, 9, 182, 261};
}

void paintWithin(QPainter &p, const QRectF &keep, const std::function<void(QPainter &)> &draw)
{
    QImage layer(p.device()->width(), p.device()->height(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter lp(&layer);
    lp.setRenderHints(p.renderHints());
    lp.setWorldTransform(p.worldTransform());
    draw(lp);
    lp.end();
    p.save();
    p.setClipRect(keep, Qt::IntersectClip);
    p.resetTransform();
    p.drawImage(0, 0, layer);
    p.restore();
}

// ---- Hands -------------------------------------------------------------------

void paintFist(QPainter &p, const Figure &f, int side)
{
    const Body b = bodyOf(f);
    const auto i = static_cast<std::size_t>(side > 0);
    const QPointF h = b.hand[i];
    drawShape(p, ellipse(h, 0.2 * b.unit, 0.16 * b.unit, angleOf(h - b.elbow[i])), f.skin, 0.5, 0.8);
}

void paintPointingHand(QPainter &p, const Figure &f, int side, QPointF direction)
{
    const Body b = bodyOf(f);
    const auto i = static_cast<std::size_t>(side > 0);
    const double u = b.unit;
    const QPointF h = b.hand[i], d = unitVector(direction);
    drawShape(p, limb({h + d * 0.05 * u, h + d * 0.55 * u}, {0.075 * u, 0.06 * u}), f.skin, 0.4, 0.8);
    drawShape(p, ellipse(h, 0.2 * u, 0.17 * u, angleOf(h - b.elbow[i])), f.skin, 0.5, 0.8);
}

void paintBlessingHand(QPainter &p, const Figure &f, int side)
{
    const Body b = bodyOf(f);
    const auto i = static_cast<std::size_t>(side > 0);
    const double u = b.unit;
    const QPointF h = b.hand[i], up(0, -1), across(-side, 0);
    // Two fingers straight up, side by side, then the palm with the folded fingers over their roots.
    for (double off : {-0.06, 0.07})
        drawShape(p, limb({h + across * off * u, h + across * off * u + up * 0.52 * u}, {0.06 * u, 0.05 * u}),
                  f.skin, 0.3, 0.8);
    drawShape(p, ellipse(h + QPointF(0, 0.02 * u), 0.19 * u, 0.17 * u), f.skin, 0.5, 0.8);
    // The thumb folded across the palm.
    drawShape(p, ellipse(h + across * 0.1 * u + QPointF(0, 0.06 * u), 0.1 * u, 0.05 * u, -side * 30.0),
              f.skin, 0, 0.7);
}

// ---- Things held or worn -----------------------------------------------------

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
    drawShape(p, ellipse(c + QPointF(0, -0.4 * u), 0.3 * u, 0.3 * u), {{248, 246, 232}, {206, 200, 176}},
              std::max(1.0, 0.08 * u));
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
        drawShape(p, crown.intersected(hive.united(crown.translated(0, 0.1 * u)).intersected(hive)), kGold,
                  0.6, 0.8);
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
    rod.addRoundedRect(QRectF(top.x() - 0.07 * u, top.y(), 0.14 * u, bottom.y() - top.y()), 0.05 * u,
                       0.05 * u);
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
    const std::vector<QPointF> sack{
        knot + QPointF(-0.12 * u, 0),        knot + QPointF(0.12 * u, 0),
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
        roll.addRoundedRect(QRectF(s * len * 0.36 - len * 0.1, -h * 0.62, len * 0.2, h * 1.24), len * 0.08,
                            len * 0.08);
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
        path.cubicTo(c.x() + w * 0.2, c.y() - h * 1.1, c.x() + w * 1.05, c.y() - h * 1.05, c.x() + w,
                     c.y() - h * 0.35);
        path.cubicTo(c.x() + w * 0.95, c.y() + h * 0.2, c.x() + w * 0.4, c.y() + h * 0.6, c.x(), c.y() + h);
        path.cubicTo(c.x() - w * 0.4, c.y() + h * 0.6, c.x() - w * 0.95, c.y() + h * 0.2, c.x() - w,
                     c.y() - h * 0.35);
        path.cubicTo(c.x() - w * 1.05, c.y() - h * 1.05, c.x() - w * 0.2, c.y() - h * 1.1, c.x(),
                     c.y() - h * 0.55);
        path.closeSubpath();
        return path;
    };
    drawShape(p, heart(1.0), kGold, std::max(1.2, height * 0.05));
    drawShape(p, heart(0.78).translated(0, -height * 0.03), {{204, 56, 70}, {148, 30, 46}},
              std::max(1.0, height * 0.04));
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
    notch.addRect(QRectF(shaftW * 0.5 + length * 0.09, -length + r * 0.4 + length * 0.06, length * 0.12,
                         length * 0.04));
    notch.addRect(QRectF(shaftW * 0.5 + length * 0.09, -length + r * 0.4 + length * 0.13, length * 0.12,
                         length * 0.035));
    key = united(key.united(bit)).subtracted(notch);
    QPainterPath hole;
    hole.addEllipse(QPointF(0, 0), r * 0.5, r * 0.4);
    drawShape(p, key.subtracted(hole), metal, std::max(1.0, length * 0.04), std::max(0.8, length * 0.025));
    p.restore();
}

// ---- Buildings and furniture -------------------------------------------------

void paintTable(QPainter &p, double left, double right, double backY, double topY, double bottom,
                const Tone &top)
{
    const double apron = 16, leg = 10, inset = 8;
    for (double x : {left + 6, right - 6 - leg}) {
        QPainterPath l;
        l.addRect(QRectF(x, topY + apron - 2, leg, bottom - topY - apron + 2));
        drawShape(p, l, kWood, 2.0);
    }
    QPainterPath front;
    front.addRect(QRectF(left, topY, right - left, apron));
    drawShape(p, front, kWood, 2.4);
    QPainterPath panel;
    panel.addRect(QRectF(left + 12, topY + 4, right - left - 24, apron - 8));
    drawLine(p, panel, kWood.shade, 0.9);
    QPainterPath surface;
    surface.moveTo(left + inset, backY);
    surface.lineTo(right - inset, backY);
    surface.lineTo(right, topY);
    surface.lineTo(left, topY);
    surface.closeSubpath();
    drawShape(p, surface, top, 1.2);
}

void paintVeil(QPainter &p, const QRectF &area, const Tone &cloth, const Tone &fruit)
{
    QPainterPath veil;
    veil.addRect(area);
    drawShape(p, veil, cloth, 2.0);
    p.save();
    p.setClipPath(veil, Qt::IntersectClip);
    // Palm fronds in pairs and pomegranates between them, in offset rows.
    const double step = 22;
    int row = 0;
    for (double y = area.top() + 14; y < area.bottom() + step; y += step * 0.8, ++row) {
        for (double x = area.left() + (row % 2 ? step / 2 : 0) + 4; x < area.right() + step; x += step) {
            QPainterPath fronds;
            for (int s : {-1, 1}) {
                fronds.moveTo(x, y + 5);
                fronds.quadTo(x + s * 5, y + 1, x + s * 7, y + 5);
                fronds.quadTo(x + s * 4, y + 5, x, y + 5);
                fronds.closeSubpath();
            }
            drawShape(p, fronds, {{92, 140, 70}, {60, 100, 48}}, 0.6, 0.7);
            drawShape(p, ellipse(QPointF(x, y), 4.2, 4.0), fruit, 1.0, 0.8);
            QPainterPath calyx;
            calyx.moveTo(x - 2, y - 3.4);
            calyx.lineTo(x - 2.4, y - 6);
            calyx.lineTo(x, y - 4.6);
            calyx.lineTo(x + 2.4, y - 6);
            calyx.lineTo(x + 2, y - 3.4);
            calyx.closeSubpath();
            drawShape(p, calyx, fruit, 0, 0.7);
        }
    }
    p.restore();
    // A rod along the top with rings.
    QPainterPath rod;
    rod.addRoundedRect(QRectF(area.left() - 4, area.top() - 3, area.width() + 8, 5), 2, 2);
    drawShape(p, rod, kGold, 1.0);
}

void paintCurtain(QPainter &p, const QRectF &area, const Tone &cloth)
{
    QPainterPath curtain;
    curtain.addRect(area);
    drawShape(p, curtain, cloth, 2.0);
    // Folds falling from the rod, a little wider apart towards the bottom.
    QPainterPath folds;
    const int n = 7;
    for (int i = 1; i < n; ++i) {
        const double x = area.left() + area.width() * i / n;
        folds.moveTo(x, area.top() + 4);
        folds.quadTo(x + 3, area.center().y(), x + (i - n / 2.0) * 2, area.bottom());
    }
    drawLine(p, folds, cloth.shade, 2.0);
    QPainterPath rod;
    rod.addRoundedRect(QRectF(area.left() - 4, area.top() - 3, area.width() + 8, 5), 2, 2);
    drawShape(p, rod, kGold, 1.0);
}

void paintBench(QPainter &p, const Figure &seated, const Tone &stone)
{
    const Body b = bodyOf(seated);
    const double u = b.unit, cx = b.hips.x(), ground = seated.base.y();
    const double half = b.shoulderHalf + 0.5 * u;
    QPainterPath block;
    block.addRect(QRectF(cx - half, b.seatY - 0.3 * u, 2 * half, ground - b.seatY + 0.3 * u));
    drawShape(p, block, stone, std::max(1.4, 0.12 * u));
    QPainterPath top;
    top.addRect(QRectF(cx - half - 0.15 * u, b.seatY - 0.45 * u, 2 * half + 0.3 * u, 0.22 * u));
    drawShape(p, top, stone, 1.0);
}

void paintRamHead(QPainter &p, QPointF c, double size, const Tone &tone)
{
    const double s = size;
    const double line = std::max(0.8, s * 0.04);
    // The horns: thick coils curling down and forward beside the face.
    for (int side : {-1, 1}) {
        std::vector<QPointF> chain;
        std::vector<double> half;
        const QPointF hub = c + QPointF(side * 0.27 * s, -0.04 * s);
        const int steps = 9;
        for (int i = 0; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            // From above the brow, out over the top, down and curling back in.
            const double a = qDegreesToRadians(-150.0 + 330.0 * t);
            const double r = s * (0.22 - 0.14 * t);
            chain.push_back(hub + QPointF(side * std::cos(a) * r, std::sin(a) * r));
            half.push_back(s * (0.09 - 0.05 * t));
        }
        drawShape(p, limb(chain, half), kGold, std::max(1.0, s * 0.05), line);
        QPainterPath ridges;
        for (int i = 2; i < steps; i += 2) {
            const QPointF along =
                unitVector(chain[static_cast<std::size_t>(i + 1)] - chain[static_cast<std::size_t>(i - 1)]);
            const QPointF n = normal(along) * half[static_cast<std::size_t>(i)];
            ridges.moveTo(chain[static_cast<std::size_t>(i)] + n);
            ridges.lineTo(chain[static_cast<std::size_t>(i)] - n);
        }
        drawLine(p, ridges, kGold.shade, std::max(0.6, s * 0.025));
    }
    // Ears sticking out under the horns, then the face: a broad brow narrowing to the muzzle.
    for (int side : {-1, 1})
        drawShape(p, ellipse(c + QPointF(side * 0.24 * s, 0.06 * s), 0.11 * s, 0.045 * s, side * 25.0), tone,
                  std::max(0.6, s * 0.03), line);
    const std::vector<QPointF> right{{0, -0.24 * s},       {0.15 * s, -0.2 * s}, {0.15 * s, 0.02 * s},
                                     {0.09 * s, 0.24 * s}, {0.08 * s, 0.36 * s}, {0, 0.38 * s}};
    std::vector<QPointF> pts;
    for (const QPointF &q : right)
        pts.emplace_back(q.x(), c.y() + q.y());
    drawShape(p, smoothClosed(mirrored(c.x(), pts)), {tone.base.lighter(108), tone.shade},
              std::max(1.0, s * 0.05), line);
    // A tuft of wool on the brow.
    drawShape(p, ellipse(c + QPointF(0, -0.18 * s), 0.1 * s, 0.06 * s), {tone.base.lighter(118), tone.base},
              0.4, std::max(0.6, s * 0.03));
    for (int side : {-1, 1}) {
        drawShape(p, ellipse(c + QPointF(side * 0.085 * s, -0.02 * s), 0.035 * s, 0.025 * s),
                  {kOutline, kOutline}, 0, 0);
        drawShape(p, ellipse(c + QPointF(side * 0.04 * s, 0.32 * s), 0.022 * s, 0.016 * s),
                  {kOutline, kOutline}, 0, 0);
    }
}

void paintCity(QPainter &p, double baseY, double left, double right, unsigned seed)
{
    Roughness rough(seed);
    const Tone stone{{206, 196, 176}, {156, 144, 122}};
    const Tone roof{{168, 70, 52}, {116, 44, 32}};
    QPainterPath wall;
    wall.addRect(QRectF(left, baseY - 16, right - left, 18));
    // Battlements along the wall's top.
    for (double x = left + 2; x < right - 2; x += 8)
        wall.addRect(QRectF(x, baseY - 20, 4, 5));
    drawShape(p, united(wall), stone, 1.6);
    const int towers = 5;
    for (int i = 0; i < towers; ++i) {
        const double x = left + (right - left) * (i + 0.5) / towers + 4 * rough.next();
        const double h = 30 + 12 * std::abs(rough.next());
        paintTower(p, {x, baseY}, 14 + 3 * rough.next(), h, stone,
                   i % 2 ? std::optional<Tone>(roof) : std::nullopt);
    }
}

void paintChariot(QPainter &p, const QRectF &body)
{
    const Tone stone{{206, 200, 186}, {150, 142, 124}};
    const Tone wheel{{170, 112, 56}, {116, 72, 34}};
    // The wheels at the sides, seen a little from the front.
    for (int s : {-1, 1}) {
        const QPointF c(s < 0 ? body.left() + 2 : body.right() - 2, body.bottom() - body.height() * 0.2);
        const double ry = body.height() * 0.5, rx = ry * 0.42;
        QPainterPath tyre;
        tyre.addEllipse(c, rx, ry);
        QPainterPath inner;
        inner.addEllipse(c, rx * 0.68, ry * 0.8);
        drawShape(p, tyre.subtracted(inner), wheel, 1.2);
        QPainterPath spokes;
        for (int i = 0; i < 4; ++i) {
            const double a = i * M_PI / 4;
            spokes.moveTo(c + QPointF(std::cos(a) * rx * 0.7, std::sin(a) * ry * 0.8));
            spokes.lineTo(c - QPointF(std::cos(a) * rx * 0.7, std::sin(a) * ry * 0.8));
        }
        drawLine(p, spokes, wheel.shade, 1.6);
        drawShape(p, ellipse(c, rx * 0.25, ry * 0.18), wheel, 0.6);
    }
    QPainterPath box;
    box.addRect(body);
    drawShape(p, box, stone, 2.6);
    QPainterPath rim;
    rim.addRect(QRectF(body.left() - 3, body.top() - 4, body.width() + 6, 7));
    drawShape(p, rim, kGold, 1.2);
    QPainterPath panel;
    panel.addRect(body.adjusted(6, 8, -6, -5));
    drawLine(p, panel, stone.shade, 1.0);
    // The winged disc on the front.
    const QPointF c = body.center() + QPointF(0, 2);
    const double r = body.height() * 0.16;
    for (int s : {-1, 1}) {
        QPainterPath wing;
        wing.moveTo(c + QPointF(s * r * 0.6, -r * 0.5));
        wing.cubicTo(c + QPointF(s * r * 2.2, -r * 1.5), c + QPointF(s * r * 3.6, -r * 1.0),
                     c + QPointF(s * r * 4.0, -r * 0.6));
        wing.cubicTo(c + QPointF(s * r * 3.0, -r * 0.1), c + QPointF(s * r * 2.0, r * 0.5),
                     c + QPointF(s * r * 0.6, r * 0.4));
        wing.closeSubpath();
        drawShape(p, wing, {{70, 110, 180}, {44, 70, 126}}, 1.0);
        QPainterPath feathers;
        for (double t : {0.4, 0.6, 0.8}) {
            feathers.moveTo(c + QPointF(s * r * (0.8 + 3.0 * t), -r * (0.9 + 0.2 * t)));
            feathers.lineTo(c + QPointF(s * r * (0.6 + 2.0 * t), r * (0.3 - 0.3 * t)));
        }
        drawLine(p, feathers, QColor(44, 70, 126), 0.8);
    }
    drawShape(p, ellipse(c, r, r), kGold, 1.0);
    drawShape(p, ellipse(c, r * 0.45, r * 0.45), kRuby, 0.6, 0.8);
}

void paintCanopy(QPainter &p, double left, double right, double top, double valance, double bottom)
{
    const Tone night{{40, 56, 118}, {26, 36, 84}};
    for (double x : {left, right}) {
        QPainterPath post;
        post.addRoundedRect(QRectF(x - 2.4, top, 4.8, bottom - top), 1.5, 1.5);
        drawShape(p, post, kGold, 1.0);
    }
    // The canopy with a scalloped valance.
    QPainterPath cloth;
    cloth.moveTo(left - 8, top);
    cloth.lineTo(right + 8, top);
    cloth.lineTo(right + 8, valance - 6);
    const int scallops = 7;
    const double step = (right - left + 16) / scallops;
    for (int i = scallops; i > 0; --i) {
        const double x0 = left - 8 + i * step;
        cloth.quadTo(x0 - step / 2, valance + 6, x0 - step, valance - 6);
    }
    cloth.closeSubpath();
    drawShape(p, cloth, night, 2.0);
    QPainterPath hem;
    hem.moveTo(left - 8, top + 2);
    hem.lineTo(right + 8, top + 2);
    drawLine(p, hem, kGold.base, 2.0);
    for (int i = 0; i < 6; ++i) {
        const double x = left + 2 + (right - left - 4) * (i + 0.5) / 6;
        const double y = top + (valance - top) * (i % 2 ? 0.38 : 0.62);
        paintStar(p, {x, y}, 4.2, 6);
    }
    for (double x : {left, right})
        drawShape(p, ellipse(QPointF(x, top - 2), 3.6, 3.6), kGold, 0.8);
}

// ---- Landscape ---------------------------------------------------------------

void paintWheat(QPainter &p, double x0, double x1, double baseY, double height, unsigned seed)
{
    Roughness rough(seed);
    const Tone straw{{214, 170, 72}, {164, 120, 40}};
    const Tone grain{{240, 202, 96}, {190, 144, 52}};
    const Tone far{{200, 154, 60}, {156, 112, 36}};
    const int stalks = std::max(3, static_cast<int>((x1 - x0) / 6));
    // One ear on its stalk, rising from y = from.
    auto ear = [&](double x, double h, double from, const Tone &tone) {
        const double lean = 4 * rough.next();
        const QPointF head(x + lean, baseY - h);
        QPainterPath stalk;
        stalk.moveTo(x, from);
        stalk.quadTo(x + lean * 0.3, baseY - h * 0.7, head.x(), head.y() + 6);
        drawLine(p, stalk, straw.shade, 1.1);
        const QPainterPath shape = ellipse(head, 2.8, 7.5, lean * 3);
        drawShape(p, shape, tone, 0.9, 0.8);
        QPainterPath kernels;
        for (double t : {-0.4, 0.0, 0.4}) {
            kernels.moveTo(head + QPointF(-2.4, t * 10));
            kernels.lineTo(head + QPointF(2.4, t * 10 - 1.5));
        }
        p.save();
        p.setClipPath(shape, Qt::IntersectClip);
        drawLine(p, kernels, tone.shade, 0.6);
        p.restore();
        QPainterPath awns;
        awns.moveTo(head + QPointF(-0.5, -6.5));
        awns.lineTo(head + QPointF(-2, -12));
        awns.moveTo(head + QPointF(0.5, -6.5));
        awns.lineTo(head + QPointF(2, -12));
        drawLine(p, awns, straw.shade, 0.6);
    };
    // The tallest ears at the back, then the body of the field, then a row of
    // ears along its top edge.
    const double massTop = baseY - height * 0.5;
    for (int i = 0; i < stalks; ++i)
        ear(x0 + (x1 - x0) * (i + 0.25) / stalks + 2 * rough.next(), height * (0.9 + 0.1 * rough.next()),
            massTop + 4, far);
    QPainterPath field;
    field.moveTo(x0 - 6, baseY + 30);
    field.quadTo(x0 - 6, massTop + 4, x0 + 6, massTop);
    field.lineTo(x1 + 6, massTop);
    field.lineTo(x1 + 6, baseY + 30);
    field.closeSubpath();
    drawShape(p, field, straw, 2.0);
    for (int i = 0; i < stalks; ++i)
        ear(x0 + (x1 - x0) * (i + 0.75) / stalks + 2 * rough.next(), height * (0.6 + 0.06 * rough.next()),
            baseY, grain);
}

void paintStream(QPainter &p, const std::vector<QPointF> &course, double w0, double w1)
{
    std::vector<double> half;
    for (std::size_t i = 0; i < course.size(); ++i)
        half.push_back((w0 + (w1 - w0) * static_cast<double>(i) / static_cast<double>(course.size() - 1)) /
                       2);
    const QPainterPath water = limb(course, half);
    drawShape(p, water, kSea, 1.6);
    p.save();
    p.setClipPath(water, Qt::IntersectClip);
    QPainterPath ripples;
    for (std::size_t i = 1; i + 1 < course.size(); ++i) {
        const QPointF c = course[i];
        const QPointF along = unitVector(course[i + 1] - course[i - 1]);
        const QPointF n = normal(along) * half[i] * 0.5;
        ripples.moveTo(c - n);
        ripples.quadTo(c + along * 2.0, c + n);
    }
    drawLine(p, ripples, kSea.base.lighter(150), 1.0);
    p.restore();
}

void paintFlameTree(QPainter &p, QPointF base, double height)
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
    const Tone flame{{240, 132, 40}, {196, 66, 30}};
    const Tone core{{252, 214, 92}, {236, 170, 60}};
    struct Tongue {
        double x, y, size;
    };
    const std::vector<Tongue> tongues{{0.0, -1.0, 0.2},    {-0.17, -0.88, 0.17}, {0.17, -0.86, 0.17},
                                      {-0.28, -0.7, 0.15}, {0.28, -0.68, 0.15},  {-0.1, -0.72, 0.15},
                                      {0.1, -0.76, 0.14},  {-0.3, -0.5, 0.13},   {0.3, -0.5, 0.13},
                                      {0.0, -0.56, 0.13}};
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
        const std::vector<QPointF> outline{
            c + QPointF(0.05 * s, -0.7 * s),  c + QPointF(0.28 * s, -0.1 * s),
            c + QPointF(0.32 * s, 0.25 * s),  c + QPointF(0, 0.45 * s),
            c + QPointF(-0.32 * s, 0.25 * s), c + QPointF(-0.26 * s, -0.15 * s)};
        drawShape(p, smoothClosed(outline), flame, std::max(0.8, s * 0.1));
        drawShape(p, ellipse(c + QPointF(0, 0.18 * s), 0.13 * s, 0.2 * s), core, 0, 0.6);
    }
}

void paintSerpentTree(QPainter &p, QPointF base, double height)
{
    paintTree(p, base, height, 21, TreeKind::Round, {{60, 128, 56}, {38, 88, 38}});
    // Apples among the leaves.
    const QPointF crown = base + QPointF(0, -height * 0.62);
    const double r = height * 0.36;
    const std::vector<QPointF> apples{{-0.5, -0.3}, {0.1, -0.6},  {0.55, -0.2}, {-0.2, 0.1},
                                      {0.35, 0.3},  {-0.6, 0.35}, {0.0, -0.15}};
    for (const QPointF &a : apples)
        drawShape(p, ellipse(crown + a * r, height * 0.045, height * 0.045), kRuby, 0.8, 0.8);
    // The serpent winding up the trunk, its head out towards the viewer's left.
    const double y0 = base.y() - height * 0.04, y1 = base.y() - height * 0.55;
    std::vector<QPointF> body;
    for (int i = 0; i <= 8; ++i) {
        const double t = i / 8.0;
        body.emplace_back(base.x() + std::sin(t * 3.2 * M_PI) * height * 0.09, y0 + (y1 - y0) * t);
    }
    body.emplace_back(base.x() - height * 0.12, y1 - height * 0.06);
    body.emplace_back(base.x() - height * 0.2, y1 - height * 0.05);
    paintSerpent(p, body, height * 0.035, {{92, 150, 60}, {54, 98, 36}});
}

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

void paintGlow(QPainter &p, QPointF c, double r, const QColor &outer, const QColor &inner)
{
    // Three rings of light, brightest at the middle.
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const double t = i / 2.0;
        auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
        p.setBrush(QColor(mix(outer.red(), inner.red()), mix(outer.green(), inner.green()),
                          mix(outer.blue(), inner.blue())));
        p.drawEllipse(c, r * (1 - 0.28 * i), r * (1 - 0.28 * i));
    }
    p.restore();
}

// ---- The wheel ---------------------------------------------------------------

void paintWheel(QPainter &p, QPointF c, double r)
{
    const Tone rim{{232, 148, 58}, {178, 100, 34}};
    const Tone disc{{246, 214, 150}, {214, 174, 104}};
    const double rimW = r * 0.24;
    QPainterPath outer;
    outer.addEllipse(c, r, r);
    QPainterPath hole;
    hole.addEllipse(c, r - rimW, r - rimW);
    drawShape(p, outer, rim, std::max(1.6, r * 0.05), 1.3);
    drawShape(p, hole, disc, std::max(1.4, r * 0.04));
    // Eight spokes, the four upright and level ones ending in points like arrows.
    QPainterPath spokes;
    for (int i = 0; i < 8; ++i) {
        const double a = i * 45.0;
        spokes.moveTo(polar(c, r * 0.2, a));
        spokes.lineTo(polar(c, r - rimW, a));
    }
    drawLine(p, spokes, kOutline, std::max(2.6, r * 0.07));
    drawLine(p, spokes, rim.shade, std::max(1.4, r * 0.035));
    // The inner ring and its four signs between the spokes.
    QPainterPath ring;
    ring.addEllipse(c, r * 0.44, r * 0.44);
    QPainterPath ringHole;
    ringHole.addEllipse(c, r * 0.34, r * 0.34);
    drawShape(p, ring.subtracted(ringHole), rim, 1.0);
    const double sr = r * 0.09;
    for (int i = 0; i < 4; ++i) {
        const QPointF q = polar(c, r * 0.58, -67.5 + i * 90.0);
        QPainterPath sign;
        switch (i) {
        case 0: // a ring under horns
            sign.addEllipse(q + QPointF(0, sr * 0.3), sr * 0.6, sr * 0.6);
            sign.moveTo(q + QPointF(-sr * 0.7, -sr * 0.9));
            sign.quadTo(q + QPointF(0, -sr * 0.1), q + QPointF(sr * 0.7, -sr * 0.9));
            break;
        case 1: // water: two waves
            for (double y : {-0.35, 0.35}) {
                sign.moveTo(q + QPointF(-sr, y * sr));
                sign.quadTo(q + QPointF(-sr * 0.5, (y - 0.5) * sr), q + QPointF(0, y * sr));
                sign.quadTo(q + QPointF(sr * 0.5, (y + 0.5) * sr), q + QPointF(sr, y * sr));
            }
            break;
        case 2: // salt: a ring crossed by a bar
            sign.addEllipse(q, sr * 0.75, sr * 0.75);
            sign.moveTo(q + QPointF(-sr, 0));
            sign.lineTo(q + QPointF(sr, 0));
            break;
        default: // sulphur: a triangle over a cross
            sign.moveTo(q + QPointF(0, -sr));
            sign.lineTo(q + QPointF(sr * 0.6, 0));
            sign.lineTo(q + QPointF(-sr * 0.6, 0));
            sign.closeSubpath();
            sign.moveTo(q);
            sign.lineTo(q + QPointF(0, sr * 0.9));
            sign.moveTo(q + QPointF(-sr * 0.45, sr * 0.5));
            sign.lineTo(q + QPointF(sr * 0.45, sr * 0.5));
            break;
        }
        drawLine(p, sign, kInk, std::max(1.0, r * 0.028));
    }
    drawShape(p, ellipse(c, r * 0.17, r * 0.17), rim, 1.0);
    drawShape(p, ellipse(c, r * 0.07, r * 0.07), kGold, 0.5, 0.8);
}

std::vector<QPointF> wheelLetterPlaces(QPointF c, double r)
{
    const double mid = r - r * 0.12;
    std::vector<QPointF> places;
    for (int i = 0; i < 4; ++i)
        places.push_back(polar(c, mid, -45.0 + i * 90.0));
    return places;
}

void paintSphinx(QPainter &p, QPointF base, double size, int facing)
{
    const Tone coat{{96, 136, 196}, {62, 94, 150}};
    const double s = size;
    QTransform t;
    t.translate(base.x(), base.y());
    t.scale(facing * s, s);
    // A lion's body sitting up on its haunches, the forelegs straight, in profile.
    QPainterPath tail;
    tail.moveTo(-0.4, -0.04);
    tail.cubicTo(-0.62, -0.02, -0.7, -0.3, -0.56, -0.42);
    drawLine(p, t.map(tail), kOutline, std::max(2.4, s * 0.05));
    drawLine(p, t.map(tail), coat.base, std::max(1.2, s * 0.025));
    const std::vector<QPointF> body{{-0.44, 0.0},  {-0.5, -0.14}, {-0.44, -0.3}, {-0.28, -0.38},
                                    {-0.1, -0.52}, {0.04, -0.66}, {0.2, -0.68},  {0.27, -0.56},
                                    {0.26, -0.34}, {0.27, -0.1},  {0.3, -0.03},  {0.42, -0.03},
                                    {0.42, 0.0}};
    drawShape(p, t.map(smoothClosed(body)), coat, std::max(1.2, s * 0.04));
    QPainterPath lines;
    lines.moveTo(-0.14, -0.01);
    lines.quadTo(-0.3, -0.3, -0.06, -0.34);
    lines.moveTo(0.12, -0.4);
    lines.lineTo(0.14, -0.04);
    drawLine(p, t.map(lines), coat.shade, std::max(0.8, s * 0.02));

    // A woman's head in a striped headcloth, looking out of the picture.
    const QPointF c = t.map(QPointF(0.14, -0.9));
    const double h = s * 0.34, w = h * 0.88;
    const Tone cloth{{236, 196, 80}, {180, 140, 40}};
    const QColor stripe(52, 80, 150);
    auto striped = [&](const QPainterPath &shape) {
        drawShape(p, shape, cloth, std::max(1.0, h * 0.06));
        p.save();
        p.setClipPath(shape, Qt::IntersectClip);
        QPainterPath bands;
        for (double y = c.y() - h; y < c.y() + 1.2 * h; y += h * 0.16) {
            bands.moveTo(c.x() - 2 * w, y);
            bands.lineTo(c.x() + 2 * w, y);
        }
        drawLine(p, bands, stripe, std::max(0.8, h * 0.05));
        p.restore();
        drawLine(p, shape, kOutline, std::max(0.8, h * 0.05));
    };
    std::vector<QPointF> lappets;
    for (const QPointF &q :
         std::vector<QPointF>{{0, -0.55}, {0.56, -0.4}, {0.62, 0.2}, {0.8, 0.85}, {0.32, 0.92}})
        lappets.emplace_back(q.x() * w, c.y() + q.y() * h);
    striped(smoothClosed(mirrored(c.x(), lappets)));
    Figure face;
    face.build = Build::Woman;
    face.hair = Hair::Bald;
    face.hairColour = cloth.base;
    paintHead(p, face, c, h);
    QPainterPath cap;
    cap.moveTo(c + QPointF(-0.56 * w, 0.04 * h));
    cap.cubicTo(c + QPointF(-0.62 * w, -0.66 * h), c + QPointF(0.62 * w, -0.66 * h),
                c + QPointF(0.56 * w, 0.04 * h));
    cap.lineTo(c + QPointF(0.44 * w, 0.02 * h));
    cap.quadTo(c + QPointF(0.4 * w, -0.26 * h), c + QPointF(0, -0.26 * h));
    cap.quadTo(c + QPointF(-0.4 * w, -0.26 * h), c + QPointF(-0.44 * w, 0.02 * h));
    cap.closeSubpath();
    striped(cap);
}

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

void eagleHead(QPainter &p, QPointF c, double s, int facing)
{
    QTransform t;
    t.translate(c.x(), c.y());
    t.scale(facing, 1);
    const Tone plumage{{150, 98, 52}, {104, 64, 30}};
    const Tone beak{{244, 196, 70}, {190, 140, 40}};
    const std::vector<QPointF> head{{-0.28 * s, 0.38 * s}, {-0.3 * s, 0.0},      {-0.2 * s, -0.26 * s},
                                    {0.05 * s, -0.32 * s}, {0.24 * s, -0.2 * s}, {0.3 * s, 0.0},
                                    {0.2 * s, 0.2 * s},    {0.12 * s, 0.42 * s}};
    drawShape(p, t.map(smoothClosed(head)), plumage, std::max(1.0, s * 0.05));
    QPainterPath b;
    b.moveTo(0.18 * s, -0.12 * s);
    b.cubicTo(0.42 * s, -0.16 * s, 0.52 * s, -0.02 * s, 0.46 * s, 0.14 * s);
    b.lineTo(0.38 * s, 0.04 * s);
    b.lineTo(0.2 * s, 0.06 * s);
    b.closeSubpath();
    drawShape(p, t.map(b), beak, 0.6, std::max(0.8, s * 0.03));
    drawShape(p, t.map(ellipse(QPointF(0.1 * s, -0.1 * s), 0.06 * s, 0.06 * s)),
              {{250, 220, 90}, {250, 220, 90}}, 0, 0.7);
    drawShape(p, t.map(ellipse(QPointF(0.11 * s, -0.1 * s), 0.03 * s, 0.03 * s)), {kOutline, kOutline}, 0, 0);
}

void lionHead(QPainter &p, QPointF c, double s)
{
    const Tone mane{{186, 106, 40}, {128, 66, 24}};
    const Tone face{{234, 178, 90}, {184, 128, 56}};
    std::vector<QPointF> lobes;
    for (int i = 0; i < 14; ++i) {
        const double a = i * 2 * M_PI / 14;
        const double r = s * (i % 2 ? 0.4 : 0.47);
        lobes.push_back(c + QPointF(std::cos(a) * r, std::sin(a) * r));
    }
    drawShape(p, smoothClosed(lobes), mane, std::max(1.0, s * 0.06));
    const std::vector<QPointF> right{{0, -0.28 * s},     {0.2 * s, -0.24 * s}, {0.27 * s, -0.02 * s},
                                     {0.2 * s, 0.2 * s}, {0.08 * s, 0.3 * s},  {0, 0.31 * s}};
    std::vector<QPointF> pts;
    for (const QPointF &q : right)
        pts.emplace_back(q.x(), c.y() + q.y());
    drawShape(p, smoothClosed(mirrored(c.x(), pts)), face, std::max(1.0, s * 0.04));
    drawShape(p, ellipse(c + QPointF(0, 0.14 * s), 0.13 * s, 0.1 * s), {face.base.lighter(112), face.base},
              0.4, 0.7);
    QPainterPath nose;
    nose.moveTo(c + QPointF(-0.06 * s, 0.06 * s));
    nose.lineTo(c + QPointF(0.06 * s, 0.06 * s));
    nose.lineTo(c + QPointF(0, 0.12 * s));
    nose.closeSubpath();
    drawShape(p, nose, {kOutline, kOutline}, 0, 0);
    for (int side : {-1, 1})
        drawShape(p, ellipse(c + QPointF(side * 0.1 * s, -0.06 * s), 0.035 * s, 0.03 * s),
                  {kOutline, kOutline}, 0, 0);
}

void bullHead(QPainter &p, QPointF c, double s)
{
    const Tone hide{{150, 96, 60}, {104, 62, 36}};
    const Tone horn{{240, 228, 196}, {190, 172, 132}};
    for (int side : {-1, 1}) {
        drawShape(p,
                  limb({c + QPointF(side * 0.16 * s, -0.2 * s), c + QPointF(side * 0.36 * s, -0.26 * s),
                        c + QPointF(side * 0.44 * s, -0.46 * s)},
                       {0.07 * s, 0.05 * s, 0.02 * s}),
                  horn, 0.6, std::max(0.8, s * 0.03));
        drawShape(p, ellipse(c + QPointF(side * 0.3 * s, -0.08 * s), 0.12 * s, 0.06 * s, side * 20.0), hide,
                  0.6, std::max(0.8, s * 0.03));
    }
    const std::vector<QPointF> right{{0, -0.28 * s},       {0.2 * s, -0.24 * s}, {0.22 * s, 0.02 * s},
                                     {0.16 * s, 0.24 * s}, {0.14 * s, 0.36 * s}, {0, 0.38 * s}};
    std::vector<QPointF> pts;
    for (const QPointF &q : right)
        pts.emplace_back(q.x(), c.y() + q.y());
    drawShape(p, smoothClosed(mirrored(c.x(), pts)), hide, std::max(1.0, s * 0.05));
    drawShape(p, ellipse(c + QPointF(0, 0.28 * s), 0.15 * s, 0.1 * s), {{214, 170, 140}, {170, 124, 98}}, 0.5,
              0.7);
    for (int side : {-1, 1}) {
        drawShape(p, ellipse(c + QPointF(side * 0.06 * s, 0.29 * s), 0.025 * s, 0.02 * s),
                  {kOutline, kOutline}, 0, 0);
        drawShape(p, ellipse(c + QPointF(side * 0.1 * s, -0.04 * s), 0.035 * s, 0.03 * s),
                  {kOutline, kOutline}, 0, 0);
    }
}

} // namespace

void paintCreature(QPainter &p, Creature creature, QPointF c, double size, int facing)
{
    paintCloud(p, c + QPointF(0, size * 0.42), size * 1.3, static_cast<unsigned>(creature) + 3);
    const Tone feathers{{236, 230, 214}, {176, 164, 140}};
    smallWings(p, c + QPointF(0, size * 0.05), size, feathers);
    switch (creature) {
    case Creature::Angel: {
        Figure angel;
        angel.build = Build::Child;
        angel.hairColour = kHairGold;
        angel.turn = 0.3 * facing;
        paintHead(p, angel, c, size * 0.5);
        break;
    }
    case Creature::Eagle:
        eagleHead(p, c, size * 0.9, facing);
        break;
    case Creature::Lion:
        lionHead(p, c, size * 0.95);
        break;
    case Creature::Bull:
        bullHead(p, c, size * 0.95);
        break;
    }
}

} // namespace artwork::first
