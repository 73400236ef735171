#include "figures/Throne.h"

#include "figures/Shapes.h"

#include <QtMath>

#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

QRectF paintThrone(QPainter &p, const Figure &seated, const ThroneLook &look)
{
    const Body b = bodyOf(seated);
    const double u = b.unit, cx = b.crown.x();
    const double half = b.shoulderHalf + 0.75 * u;
    const double top = b.crown.y() - look.rise * u;
    const double seatY = b.seatY, ground = seated.base.y();
    const double line = std::max(1.2, 0.1 * u);

    // The back: a tall slab with a round-arched top and a finial at each corner.
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
    cloth.cubicTo(cx - half + in, top + in * 0.6, cx + half - in, top + in * 0.6, cx + half - in,
                  top + half * 0.6);
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

    // The seat and the arms: a slab on a stepped base, the arms ending in scrolls.
    const double seatHalf = half + 0.3 * u;
    for (int s : {-1, 1}) {
        QPainterPath armRest;
        const double x0 = cx + s * (half - 0.1 * u), x1 = cx + s * seatHalf;
        armRest.addRect(QRectF(QPointF(std::min(x0, x1), seatY - 1.4 * u), QPointF(std::max(x0, x1), seatY)));
        drawShape(p, armRest, look.frame, line);
        drawShape(p, ellipse(QPointF(cx + s * (seatHalf - 0.2 * u), seatY - 1.45 * u), 0.3 * u, 0.22 * u),
                  look.frame, line);
        drawShape(p, ellipse(QPointF(cx + s * (seatHalf - 0.2 * u), seatY - 1.45 * u), 0.12 * u, 0.09 * u),
                  {look.frame.shade, look.frame.shade}, 0, 0.8);
    }
    QPainterPath seat;
    seat.addRect(QRectF(QPointF(cx - seatHalf - 0.1 * u, seatY - 0.1 * u),
                        QPointF(cx + seatHalf + 0.1 * u, seatY + 0.35 * u)));
    drawShape(p, seat, look.frame, line);
    QPainterPath base;
    base.addRect(QRectF(QPointF(cx - seatHalf + 0.1 * u, seatY + 0.35 * u),
                        QPointF(cx + seatHalf - 0.1 * u, ground - 0.3 * u)));
    drawShape(p, base, look.frame, line * 1.4);
    // Panels carved in the base.
    for (int s : {-1, 1}) {
        QPainterPath panel;
        const double x = cx + s * (seatHalf - 0.55 * u);
        panel.addRoundedRect(QRectF(x - 0.25 * u, seatY + 0.6 * u, 0.5 * u, ground - seatY - 1.2 * u),
                             0.1 * u, 0.1 * u);
        drawLine(p, panel, look.frame.shade, std::max(0.8, 0.06 * u));
    }
    QPainterPath plinth;
    plinth.addRect(QRectF(QPointF(cx - seatHalf - 0.2 * u, ground - 0.3 * u),
                          QPointF(cx + seatHalf + 0.2 * u, ground + 0.15 * u)));
    drawShape(p, plinth, look.frame, line);
    return {cx - 0.7 * u, top - 0.05 * u, 1.4 * u, std::max(0.6 * u, b.crown.y() - 0.6 * u - top)};
}

void paintWings(QPainter &p, const Figure &figure, const WingsLook &look)
{
    const Body b = bodyOf(figure);
    const double u = b.unit, L = look.span * u;
    const QPointF root = (b.shoulder[0] + b.shoulder[1]) / 2 + QPointF(0, 0.25 * u);
    const double lift = std::clamp(look.lift, 0.0, 1.0);
    const double line = std::max(1.0, 0.08 * u);
    for (int s : {-1, 1}) {
        auto at = [&](double x, double y) { return root + QPointF(s * x * L, y * L); };
        const double apexY = -(0.35 + 0.5 * lift);
        // The long flight feathers first, fanned from the wing's outer edge
        // down towards the tail, each a long rounded blade.
        const int feathers = 8;
        for (int i = feathers - 1; i >= 0; --i) {
            const double t = static_cast<double>(i) / (feathers - 1);
            const QPointF from = lerp(at(0.78, apexY + 0.3), at(0.22, 0.35), t);
            const double angle = (0.55 - 0.45 * t); // radians out from straight down
            const QPointF dir(s * std::sin(angle), std::cos(angle));
            const double len = (0.62 - 0.22 * t) * L;
            const QPointF to = from + dir * len;
            drawShape(p, limb({from, lerp(from, to, 0.55), to}, {0.08 * L, 0.085 * L, 0.04 * L}), look.tips,
                      line);
            QPainterPath quill;
            quill.moveTo(lerp(from, to, 0.1));
            quill.lineTo(lerp(from, to, 0.85));
            drawLine(p, quill, look.tips.shade, std::max(0.6, 0.04 * u));
        }
        // The coverts: from the back up the leading edge to the wing's bend, down its outer edge.
        const std::vector<QPointF> body{at(0.02, 0.05),        at(0.1, -0.2),         at(0.3, apexY * 0.75),
                                        at(0.52, apexY),       at(0.7, apexY + 0.02), at(0.86, apexY + 0.22),
                                        at(0.8, apexY + 0.42), at(0.55, 0.0),         at(0.3, 0.38),
                                        at(0.1, 0.36)};
        const QPainterPath coverts = smoothClosed(body);
        drawShape(p, coverts, look.feathers, std::max(1.2, 0.1 * u));
        // Rows of small rounded feathers on the coverts.
        QPainterPath scales;
        for (int row = 0; row < 2; ++row) {
            for (int i = 0; i < 4; ++i) {
                const double t = (i + 0.5) / 4;
                const QPointF q = lerp(at(0.72 - row * 0.14, apexY + 0.3 + row * 0.12),
                                       at(0.2 - row * 0.05, 0.2 + row * 0.05), t);
                scales.moveTo(q + QPointF(-0.05 * L, -0.02 * L));
                scales.quadTo(q + QPointF(0, 0.06 * L), q + QPointF(0.05 * L, -0.02 * L));
            }
        }
        p.save();
        p.setClipPath(coverts);
        drawLine(p, scales, look.feathers.shade, std::max(0.6, 0.05 * u));
        p.restore();
    }
}

} // namespace artwork::figures
