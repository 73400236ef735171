#include "figures/Throne.h"

#include "figures/Shapes.h"

#include <QtMath>

#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace {

// The throne's measures, taken from the sitter's body.
struct ThroneMeasures {
    double u, cx, half, top, seatY, ground, line;
};

// The back: a tall slab with a round-arched top, the diapered hanging inside
// it and a finial at each corner.
void paintThroneBack(QPainter &p, const ThroneMeasures &m, const ThroneLook &look)
{
    const double u = m.u, cx = m.cx, half = m.half, top = m.top, seatY = m.seatY, line = m.line;
    QPainterPath back;
    back.moveTo(cx - half, seatY);
    back.lineTo(cx - half, top + half * 0.55);
    back.cubicTo(cx - half, top - half * 0.15, cx + half, top - half * 0.15, cx + half, top + half * 0.55);
    back.lineTo(cx + half, seatY);
    back.closeSubpath();
    drawShape(p, back, look.frame, line * 1.3);
    // The hanging inside it.
    const double in = 0.28 * u;
    QPainterPath cloth;
    cloth.moveTo(cx - half + in, seatY);
    cloth.lineTo(cx - half + in, top + half * 0.6);
    cloth.cubicTo(cx - half + in, top + in * 0.6, cx + half - in, top + in * 0.6, cx + half - in, top + half * 0.6);
    cloth.lineTo(cx + half - in, seatY);
    cloth.closeSubpath();
    drawShape(p, cloth, look.cloth, line);
    // A diaper of small lozenges on the hanging.
    QPainterPath diaper;
    const double step = 0.62 * u;
    for (double y = top + half * 0.5; y < seatY; y += step) {
        for (double x = cx - half + in + step / 2; x < cx + half - in; x += step) {
            const double r = 0.09 * u;
            diaper.moveTo(x, y - r);
            diaper.lineTo(x + r, y);
            diaper.lineTo(x, y + r);
            diaper.lineTo(x - r, y);
            diaper.closeSubpath();
        }
    }
    p.save();
    p.setClipPath(cloth);
    p.setPen(Qt::NoPen);
    p.setBrush(look.cloth.shade);
    p.drawPath(diaper);
    p.restore();
    for (int s : {-1, 1}) {
        const QPointF knob(cx + s * half, top + half * 0.5);
        drawShape(p, ellipse(knob, 0.26 * u, 0.26 * u), kGold, 0.8);
        drawShape(p, ellipse(knob + QPointF(0, -0.34 * u), 0.12 * u, 0.14 * u), kGold, 0.5);
    }
}

// The seat and the arms: a slab on a stepped base with carved panels, the arms
// ending in scrolls, all on a plinth.
void paintThroneSeat(QPainter &p, const ThroneMeasures &m, const ThroneLook &look)
{
    const double u = m.u, cx = m.cx, half = m.half, seatY = m.seatY, ground = m.ground, line = m.line;
    const double seatHalf = half + 0.3 * u;
    for (int s : {-1, 1}) {
        QPainterPath armRest;
        const double x0 = cx + s * (half - 0.1 * u), x1 = cx + s * seatHalf;
        armRest.addRect(QRectF(QPointF(std::min(x0, x1), seatY - 1.4 * u), QPointF(std::max(x0, x1), seatY)));
        drawShape(p, armRest, look.frame, line);
        drawShape(p, ellipse(QPointF(cx + s * (seatHalf - 0.2 * u), seatY - 1.45 * u), 0.3 * u, 0.22 * u), look.frame,
                  line);
        drawShape(p, ellipse(QPointF(cx + s * (seatHalf - 0.2 * u), seatY - 1.45 * u), 0.12 * u, 0.09 * u),
                  {look.frame.shade, look.frame.shade}, 0, 0.8);
    }
    QPainterPath seat;
    seat.addRect(
        QRectF(QPointF(cx - seatHalf - 0.1 * u, seatY - 0.1 * u), QPointF(cx + seatHalf + 0.1 * u, seatY + 0.35 * u)));
    drawShape(p, seat, look.frame, line);
    QPainterPath base;
    base.addRect(
        QRectF(QPointF(cx - seatHalf + 0.1 * u, seatY + 0.35 * u), QPointF(cx + seatHalf - 0.1 * u, ground - 0.3 * u)));
    drawShape(p, base, look.frame, line * 1.4);
    // Panels carved in the base.
    for (int s : {-1, 1}) {
        QPainterPath panel;
        const double x = cx + s * (seatHalf - 0.55 * u);
        panel.addRoundedRect(QRectF(x - 0.25 * u, seatY + 0.6 * u, 0.5 * u, ground - seatY - 1.2 * u), 0.1 * u,
                             0.1 * u);
        drawLine(p, panel, look.frame.shade, std::max(0.8, 0.06 * u));
    }
    QPainterPath plinth;
    plinth.addRect(QRectF(QPointF(cx - seatHalf - 0.2 * u, ground - 0.3 * u),
                          QPointF(cx + seatHalf + 0.2 * u, ground + 0.15 * u)));
    drawShape(p, plinth, look.frame, line);
}

} // namespace

