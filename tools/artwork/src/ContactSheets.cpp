#include "ContactSheets.h"

#include "Fonts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace artwork {

namespace {

const QColor kSheet{48, 48, 52};
const QColor kLabel{230, 230, 230};

} // namespace

QImage cardSheet(const std::vector<std::pair<int, QImage>> &bitmaps)
{
    constexpr int columns = 10, slotW = 200, slotH = 303, label = 20, gap = 10;
    const int rows = (static_cast<int>(bitmaps.size()) + columns - 1) / columns;
    QImage sheet(gap + columns * (slotW + gap), gap + rows * (label + slotH + gap), QImage::Format_RGB32);
    sheet.fill(kSheet);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(libertine(15, true));
    p.setPen(kLabel);
    for (std::size_t i = 0; i < bitmaps.size(); ++i) {
        const int col = static_cast<int>(i) % columns, row = static_cast<int>(i) / columns;
        const int x = gap + col * (slotW + gap), y = gap + row * (label + slotH + gap);
        const QImage &image = bitmaps[i].second;
        p.drawText(QRect(x, y, slotW, label), Qt::AlignCenter, QString::number(bitmaps[i].first));
        p.drawImage(x + (slotW - image.width()) / 2, y + label + (slotH - image.height()) / 2, image);
    }
    p.end();
    return sheet;
}

QImage artworkSheet(const std::vector<std::pair<QString, QImage>> &pictures)
{
    constexpr int gap = 14, label = 20, width = 520;
    int height = gap;
    for (const auto &[name, image] : pictures)
        height += label + image.height() + gap;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(kSheet);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(libertine(14));
    p.setPen(kLabel);
    int y = gap;
    for (const auto &[name, image] : pictures) {
        p.drawText(QRect(gap, y, width - 2 * gap, label), Qt::AlignLeft | Qt::AlignVCenter, name);
        y += label;
        // A checkerboard shows where a picture is transparent.
        for (int cy = 0; cy < image.height(); cy += 4) {
            for (int cx = 0; cx < image.width(); cx += 4) {
                const bool dark = ((cx + cy) / 4) % 2;
                p.fillRect(gap + cx, y + cy, std::min(4, image.width() - cx), std::min(4, image.height() - cy),
                           dark ? QColor(90, 90, 96) : QColor(130, 130, 136));
            }
        }
        p.drawImage(gap, y, image);
        y += image.height() + gap;
    }
    p.end();
    return sheet;
}

} // namespace artwork
