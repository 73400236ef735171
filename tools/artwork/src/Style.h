#pragma once

// The woodcut look shared by every painter: flat colours, one shade band per
// shape along the side away from the light (upper left), and a dark outline of
// about one pixel.

#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include <vector>

namespace artwork::style {

struct Tone {
    QColor base;
    QColor shade;
};

inline const QColor kWhite{255, 255, 255};
inline const QColor kField{12, 12, 12}; // the near-black ground of every face
inline const QColor kBand{0, 0, 0};     // the major arcana's title band
inline const QColor kOutline{22, 14, 8};

inline const Tone kSteel{{208, 214, 224}, {128, 138, 158}};
inline const Tone kCrossGuard{{204, 34, 30}, {124, 18, 18}};
inline const Tone kLeather{{122, 78, 44}, {76, 46, 24}};
inline const Tone kWood{{176, 116, 60}, {112, 68, 32}};
inline const Tone kLeaf{{104, 172, 64}, {56, 112, 40}};
inline const Tone kGold{{236, 188, 64}, {172, 120, 34}};
inline const Tone kGoldInside{{120, 70, 24}, {84, 46, 16}};
inline const Tone kRuby{{214, 40, 60}, {130, 18, 36}};
inline const Tone kParchment{{238, 228, 200}, {186, 168, 128}};
inline const QColor kEngraving{104, 62, 18};
inline const QColor kInk{70, 20, 14};

// Fills the shape in its base colour, lays the shade band (`band` pixels wide)
// along its lower right, and outlines it.
void drawShape(QPainter &painter, const QPainterPath &shape, const Tone &tone, double band = 1.6,
               double outline = 1.0);
// A line in the outline colour (engraving, ribs, wrappings).
void drawLine(QPainter &painter, const QPainterPath &path, const QColor &colour, double width = 1.0);

// A smooth closed outline through the points (a Catmull-Rom spline turned into
// cubic Bezier segments).
QPainterPath smoothClosed(const std::vector<QPointF> &points);
// A smooth open curve through the points.
QPainterPath smoothOpen(const std::vector<QPointF> &points);

// Small deterministic pseudo-random numbers for rough edges (no global state).
class Roughness {
  public:
    explicit Roughness(unsigned seed) : state_(seed * 2654435761u + 12345u) {}
    // A number in [-1, 1].
    double next();

  private:
    unsigned state_;
};

} // namespace artwork::style
