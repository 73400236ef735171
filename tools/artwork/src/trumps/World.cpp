// 22 The World: a dancer draped in a long sash, a wand in each hand, one leg crossed behind the
// other, inside an oval wreath of laurel bound with red ribbons; the four living creatures in the
// corners.

#include "figures/GrippingBareArms.h"
#include "figures/Shapes.h"
#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

using shapes::lerp;
using shapes::limb;
using style::smoothClosed;
using style::smoothOpen;

const QRectF kOval(100 - 58, 40, 116, 196); // inside the wreath
const QPointF kHips(100, 139);
constexpr double kUnit = 23.5; // the dancer's head

QPointF at(double x, double y)
{
    return kHips + QPointF(x * kUnit, y * kUnit);
}

// The sky, a shade paler inside the wreath.
void worldSky(QPainter &p)
{
    p.fillRect(trumpScene(), kWorldSky);
    drawShape(p, shapes::ellipse(kOval.center(), kOval.width() / 2, kOval.height() / 2), kWreathSky, 0, 0);
}

// A bare leg from the hip through the knee to the ankle, and its foot
// pointing along `toe`.
void danceLeg(QPainter &p, QPointF hip, QPointF knee, QPointF ankle, QPointF toe, const Tone &skin)
{
    const double w = 0.88 * kUnit;
    drawShape(p,
              limb({hip, lerp(hip, knee, 0.5), knee, lerp(knee, ankle, 0.35), ankle},
                   {0.34 * w, 0.26 * w, 0.18 * w, 0.2 * w, 0.11 * w}),
              skin, 1.6, style::kInteriorLine);
    drawShape(p, limb({ankle, toe}, {0.12 * w, 0.07 * w}), skin, 0.5, style::kInteriorLine);
}

// The standing foot up on its ball as a dancer's: the heel lifted under the
// ankle, the instep sloping down and forward, the toes flat on the ground.
void standingFoot(QPainter &p)
{
    drawShape(p,
              smoothClosed({at(-0.04, 3.36), at(0.04, 3.5), at(-0.02, 3.62), at(-0.3, 3.76), at(-0.52, 3.84),
                            at(-0.66, 3.86), at(-0.7, 3.8), at(-0.58, 3.72), at(-0.38, 3.62), at(-0.26, 3.44)}),
              kSkin, 1.0, style::kInteriorLine);
    QPainterPath lines;
    lines.addPath(smoothOpen({at(-0.1, 3.44), at(-0.06, 3.5), at(-0.12, 3.54)})); // the ankle bone
    lines.addPath(smoothOpen({at(-0.56, 3.78), at(-0.54, 3.84)}));                // the big toe
    drawLine(p, lines, kSkin.shade, style::kInteriorLine);
}

// Her legs: she stands on her right leg (the viewer's left), the other bent
// at the knee and crossed behind it, its foot showing past the standing calf.
void dancerLegs(QPainter &p)
{
    const Tone far{kSkin.shade, kSkin.shade.darker(112)};
    danceLeg(p, at(0.3, 0.12), at(0.95, 1.45), at(-0.5, 2.35), at(-0.9, 2.6), far);
    danceLeg(p, at(-0.28, 0.12), at(-0.2, 1.8), at(-0.16, 3.4), at(-0.18, 3.5), kSkin);
    standingFoot(p);
    QPainterPath lines;
    lines.addPath(smoothOpen({at(-0.32, 1.7), at(-0.22, 1.84), at(-0.08, 1.76)})); // the standing knee
    lines.addPath(smoothOpen({at(0.78, 1.3), at(0.9, 1.46), at(0.78, 1.6)}));      // the bent one
    drawLine(p, lines, kSkin.shade, style::kInteriorLine);
}

// The body from the neck to the hips, seen from the front, turning a little
// at the waist into the dance.
void dancerTorso(QPainter &p)
{
    const std::vector<QPointF> right{{0.16, -2.32}, {0.45, -2.06}, {0.78, -1.9}, {0.72, -1.55},
                                     {0.58, -1.2},  {0.46, -0.7},  {0.64, -0.3}, {0.74, 0.06},
                                     {0.62, 0.36},  {0.3, 0.46},   {0.0, 0.44}};
    std::vector<QPointF> pts;
    for (const QPointF &q : right)
        pts.emplace_back(q.x() * kUnit, kHips.y() + q.y() * kUnit);
    QPainterPath neck;
    neck.addRect(QRectF(at(-0.17, -2.6), at(0.17, -2.2)));
    drawShape(p, neck, kSkin, 0, style::kInteriorLine);
    drawShape(p, smoothClosed(shapes::mirrored(kHips.x(), pts)), kSkin, 2.0, style::kInteriorLine);
    QPainterPath lines;
    lines.addPath(smoothOpen({at(-0.5, -1.42), at(-0.3, -1.3), at(-0.1, -1.4)})); // under the breasts
    lines.addPath(smoothOpen({at(0.1, -1.4), at(0.3, -1.3), at(0.5, -1.42)}));
    lines.addPath(smoothOpen({at(0.0, -0.55), at(0.02, -0.45)})); // the navel
    drawLine(p, lines, kSkin.shade, style::kInteriorLine);
}

