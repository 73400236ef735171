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

    // The seat and the arms: a slab on a stepped base, the arms ending in scrolls.
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
    seat.addRect(QRectF(QPointF(cx - seatHalf - 0.1 * u, seatY - 0.1 * u), QPointF(cx + seatHalf + 0.1 * u, seatY + 0.35 * u)));
    drawShape(p, seat, look.frame, line);
    QPainterPath base;
    base.addRect(QRectF(QPointF(cx - seatHalf + 0.1 * u, seatY + 0.35 * u), QPointF(cx + seatHalf - 0.1 * u, ground - 0.3 * u)));
    drawShape(p, base, look.frame, line * 1.4);
    // Panels carved in the base.
    for (int s : {-1, 1}) {
        QPainterPath panel;
        const double x = cx + s * (seatHalf - 0.55 * u);
        panel.addRoundedRect(QRectF(x - 0.25 * u, seatY + 0.6 * u, 0.5 * u, ground - seatY - 1.2 * u), 0.1 * u, 0.1 * u);
        drawLine(p, panel, look.frame.shade, std::max(0.8, 0.06 * u));
    }
    QPainterPath plinth;
    plinth.addRect(QRectF(QPointF(cx - seatHalf - 0.2 * u, ground - 0.3 * u), QPointF(cx + seatHalf + 0.2 * u, ground + 0.15 * u)));
    drawShape(p, plinth, look.frame, line);
    return {cx - 0.7 * u, top - 0.05 * u, 1.4 * u, std::max(0.6 * u, b.crown.y() - 0.6 * u - top)};
}

void paintWings(QPainter &p, const Figure &figure, const WingsLook &look)
{
    const Body b = bodyOf(figure);
    const double u = b.unit, L = look.span * u;
    const QPointF root = (b.shoulder[0] + b.shoulder[1]) / 2 + QPointF(0, 0.3 * u);
    const double lift = std::clamp(look.lift, 0.0, 1.0);
    for (int s : {-1, 1}) {
        // The leading edge rises from the back to the wrist and on to the tip;
        // the trailing edge comes back in a row of rounded feather ends.
        const QPointF wrist = root + QPointF(s * 0.45 * L, -(0.35 + 0.45 * lift) * L);
        const QPointF tip = root + QPointF(s * 1.0 * L, -(0.15 + 0.75 * lift) * L);
        const QPointF tail = root + QPointF(s * 0.12 * L, 0.85 * L);
        std::vector<QPointF> pts{root + QPointF(s * 0.05 * L, -0.1 * L), root + QPointF(s * 0.2 * L, -0.32 * L), wrist,
                                 root + QPointF(s * 0.78 * L, -(0.3 + 0.7 * lift) * L), tip};
        const int feathers = 7;
        for (int i = 1; i <= feathers; ++i) {
            const double t = static_cast<double>(i) / feathers;
            // Along a curve from the tip down to the tail, bulging outwards.
            const QPointF a = lerp(tip, tail, t);
            const QPointF bulge = QPointF(s * 0.25 * L, 0.05 * L) * std::sin(t * M_PI);
            const QPointF edge = a + bulge;
            const QPointF in = unitVector(QPointF(-s * 0.4, -1.0)) * 0.07 * L;
            pts.push_back(edge);
            if (i < feathers)
                pts.push_back(edge + in + (lerp(tip, tail, t + 0.5 / feathers) - a) * 0.5);
        }
        pts.push_back(root + QPointF(s * 0.02 * L, 0.35 * L));
        const QPainterPath wing = smoothClosed(pts);
        drawShape(p, wing, look.tips, std::max(1.2, 0.1 * u));
        // The coverts: a lighter inner part along the leading edge.
        std::vector<QPointF> inner{root + QPointF(s * 0.05 * L, -0.08 * L), root + QPointF(s * 0.2 * L, -0.3 * L), wrist,
                                   root + QPointF(s * 0.7 * L, -(0.26 + 0.62 * lift) * L),
                                   lerp(lerp(tip, tail, 0.35), root, 0.22) + QPointF(s * 0.1 * L, 0),
                                   lerp(tail, root, 0.35) + QPointF(s * 0.08 * L, 0)};
        const QPainterPath coverts = smoothClosed(inner).intersected(wing);
        drawShape(p, coverts, look.feathers, std::max(1.0, 0.08 * u));
        // Quills of the long feathers.
        QPainterPath quills;
        for (int i = 1; i < feathers; ++i) {
            const double t = static_cast<double>(i) / feathers;
            const QPointF a = lerp(tip, tail, t) + QPointF(s * 0.25 * L, 0.05 * L) * std::sin(t * M_PI);
            quills.moveTo(lerp(a, root, 0.12));
            quills.lineTo(lerp(a, root, 0.38));
        }
        drawLine(p, quills, look.tips.shade, std::max(0.6, 0.05 * u));
    }
}

} // namespace artwork::figures
