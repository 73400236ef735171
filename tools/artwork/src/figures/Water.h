#pragma once

// Water: a stretch of sea or lake, a pool within its shore, a river winding
// through the land, and water poured from a vessel.

#include "Style.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <vector>

namespace artwork::figures {

using style::Tone;

// A flat stretch of water between y = top and y = bottom across `area`'s
// width, with rows of little waves.
void paintWater(QPainter &painter, const QRectF &area, double top, double bottom, unsigned seed,
                const Tone &water = kSea);
// Water from y = top to y = bottom inside `shore` only, then the shore's outline.
void paintPool(QPainter &p, const QPainterPath &shore, const QRectF &area, double top, double bottom, unsigned seed,
               const Tone &water = kSea);
// A river along the chain of points, widening from `w0` to `w1`.
void paintRiver(QPainter &p, const std::vector<QPointF> &course, double w0, double w1);
// Water poured in an arc from `from` to `to`, `width` thick.
void paintPouredWater(QPainter &p, QPointF from, QPointF control, QPointF to, double width);

// A small sailing ship on the water line at `keel`, `length` long, sailing
// towards `facing`.
void paintShip(QPainter &p, QPointF keel, double length, int facing);

} // namespace artwork::figures
