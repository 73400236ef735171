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
    // Ends painting and returns the picture at final size, each pixel the plain
    // mean of its 4x4 block, so flat areas keep their colour exactly.
    QImage finish();

  private:
    int width_, height_;
    QImage big_;
    std::unique_ptr<QPainter> painter_;
};

// A painter for drawing straight onto a final-size picture (text, frames).
void prepareFinalPainter(QPainter &painter);

} // namespace artwork
