// 18 The Star: a woman kneels by a pool under a great star and seven small ones, one foot in the
// water, pouring from two jugs, one into the pool and one onto the land; a bird sits in a tree
// behind her.

#include "figures/GrippingBareArms.h"
#include "figures/Shapes.h"
#include "trumps/Trump.h"

#include <utility>

namespace artwork::trumps {

namespace {

using shapes::limb;
using style::smoothClosed;
using style::smoothOpen;

constexpr double kHorizon = 190;
constexpr double kUnit = 26; // her head's height
const QPointF kHips(108, 264 - 1.9 * kUnit);

// The night sky with its eight stars, the hills and the tree.
void starSky(QPainter &p)
{
    const QRectF s = trumpScene();
    paintSky(p, s, kHorizon, kStarlitSky);
    const Tone &white = kStarWhite;
    paintStar(p, {100, 62}, 40, 8, kGreatStar);
    for (const QPointF &c : {QPointF(30, 30), QPointF(170, 30), QPointF(24, 84), QPointF(176, 84), QPointF(42, 134),
                             QPointF(158, 134), QPointF(100, 112)})
        paintStar(p, c, 11, 8, white);
    paintHills(p, s, kHorizon, 18, kStarlitHills, kStarlitHillsFar);
    paintTree(p, {170, 216}, 64, 18);
}

void starBird(QPainter &p)
{
    paintPerchedBird(p, {166, 170}, 22, -1, kIbis);
}

// The pool at the left.
void starPool(QPainter &p)
{
    const QRectF s = trumpScene();
    QPainterPath pool;
    pool.moveTo(s.left() - 4, 206);
    pool.cubicTo(30, 200, 72, 208, 80, 226);
    pool.cubicTo(88, 244, 92, 258, 88, s.bottom() + 4);
    pool.lineTo(s.left() - 4, s.bottom() + 4);
    pool.closeSubpath();
    paintPool(p, pool, s, 196, s.bottom() + 4, 18);
}

// In her own units (a head high, the hips at the origin, facing the
// viewer's left) to the picture.
QPointF her(double x, double y)
{
    return kHips + QPointF(x * kUnit, y * kUnit);
}

// The far leg kneels on the bank: the thigh down to the knee on the grass,
// the shin lying back along it, the toes bent under.
void farLeg(QPainter &p, const Tone &skin)
{
    const double u = kUnit;
    drawShape(p,
              limb({her(0.1, -0.05), her(-0.05, 0.8), her(-0.22, 1.62), her(0.4, 1.74), her(1.0, 1.74), her(1.22, 1.8)},
                   {0.4 * u, 0.3 * u, 0.17 * u, 0.17 * u, 0.1 * u, 0.08 * u}),
              skin, 1.4, style::kInteriorLine);
}

// The body kneeling upright, the near knee raised before her, its calf
// falling to a bare foot set on the water: heel, arch and toes.
void nearBodyAndLeg(QPainter &p)
{
    const double u = kUnit;
    const std::vector<QPointF> body{// the back of the neck, the far shoulder, the ribcage down to the waist
                                    her(0.08, -2.34), her(0.2, -2.12), her(0.5, -2.04), her(0.62, -1.84),
                                    her(0.54, -1.5), her(0.4, -1.18), her(0.24, -0.92),
                                    // the hip swelling out to the buttock
                                    her(0.32, -0.56), her(0.5, -0.16), her(0.46, 0.22), her(0.16, 0.34),
                                    // under the raised thigh to the back of its knee
                                    her(-0.5, 0.2), her(-1.05, 0.12),
                                    // round the knee, back along the top of the thigh to the belly
                                    her(-1.42, -0.06), her(-1.38, -0.34), her(-1.0, -0.42), her(-0.46, -0.42),
                                    her(-0.3, -0.66),
                                    // the waist, the ribcage and breast, the near shoulder, the throat
                                    her(-0.22, -0.96), her(-0.34, -1.26), her(-0.48, -1.5), her(-0.5, -1.76),
                                    her(-0.42, -1.98), her(-0.2, -2.1), her(-0.12, -2.34)};
    drawShape(p, smoothClosed(body), kSkin, std::max(1.6, 0.12 * u), style::kInteriorLine);
    // The shin from the knee down, a little forward, to the ankle.
    drawShape(p, limb({her(-1.26, -0.08), her(-1.36, 0.7), her(-1.4, 1.58)}, {0.2 * u, 0.16 * u, 0.09 * u}), kSkin, 1.4,
              style::kInteriorLine);
    // The foot: heel behind the ankle, the sole flat on the water, the toes in a row.
    drawShape(p,
              smoothClosed({her(-1.3, 1.5), her(-1.2, 1.72), her(-1.3, 1.84), her(-1.7, 1.86), her(-1.94, 1.84),
                            her(-1.96, 1.76), her(-1.74, 1.68), her(-1.5, 1.5)}),
              kSkin, 0.8, style::kInteriorLine);
    QPainterPath lines;
    for (double x : {-1.94, -1.86, -1.79})
        lines.addPath(smoothOpen({her(x, 1.78), her(x + 0.03, 1.85)}));                  // the toes
    lines.addPath(smoothOpen({her(-1.36, 1.6), her(-1.32, 1.66), her(-1.38, 1.7)}));     // the ankle bone
    lines.addPath(smoothOpen({her(-1.2, -0.28), her(-1.3, -0.12), her(-1.24, 0.0)}));    // the knee
    lines.addPath(smoothOpen({her(-0.46, -1.52), her(-0.3, -1.38), her(-0.16, -1.42)})); // the breast
    lines.addPath(smoothOpen({her(-0.12, -1.26), her(0.0, -1.12), her(0.16, -1.1)}));    // the ribs' edge
    lines.addPath(smoothOpen({her(-0.2, -2.0), her(0.0, -1.94), her(0.3, -1.98)}));      // the collarbone
    lines.addPath(smoothOpen({her(0.22, -0.3), her(0.3, 0.0), her(0.2, 0.2)}));          // the hip
    drawLine(p, lines, kSkin.shade, style::kInteriorLine);
}

// Rings on the water round the foot she has set on it.
void ripples(QPainter &p)
{
    const QPointF foot = her(-1.6, 1.86);
    QPainterPath rings;
    for (double r : {0.7, 1.05}) {
        rings.moveTo(foot + QPointF(-r * kUnit, -0.02 * kUnit));
        rings.quadTo(foot + QPointF(0, 0.2 * r * kUnit), foot + QPointF(r * kUnit, -0.02 * kUnit));
    }
    drawLine(p, rings, kSea.base.lighter(150), 1.2);
}

// The five streams the far jug's water breaks into, running away over the
// land.
void fiveStreams(QPainter &p, QPointF splash)
{
    const std::vector<std::vector<QPointF>> courses{{{-9, 2}, {-16, 3}, {-23, 2}, {-32, 4}},
                                                    {{-5, 3}, {-10, 7}, {-18, 8}, {-26, 12}},
                                                    {{-1, 3.5}, {-4, 9}, {-10, 13}, {-16, 18}},
                                                    {{4, 3.5}, {3, 9}, {-1, 14}, {-3, 19}},
                                                    {{8, 2.5}, {11, 7}, {10, 12}, {12, 18}}};
    QPainterPath runs;
    for (const std::vector<QPointF> &course : courses) {
        std::vector<QPointF> points;
        for (const QPointF &q : course)
            points.push_back(splash + q);
        runs.addPath(smoothOpen(points));
    }
    drawLine(p, runs, kOutline, 3.0);
    drawLine(p, runs, kPouredWater, 1.5);
    // Where the water strikes the ground and spreads.
    drawShape(p, shapes::ellipse(splash + QPointF(0, 1.5), 10, 2.6), {kPouredWater, kPouredWater.darker(125)}, 0.6,
              style::kInteriorLine);
}

// An arm bent at the elbow: the upper arm swelling a little below the
// shoulder and narrowing to the point of the elbow, the forearm from there to
// the wrist, a crease where they meet. The elbow is the kit's, so the hand
// painted later by paintGrippingBareHand sits on this forearm.
void bentArm(QPainter &p, const BareArm &arm)
{
    QPointF hand = arm.hand;
    const ArmMeasures m = armMeasures(arm.build);
    const auto [e1, e2] = elbowChoices(arm.shoulder, hand, m.upper * arm.unit, m.fore * arm.unit);
    const QPointF elbow = shapes::length(e1 - arm.bend) <= shapes::length(e2 - arm.bend) ? e1 : e2;
    const double w = m.thickness * arm.unit;
    const QPointF wrist = hand - shapes::unitVector(hand - elbow) * 0.14 * arm.unit;
    const QPointF upperMid = arm.shoulder + 0.4 * (elbow - arm.shoulder);
    const QPointF foreMid = elbow + 0.35 * (wrist - elbow);
    drawShape(p, limb({arm.shoulder, upperMid, elbow}, {0.27 * w, 0.25 * w, 0.16 * w}), arm.skin, 1.4,
              style::kInteriorLine);
    drawShape(p, limb({elbow, foreMid, wrist}, {0.16 * w, 0.19 * w, 0.12 * w}), arm.skin, 1.4, style::kInteriorLine);
    const QPointF along = shapes::unitVector(wrist - elbow);
    const QPointF across(-along.y(), along.x());
    drawLine(p, smoothOpen({elbow + along * 0.3 * w - across * 0.1 * w, elbow + along * 0.4 * w}), arm.skin.shade,
             style::kInteriorLine);
}

// She kneels facing the pool, her hair falling down her back, looking down
// at the water, a jug in each hand: the far one tipped behind her over the
// land, the near one into the pool. Returns the jugs' lips, near then far.
std::pair<QPointF, QPointF> starWoman(QPainter &p)
{
    const double u = kUnit;
    const Tone far{kSkin.shade, kSkin.shade.darker(115)};
    const BareArm farArm{.shoulder = her(0.42, -1.94),
                         .hand = her(1.75, -1.12),
                         .bend = her(1.1, -0.4),
                         .unit = u,
                         .build = Build::Woman,
                         .skin = far,
                         .grip = Grip::Fist,
                         .shaftDegrees = 80,
                         .thumbSide = -1,
                         .withHand = false};
    bentArm(p, farArm);
    const QPointF farLip = paintJug(p, farArm.hand, 1.3 * u, 80);
    paintGrippingBareHand(p, farArm);
    farLeg(p, far);
    nearBodyAndLeg(p);
    Figure look;
    look.build = Build::Woman;
    look.hairColour = kHairGold;
    look.features = Features{.view = View::ThreeQuarter,
                             .side = -1,
                             .gaze = {-0.7, 0.9},
                             .age = Age::Young,
                             .expression = Expression::Gentle};
    const QPointF head = her(-0.06, -2.8);
    paintFlowingHair(p, head, u, kHairGold, 1);
    paintHead(p, look, head, u);
    const BareArm nearArm{.shoulder = her(-0.3, -1.9),
                          .hand = her(-1.62, -0.98),
                          .bend = her(-0.5, -0.5),
                          .unit = u,
                          .build = Build::Woman,
                          .grip = Grip::Fist,
                          .shaftDegrees = -70,
                          .thumbSide = 1,
                          .withHand = false};
    bentArm(p, nearArm);
    const QPointF nearLip = paintJug(p, nearArm.hand, 1.3 * u, -70);
    paintGrippingBareHand(p, nearArm);
    return {nearLip, farLip};
}

void starFigure(QPainter &p)
{
    style::paintGroundShadow(p, her(0.3, 1.86), 40, 3.5);
    std::pair<QPointF, QPointF> lips;
    style::paintContoured(p, style::kContourLine, [&lips](QPainter &q) {
        const style::WoodcutFinish finish;
        lips = starWoman(q);
    });
    const auto [nearLip, farLip] = lips;
    ripples(p);
    paintPouredWater(p, nearLip, nearLip + QPointF(-8, 4), QPointF(nearLip.x() - 10, 244), 2.2);
    const QPointF splash(farLip.x() + 3, 248);
    paintPouredWater(p, farLip, farLip + QPointF(4, 4), splash, 2.2);
    fiveStreams(p, splash);
}

} // namespace

Trump theStar()
{
    return {
        {{Layer::Scene, starSky}, {Layer::Figures, starBird}, {Layer::Scene, starPool}, {Layer::Figures, starFigure}}};
}

} // namespace artwork::trumps
