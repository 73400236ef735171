#include "figures/Shapes.h"

#include "Style.h"

#include <QtMath>

#include <cmath>

namespace artwork::figures::shapes {

double length(QPointF v)
{
    return std::hypot(v.x(), v.y());
}

QPointF unitVector(QPointF v)
{
    const double l = length(v);
    return l > 1e-9 ? v / l : QPointF(0, 1);
}

QPointF polar(QPointF c, double r, double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return c + QPointF(std::cos(a), std::sin(a)) * r;
}

QPointF heading(double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return {std::sin(a), -std::cos(a)};
}

double angleOf(QPointF d)
{
    return std::atan2(d.y(), d.x()) * 180 / M_PI;
}

std::vector<QPointF> limbSides(const std::vector<QPointF> &chain, const std::vector<double> &half)
{
    const std::size_t n = chain.size();
    std::vector<QPointF> left, right;
    for (std::size_t i = 0; i < n; ++i) {
        // The direction at a joint: the mean of the segments meeting there.
        QPointF dir;
        if (i == 0)
            dir = unitVector(chain[1] - chain[0]);
        else if (i + 1 == n)
            dir = unitVector(chain[i] - chain[i - 1]);
        else
            dir = unitVector(unitVector(chain[i] - chain[i - 1]) + unitVector(chain[i + 1] - chain[i]));
        const QPointF nrm = normal(dir); // to the right of the direction of travel
        left.push_back(chain[i] - nrm * half[i]);
        right.push_back(chain[i] + nrm * half[i]);
    }
    std::vector<QPointF> out(left.begin(), left.end());
    out.insert(out.end(), right.rbegin(), right.rend());
    return out;
}

QPainterPath limb(const std::vector<QPointF> &chain, const std::vector<double> &half)
{
    const std::size_t n = chain.size();
    const std::vector<QPointF> sides = limbSides(chain, half);
    // Splice a cap point beyond each end so the spline rounds it off.
    const QPointF endDir = unitVector(chain[n - 1] - chain[n - 2]);
    const QPointF startDir = unitVector(chain[1] - chain[0]);
    std::vector<QPointF> points(sides.begin(), sides.begin() + static_cast<long>(n));
    points.push_back(chain[n - 1] + endDir * half[n - 1] * 0.9);
    points.insert(points.end(), sides.begin() + static_cast<long>(n), sides.end());
    points.push_back(chain[0] - startDir * half[0] * 0.9);
    return style::smoothClosed(points);
}

QPainterPath ellipse(QPointF centre, double rx, double ry)
{
    QPainterPath p;
    p.addEllipse(centre, rx, ry);
    return p;
}

QPainterPath ellipse(QPointF centre, double rx, double ry, double degrees)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    return t.map(ellipse(QPointF(0, 0), rx, ry));
}

std::vector<QPointF> mirrored(double centreX, const std::vector<QPointF> &rightHalf)
{
    std::vector<QPointF> out;
    for (const QPointF &p : rightHalf)
        out.emplace_back(centreX + p.x(), p.y());
    // Points on the axis are not repeated.
    for (auto it = rightHalf.rbegin(); it != rightHalf.rend(); ++it) {
        if (std::abs(it->x()) > 1e-9)
            out.emplace_back(centreX - it->x(), it->y());
    }
    return out;
}

QPainterPath united(QPainterPath path)
{
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

QPainterPath flippedX(const QPainterPath &path, double axis)
{
    QTransform t;
    t.translate(axis, 0);
    t.scale(-1, 1);
    t.translate(-axis, 0);
    return t.map(path);
}

QPainterPath profileOutline(const Profile &pr)
{
    std::vector<QPointF> pts(pr.top);
    const std::vector<QPointF> fore = limbSides(pr.foreLeg, pr.foreHalf);
    pts.insert(pts.end(), fore.begin(), fore.end());
    pts.insert(pts.end(), pr.belly.begin(), pr.belly.end());
    const std::vector<QPointF> hind = limbSides(pr.hindLeg, pr.hindHalf);
    pts.insert(pts.end(), hind.begin(), hind.end());
    pts.insert(pts.end(), pr.rear.begin(), pr.rear.end());
    return style::smoothClosed(pts);
}

QTransform profileTransform(QPointF base, double height, int facing)
{
    QTransform t;
    t.translate(base.x(), base.y());
    t.scale(facing < 0 ? -height : height, height);
    return t;
}

} // namespace artwork::figures::shapes
