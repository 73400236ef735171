#pragma once

// Drawing at four times the final size and averaging down. Painters always work
// in final pixel units: a pen 1.0 wide ends up about one pixel wide.

#include <QImage>
#include <QPainter>

#include <memory>

namespace artwork {

inline constexpr int kSupersample = 4;

class Canvas {
public:
    Canvas(int width, int height, QColor ground);
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    QPainter &painter() { return *painter_; }
    // Ends painting and returns the picture at `scale` times its final size (1,
    // 2 or 4), each pixel the plain mean of its block of the canvas, so flat
    // areas keep their colour exactly. At 4 it is the canvas as drawn: the
    // rendition shown where the picture is enlarged.
    QImage finish(int scale = 1);

private:
    QImage big_;
    std::unique_ptr<QPainter> painter_;
};

// Each pixel the plain mean of its factor x factor block (alpha included).
QImage averageDown(const QImage &image, int factor);

// A painter for drawing straight onto a final-size picture (text, frames).
void prepareFinalPainter(QPainter &painter);

// The same onto a picture `scale` times the final size, in final pixel units,
// so that what it draws there is what prepareFinalPainter draws at final size.
void prepareScaledPainter(QPainter &painter, int scale);

// A line of text in the painter's font and pen, its baseline starting at
// `origin`. At final size it is plain drawText. On a scaled painter the glyphs
// stand where the hinted final-size font places them, drawn at the scale: a
// rendition's lettering covers what the bitmap's does, only sharper.
void drawFinalText(QPainter &painter, QPointF origin, const QString &text);

} // namespace artwork
