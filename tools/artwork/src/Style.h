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
// along its lower right, and outlines it. Under a WoodcutFinish the shade
// goes on deeper as hatching beyond the band.
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

// ---- The woodcut finish: line hierarchy, shade and ground shadows ----------------
//
// The weights of the line hierarchy, in final pixels: a figure's outer
// contour is about twice its interior lines (folds, features, ornament), and
// distant things take the thinnest line.
inline constexpr double kInteriorLine = 0.9;
inline constexpr double kContourLine = 2.0;
inline constexpr double kDistantLine = 0.6;

// While one lives, drawShape shades the way a woodcut does: the solid band
// along the side away from the light (light from the upper left), then
// hatching running on `depth` times as deep into the shape. Open one round
// whatever a card paints in that manner; scopes nest.
class WoodcutFinish {
public:
    explicit WoodcutFinish(double depth = 3.0);
    ~WoodcutFinish();
    WoodcutFinish(const WoodcutFinish &) = delete;
    WoodcutFinish &operator=(const WoodcutFinish &) = delete;

private:
    double previous_;
};
// The hatching's depth as a multiple of the band, 0 when no finish is open.
double woodcutDepth();

// Diagonal hatching (rising to the right) in `colour` across `area`, lines
// `spacing` final pixels apart and `width` wide.
void hatch(QPainter &painter, const QPainterPath &area, const QColor &colour, double spacing = 1.5, double width = 0.5);

// Paints `draw` on a layer of its own, then lays a contour `weight` final
// pixels wide round everything it drew, in the outline colour, under it: the
// outer line of the whole silhouette (figure, throne, horse and what they
// hold) heavier than every line inside it. The same weight in final pixels on
// the bitmap and the rendition.
void paintContoured(QPainter &painter, double weight, const std::function<void(QPainter &)> &draw);

// A flat shadow on the ground under a figure or an animal standing at
// `foot`: an ellipse `halfWidth` across and `halfDepth` deep, thrown a little
// to the right (away from the light).
void paintGroundShadow(QPainter &painter, QPointF foot, double halfWidth, double halfDepth,
                       const QColor &colour = kGroundShadow);

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
