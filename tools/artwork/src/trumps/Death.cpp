// 14 Death: a skeleton in black armour rides a white horse at a walk under a
// black banner with a white rose. A king lies fallen before it, his crown on
// the ground; a bishop in a mitre stands praying to the rider; a maiden kneels
// turned away, a child kneels looking up. Beyond, a boat on the river, and
// the sun rising between two towers.

#include "figures/Sprawled.h"
#include "trumps/Trump.h"

#include <cmath>

namespace artwork::trumps {

namespace {

using namespace figures::shapes;
using style::kContourLine;
using style::kDistantLine;
using style::kInteriorLine;
using style::paintContoured;
using style::paintGroundShadow;
using style::smoothClosed;
using style::smoothOpen;
using style::WoodcutFinish;

constexpr double kHorizon = 140;
constexpr double kHooves = 230; // the ground under the horse

// ---- The horse: white, walking to the right with its head bowed, the far
// fore leg stepping high, under a black housing bordered in bone. In its own
// units: withers height 1, the ground at y = 0, facing right.

QTransform horseSpace()
{
    return profileTransform({80, kHooves}, 72, 1);
}

const std::vector<double> kFore{0.085, 0.065, 0.05, 0.042, 0.048};
const std::vector<double> kHind{0.15, 0.085, 0.055, 0.042, 0.048};
const std::vector<QPointF> kNearFore{{0.36, -0.6}, {0.39, -0.42}, {0.42, -0.27}, {0.46, -0.08}, {0.48, 0}};
const std::vector<QPointF> kFarFore{{0.3, -0.62}, {0.45, -0.5}, {0.57, -0.44}, {0.54, -0.26}, {0.58, -0.2}};
const std::vector<QPointF> kNearHind{{-0.46, -0.62}, {-0.44, -0.42}, {-0.52, -0.28}, {-0.42, -0.14}, {-0.38, -0.08}};
const std::vector<QPointF> kFarHind{{-0.4, -0.6}, {-0.5, -0.4}, {-0.6, -0.26}, {-0.64, -0.06}, {-0.66, 0}};

QPainterPath hoofAt(const std::vector<QPointF> &leg)
{
    const QPointF end = leg.back(), dir = unitVector(end - leg[leg.size() - 2]), n = normal(dir);
    QPainterPath h;
    h.moveTo(end - dir * 0.06 - n * 0.05);
    h.lineTo(end - dir * 0.06 + n * 0.05);
    h.lineTo(end + dir * 0.012 + n * 0.06);
    h.lineTo(end + dir * 0.012 - n * 0.06);
    h.closeSubpath();
    return h;
}

Profile horseProfile()
{
    Profile pr;
    // Over the croup and back, up the crest of the bowed neck to the poll,
    // down the face to the muzzle, back up the jaw and the throat to the chest.
    pr.top = {{-0.68, -0.95}, {-0.5, -1.03}, {-0.3, -0.99}, {-0.1, -0.99}, {0.1, -1.06},  {0.28, -1.17}, {0.44, -1.27},
              {0.56, -1.33},  {0.63, -1.33}, {0.69, -1.26}, {0.77, -1.08}, {0.83, -0.92}, {0.82, -0.85}, {0.75, -0.84},
              {0.69, -0.92},  {0.62, -1.02}, {0.52, -1.08}, {0.46, -0.96}, {0.45, -0.8}};
    pr.foreLeg = kNearFore;
    pr.foreHalf = kFore;
    pr.belly = {{0.22, -0.52}, {0.0, -0.49}, {-0.24, -0.53}};
    pr.hindLeg = kNearHind;
    pr.hindHalf = kHind;
    pr.rear = {{-0.66, -0.72}, {-0.7, -0.86}};
    return pr;
}

// The housing: a cloth over the back from the withers to the croup, hanging
// to the knees in a scalloped hem, bordered in bone.
QPainterPath housingPath(double grow)
{
    std::vector<QPointF> top{{0.26, -1.2}, {0.1, -1.1}, {-0.3, -1.03}, {-0.55, -1.07}, {-0.7, -0.98}, {-0.76, -0.74}};
    QPainterPath path = smoothOpen(top);
    // The hem, from the rump forward in scallops.
    const double x0 = -0.76, x1 = 0.46, n = 9;
    for (int i = 0; i < n; ++i) {
        const double a = x0 + (x1 - x0) * i / n, b = x0 + (x1 - x0) * (i + 1) / n;
        const double y = -0.52 + 0.03 * std::sin(i * 0.9) - grow;
        path.quadTo(QPointF((a + b) / 2, y + 0.07), QPointF(b, y));
    }
    path.quadTo(QPointF(0.54, -0.74), QPointF(0.48, -0.98));
    path.quadTo(QPointF(0.4, -1.12), QPointF(0.26, -1.2));
    path.closeSubpath();
    return path;
}

void paintHousing(QPainter &p, const QTransform &t, double line)
{
    const QPainterPath housing = t.map(housingPath(0));
    drawShape(p, housing, kBlackBanner, line * 2, kInteriorLine);
    // A border of bone along the hem, studded with dark dots.
    drawShape(p, housing - t.map(housingPath(0.06)), kBone, 0.4, kInteriorLine);
    for (double x = -0.66; x < 0.42; x += 0.135)
        drawShape(p, t.map(ellipse({x, -0.5 + 0.03 * std::sin((x + 0.76) / 0.136 * 0.9)}, 0.012, 0.012)),
                  {kOutline, kOutline}, 0, 0);
}

void paintHorseHead(QPainter &p, const QTransform &t, double line)
{
    // The mane along the bowed crest.
    const std::vector<QPointF> mane{{0.06, -1.07}, {0.26, -1.2},  {0.44, -1.31}, {0.6, -1.37}, {0.6, -1.3},
                                    {0.46, -1.24}, {0.32, -1.16}, {0.2, -1.08},  {0.12, -1.03}};
    drawShape(p, t.map(smoothClosed(mane)), {kAshMane, kAshMane.darker(140)}, line, kInteriorLine);
    QPainterPath ear;
    ear.moveTo(0.6, -1.33);
    ear.lineTo(0.56, -1.46);
    ear.lineTo(0.66, -1.34);
    ear.closeSubpath();
    drawShape(p, t.map(ear), kWhiteHorse, line * 0.6, kInteriorLine);
    // A red plume on the brow band, the eye looking down, the nostril.
    QPainterPath plume;
    plume.moveTo(0.62, -1.32);
    plume.cubicTo(0.58, -1.5, 0.46, -1.52, 0.4, -1.44);
    plume.cubicTo(0.5, -1.46, 0.56, -1.4, 0.64, -1.3);
    drawShape(p, t.map(plume), kPlumeRed, line, kInteriorLine);
    drawShape(p, t.map(ellipse({0.7, -1.17}, 0.024, 0.016, 60)), {kOutline, kOutline}, 0, 0);
    drawShape(p, t.map(ellipse({0.8, -0.9}, 0.014, 0.01, 60)), {kOutline, kOutline}, 0, 0);
    // The bridle: crown piece, nose band, cheek piece, a gold boss.
    QPainterPath bridle;
    bridle.moveTo(0.62, -1.33);
    bridle.lineTo(0.66, -1.02);
    bridle.moveTo(0.78, -1.02);
    bridle.lineTo(0.68, -0.98);
    bridle.moveTo(0.58, -1.3);
    bridle.lineTo(0.68, -1.28);
    drawLine(p, t.map(bridle), kBlackBanner.base, line * 1.3);
    drawShape(p, t.map(ellipse({0.66, -1.02}, 0.022, 0.022)), kGold, 0, kInteriorLine);
}

// The white horse, the far legs and tail behind it, under its housing.
void paintDeathHorse(QPainter &p)
{
    const QTransform t = horseSpace();
    const double line = 1.0;
    const Tone far{kWhiteHorse.shade, kWhiteHorse.shade.darker(125)};
    const std::vector<QPointF> tail{{-0.66, -0.96}, {-0.82, -0.88}, {-0.88, -0.66}, {-0.86, -0.4}, {-0.94, -0.22},
                                    {-0.82, -0.28}, {-0.78, -0.5},  {-0.74, -0.76}, {-0.64, -0.9}};
    drawShape(p, t.map(smoothClosed(tail)), {kAshMane, kAshMane.darker(140)}, 1.4, kInteriorLine);
    for (const auto *leg : {&kFarFore, &kFarHind}) {
        drawShape(p, t.map(limb(*leg, leg == &kFarFore ? kFore : kHind)), far, line, kInteriorLine);
        drawShape(p, t.map(hoofAt(*leg)), kHoof, 0, kInteriorLine);
    }
    drawShape(p, t.map(profileOutline(horseProfile())), kWhiteHorse, 1.8, kInteriorLine);
    for (const auto *leg : {&kNearFore, &kNearHind})
        drawShape(p, t.map(hoofAt(*leg)), kHoof, 0, kInteriorLine);
    paintHousing(p, t, line);
    paintHorseHead(p, t, line);
    // A high war saddle on the housing.
    const std::vector<QPointF> saddle{{-0.34, -1.02}, {-0.34, -1.14}, {-0.26, -1.08}, {-0.02, -1.08},
                                      {0.06, -1.16},  {0.1, -1.08},   {0.02, -0.98},  {-0.26, -0.98}};
    drawShape(p, t.map(smoothClosed(saddle)), kLeather, 0.8, kInteriorLine);
}

QPointF horseSaddle()
{
    return horseSpace().map(QPointF(-0.14, -1.06));
}
QPointF horseBit()
{
    return horseSpace().map(QPointF(0.72, -0.96));
}

// ---- The white rose: five rounded petals with sepals between them and a
// dotted heart.
void paintBannerRose(QPainter &p, QPointF c, double r)
{
    QPainterPath sepals;
    for (int i = 0; i < 5; ++i) {
        const double a = -90 + 36 + i * 72;
        const QPointF tip = polar(c, r * 1.12, a), side = polar(c, r * 0.5, a + 20), other = polar(c, r * 0.5, a - 20);
        sepals.moveTo(other);
        sepals.quadTo(polar(c, r * 0.95, a - 8), tip);
        sepals.quadTo(polar(c, r * 0.95, a + 8), side);
        sepals.closeSubpath();
    }
    drawShape(p, sepals, kLeaf, 0.6, kInteriorLine);
    QPainterPath petals;
    for (int i = 0; i < 5; ++i)
        petals.addEllipse(polar(c, r * 0.5, -90 + i * 72), r * 0.46, r * 0.46);
    drawShape(p, united(petals), kWhiteRose, std::max(0.6, r * 0.12), kInteriorLine);
    QPainterPath veins;
    for (int i = 0; i < 5; ++i) {
        veins.moveTo(polar(c, r * 0.34, -90 + i * 72));
        veins.lineTo(polar(c, r * 0.62, -90 + i * 72));
    }
    drawLine(p, veins, kWhiteRose.shade, kInteriorLine * 0.7);
    drawShape(p, ellipse(c, r * 0.3, r * 0.3), kGold, 0.5, kInteriorLine);
    for (int i = 0; i < 6; ++i)
        drawShape(p, ellipse(polar(c, i == 0 ? 0 : r * 0.17, i * 72.0), r * 0.05, r * 0.05), {kOutline, kOutline}, 0,
                  0);
}

// The banner's staff from the ground up past the rider's fist, the black
// flag flying back from its head.
void paintBanner(QPainter &p, QPointF grip)
{
    const QPointF top(grip.x() + 6, 26), foot(grip.x() - 3, grip.y() + 40);
    drawShape(p, limb({foot, top}, {1.2, 1.0}), kWood, 0.6, kInteriorLine);
    drawShape(p, ellipse(top + QPointF(0.3, -2.2), 2.1, 2.1), kGold, 0.5, kInteriorLine);
    const QPointF a = top + QPointF(-0.6, 2), b = top + QPointF(-2.6, 38);
    QPainterPath flag;
    flag.moveTo(a);
    flag.cubicTo(a + QPointF(-15, -7), a + QPointF(-28, 8), a + QPointF(-46, 0));
    flag.cubicTo(a + QPointF(-41, 12), a + QPointF(-46, 24), a + QPointF(-44, 34));
    flag.cubicTo(a + QPointF(-28, 42), b + QPointF(-15, 2), b);
    flag.closeSubpath();
    drawShape(p, flag, kBlackBanner, 2.0, kInteriorLine);
    QPainterPath fold;
    fold.moveTo(a + QPointF(-36, 2));
    fold.quadTo(a + QPointF(-34, 18), a + QPointF(-36, 36));
    drawLine(p, fold, kBlackBanner.shade.darker(130), kInteriorLine);
    paintBannerRose(p, a + QPointF(-19, 17), 11);
}

} // namespace

namespace {

// The pale morning sky, the sun half risen between two towers on the far
// shore, the river winding down from them with a boat on it, the meadow.
void deathLand(QPainter &p)
{
    const QRectF s = trumpScene();
    paintSky(p, s, kHorizon, kPaleSky);
    p.save();
    p.setClipRect(QRectF(s.left(), s.top(), s.width(), kHorizon - s.top()), Qt::IntersectClip);
    paintSun(p, {164, kHorizon}, 11, false);
    p.restore();
    paintMeadow(p, s, kHorizon, 41, kFarDullGrass);
    // Far off: the towers take the thinnest line.
    paintTower(p, {145, kHorizon + 2}, 11, 44, kStone, std::nullopt, kDistantLine);
    paintTower(p, {182, kHorizon + 2}, 11, 44, kStone, std::nullopt, kDistantLine);
    paintRiver(p, {{164, kHorizon + 1}, {150, 146}, {100, 150}, {50, 149}, {4, 156}}, 3, 12);
    paintShip(p, {24, 151}, 18, 1);
    paintMeadow(p, s, 170, 14, kDullGrass);
}

Figure theRider()
{
    Figure r;
    r.height = 104;
    r.pose = Pose::Riding;
    r.base = horseSaddle();
    r.facing = 1;
    r.robe = {kBlackArmour, std::nullopt, Cut::Armour, kBlackArmour, kDullSteel, false};
    r.headwear = Headwear::Helm;
    r.headwearTone = kPlumeRed;
    r.skin = kBone;
    r.features = Features{.view = View::ThreeQuarter, .side = 1, .gaze = {1, 0.3}};
    // The banner's staff in the near fist, the reins in the other.
    r.left = {.grip = Grip::Fist, .at = QPointF(-0.45, 1.25), .elbowOut = true, .angle = 8.0};
    r.right = {.gesture = Gesture::Forward};
    return r;
}

// The skull in the opening of the helm.
void paintSkullInHelm(QPainter &p, const Figure &rider)
{
    const Body b = bodyOf(rider);
    const QPointF c = b.headCentre;
    p.save();
    p.setClipRect(
        QRectF(c.x() - 0.42 * b.headWidth, c.y() - 0.09 * b.headHeight, 0.84 * b.headWidth, 0.7 * b.headHeight),
        Qt::IntersectClip);
    paintSkull(p, c + QPointF(0.04 * b.headWidth, 0.02 * b.headHeight), b.headWidth, b.headHeight);
    p.restore();
}

// The horse, the rider in black armour with a skull in his helm, the banner.
void deathRider(QPainter &p)
{
    paintGroundShadow(p, {82, kHooves}, 50, 4);
    const Figure rider = theRider();
    const Body b = bodyOf(rider);
    paintContoured(p, kContourLine, [&](QPainter &q) {
        WoodcutFinish finish;
        paintDeathHorse(q);
        paintBanner(q, b.hand[0]);
        paintFigure(q, rider);
        paintSkullInHelm(q, rider);
        QPainterPath reins;
        const QPointF bit = horseBit(), fist = b.hand[1];
        reins.moveTo(bit);
        reins.quadTo((bit + fist) / 2 + QPointF(0, 7), fist);
        drawLine(q, reins, kLeather.shade, 1.0);
    });
}

// A bishop's mitre over the figure's head: two peaks with a cleft between,
// white, banded in gold up the middle and round the brow.
void paintMitre(QPainter &p, const Figure &f)
{
    const Body b = bodyOf(f);
    const double w = b.headWidth * 0.92, h = b.headHeight * 1.05;
    const QPointF brow = b.crown + QPointF(0, 0.2 * b.headHeight);
    QPainterPath mitre;
    mitre.moveTo(brow + QPointF(-w / 2, 0));
    mitre.cubicTo(brow + QPointF(-w * 0.62, -h * 0.5), brow + QPointF(-w * 0.2, -h * 0.8), brow + QPointF(0, -h));
    mitre.cubicTo(brow + QPointF(w * 0.2, -h * 0.8), brow + QPointF(w * 0.62, -h * 0.5), brow + QPointF(w / 2, 0));
    mitre.closeSubpath();
    drawShape(p, mitre, kLinen, 1.0, kInteriorLine);
    QPainterPath band;
    band.addRect(QRectF(brow + QPointF(-w / 2, -h * 0.16), brow + QPointF(w / 2, 0)));
    band.addRect(QRectF(brow + QPointF(-w * 0.08, -h * 0.98), brow + QPointF(w * 0.08, 0)));
    drawShape(p, band.intersected(mitre), kGold, 0.4, kInteriorLine);
    QPainterPath cleft;
    cleft.moveTo(brow + QPointF(-w * 0.3, -h * 0.62));
    cleft.quadTo(brow + QPointF(0, -h * 0.5), brow + QPointF(w * 0.3, -h * 0.62));
    drawLine(p, cleft, kOutline, kInteriorLine);
}

// Two hands pressed together in prayer, the fingers up and leaning
// `degrees` towards whoever is prayed to.
void paintJoinedHands(QPainter &p, QPointF c, double unit, double degrees, const Tone &skin)
{
    p.save();
    p.translate(c);
    p.rotate(degrees);
    p.scale(unit, unit);
    const QPainterPath hands = smoothClosed({{0, -0.42},
                                             {0.1, -0.3},
                                             {0.15, -0.02},
                                             {0.14, 0.16},
                                             {0.02, 0.22},
                                             {-0.14, 0.16},
                                             {-0.16, -0.04},
                                             {-0.1, -0.3}});
    drawShape(p, hands, skin, 0.08, kInteriorLine / unit);
    QPainterPath lines;
    lines.moveTo(0, -0.38);
    lines.lineTo(0.0, 0.16);
    lines.moveTo(-0.12, 0.02);
    lines.quadTo(-0.04, -0.02, -0.06, 0.12);
    drawLine(p, lines, skin.shade.darker(120), 0.6 * kInteriorLine / unit);
    p.restore();
}

QPointF prayerPoint(const Figure &f)
{
    const Body b = bodyOf(f);
    return {b.neck.x() - 0.45 * b.unit, b.shoulder[0].y() + 0.65 * b.unit};
}

// The bishop stands facing the rider, his hands joined and raised to him.
Figure theBishop()
{
    Figure f;
    f.base = {165, 264};
    f.height = 98;
    f.robe = {kLinen, kGold, Cut::Gown, kLinen, kKingRed, false};
    f.hairColour = kHairGrey;
    f.hair = Hair::Bald;
    f.features = Features{
        .view = View::Profile, .side = -1, .gaze = {-1, -0.5}, .age = Age::Old, .expression = Expression::Intent};
    const Body b = bodyOf(f);
    const QPointF prayer = prayerPoint(f);
    f.left = {.grip = Grip::Palm};
    f.right = {.grip = Grip::Palm};
    reachTo(f, -1, prayer + QPointF(0, 0.1 * b.unit));
    reachTo(f, 1, prayer + QPointF(0.05 * b.unit, 0.12 * b.unit));
    return f;
}

// The maiden kneels turned away from the rider, her head bowed, one hand
// raised to hide her face and the other laid in her lap: a grieving figure,
// not a mirror of the child who looks up.
Figure theMaiden()
{
    Figure f;
    f.base = {132, 266};
    f.height = 82;
    f.pose = Pose::Kneeling;
    f.build = Build::Woman;
    f.facing = 1;
    f.robe = {kWhiteCloth, std::nullopt, Cut::Gown, kLinen, kGold, false};
    f.hair = Hair::Long;
    f.hairColour = kHairBrownRed;
    f.headwear = Headwear::Wreath;
    f.features = Features{
        .view = View::Profile, .side = 1, .gaze = {0.3, 1}, .age = Age::Young, .expression = Expression::Gentle};
    f.left = {.grip = Grip::Rest, .at = QPointF(0.7, 1.5)};
    f.right = {.grip = Grip::Palm, .at = QPointF(0.05, -0.3)};
    return f;
}

// The child kneels before the bishop, looking up at the rider.
Figure theChild()
{
    Figure f;
    f.base = {156, 268};
    f.height = 50;
    f.pose = Pose::Kneeling;
    f.build = Build::Child;
    f.facing = -1;
    f.robe = {kTunicBlue, std::nullopt, Cut::Tunic, kHoseBlue, kGold, false};
    f.hairColour = kHairGold;
    f.features = Features{
        .view = View::ThreeQuarter, .side = -1, .gaze = {-0.7, -1}, .age = Age::Young, .expression = Expression::Calm};
    f.left = {.held = Held::Flower, .size = 1.2, .grip = Grip::Fist, .at = QPointF(-0.6, 0.4), .elbowOut = true};
    f.right = {.grip = Grip::Rest};
    return f;
}

// The fallen king laid out on his back under the horse's hooves, his head
// to the right, his red mantle spread under him, the crown rolled off.
Sprawl theKing()
{
    Sprawl s;
    s.look.robe = {kKingRed, kBlue, Cut::Gown, kHoseRed, kGold, false};
    s.look.hairColour = kHairGrey;
    s.look.beard = Beard::Full;
    s.look.features = Features{
        .view = View::Profile, .side = -1, .gaze = {0, -1}, .age = Age::Old, .expression = Expression::Calm};
    s.unit = 11;
    s.head = {94, 250};
    s.headDegrees = 96;
    s.neck = {85, 253};
    s.hips = {56, 256};
    s.breadth = 0.5;
    s.nearSide = -1;
    s.elbow = {QPointF(92, 241), QPointF(74, 263)};
    s.hand = {QPointF(102, 236), QPointF(62, 265)};
    s.grips = {Grip::Rest, Grip::Rest};
    s.knee = {QPointF(36, 256), QPointF(40, 238)};
    s.foot = {QPointF(17, 260), QPointF(24, 258)};
    s.toes = {-1, -1};
    s.cloakTo = QPointF(44, 255);
    return s;
}

void paintFallenCrown(QPainter &p, QPointF at)
{
    p.save();
    p.translate(at);
    p.rotate(-24);
    paintRankSign(p, quillmere::Rank::King, QRectF(-8, -6, 16, 10));
    p.restore();
}

// The people before the rider: the fallen king and his crown, the bishop,
// the maiden and the child.
void deathPeople(QPainter &p)
{
    const Figure bishop = theBishop(), maiden = theMaiden(), child = theChild();
    paintGroundShadow(p, bishop.base, 16, 3);
    paintGroundShadow(p, maiden.base, 18, 3);
    paintGroundShadow(p, {58, 266}, 44, 3);
    paintContoured(p, kContourLine, [&](QPainter &q) {
        WoodcutFinish finish;
        paintFigure(q, bishop);
        paintJoinedHands(q, prayerPoint(bishop), bodyOf(bishop).unit * 1.25, -28, bishop.skin);
        paintMitre(q, bishop);
    });
    paintContoured(p, kContourLine, [&](QPainter &q) {
        WoodcutFinish finish;
        paintFigure(q, maiden);
        paintFigure(q, child);
    });
    paintContoured(p, kContourLine, [&](QPainter &q) {
        WoodcutFinish finish;
        paintSprawled(q, theKing());
        paintFallenCrown(q, {110, 262});
    });
}

} // namespace

Trump death()
{
    return {{{Layer::Scene, deathLand}, {Layer::Figures, deathRider}, {Layer::Figures, deathPeople}}};
}

} // namespace artwork::trumps