QRectF paintThrone(QPainter &p, const Figure &seated, const ThroneLook &look)
{
    const Body b = bodyOf(seated);
    const double u = b.unit;
    const double top = b.crown.y() - look.rise * u;
    const ThroneMeasures m{u,       b.crown.x(),     b.shoulderHalf + 0.75 * u, top,
                           b.seatY, seated.base.y(), std::max(1.2, 0.1 * u)};
    paintThroneBack(p, m, look);
    paintThroneSeat(p, m, look);
    return {m.cx - 0.7 * u, top - 0.05 * u, 1.4 * u, std::max(0.6 * u, b.crown.y() - 0.6 * u - top)};
}

void paintRamHead(QPainter &p, QPointF c, double size, const Tone &tone)
{
    const double s = size;
    const double line = std::max(0.8, s * 0.04);
    // The horns: thick coils curling down and forward beside the face.
    for (int side : {-1, 1}) {
        std::vector<QPointF> chain;
        std::vector<double> half;
        const QPointF hub = c + QPointF(side * 0.27 * s, -0.04 * s);
        const int steps = 9;
        for (int i = 0; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            // From above the brow, out over the top, down and curling back in.
            const double a = qDegreesToRadians(-150.0 + 330.0 * t);
            const double r = s * (0.22 - 0.14 * t);
            chain.push_back(hub + QPointF(side * std::cos(a) * r, std::sin(a) * r));
            half.push_back(s * (0.09 - 0.05 * t));
        }
        drawShape(p, limb(chain, half), kGold, std::max(1.0, s * 0.05), line);
        QPainterPath ridges;
        for (int i = 2; i < steps; i += 2) {
            const QPointF along = unitVector(chain[static_cast<std::size_t>(i + 1)] -
                                             chain[static_cast<std::size_t>(i - 1)]);
            const QPointF n = normal(along) * half[static_cast<std::size_t>(i)];
            ridges.moveTo(chain[static_cast<std::size_t>(i)] + n);
            ridges.lineTo(chain[static_cast<std::size_t>(i)] - n);
        }
        drawLine(p, ridges, kGold.shade, std::max(0.6, s * 0.025));
    }
    // Ears sticking out under the horns, then the face: a broad brow narrowing to the muzzle.
    for (int side : {-1, 1})
        drawShape(p, ellipse(c + QPointF(side * 0.24 * s, 0.06 * s), 0.11 * s, 0.045 * s, side * 25.0), tone,
                  std::max(0.6, s * 0.03), line);
    const std::vector<QPointF> right{{0, -0.24 * s},       {0.15 * s, -0.2 * s}, {0.15 * s, 0.02 * s},
                                     {0.09 * s, 0.24 * s}, {0.08 * s, 0.36 * s}, {0, 0.38 * s}};
    std::vector<QPointF> pts;
    for (const QPointF &q : right)
        pts.emplace_back(q.x(), c.y() + q.y());
    drawShape(p, smoothClosed(mirrored(c.x(), pts)), {tone.base.lighter(108), tone.shade}, std::max(1.0, s * 0.05),
              line);
    // A tuft of wool on the brow.
    drawShape(p, ellipse(c + QPointF(0, -0.18 * s), 0.1 * s, 0.06 * s), {tone.base.lighter(118), tone.base}, 0.4,
              std::max(0.6, s * 0.03));
    for (int side : {-1, 1}) {
        drawShape(p, ellipse(c + QPointF(side * 0.085 * s, -0.02 * s), 0.035 * s, 0.025 * s), {kOutline, kOutline}, 0,
                  0);
        drawShape(p, ellipse(c + QPointF(side * 0.04 * s, 0.32 * s), 0.022 * s, 0.016 * s), {kOutline, kOutline}, 0, 0);
    }
}

} // namespace artwork::figures
