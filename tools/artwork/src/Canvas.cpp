#include "Canvas.h"

#include <QGlyphRun>
#include <QTextLayout>

#include <stdexcept>

namespace artwork {

Canvas::Canvas(int width, int height, QColor ground)
    : big_(width * kSupersample, height * kSupersample, QImage::Format_ARGB32_Premultiplied)
{
    big_.fill(ground);
    painter_ = std::make_unique<QPainter>(&big_);
    painter_->setRenderHint(QPainter::Antialiasing);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform);
    painter_->scale(kSupersample, kSupersample);
}

Canvas::~Canvas() = default;

QImage Canvas::finish(int scale)
{
    if (scale < 1 || kSupersample % scale != 0)
        throw std::invalid_argument("a canvas gives its picture at 1, 2 or 4 times its size");
    painter_.reset();
    return averageDown(big_, kSupersample / scale);
}

QImage averageDown(const QImage &image, int factor)
{
    const QImage big = image.convertToFormat(QImage::Format_ARGB32);
    if (factor == 1)
        return big;
    const int width = big.width() / factor, height = big.height() / factor;
    QImage small(width, height, QImage::Format_ARGB32);
    const int n = factor * factor;
    for (int y = 0; y < height; ++y) {
        auto *out = reinterpret_cast<QRgb *>(small.scanLine(y));
        for (int x = 0; x < width; ++x) {
            int sum[4] = {0, 0, 0, 0};
            for (int dy = 0; dy < factor; ++dy) {
                const auto *in = reinterpret_cast<const QRgb *>(big.constScanLine(y * factor + dy));
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb c = in[x * factor + dx];
                    sum[0] += qRed(c);
                    sum[1] += qGreen(c);
                    sum[2] += qBlue(c);
                    sum[3] += qAlpha(c);
                }
            }
            out[x] = qRgba((sum[0] + n / 2) / n, (sum[1] + n / 2) / n, (sum[2] + n / 2) / n, (sum[3] + n / 2) / n);
        }
    }
    return small;
}

void prepareFinalPainter(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

void prepareScaledPainter(QPainter &painter, int scale)
{
    prepareFinalPainter(painter);
    painter.scale(scale, scale);
}

void drawFinalText(QPainter &painter, QPointF origin, const QString &text)
{
    const QTransform scaled = painter.transform();
    if (scaled.isIdentity()) {
        painter.drawText(origin, text);
        return;
    }
    QTextLayout layout(text, painter.font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QPointF topLeft = origin - QPointF(0, line.ascent());
    const double scale = scaled.m11();
    painter.save();
    painter.resetTransform();
    for (QGlyphRun run : layout.glyphRuns()) {
        QList<QPointF> positions = run.positions();
        for (QPointF &at : positions)
            at = scaled.map(topLeft + at);
        QRawFont font = run.rawFont();
        font.setPixelSize(font.pixelSize() * scale);
        run.setRawFont(font);
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(), run);
    }
    painter.restore();
}

} // namespace artwork
