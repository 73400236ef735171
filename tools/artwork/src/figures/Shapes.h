#pragma once

// Small geometry shared by the figure kit's painters: limbs as one smooth
// outline round a chain of joints, ellipses, mirrored point lists.

#include <QPainterPath>
#include <QPointF>
#include <QTransform>

#include <vector>

namespace artwork::figures::shapes {

// The smooth closed outline of a limb following `chain` (at least two joints),
// `half[i]` pixels either side of joint i. Both ends are rounded.
QPainterPath limb(const std::vector<QPointF> &chain, const std::vector<double> &half);

// The outline's points alone, going down the left side of the chain (as seen
// walking from its first joint to its last) and back up the right, without the
// rounded ends; for splicing legs into a larger silhouette.
std::vector<QPointF> limbSides(const std::vector<QPointF> &chain, const std::vector<double> &half);

QPainterPath ellipse(QPointF centre, double rx, double ry);
// An ellipse turned by `degrees` about its centre.
QPainterPath ellipse(QPointF centre, double rx, double ry, double degrees);

// Points given for the right half of a symmetric shape (x as an offset from
// `centreX`, from top to bottom) mirrored into a whole outline: down the right
// side, then back up the left.
std::vector<QPointF> mirrored(double centreX, const std::vector<QPointF> &rightHalf);

// The union of the path's overlapping subpaths, as one outline (non-zero fill).
QPainterPath united(QPainterPath path);

// A path mirrored left to right about x = axis.
QPainterPath flippedX(const QPainterPath &path, double axis);

// A four-legged animal's near side as one outline, in the animal's own units
// (facing right, the ground at y = 0, up negative): `top` runs from the tail's
// root over the back and the head down to the chest, then the fore leg (its
// joints from the body down to the hoof, with half widths), `belly` from front
// to back, the hind leg the same way, and `rear` up the buttock.
struct Profile {
    std::vector<QPointF> top;
    std::vector<QPointF> foreLeg;
    std::vector<double> foreHalf;
    std::vector<QPointF> belly;
    std::vector<QPointF> hindLeg;
    std::vector<double> hindHalf;
    std::vector<QPointF> rear;
};
QPainterPath profileOutline(const Profile &profile);

// From an animal's own units to the picture: `base` is the ground under its
// middle, `height` its height at the shoulder in pixels, `facing` 1 for right.
QTransform profileTransform(QPointF base, double height, int facing);

inline QPointF lerp(QPointF a, QPointF b, double t)
{
    return a + (b - a) * t;
}

double length(QPointF v);
QPointF unitVector(QPointF v);
// The direction of `v` in degrees, clockwise from the x axis on screen.
double angleOf(QPointF v);
// The point `r` from `c` towards `degrees`, clockwise from the x axis on screen.
QPointF polar(QPointF c, double r, double degrees);
// The unit direction `degrees` clockwise from straight up.
QPointF heading(double degrees);
// v turned a quarter to the right on screen (x right, y down).
inline QPointF normal(QPointF v)
{
    return {-v.y(), v.x()};
}

} // namespace artwork::figures::shapes