// The sash: over her left shoulder, down across the breast and round the
// hips, its ends flying out on either side as she turns.
void dancerSash(QPainter &p)
{
    const Tone &sash = kScarfPurple;
    const QPainterPath highEnd = limb({at(0.55, -2.0), at(1.2, -2.55), at(1.8, -2.2), at(2.15, -2.6)},
                                      {0.22 * kUnit, 0.26 * kUnit, 0.2 * kUnit, 0.06 * kUnit});
    drawShape(p, highEnd, sash, 1.2, style::kInteriorLine);
    const QPainterPath wrap = limb(
        {at(0.6, -2.0), at(0.15, -1.45), at(-0.45, -0.8), at(-0.6, -0.15), at(-0.1, 0.32), at(0.55, 0.3)},
        {0.26 * kUnit, 0.4 * kUnit, 0.36 * kUnit, 0.36 * kUnit, 0.44 * kUnit, 0.36 * kUnit});
    drawShape(p, wrap, sash, 2.0, style::kInteriorLine);
    const QPainterPath lowEnd = limb({at(0.5, 0.3), at(1.1, 0.62), at(1.6, 0.4), at(2.0, 0.78), at(2.15, 0.66)},
                                     {0.26 * kUnit, 0.26 * kUnit, 0.22 * kUnit, 0.16 * kUnit, 0.05 * kUnit});
    drawShape(p, lowEnd, sash, 1.2, style::kInteriorLine);
    QPainterPath folds;
    folds.addPath(smoothOpen({at(0.4, -1.8), at(-0.1, -1.25), at(-0.42, -0.6)}));
    folds.addPath(smoothOpen({at(-0.5, 0.05), at(-0.1, 0.26), at(0.4, 0.22)}));
    folds.addPath(smoothOpen({at(1.0, -2.4), at(1.5, -2.3)}));
    drawLine(p, folds, sash.shade, style::kInteriorLine);
}

// Her head turned over her right shoulder, her hair flowing the other way.
void dancerHead(QPainter &p)
{
    const QPointF centre = at(0, -2.8);
    Figure look;
    look.build = Build::Woman;
    look.hairColour = kHairCopper;
    look.features = Features{
        .view = View::ThreeQuarter, .side = -1, .gaze = {-0.8, 0.1}, .age = Age::Young, .expression = Expression::Calm};
    paintFlowingHair(p, centre, kUnit, look.hairColour, 1);
    paintHead(p, look, centre, kUnit);
}

// A wand in each hand, the fists closed round them: the right arm lowered
// and bent out from the hip, the left held out at the breast, the elbow low.
void dancerArms(QPainter &p)
{
    struct Wand {
        BareArm arm;
        double degrees;
    };
    const std::vector<Wand> wands{
        {{.shoulder = at(-0.56, -1.95),
          .hand = at(-1.75, -0.2),
          .bend = at(-1.6, -1.3),
          .unit = kUnit,
          .build = Build::Woman,
          .grip = Grip::Fist,
          .shaftDegrees = -16,
          .thumbSide = 1,
          .withHand = false},
         -16},
        {{.shoulder = at(0.56, -1.95),
          .hand = at(1.75, -1.5),
          .bend = at(1.0, -0.6),
          .unit = kUnit,
          .build = Build::Woman,
          .grip = Grip::Fist,
          .shaftDegrees = -8,
          .thumbSide = -1,
          .withHand = false},
         -8},
    };
    for (const Wand &w : wands) {
        paintGrippingBareArm(p, w.arm);
        paintHeld(p, Held::Rod, w.arm.hand, kUnit * 1.25, w.degrees, 0);
        paintGrippingBareHand(p, w.arm);
    }
}

void worldDancer(QPainter &p)
{
    style::paintContoured(p, style::kContourLine, [](QPainter &q) {
        const style::WoodcutFinish finish;
        dancerLegs(q);
        dancerTorso(q);
        dancerSash(q);
        dancerHead(q);
        dancerArms(q);
    });
}

void worldWreath(QPainter &p)
{
    paintLaurelWreath(p, kOval, 13);
}

// The angel, the eagle, the bull and the lion on their clouds, shaded and
// outlined as one with their wings; set in by the contour's width so it
// stays inside the picture.
void worldCreatures(QPainter &p)
{
    const double in = style::kContourLine;
    style::paintContoured(p, style::kContourLine, [in](QPainter &q) {
        const style::WoodcutFinish finish;
        paintCreaturesInCorners(q, trumpScene().adjusted(in, in, -in, -in), 47);
    });
}

} // namespace

Trump theWorld()
{
    return {{{Layer::Scene, worldSky},
             {Layer::Figures, worldDancer},
             {Layer::Figures, worldWreath},
             {Layer::Figures, worldCreatures}}};
}

} // namespace artwork::trumps
