#include "figures/Wings.h"

#include "figures/Shapes.h"

#include <algorithm>
#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

void paintWings(QPainter &p, const Figure &figure, const WingsLook &look)
{
    const Body b = bodyOf(figure);
    const double u = b.unit, L = look.span * u;
    const QPointF root = (b.shoulder[0] + b.shoulder[1]) / 2 + QPointF(0, 0.25 * u);
    const double lift = std::clamp(look.lift, 0.0, 1.0);
    const double line = std::max(1.0, 0.08 * u);
    const bool vaned = look.marks == WingFeathers::Vaned;
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
            const double len = (0.62 - 0.22 * t) * (vaned ? 1.2 : 1.0) * L;
            const QPointF to = from + dir * len;
            drawShape(p, limb({from, lerp(from, to, 0.55), to}, {0.08 * L, 0.085 * L, 0.04 * L}), look.tips, line);
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
        // Rows of small rounded feathers on the coverts, or straight vanes.
        QPainterPath scales;
        for (int i = 0; vaned && i < 5; ++i) {
            const double t = (i + 0.5) / 5;
            const QPointF q = lerp(at(0.6, apexY + 0.12), at(0.16, 0.0), t);
            const double angle = 0.55 - 0.45 * t;
            scales.moveTo(q);
            scales.lineTo(q + QPointF(s * std::sin(angle), std::cos(angle)) * 0.36 * L);
        }
        for (int row = 0; !vaned && row < 2; ++row) {
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

void paintBatWings(QPainter &p, QPointF root, double u, double span, const Tone &skin)
{
    const double L = span * u;
    const double line = std::max(1.0, 0.08 * u);
    for (int s : {-1, 1}) {
        auto at = [&](double x, double y) { return root + QPointF(s * x * L, y * L); };
        // The arm of the wing up to its wrist, then the finger tips fanned down.
        const QPointF wrist = at(0.55, -0.55);
        const std::vector<QPointF> tips{at(1.0, -0.72), at(1.02, -0.2), at(0.86, 0.22), at(0.5, 0.42)};
        QPainterPath wing;
        wing.moveTo(at(0.05, -0.1));
        wing.quadTo(at(0.25, -0.5), wrist);
        wing.lineTo(tips[0]);
        for (std::size_t i = 1; i < tips.size(); ++i) {
            // A scallop between two fingers, pulled in towards the wrist.
            const QPointF mid = (tips[i - 1] + tips[i]) / 2;
            wing.quadTo(lerp(mid, wrist, 0.28), tips[i]);
        }
        wing.quadTo(lerp((tips.back() + at(0.08, 0.18)) / 2, wrist, 0.2), at(0.08, 0.18));
        wing.closeSubpath();
        drawShape(p, wing, skin, std::max(1.4, 0.14 * u), line * 1.2);
        QPainterPath bones;
        bones.moveTo(at(0.05, -0.1));
        bones.quadTo(at(0.25, -0.5), wrist);
        for (const QPointF &tip : tips) {
            bones.moveTo(wrist);
            bones.lineTo(tip);
        }
        drawLine(p, bones, kOutline, line * 2.2);
        drawLine(p, bones, skin.base.lighter(130), line);
        // A claw at the wrist.
        QPainterPath claw;
        claw.moveTo(wrist + QPointF(-0.03 * L, 0));
        claw.lineTo(wrist + QPointF(s * 0.02 * L, -0.1 * L));
        claw.lineTo(wrist + QPointF(s * 0.05 * L, 0.01 * L));
        claw.closeSubpath();
        drawShape(p, claw, kClaw, 0, 0.8);
    }
}

} // namespace artwork::figures
