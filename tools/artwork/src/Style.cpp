#include "Style.h"

#include <QImage>

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

void paintWithin(QPainter &p, const QRectF &keep, const std::function<void(QPainter &)> &draw)
{
    QImage layer(p.device()->width(), p.device()->height(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter lp(&layer);
    lp.setRenderHints(p.renderHints());
    lp.setWorldTransform(p.worldTransform());
    draw(lp);
    lp.end();
    p.save();
    p.setClipRect(keep, Qt::IntersectClip);
    p.resetTransform();
    p.drawImage(0, 0, layer);
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
