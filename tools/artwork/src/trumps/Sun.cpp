// 20 The Sun: a great sun with a face shines over a garden wall where sunflowers grow; a small
// naked child, a garland and a red feather in the hair, rides a plump white pony bareback, arms
// spread wide, a red banner on a staff in one hand.

#include "figures/GrippingBareArms.h"
#include "figures/Shapes.h"
#include "trumps/Trump.h"

#include <tuple>

namespace artwork::trumps {

namespace {

using shapes::ellipse;
using shapes::limb;
using style::smoothClosed;
using style::smoothOpen;

constexpr double kWallTop = 150, kWallFoot = 186;

// The pony stands on the grass facing the viewer's left; its height at the
// withers and where the child sits.
const QPointF kPonyBase(106, 254);
constexpr double kPonyHeight = 72;
constexpr int kPonyFacing = -1;
constexpr double kChildUnit = 21; // the child's head, a quarter of its height
const QPointF kChildHips(112, 183);

// The sky and the sun, sunflowers behind the wall with their heads over it,
// the wall and the meadow before it.
void sunGarden(QPainter &p)
{
    const QRectF s = trumpScene();
    paintSky(p, s, kWallFoot, kSummerSky);
    paintSun(p, {96, 60}, 33, true);
    const std::vector<std::tuple<double, double, double>> flowers{
        {24, 124, -10}, {58, 134, 8}, {140, 130, -6}, {176, 120, 12}};
    for (const auto &[x, y, turn] : flowers)
        paintSunflower(p, {x, y}, 15, {x, kWallFoot}, turn);
    QPainterPath wall;
    wall.addRect(QRectF(s.left() - 2, kWallTop, s.width() + 4, kWallFoot - kWallTop));
    const Tone &brick = kBrick;
    drawShape(p, wall, brick, 2.0, 1.2);
    paintMasonry(p, wall, 9, brick.shade);
    QPainterPath coping;
    coping.addRect(QRectF(s.left() - 2, kWallTop - 5, s.width() + 4, 6));
    drawShape(p, coping, kCoping, 1.2, 1.2);
    paintMeadow(p, s, kWallFoot, 20, kNearHills);
}

// The pony's near side in its own units (a withers' height high, facing
// right, the ground at 0): a plump body on legs as long as it is deep, a
// thick arched neck and a small head carried low. It walks: the near fore is
// lifted, bent at the knee with the hoof tucked back; the near hind stands,
// angled at the hock. Each leg narrows below the knee or hock to a slim
// cannon, thickens at the fetlock and ends on a short pastern over the hoof.
shapes::Profile ponyProfile()
{
    shapes::Profile pr;
    pr.top = {{-0.72, -0.96}, {-0.46, -1.03}, {-0.12, -0.96}, {0.14, -0.98}, {0.32, -1.06}, {0.48, -1.24},
              {0.62, -1.38},  {0.72, -1.4},   {0.84, -1.3},   {0.94, -1.16}, {0.99, -1.08}, {0.98, -1.02},
              {0.92, -1.0},   {0.84, -1.03},  {0.76, -1.1},   {0.7, -1.06},  {0.66, -0.88}, {0.62, -0.68}};
    pr.foreLeg = {{0.46, -0.6}, {0.52, -0.44}, {0.62, -0.35}, {0.58, -0.25}, {0.52, -0.18}, {0.49, -0.15}};
    pr.foreHalf = {0.12, 0.075, 0.06, 0.04, 0.05, 0.04};
    pr.belly = {{0.3, -0.54}, {0.0, -0.5}, {-0.3, -0.55}};
    pr.hindLeg = {{-0.5, -0.62}, {-0.6, -0.44}, {-0.66, -0.3}, {-0.6, -0.18}, {-0.58, -0.08}, {-0.56, -0.03}};
    pr.hindHalf = {0.17, 0.1, 0.06, 0.04, 0.05, 0.04};
    pr.rear = {{-0.8, -0.78}};
    return pr;
}

// A hoof at the foot of a leg: a small dark wedge, its sole on `sole`.
QPainterPath ponyHoof(QPointF sole, double half)
{
    QPainterPath h;
    h.moveTo(sole + QPointF(-half, -0.08));
    h.lineTo(sole + QPointF(half, -0.08));
    h.lineTo(sole + QPointF(half * 1.25, 0));
    h.lineTo(sole + QPointF(-half * 1.15, 0));
    h.closeSubpath();
    return h;
}

// The near fore's hoof, lifted and tipped back under the pastern.
QPainterPath liftedHoof()
{
    QTransform tip;
    tip.translate(0.448, -0.108);
    tip.rotate(45);
    return tip.map(ponyHoof({0.0, 0.0}, 0.045));
}

// The far legs, the tail and the body, with the hooves.
void ponyBody(QPainter &p, const QTransform &t)
{
    const Tone &coat = kWhiteHorse;
    const Tone far{coat.shade, coat.shade.darker(120)};
    const Tone mane{kPaleMane, kPaleMane.darker(135)};
    const double line = style::kInteriorLine;
    // The far fore planted, reaching a little forward; the far hind
    // stepping under the body, its hock bent.
    drawShape(p,
              t.map(limb({{0.38, -0.6}, {0.42, -0.32}, {0.44, -0.18}, {0.46, -0.08}, {0.48, -0.03}},
                         {0.1, 0.06, 0.04, 0.05, 0.04})),
              far, 1.0, line);
    drawShape(p,
              t.map(limb({{-0.42, -0.62}, {-0.5, -0.3}, {-0.44, -0.18}, {-0.38, -0.08}, {-0.35, -0.03}},
                         {0.13, 0.06, 0.04, 0.05, 0.04})),
              far, 1.0, line);
    drawShape(p, t.map(ponyHoof({-0.34, 0.0}, 0.05)), kHoof, 0, line);
    drawShape(p, t.map(ponyHoof({0.49, 0.0}, 0.05)), kHoof, 0, line);
    // The tail falls thick and long from the croup.
    drawShape(p,
              t.map(limb({{-0.72, -0.94}, {-0.88, -0.86}, {-0.96, -0.62}, {-0.95, -0.38}, {-0.9, -0.22}},
                         {0.06, 0.1, 0.1, 0.08, 0.03})),
              mane, 1.0, line);
    drawShape(p, t.map(shapes::profileOutline(ponyProfile())), coat, 2.0, line);
    drawShape(p, t.map(liftedHoof()), kHoof, 0, line);
    drawShape(p, t.map(ponyHoof({-0.55, 0.0}, 0.05)), kHoof, 0, line);
    QPainterPath strands;
    strands.addPath(smoothOpen({{-0.82, -0.84}, {-0.9, -0.6}, {-0.9, -0.36}}));
    strands.addPath(smoothOpen({{-0.76, -0.9}, {-0.84, -0.7}, {-0.86, -0.5}}));
    drawLine(p, t.map(strands), mane.shade, line);
}

// The mane falling on the near side of the neck, the forelock, the ear, the
// eye and nostril, and the lines of the shoulder and the haunch.
void ponyHead(QPainter &p, const QTransform &t)
{
    const Tone &coat = kWhiteHorse;
    const Tone mane{kPaleMane, kPaleMane.darker(135)};
    const double line = style::kInteriorLine;
    const Tone farEar{coat.shade, coat.shade.darker(120)};
    drawShape(p, t.map(smoothClosed({{0.57, -1.37}, {0.56, -1.5}, {0.63, -1.4}})), farEar, 0.3, line);
    drawShape(p, t.map(smoothClosed({{0.63, -1.38}, {0.65, -1.52}, {0.71, -1.39}})), coat, 0.3, line);
    drawShape(p,
              t.map(smoothClosed({{0.3, -1.07},
                                  {0.46, -1.26},
                                  {0.62, -1.4},
                                  {0.67, -1.35},
                                  {0.6, -1.25},
                                  {0.57, -1.16},
                                  {0.5, -1.15},
                                  {0.47, -1.05},
                                  {0.4, -1.03},
                                  {0.36, -0.96}})),
              mane, 0.8, line);
    drawShape(p, t.map(smoothClosed({{0.66, -1.41}, {0.75, -1.38}, {0.79, -1.29}, {0.72, -1.32}})), mane, 0.4, line);
    drawShape(p, t.map(ellipse({0.8, -1.26}, 0.028, 0.024)), {kOutline, kOutline}, 0, 0);
    QPainterPath lines;
    lines.addPath(smoothOpen({{0.79, -1.3}, {0.83, -1.3}, {0.85, -1.26}}));    // the lid
    lines.addPath(smoothOpen({{0.95, -1.12}, {0.93, -1.08}, {0.96, -1.06}}));  // the nostril
    lines.addPath(smoothOpen({{0.98, -1.03}, {0.94, -1.025}, {0.91, -1.03}})); // the mouth
    lines.addPath(smoothOpen({{0.77, -1.1}, {0.74, -1.16}, {0.76, -1.22}}));   // the cheek
    lines.addPath(smoothOpen({{0.5, -0.92}, {0.4, -0.74}, {0.42, -0.56}}));    // the shoulder
    lines.addPath(smoothOpen({{-0.36, -0.92}, {-0.5, -0.8}, {-0.56, -0.62}})); // the haunch
    drawLine(p, t.map(lines), coat.shade.darker(115), line);
}

// The child's banner: a staff held upright in the right hand and a red flag
// streaming from its top away from the sun.
void sunBanner(QPainter &p, QPointF grip)
{
    const QPointF foot = grip + QPointF(2.5, 24), top = grip + QPointF(-7, -96);
    const QPointF along = shapes::unitVector(top - foot);
    // Joints along the staff keep its rounded ends from overshooting.
    drawShape(
        p,
        limb({foot, shapes::lerp(foot, top, 0.05), shapes::lerp(foot, top, 0.5), shapes::lerp(foot, top, 0.95), top},
             {1.6, 1.6, 1.5, 1.4, 1.4}),
        kWood, 0, style::kInteriorLine);
    drawShape(p, ellipse(top, 3.0, 3.0), kGold, 0.8, style::kInteriorLine);
    const QPointF a = top + along * -3.0;
    QPainterPath flag = smoothOpen({a, a + QPointF(14, 3), a + QPointF(28, -2), a + QPointF(40, 6), a + QPointF(36, 18),
                                    a + QPointF(41, 30), a + QPointF(26, 27), a + QPointF(14, 35),
                                    a + QPointF(1.5, 33)});
    flag.closeSubpath(); // straight down the staff
    drawShape(p, flag, kBannerRed, 2.2, style::kInteriorLine);
    QPainterPath folds;
    folds.addPath(smoothOpen({a + QPointF(12, 8), a + QPointF(18, 18), a + QPointF(16, 29)}));
    folds.addPath(smoothOpen({a + QPointF(27, 5), a + QPointF(31, 15), a + QPointF(29, 25)}));
    drawLine(p, folds, kBannerRed.shade, style::kInteriorLine);
}

// The child's body, seen from the front on the pony's back: a round belly,
// short plump limbs; the near leg hangs down the pony's flank over the thigh's
// root, the far one hidden by the pony.
void childBody(QPainter &p)
{
    const double u = kChildUnit;
    const QPointF h = kChildHips;
    auto at = [&](double x, double y) { return h + QPointF(x * u, y * u); };
    std::vector<QPointF> half{{0.14, -1.52}, {0.3, -1.44}, {0.48, -1.34}, {0.5, -1.12}, {0.45, -0.86},
                              {0.52, -0.52}, {0.52, -0.2}, {0.44, 0.06},  {0.2, 0.16},  {0.0, 0.16}};
    for (QPointF &q : half)
        q = QPointF(q.x() * u, h.y() + q.y() * u);
    QPainterPath neck;
    neck.addRect(QRectF(at(-0.16, -1.7), at(0.16, -1.42)));
    drawShape(p, neck, kSkin, 0, style::kInteriorLine);
    drawShape(p, smoothClosed(shapes::mirrored(h.x(), half)), kSkin, 2.0, style::kInteriorLine);
    QPainterPath lines;
    lines.addPath(smoothOpen({at(-0.3, -0.4), at(0.0, -0.3), at(0.3, -0.4)})); // under the belly
    drawLine(p, lines, kSkin.shade, style::kInteriorLine);
    // The near leg: the thigh forward over the pony's back, the knee bent,
    // the calf down the flank and the small foot hanging.
    const QPointF hip = at(-0.22, -0.02), knee = at(-0.95, 0.42), ankle = at(-0.78, 1.3);
    drawShape(p,
              limb({hip, shapes::lerp(hip, knee, 0.5), knee, shapes::lerp(knee, ankle, 0.4), ankle},
                   {0.34 * u, 0.3 * u, 0.22 * u, 0.2 * u, 0.13 * u}),
              kSkin, 1.4, style::kInteriorLine);
    drawShape(p,
              smoothClosed({ankle + QPointF(0.1 * u, -0.08 * u), ankle + QPointF(-0.12 * u, 0.02 * u),
                            ankle + QPointF(-0.34 * u, 0.24 * u), ankle + QPointF(-0.22 * u, 0.32 * u),
                            ankle + QPointF(0.08 * u, 0.16 * u)}),
              kSkin, 0.6, style::kInteriorLine);
}

// The child's head: a small round face, looking out and a little up, a
// garland of leaves in its gold hair and a red feather rising from it.
void childHead(QPainter &p)
{
    const double u = kChildUnit;
    const QPointF centre = kChildHips + QPointF(0, -2.18 * u);
    const QPainterPath feather = limb({centre + QPointF(0.1 * u, -0.5 * u), centre + QPointF(0.3 * u, -1.0 * u),
                                       centre + QPointF(0.7 * u, -1.25 * u), centre + QPointF(1.05 * u, -1.15 * u)},
                                      {0.08 * u, 0.17 * u, 0.15 * u, 0.04 * u});
    drawShape(p, feather, kPlumeRed, 1.0, style::kInteriorLine);
    drawLine(p,
             smoothOpen({centre + QPointF(0.12 * u, -0.55 * u), centre + QPointF(0.34 * u, -1.0 * u),
                         centre + QPointF(0.9 * u, -1.18 * u)}),
             kPlumeRed.shade, style::kInteriorLine);
    Figure child;
    child.build = Build::Child;
    child.hair = Hair::Short;
    child.hairColour = kHairGold;
    child.headwear = Headwear::Wreath;
    child.features = Features{.view = View::Front,
                              .side = 1,
                              .gaze = {0.15, -0.3},
                              .age = Age::Young,
                              .expression = Expression::Smile,
                              .breadth = 1.12};
    paintHead(p, child, centre, u);
}

// The child's arms flung wide: the left hand open, the right closed round
// the banner's staff. Their roots are painted behind the body.
BareArm openArm()
{
    const double u = kChildUnit;
    return {.shoulder = kChildHips + QPointF(-0.34 * u, -1.24 * u),
            .hand = kChildHips + QPointF(-2.0 * u, -1.95 * u),
            .bend = kChildHips + QPointF(-1.3 * u, -1.1 * u),
            .unit = u,
            .build = Build::Child,
            .grip = Grip::Palm,
            .thumbSide = 1,
            .plump = 1.45};
}

BareArm bannerArm()
{
    const double u = kChildUnit;
    return {.shoulder = kChildHips + QPointF(0.34 * u, -1.24 * u),
            .hand = kChildHips + QPointF(1.8 * u, -1.7 * u),
            .bend = kChildHips + QPointF(1.3 * u, -1.0 * u),
            .unit = u,
            .build = Build::Child,
            .grip = Grip::Fist,
            .shaftDegrees = -4,
            .thumbSide = -1,
            .plump = 1.45,
            .withHand = false};
}

void sunRider(QPainter &p)
{
    style::paintGroundShadow(p, kPonyBase + QPointF(0, 1), 62, 5);
    style::paintContoured(p, style::kContourLine, [](QPainter &q) {
        const style::WoodcutFinish finish;
        const QTransform t = shapes::profileTransform(kPonyBase, kPonyHeight, kPonyFacing);
        ponyBody(q, t);
        ponyHead(q, t);
        paintGrippingBareArm(q, openArm());
        paintGrippingBareArm(q, bannerArm());
        sunBanner(q, bannerArm().hand);
        childBody(q);
        childHead(q);
        paintGrippingBareHand(q, bannerArm());
    });
}

} // namespace

Trump theSun()
{
    return {{{Layer::Scene, sunGarden}, {Layer::Figures, sunRider}}};
}

} // namespace artwork::trumps
