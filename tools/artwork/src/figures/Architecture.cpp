#include "figures/Architecture.h"

#include "figures/Shapes.h"

#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

void paintPillar(QPainter &p, const QRectF &shaft, const Tone &stone)
{
    const double w = shaft.width();
    QPainterPath body;
    body.addRect(shaft);
    drawShape(p, body, stone, std::max(1.4, w * 0.18));
    // Flutes down the shaft.
    QPainterPath flutes;
    for (double f : {0.33, 0.66}) {
        flutes.moveTo(shaft.left() + w * f, shaft.top() + 2);
        flutes.lineTo(shaft.left() + w * f, shaft.bottom() - 2);
    }
    drawLine(p, flutes, stone.shade, std::max(0.6, w * 0.05));
    QPainterPath capital;
    capital.addRect(QRectF(shaft.left() - w * 0.2, shaft.top() - w * 0.3, w * 1.4, w * 0.3));
    capital.addRect(QRectF(shaft.left() - w * 0.32, shaft.top() - w * 0.5, w * 1.64, w * 0.2));
    drawShape(p, united(capital), stone, std::max(1.0, w * 0.08));
    QPainterPath foot;
    foot.addRect(QRectF(shaft.left() - w * 0.2, shaft.bottom(), w * 1.4, w * 0.25));
    foot.addRect(QRectF(shaft.left() - w * 0.32, shaft.bottom() + w * 0.25, w * 1.64, w * 0.25));
    drawShape(p, united(foot), stone, std::max(1.0, w * 0.08));
}

void paintTower(QPainter &p, QPointF base, double width, double height, const Tone &stone,
                const std::optional<Tone> &roof, double outline)
{
    const double w = width / 2, merlon = std::max(1.5, width * 0.16);
    const double top = base.y() - height;
    QPainterPath tower;
    tower.moveTo(base.x() - w, base.y());
    tower.lineTo(base.x() - w, top + merlon);
    if (!roof) {
        // Battlements: merlons and crenels across the top.
        const int merlons = 3;
        const double step = width / (2 * merlons - 1);
        for (int i = 0; i < 2 * merlons - 1; ++i) {
            const double x0 = base.x() - w + i * step;
            const double y = i % 2 ? top + merlon : top;
            tower.lineTo(x0, y);
            tower.lineTo(x0 + step, y);
        }
    }
    tower.lineTo(base.x() + w, top + merlon);
    tower.lineTo(base.x() + w, base.y());
    tower.closeSubpath();
    drawShape(p, tower, stone, std::max(1.0, width * 0.14), outline);
    if (roof) {
        QPainterPath cone;
        cone.moveTo(base.x() - w * 1.15, top + merlon);
        cone.lineTo(base.x(), top - height * 0.35);
        cone.lineTo(base.x() + w * 1.15, top + merlon);
        cone.closeSubpath();
        drawShape(p, cone, *roof, std::max(1.0, width * 0.12), outline);
    }
    QPainterPath slit;
    slit.addRoundedRect(QRectF(base.x() - width * 0.07, top + height * 0.3, width * 0.14, height * 0.18), width * 0.07,
                        width * 0.07);
    drawShape(p, slit, {kOutline, kOutline}, 0, 0);
}

void paintCastle(QPainter &p, QPointF base, double width, unsigned seed, const Tone &stone)
{
    Roughness rough(seed);
    const double h = width * 0.42;
    QPainterPath wall;
    wall.addRect(QRectF(base.x() - width * 0.4, base.y() - h * 0.55, width * 0.8, h * 0.55));
    drawShape(p, wall, stone, std::max(1.0, width * 0.03));
    paintTower(p, base + QPointF(-width * 0.4, 0), width * 0.2, h * (0.85 + 0.1 * rough.next()), stone, kCastleRoof);
    paintTower(p, base + QPointF(width * 0.4, 0), width * 0.2, h * (0.85 + 0.1 * rough.next()), stone, kCastleRoof);
    paintTower(p, base + QPointF(width * 0.05, 0), width * 0.26, h * 1.15, stone);
}

// Sky, and a floor of stone slabs from y = top down.
void paintStoneFloor(QPainter &p, const QRectF &scene, double top, const Tone &stone)
{
    QPainterPath floor;
    floor.addRect(QRectF(scene.left(), top, scene.width(), scene.bottom() - top + 2));
    drawShape(p, floor, stone, 0, 1.0);
    QPainterPath joints;
    for (double y = top + 8; y < scene.bottom(); y += 12) {
        joints.moveTo(scene.left(), y);
        joints.lineTo(scene.right(), y);
    }
    int row = 0;
    for (double y = top; y < scene.bottom(); y += 12, ++row) {
        for (double x = scene.left() + (row % 2 ? 10 : 24); x < scene.right(); x += 28) {
            joints.moveTo(x, y + (y == top ? 0 : -4));
            joints.lineTo(x, y + 8);
        }
    }
    drawLine(p, joints, stone.shade, 0.9);
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
            drawShape(p, fronds, kPalmFrond, 0.6, 0.7);
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

void paintCity(QPainter &p, double baseY, double left, double right, unsigned seed)
{
    Roughness rough(seed);
    const Tone &stone = kCityStone;
    const Tone &roof = kRoofTile;
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
        paintTower(p, {x, baseY}, 14 + 3 * rough.next(), h, stone, i % 2 ? std::optional<Tone>(roof) : std::nullopt);
    }
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

void paintPyramids(QPainter &p, double baseY, double x0, double x1, double height, int count)
{
    for (int i = 0; i < count; ++i) {
        const double t = count == 1 ? 0.5 : static_cast<double>(i) / (count - 1);
        const double x = x0 + (x1 - x0) * t, hgt = height * (i == 1 ? 1.0 : 0.72);
        QPainterPath lit, shaded;
        lit.moveTo(x, baseY - hgt);
        lit.lineTo(x - hgt * 0.95, baseY);
        lit.lineTo(x + hgt * 0.2, baseY);
        lit.closeSubpath();
        shaded.moveTo(x, baseY - hgt);
        shaded.lineTo(x + hgt * 0.2, baseY);
        shaded.lineTo(x + hgt * 0.95, baseY);
        shaded.closeSubpath();
        drawShape(p, lit, kPyramid, 0, kDistantLine);
        drawShape(p, shaded, {kPyramid.shade, kPyramid.shade}, 0, kDistantLine);
    }
}

} // namespace artwork::figures
