#pragma once

// The land: rolling hills, a meadow, a range of mountains, tufts of grass.
// Paint a scene back to front: sky (Sky.h), mountains, water (Water.h), hills
// or meadow, then trees (Plants.h), buildings (Architecture.h) and figures.

#include "Style.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <vector>

namespace artwork::figures {

using style::Tone;

// A band lying on the ground, a stream or a path winding away from the
// viewer: its middle and half width at each reach, nearest first or last.
// Its width lies across the ground, so sideways reaches keep their width and
// reaches running away from the viewer are foreshortened.
struct GroundReach {
    QPointF middle;
    double half;
};
struct GroundBand {
    std::vector<QPointF> left, right; // the two edges, a point a reach
    QPainterPath outline;             // both edges joined, smoothed
};
GroundBand groundBand(const std::vector<GroundReach> &course);

// Adds one tuft of grass (three short blades) standing on `foot` to a path of
// tufts, to be drawn as lines in the grass's shade.
void addGrassTuft(QPainterPath &tufts, QPointF foot);

// Rolling hills from the horizon down to the bottom of `area`: a far range in
// `far`, then a nearer one in `near` that ends in a meadow at the bottom.
void paintHills(QPainter &painter, const QRectF &area, double horizon, unsigned seed, const Tone &near = kNearHills,
                const Tone &far = kFarHills);
// Flat ground from y = top down to the bottom of `area`: a gently rolling
// edge, grass tufts.
void paintMeadow(QPainter &p, const QRectF &area, double top, unsigned seed, const Tone &grass);

// One peak standing on y = baseY, `halfWidth` to either side of x, `height`
// tall, a cap of snow on it when `snow`, its contour `outline` wide (a peak
// far off takes the distant line).
void paintPeak(QPainter &p, double x, double baseY, double halfWidth, double height, const Tone &rock, bool snow,
               double outline = 1.0);
// A range of peaks standing on y = baseY from x0 to x1, up to `height` tall,
// snow on the highest.
void paintMountains(QPainter &painter, double baseY, double x0, double x1, double height, unsigned seed,
                    const Tone &rock = kRock, bool snow = true);

// A ploughed field: brown ground from `top` to `bottom` across `area`, its
// furrows converging on a point far off above it.
void paintPloughedField(QPainter &p, const QRectF &area, double top, double bottom, const Tone &earth = kFurrow);

} // namespace artwork::figures
