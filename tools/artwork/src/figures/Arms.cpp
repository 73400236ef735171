#include "figures/Arms.h"

#include "figures/Shapes.h"

#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace {

// The elbow between shoulder s and hand h (moved in when out of reach), the
// one of the two possible bends nearer `bend`.
QPointF elbowTowards(QPointF s, QPointF &h, double upper, double fore, QPointF bend)
{
    const auto [e1, e2] = elbowChoices(s, h, upper, fore);
    return length(e1 - bend) <= length(e2 - bend) ? e1 : e2;
}

// An arm from `s` to `hand`, one head `u` high, `w` thick.
void armFrom(QPainter &p, QPointF s, QPointF hand, QPointF bend, double u, const ArmMeasures &m, const Tone &sleeve,
             const Tone &skin, const Tone &trim, bool holding, bool cuff, bool bare, double bodyX)
{
    const double w = m.thickness * u;
    QPointF h = hand;
    const QPointF e = elbowTowards(s, h, m.upper * u, m.fore * u, bend);
    const QPointF along = unitVector(h - e);
    const QPointF wrist = h - along * 0.2 * u;
    if (bare) {
        drawShape(p, limb({s, e, wrist}, {0.26 * w, 0.18 * w, 0.13 * w}), skin, std::max(1.0, 0.1 * u));
    } else {
        drawShape(p, limb({s, e, wrist}, {0.3 * w, 0.23 * w, 0.27 * w}), sleeve, std::max(1.0, 0.1 * u));
        if (cuff) {
            const double c = 0.27 * w * 1.05;
            drawShape(p, limb({wrist - along * 0.1 * u, wrist}, {c, c}), trim, 0.5, 0.8);
        }
    }
    const double angle = angleOf(along);
    if (holding) {
        drawShape(p, ellipse(h, 0.2 * u, 0.16 * u, angle), skin, 0.5, 0.8);
        return;
    }
    drawShape(p, ellipse(h + along * 0.04 * u, 0.19 * u, 0.12 * u, angle), skin, 0.5, 0.8);
    const QPointF thumbSide = normal(along) * (h.x() < bodyX ? -1.0 : 1.0);
    drawShape(p, ellipse(h - thumbSide * 0.1 * u - along * 0.04 * u, 0.09 * u, 0.05 * u, angle + 30), skin, 0, 0.7);
}

} // namespace

void paintArm(QPainter &p, const Figure &figure, int side, QPointF hand, QPointF bend, const Tone &sleeve, bool holding,
              bool cuff)
{
    const Body b = bodyOf(figure);
    armFrom(p, b.shoulder[static_cast<std::size_t>(side > 0)], hand, bend, b.unit, armMeasures(figure.build), sleeve,
            figure.skin, figure.robe.trim, holding, cuff, false, b.crown.x());
}

void paintBareArmFrom(QPainter &p, QPointF shoulder, QPointF hand, QPointF bend, double unit, Build build,
                      const Tone &skin, bool holding)
{
    armFrom(p, shoulder, hand, bend, unit, armMeasures(build), skin, skin, skin, holding, false, true, shoulder.x());
}

} // namespace artwork::figures
