// 13 The Hanging Man: a man hanging head down by one foot from a T-shaped tree of living wood,
// his free leg crossed behind the other, his hands behind his back, a halo round his head.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

constexpr double kBeamY = 34, kTreeX = 100;

void hangingLand(QPainter &p)
{
    const QRectF s = trumpScene();
    paintSky(p, s, 214, kMorningSky);
    paintHills(p, s, 214, 13, kSpringHills, kSpringHillsFar);
}

void hangingTree(QPainter &p)
{
    const QRectF s = trumpScene();
    paintLivingWood(p, {kTreeX, s.bottom() + 4}, {kTreeX, kBeamY - 6}, 8, 13);
    paintLivingWood(p, {s.left() + 16, kBeamY}, {s.right() - 16, kBeamY}, 8.5, 31);
}

// The man is drawn as if standing, his soles on the ankle where the rope
// holds him, and turned upside down about it: `at` gives a point of the
// standing man in heads across from his middle and down from his crown.
constexpr double kManHeight = 178, kUnit = kManHeight / 7;
const QPointF kAnkle(kTreeX, kBeamY + 24);

QPointF at(double x, double y)
{
    return {kAnkle.x() + x * kUnit, kAnkle.y() - 7 * kUnit + y * kUnit};
}

// Where a point of the standing man is once he hangs.
QPointF hung(QPointF standing)
{
    return {standing.x(), 2 * kAnkle.y() - standing.y()};
}

// A leg in hose from hip to knee to ankle, the thigh tapering to the knee,
// the calf swelling below it; a shoe on the foot.
void paintHosedLeg(QPainter &p, QPointF hip, QPointF knee, QPointF ankle, double toe)
{
    const double w = kUnit;
    const std::vector<QPointF> joints{hip, shapes::lerp(hip, knee, 0.5), knee, shapes::lerp(knee, ankle, 0.3), ankle};
    drawShape(p, shapes::limb(joints, {0.33 * w, 0.27 * w, 0.19 * w, 0.21 * w, 0.12 * w}), kHoseRed, 0.08 * w);
    drawShape(p, shapes::ellipse(ankle + QPointF(toe * 0.1 * w, 0.1 * w), 0.2 * w, 0.12 * w, toe * 20), kShoe, 0.04 * w,
              style::kInteriorLine);
}

// The arms pinned behind his back: from the front only the upper arms show,
// close to his sides and angled back, each ending in the point of an elbow
// beside the waist; the forearms cross behind him, hidden by the body. The
// sleeves are a shade darker, in the shadow behind him.
void paintArmsBehind(QPainter &p)
{
    const Tone sleeve{kTunicBlue.shade, kTunicBlue.shade.darker(130)};
    for (int s : {-1, 1}) {
        const QPointF shoulder = at(s * 0.8, 1.42), elbow = at(s * 1.16, 2.5);
        // The forearm first, running in from the elbow behind the waist.
        drawShape(p, shapes::limb({elbow, at(s * 0.6, 2.7)}, {0.12 * kUnit, 0.13 * kUnit}), sleeve, 0.1 * kUnit);
        drawShape(p,
                  shapes::limb({shoulder, shapes::lerp(shoulder, elbow, 0.45), elbow},
                               {0.24 * kUnit, 0.2 * kUnit, 0.12 * kUnit}),
                  sleeve, 0.1 * kUnit);
        // The crease on the inside of the bend.
        QPainterPath crease;
        crease.moveTo(at(s * 1.06, 2.2));
        crease.quadTo(at(s * 0.98, 2.38), at(s * 0.9, 2.44));
        drawLine(p, crease, sleeve.shade, style::kInteriorLine);
    }
}

