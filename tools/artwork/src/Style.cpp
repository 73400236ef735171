#include "Style.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace artwork::style {

void drawShape(QPainter &painter, const QPainterPath &shape, const Tone &tone, double band, double outline)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(tone.base);
    painter.drawPath(shape);
    if (band > 0) {
        const QPainterPath rim = shape.subtracted(shape.translated(-band, -band));
        painter.setBrush(tone.shade);
        painter.drawPath(rim);
        if (const double depth = woodcutDepth(); depth > 0) {
            const double reach = band * depth;
            hatch(painter, shape.subtracted(shape.translated(-reach, -reach)), tone.shade, std::max(1.2, band * 0.9),
                  std::max(0.35, band * 0.3));
        }
    }
    if (outline > 0) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kOutline, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(shape);
    }
    painter.restore();
}

void drawLine(QPainter &painter, const QPainterPath &path, const QColor &colour, double width)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.restore();
}

namespace {

// What draw paints, on a transparent layer the size of p's device, with p's
// render hints and transform: a part to be clipped or outlined as a whole.
QImage paintedLayer(QPainter &p, const std::function<void(QPainter &)> &draw)
{
    QImage layer(p.device()->width(), p.device()->height(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter lp(&layer);
    lp.setRenderHints(p.renderHints());
    lp.setWorldTransform(p.worldTransform());
    draw(lp);
    lp.end();
    return layer;
}

} // namespace

void paintWithin(QPainter &p, const QRectF &keep, const std::function<void(QPainter &)> &draw)
{
    const QImage layer = paintedLayer(p, draw);
    p.save();
    p.setClipRect(keep, Qt::IntersectClip);
    p.resetTransform();
    p.drawImage(0, 0, layer);
    p.restore();
}

namespace {

double gWoodcutDepth = 0; // the generator paints on one thread

} // namespace

WoodcutFinish::WoodcutFinish(double depth) : previous_(gWoodcutDepth)
{
    gWoodcutDepth = depth;
}

WoodcutFinish::~WoodcutFinish()
{
    gWoodcutDepth = previous_;
}

double woodcutDepth()
{
    return gWoodcutDepth;
}

void hatch(QPainter &painter, const QPainterPath &area, const QColor &colour, double spacing, double width)
{
    const QRectF box = area.boundingRect();
    if (box.isEmpty())
        return;
    QPainterPath lines;
    // Lines x - y = k rising to the right, from the box's lower left corner on.
    const double span = box.width() + box.height();
    for (double k = std::floor((box.left() - box.bottom()) / spacing) * spacing; k <= box.right() - box.top();
         k += spacing) {
        lines.moveTo(k + box.bottom(), box.bottom());
        lines.lineTo(k + box.bottom() - span, box.bottom() - span);
    }
    painter.save();
    painter.setClipPath(area, Qt::IntersectClip);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(lines);
    painter.restore();
}

namespace {

// The alpha of `layer` grown by `radius` pixels round every drawn pixel, as a
// layer of `colour`; only inside `box` (where something was drawn, plus the radius).
QImage grownSilhouette(const QImage &layer, double radius, const QColor &colour, const QRect &box)
{
    const int w = layer.width(), h = layer.height();
    std::vector<std::uint8_t> alpha(static_cast<std::size_t>(w) * h, 0);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(layer.constScanLine(y));
        for (int x = box.left(); x <= box.right(); ++x)
            alpha[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>(qAlpha(row[x]));
    }
    // A disc of offsets, each with how much of the pixel it covers.
    struct Offset {
        int dx, dy;
        int weight; // of 256
    };
    std::vector<Offset> disc;
    const int r = static_cast<int>(std::ceil(radius + 0.5));
    for (int dy = -r; dy <= r; ++dy) {
        for (int dx = -r; dx <= r; ++dx) {
            const double cover = std::clamp(radius + 0.5 - std::hypot(dx, dy), 0.0, 1.0);
            if (cover > 0)
                disc.push_back({dx, dy, static_cast<int>(std::lround(cover * 256))});
        }
    }
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    const QRect grown = box.adjusted(-r, -r, r, r).intersected(QRect(0, 0, w, h));
    for (int y = grown.top(); y <= grown.bottom(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = grown.left(); x <= grown.right(); ++x) {
            int best = 0;
            for (const Offset &o : disc) {
                const int sx = x + o.dx, sy = y + o.dy;
                if (sx < 0 || sy < 0 || sx >= w || sy >= h)
                    continue;
                const int a = alpha[static_cast<std::size_t>(sy) * w + sx] * o.weight / 256;
                best = std::max(best, a);
                if (best == 255)
                    break;
            }
            if (best > 0)
                row[x] = qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), best));
        }
    }
    return out;
}

} // namespace

void paintContoured(QPainter &p, double weight, const std::function<void(QPainter &)> &draw)
{
    const QImage layer = paintedLayer(p, draw);
    // Where anything was drawn.
    QRect box;
    for (int y = 0; y < layer.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(layer.constScanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            if (qAlpha(row[x]) != 0)
                box |= QRect(x, y, 1, 1);
        }
    }
    if (box.isEmpty())
        return;
    // Half the drawn outline already lies outside each shape; the rest of
    // the contour's weight is grown round it.
    const double scale = std::sqrt(std::abs(p.worldTransform().determinant()));
    const double grow = std::max(0.0, weight - 0.5) * scale;
    const QImage contour = grownSilhouette(layer, grow, kOutline, box);
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, contour);
    p.drawImage(0, 0, layer);
    p.restore();
}

void paintGroundShadow(QPainter &p, QPointF foot, double halfWidth, double halfDepth, const QColor &colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(foot + QPointF(halfWidth * 0.22, halfDepth * 0.15), halfWidth, halfDepth);
    p.restore();
}

namespace {

void catmullRom(QPainterPath &path, const QPointF &p0, const QPointF &p1, const QPointF &p2, const QPointF &p3)
{
    path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
}

} // namespace

QPainterPath smoothClosed(const std::vector<QPointF> &p)
{
    QPainterPath path;
    const std::size_t n = p.size();
    if (n < 3)
        return path;
    path.moveTo(p[0]);
    for (std::size_t i = 0; i < n; ++i)
        catmullRom(path, p[(i + n - 1) % n], p[i], p[(i + 1) % n], p[(i + 2) % n]);
    path.closeSubpath();
    return path;
}

QPainterPath smoothOpen(const std::vector<QPointF> &p)
{
    QPainterPath path;
    const std::size_t n = p.size();
    if (n < 2)
        return path;
    path.moveTo(p[0]);
    for (std::size_t i = 0; i + 1 < n; ++i)
        catmullRom(path, p[i == 0 ? 0 : i - 1], p[i], p[i + 1], p[i + 2 < n ? i + 2 : n - 1]);
    return path;
}

double Roughness::next()
{
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>((state_ >> 8) & 0xffff) / 32767.5 - 1.0;
}

} // namespace artwork::style
