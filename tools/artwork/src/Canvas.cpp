#include "Canvas.h"

namespace artwork {

Canvas::Canvas(int width, int height, QColor ground)
    : width_(width), height_(height),
      big_(width * kSupersample, height * kSupersample, QImage::Format_ARGB32_Premultiplied)
{
    big_.fill(ground);
    painter_ = std::make_unique<QPainter>(&big_);
    painter_->setRenderHint(QPainter::Antialiasing);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform);
    painter_->scale(kSupersample, kSupersample);
}

Canvas::~Canvas() = default;

QImage Canvas::finish()
{
    painter_.reset();
    const QImage big = big_.convertToFormat(QImage::Format_ARGB32);
    QImage small(width_, height_, QImage::Format_ARGB32);
    constexpr int n = kSupersample * kSupersample;
    for (int y = 0; y < height_; ++y) {
        auto *out = reinterpret_cast<QRgb *>(small.scanLine(y));
        for (int x = 0; x < width_; ++x) {
            int sum[4] = {0, 0, 0, 0};
            for (int dy = 0; dy < kSupersample; ++dy) {
                const auto *in = reinterpret_cast<const QRgb *>(big.constScanLine(y * kSupersample + dy));
                for (int dx = 0; dx < kSupersample; ++dx) {
                    const QRgb c = in[x * kSupersample + dx];
                    sum[0] += qRed(c);
                    sum[1] += qGreen(c);
                    sum[2] += qBlue(c);
                    sum[3] += qAlpha(c);
                }
            }
            out[x] =
                qRgba((sum[0] + n / 2) / n, (sum[1] + n / 2) / n, (sum[2] + n / 2) / n, (sum[3] + n / 2) / n);
        }
    }
    return small;
}

void prepareFinalPainter(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

} // namespace artwork
