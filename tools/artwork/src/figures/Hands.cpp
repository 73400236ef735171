// Hands in the poses that close on things: see Hands.h.

#include "figures/Hands.h"

#include "figures/Shapes.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace {

// Draws `shape`, given in heads about the hand's middle, through `t`.
void skinShape(QPainter &p, const QTransform &t, const QPainterPath &shape, const Tone &skin, double band = 0.5)
{
    drawShape(p, t.map(shape), skin, band, kInteriorLine);
}

void creases(QPainter &p, const QTransform &t, const QPainterPath &lines, const Tone &skin, double unit)
{
    drawLine(p, t.map(lines), skin.shade.darker(120), std::max(0.45, 0.035 * unit));
}

QPainterPath finger(QPointF root, QPointF tip, double half)
{
    return limb({root, tip}, {half, half * 0.85});
}

// A fist closed round a shaft running up the local y axis: the fingers
// across it, knuckles on the side away from the thumb, the thumb over them.
void fist(QPainter &p, const HandDrawing &h)
{
    QTransform t;
    t.translate(h.centre.x(), h.centre.y());
    t.rotate(h.shaftDegrees);
    t.scale(h.unit * h.thumbSide, h.unit);
    QPainterPath palm;
    palm.addRoundedRect(QRectF(-0.2, -0.17, 0.42, 0.34), 0.12, 0.12);
    skinShape(p, t, palm, h.skin);
    QPainterPath lines;
    for (double y : {-0.085, 0.0, 0.085}) {
        lines.moveTo(-0.02, y);
        lines.lineTo(0.2, y);
    }
    creases(p, t, lines, h.skin, h.unit);
    skinShape(p, t, ellipse(QPointF(-0.06, -0.12), 0.15, 0.065, -18), h.skin, 0.3);
}

// Palm up under a thing, the fingers curling up its far side.
void cradle(QPainter &p, const HandDrawing &h)
{
    const double s = h.forearm.x() >= 0 ? 1 : -1;
    QTransform t;
    t.translate(h.centre.x(), h.centre.y());
    t.scale(h.unit * s, h.unit);
    const QPainterPath hand = smoothClosed({{-0.26, -0.02},
                                            {-0.2, 0.1},
                                            {0.04, 0.15},
                                            {0.24, 0.08},
                                            {0.31, -0.08},
                                            {0.27, -0.16},
                                            {0.2, -0.06},
                                            {0.0, -0.02}});
    skinShape(p, t, hand, h.skin);
    QPainterPath lines;
    for (double y : {-0.02, 0.04}) {
        lines.moveTo(0.16, y);
        lines.lineTo(0.28, y - 0.03);
    }
    creases(p, t, lines, h.skin, h.unit);
    skinShape(p, t, ellipse(QPointF(-0.12, -0.04), 0.1, 0.045, -15), h.skin, 0.3);
}

// Lying on a knee or a rim, the fingers drooping over its edge.
void rest(QPainter &p, const HandDrawing &h)
{
    const QPointF along = unitVector(h.forearm);
    QPointF across = normal(along);
    if (across.y() < 0)
        across = -across;
    QTransform t(along.x() * h.unit, along.y() * h.unit, across.x() * h.unit, across.y() * h.unit, h.centre.x(),
                 h.centre.y());
    const QPainterPath hand = smoothClosed(
        {{-0.12, -0.11}, {0.18, -0.13}, {0.3, -0.06}, {0.36, 0.1}, {0.3, 0.17}, {0.2, 0.08}, {-0.1, 0.1}});
    skinShape(p, t, hand, h.skin);
    QPainterPath lines;
    for (double y : {-0.06, 0.0, 0.06}) {
        lines.moveTo(0.14, y - 0.02);
        lines.lineTo(0.3, y + 0.04);
    }
    creases(p, t, lines, h.skin, h.unit);
}

// The open hand raised, palm out, the fingers up and the thumb apart.
void palm(QPainter &p, const HandDrawing &h, int fingersUp)
{
    QTransform t;
    t.translate(h.centre.x(), h.centre.y());
    t.scale(h.unit * h.thumbSide, h.unit);
    const double xs[4] = {-0.1, -0.03, 0.04, 0.11};
    const double lens[4] = {0.28, 0.33, 0.31, 0.24};
    for (int i = 0; i < 4; ++i) {
        const bool up = (fingersUp == 4) || (fingersUp == 2 && i < 2) || (fingersUp == 1 && i == 0);
        const double len = up ? lens[i] : 0.06;
        skinShape(p, t, finger({xs[i] * 1.1, -0.08}, {xs[i] * 1.35, -0.08 - len}, 0.04), h.skin, 0.3);
    }
    skinShape(p, t, ellipse(QPointF(0, 0.02), 0.16, 0.15), h.skin);
    // The thumb: apart for an open hand, folded across the palm for a blessing.
    if (fingersUp == 4)
        skinShape(p, t, finger({-0.12, 0.06}, {-0.3, -0.08}, 0.045), h.skin, 0.3);
    else
        skinShape(p, t, ellipse(QPointF(0.02, 0.02), 0.12, 0.05, -20), h.skin, 0.3);
    QPainterPath lines;
    lines.moveTo(-0.08, 0.06);
    lines.quadTo(0.0, 0.0, 0.1, 0.02);
    creases(p, t, lines, h.skin, h.unit);
}

// A fist with the forefinger out along the forearm's line.
void point(QPainter &p, const HandDrawing &h)
{
    const QPointF along = unitVector(h.forearm);
    skinShape(p, QTransform(), finger(h.centre + along * 0.08 * h.unit, h.centre + along * 0.5 * h.unit, 0.05 * h.unit),
              h.skin, 0.3);
    drawShape(p, ellipse(h.centre, 0.19 * h.unit, 0.16 * h.unit, angleOf(along)), h.skin, 0.5, kInteriorLine);
}

// The back of the hand set on the hip, knuckles towards the body.
void onHip(QPainter &p, const HandDrawing &h)
{
    const QPointF along = unitVector(h.forearm);
    drawShape(p, ellipse(h.centre + along * 0.05 * h.unit, 0.2 * h.unit, 0.13 * h.unit, angleOf(along)), h.skin, 0.5,
              kInteriorLine);
    QPainterPath knuckles;
    const QPointF n = normal(along);
    knuckles.moveTo(h.centre + along * 0.16 * h.unit - n * 0.1 * h.unit);
    knuckles.lineTo(h.centre + along * 0.16 * h.unit + n * 0.1 * h.unit);
    drawLine(p, knuckles, h.skin.shade.darker(120), std::max(0.45, 0.035 * h.unit));
}

} // namespace

void paintHand(QPainter &p, const HandDrawing &h)
{
    switch (h.grip) {
    case Grip::Auto:
    case Grip::Fist:
        fist(p, h);
        break;
    case Grip::Cradle:
        cradle(p, h);
        break;
    case Grip::Rest:
        rest(p, h);
        break;
    case Grip::Palm:
        palm(p, h, 4);
        break;
    case Grip::Bless:
        palm(p, h, 2);
        break;
    case Grip::Point:
        point(p, h);
        break;
    case Grip::Hip:
        onHip(p, h);
        break;
    }
}

} // namespace artwork::figures
