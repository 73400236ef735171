#pragma once

// Buildings and furniture: pillars, towers, castles and a walled city, stone
// floors and masonry, a bench, hangings. In final pixel units, in the kit's
// style.

#include "figures/Figure.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <optional>

namespace artwork::figures {

// A pillar filling `shaft` with a capital above and a base below it.
void paintPillar(QPainter &painter, const QRectF &shaft, const Tone &stone = kStone);
// A round tower standing on `base`, `width` wide and `height` tall to the top
// of its battlements, with a slit window; a pointed roof in `roof` when given.
// `outline` is the width of its outline (a far tower takes style::kDistantLine).
void paintTower(QPainter &painter, QPointF base, double width, double height, const Tone &stone = kStone,
                const std::optional<Tone> &roof = std::nullopt, double outline = 1.0);
// A castle on a hill far off: a wall between towers, `width` wide, standing on `base`.
void paintCastle(QPainter &painter, QPointF base, double width, unsigned seed, const Tone &stone = kStone);
// A walled city along the horizon, its walls standing on y = baseY.
void paintCity(QPainter &p, double baseY, double left, double right, unsigned seed);

// A floor of stone slabs across `scene` from y = top down.
void paintStoneFloor(QPainter &p, const QRectF &scene, double top, const Tone &stone);
// Courses of stone laid over `wall` (already painted): joints every `course`
// pixels, staggered.
void paintMasonry(QPainter &p, const QPainterPath &wall, double course, const QColor &joint);

// A plain stone bench block for a seated figure, from its seat down to the ground.
void paintBench(QPainter &p, const Figure &seated, const Tone &stone);
// A hanging cloth between two pillars, strewn with pomegranates and palm leaves.
void paintVeil(QPainter &p, const QRectF &area, const Tone &cloth, const Tone &fruit);
// A plain hanging cloth with folds falling from a gold rod.
void paintCurtain(QPainter &p, const QRectF &area, const Tone &cloth);

// Pyramids far off on a plain: `count` of them along the horizon `baseY`
// between x0 and x1, in the thinnest line.
void paintPyramids(QPainter &p, double baseY, double x0, double x1, double height, int count = 3);

} // namespace artwork::figures
