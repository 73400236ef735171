#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

// Paints figures alone onto a transparent canvas with room all round the card
// and counts what lands outside the picture's area: figures must never spill
// over the frame or the band.
struct FigureSpill {
    int drawn = 0;
    int outside = 0;
    QRect firstOutside;

    QString describe() const
    {
        return QStringLiteral("%1 pixels outside the picture, the first at (%2, %3)")
            .arg(outside)
            .arg(firstOutside.x())
            .arg(firstOutside.y());
    }

    template <typename Paint> static FigureSpill of(const QRectF &scene, Paint &&paint)
    {
        constexpr int margin = 120; // room round the card for anything drawn outside it
        QImage canvas(200 + 2 * margin, 303 + 2 * margin, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(margin, margin);
        paint(p);
        p.end();

        FigureSpill spill;
        for (int y = 0; y < canvas.height(); ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
            for (int x = 0; x < canvas.width(); ++x) {
                if (qAlpha(row[x]) == 0)
                    continue;
                ++spill.drawn;
                // The pixel's square in card coordinates.
                const QRectF pixel(x - margin, y - margin, 1, 1);
                if (!scene.contains(pixel) && spill.outside++ == 0)
                    spill.firstOutside = pixel.toRect();
            }
        }
        return spill;
    }
};