// The fitted tunic: close over chest and hips, belted at the waist, its
// skirt fallen back from the belt over his chest (he hangs head down).
void paintFallenTunic(QPainter &p)
{
    const std::vector<QPointF> body{at(-0.28, 1.12), at(-0.76, 1.2),  at(-0.95, 1.36), at(-0.92, 1.75),
                                    at(-0.8, 2.2),   at(-0.64, 2.75), at(-0.74, 3.2),  at(-0.5, 3.42),
                                    at(0.5, 3.42),   at(0.74, 3.2),   at(0.64, 2.75),  at(0.8, 2.2),
                                    at(0.92, 1.75),  at(0.95, 1.36),  at(0.76, 1.2),   at(0.28, 1.12)};
    drawShape(p, style::smoothClosed(body), kTunicBlue, 0.12 * kUnit);
    // The neckline's gold trim.
    QPainterPath neckline;
    neckline.moveTo(at(-0.3, 1.14));
    neckline.quadTo(at(0, 1.36), at(0.3, 1.14));
    drawLine(p, neckline, kOutline, 0.12 * kUnit);
    drawLine(p, neckline, kGold.base, 0.06 * kUnit);
    // The skirt, fallen from the belt towards his head and flaring a little
    // past his sides, its hem in soft folds with a gold border.
    QPainterPath hem;
    hem.moveTo(at(1.02, 2.3));
    for (int i = 0; i < 5; ++i) {
        const double x0 = 1.02 - 2.04 * i / 5.0, x1 = 1.02 - 2.04 * (i + 1) / 5.0;
        hem.quadTo(at((x0 + x1) / 2, 2.14), at(x1, 2.3));
    }
    QPainterPath cloth = hem;
    cloth.lineTo(at(-0.68, 2.8));
    cloth.lineTo(at(0.68, 2.8));
    cloth.closeSubpath();
    drawShape(p, cloth, kTunicBlue, 0.14 * kUnit, style::kInteriorLine);
    drawLine(p, hem, kGold.shade, 0.1 * kUnit);
    QPainterPath folds;
    for (double x : {-0.61, -0.2, 0.2, 0.61}) {
        folds.moveTo(at(x * 0.8, 2.72));
        folds.lineTo(at(x, 2.28));
    }
    drawLine(p, folds, kTunicBlue.shade, style::kInteriorLine);
    QPainterPath belt;
    belt.addRect(QRectF(at(-0.7, 2.72), at(0.7, 2.88)));
    drawShape(p, belt, kGold, 0.3, style::kInteriorLine);
}

// The man as if standing: arms behind him, the free leg bent behind the
// other's knee (a figure four), the fitted tunic, neck and calm face.
void paintStandingMan(QPainter &q)
{
    paintArmsBehind(q);
    paintHosedLeg(q, at(0.3, 3.5), at(1.15, 4.6), at(-0.05, 5.25), -1);
    paintHosedLeg(q, at(-0.22, 3.5), at(-0.12, 5.1), at(-0.02, 6.86), 1);
    QPainterPath neck;
    neck.addRect(QRectF(at(-0.17, 0.8), at(0.17, 1.25)));
    drawShape(q, neck, kSkin, 0, style::kInteriorLine);
    paintFallenTunic(q);
    Figure look;
    look.hairColour = kHairGold;
    look.features = Features{View::Front, 1, {0.0, 0.1}, Age::Prime, Expression::Calm, 1.0};
    paintHead(q, look, at(0, 0.5), kUnit);
}

// The halo round his head, the rope from the beam to his ankle, the man, and
// the knot.
void hangingMan(QPainter &p)
{
    paintHalo(p, hung(at(0, 0.5)), kUnit * 0.95);
    QPainterPath rope;
    rope.moveTo(kTreeX - 2, kBeamY - 4);
    rope.lineTo(kTreeX - 1, kAnkle.y() + 4);
    drawLine(p, rope, kOutline, 3.4);
    drawLine(p, rope, kRope, 2.0);
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        q.save();
        q.translate(0, 2 * kAnkle.y());
        q.scale(1, -1);
        paintStandingMan(q);
        q.restore();
    });
    QPainterPath knot;
    knot.addRoundedRect(QRectF(kTreeX - 6, kAnkle.y() - 2, 12, 6), 2, 2);
    drawShape(p, knot, kRopeKnot, 0.8);
}

} // namespace

Trump theHangingMan()
{
    return {{{Layer::Scene, hangingLand}, {Layer::Scene, hangingTree}, {Layer::Figures, hangingMan}}};
}

} // namespace artwork::trumps
