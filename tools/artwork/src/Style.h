#pragma once

// The woodcut look shared by every painter: flat colours, one shade band per
// shape along the side away from the light (upper left), and a dark outline of
// about one pixel.

#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <vector>

namespace artwork::style {

// Fills the shape in its base colour, lays the shade band (`band` pixels wide)
// along its lower right, and outlines it.
void drawShape(QPainter &painter, const QPainterPath &shape, const Tone &tone, double band = 1.6, double outline = 1.0);
// A line in the outline colour (engraving, ribs, wrappings).
void drawLine(QPainter &painter, const QPainterPath &path, const QColor &colour, double width = 1.0);

// A smooth closed outline through the points (a Catmull-Rom spline turned into
// cubic Bezier segments).
QPainterPath smoothClosed(const std::vector<QPointF> &points);
// A smooth open curve through the points.
QPainterPath smoothOpen(const std::vector<QPointF> &points);

// Paints `draw` on a layer of its own and lays the layer down inside `keep`
// only. The kit sets clip paths of its own while it paints a figure, which
// would undo a clip set round the figure; this one holds.
void paintWithin(QPainter &painter, const QRectF &keep, const std::function<void(QPainter &)> &draw);

// Small deterministic pseudo-random numbers for rough edges (no global state).
class Roughness {
public:
    explicit Roughness(unsigned seed) : state_(seed * 2654435761u + 12345u) {}
    // A number in [-1, 1].
    double next();

private:
    unsigned state_;
};

} // namespace artwork::style
