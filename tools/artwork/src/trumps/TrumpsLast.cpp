#include "Trumps.h"

#include "Emblems.h"
#include "Style.h"
#include "figures/Animals.h"
#include "figures/Figure.h"
#include "figures/Horse.h"
#include "figures/Landscape.h"
#include "figures/Shapes.h"
#include "figures/Throne.h"
#include "trumps/LastParts.h"

#include <QtMath>

#include <tuple>

namespace artwork {

using namespace figures;
using namespace last;
using quillmere::CardFace;
using style::kWood;
using style::Tone;

namespace {

void noLettering(QPainter &, const CardFace &) {}

// Holds the scene's clip while a picture is painted.
class InScene {
  public:
    explicit InScene(QPainter &p) : p_(p)
    {
        p_.save();
        p_.setClipRect(lastScene(), Qt::IntersectClip);
    }
    ~InScene() { p_.restore(); }
    InScene(const InScene &) = delete;
    InScene &operator=(const InScene &) = delete;

  private:
    QPainter &p_;
};

const Tone kWhiteRobe{{242, 240, 230}, {192, 186, 170}};

// ---- 12 Strength -----------------------------------------------------------------
// A woman in white, crowned with flowers and the lemniscate over her head,
// closes a lion's jaws with her bare hands; a garland of roses links her to it.

void strength(QPainter &p, const CardFace &)
{
    const InScene scene(p);
    const QRectF s = lastScene();
    paintSky(p, s, 160, kGoldenSky);
    paintMountains(p, 164, s.left() - 10, s.left() + 120, 46, 12, {{120, 140, 186}, {88, 104, 150}}, true);
    paintHills(p, s, 160, 12);

    Figure woman;
    woman.base = {70, 250};
    woman.height = 178;
    woman.build = Build::Woman;
    woman.robe = {kWhiteRobe, std::nullopt, Cut::Gown, {}, style::kGold};
    woman.hair = Hair::Long;
    woman.hairColour = {150, 84, 40};
    woman.headwear = Headwear::Wreath;
    woman.turn = -0.55;
    woman.left = {Gesture::Behind};
    woman.right = {Gesture::Behind};
    paintFigure(p, woman);
    const Body body = bodyOf(woman);
    paintLemniscate(p, body.crown + QPointF(0, -0.55 * body.unit), 1.7 * body.headWidth);

    const QPointF lionBase{94, 268};
    const double lionHeight = 80;
    paintLion(p, lionBase, lionHeight, -1);
    const Jaws jaws = paintRaisedLionHead(p, lionBase, lionHeight, -1);
    // The garland from her girdle round the lion's neck, held in her right hand.
    const QPointF hold = body.hips + QPointF(0.9 * body.unit, 0.4 * body.unit);
    QPainterPath garland;
    garland.moveTo(body.waist + QPointF(0.5 * body.unit, 0));
    garland.cubicTo(hold + QPointF(4, -6), hold + QPointF(-4, 20),
                    QPointF(lionBase.x() - 26, lionBase.y() - 62));
    garland.cubicTo(QPointF(lionBase.x() - 40, lionBase.y() - 40),
                    QPointF(lionBase.x() - 60, lionBase.y() - 56),
                    QPointF(lionBase.x() - 56, lionBase.y() - 66));
    paintGarland(p, garland, 3.2);
    // Her left hand over the muzzle, her right holding the garland.
    paintArm(p, woman, -1, jaws.upper, body.shoulder[0] + QPointF(-12, 40), kWhiteRobe, false);
    paintArm(p, woman, 1, hold, body.hips + QPointF(40, -10), kWhiteRobe, true);
}

// ---- 13 The Hanging Man -------------------------------------------------------------
// A man hanging head down by one foot from a T-shaped tree of living wood, his
// free leg crossed behind the other, his hands behind his back, a halo round
// his head.

void hangingMan(QPainter &p, const CardFace &)
{
    const InScene scene(p);
    const QRectF s = lastScene();
    paintSky(p, s, 214, {{188, 200, 214}, {160, 176, 196}});
    paintHills(p, s, 214, 13, {{96, 140, 72}, {66, 104, 50}}, {{140, 170, 112}, {104, 136, 84}});

    const double beamY = 34, cx = 100;
    paintLivingWood(p, {cx, s.bottom() + 4}, {cx, beamY - 6}, 8, 13);
    paintLivingWood(p, {s.left() + 16, beamY}, {s.right() - 16, beamY}, 8.5, 31);

    Figure man;
    man.base = {cx, beamY + 26};
    man.height = 188;
    man.pose = Pose::Hanging;
    man.robe = {{{62, 96, 170}, {38, 60, 118}},
                std::nullopt,
                Cut::Tunic,
                {{196, 48, 44}, {128, 26, 26}},
                style::kGold};
    man.hairColour = kHairBrown;
    man.facing = 1;
    // The halo behind his head: the kit draws a hanging figure turned upside
    // down about its ankles, so the head is as far below them as it would be above.
    const Body body = bodyOf(man);
    const QPointF head(body.headCentre.x(), 2 * man.base.y() - body.headCentre.y());
    paintHalo(p, head, body.unit * 0.95);
    // The rope from the beam to his ankle.
    QPainterPath rope;
    rope.moveTo(cx - 2, beamY - 4);
    rope.lineTo(cx - 1, man.base.y() + 4);
    style::drawLine(p, rope, style::kOutline, 3.4);
    style::drawLine(p, rope, {214, 190, 130}, 2.0);
    paintFigure(p, man);
    QPainterPath knot;
    knot.addRoundedRect(QRectF(cx - 6, man.base.y() - 2, 12, 6), 2, 2);
    style::drawShape(p, knot, {{214, 190, 130}, {168, 140, 88}}, 0.8);
}

// ---- 14 Death ---------------------------------------------------------------------
// A skeleton in black armour rides a white horse under a black banner with a
// white rose; a king lies fallen before it, a maiden kneels; far off the sun
// rises between two towers.

void death(QPainter &p, const CardFace &)
{
    const InScene scene(p);
    const QRectF s = lastScene();
    const double horizon = 130;
    paintSky(p, s, horizon, {{178, 188, 204}, {150, 162, 184}});
    {
        // The sun half risen, between the towers on the far shore.
        p.save();
        p.setClipRect(QRectF(s.left(), s.top(), s.width(), horizon - s.top()), Qt::IntersectClip);
        paintSun(p, {167, horizon}, 14, false);
        p.restore();
    }
    const Tone grass{{112, 128, 84}, {78, 92, 58}};
    paintMeadow(p, s, horizon, 41, {{140, 152, 110}, {106, 118, 82}});
    paintTower(p, {146, horizon + 4}, 14, 52, kStone);
    paintTower(p, {184, horizon + 4}, 14, 52, kStone);
    paintWater(p, s, horizon + 7, horizon + 22, 14);
    paintMeadow(p, s, horizon + 24, 14, grass);

    Horse horse;
    horse.base = {102, 240};
    horse.height = 96;
    horse.facing = -1;
    horse.gait = Gait::Walking;
    horse.coat = kWhiteHorse;
    horse.mane = {210, 204, 190};
    horse.cloth = {{56, 52, 62}, {34, 32, 38}};
    Figure rider;
    rider.height = 114;
    rider.robe = {{{56, 52, 62}, {34, 32, 38}},
                  std::nullopt,
                  Cut::Armour,
                  {{56, 52, 62}, {34, 32, 38}},
                  {{150, 146, 150}, {100, 96, 104}}};
    rider.headwear = Headwear::Helm;
    rider.headwearTone = Tone{{196, 40, 40}, {128, 22, 26}};
    rider.skin = {{236, 230, 210}, {186, 176, 150}};
    rider.turn = -0.4;
    rider.left = {Gesture::Raised, Held::Banner, -14, 1.3};
    rider.right = {Gesture::Forward};
    const Figure placed = paintRider(p, horse, rider);
    paintFlagOf(p, placed, -1, {{40, 36, 44}, {20, 18, 24}}, FlagSign::WhiteRose);
    // The skull in the opening of the helm.
    {
        const Body b = bodyOf(placed);
        const QPointF c = b.headCentre;
        p.save();
        p.setClipRect(QRectF(c.x() - 0.42 * b.headWidth, c.y() - 0.09 * b.headHeight, 0.84 * b.headWidth,
                             0.7 * b.headHeight),
                      Qt::IntersectClip);
        paintSkull(p, c + QPointF(0, 0.02 * b.headHeight), b.headWidth * 1.0, b.headHeight * 1.0);
        p.restore();
    }

    // A maiden kneels, turning her face away.
    Figure maiden;
    maiden.base = {168, 266};
    maiden.height = 96;
    maiden.pose = Pose::Kneeling;
    maiden.build = Build::Woman;
    maiden.facing = -1;
    maiden.robe = {kWhiteRobe, std::nullopt, Cut::Gown, {}, style::kGold};
    maiden.hair = Hair::Long;
    maiden.hairColour = {132, 78, 38};
    maiden.headwear = Headwear::Wreath;
    maiden.turn = 0.7;
    maiden.left = {Gesture::Forward};
    maiden.right = {Gesture::Forward};
    paintFigure(p, maiden);

    // The king fallen on his back, his crown rolled away.
    Figure king;
    king.base = {0, 0};
    king.height = 80;
    king.robe = {{{178, 40, 44}, {116, 22, 28}}, std::nullopt, Cut::Gown, {}, style::kGold};
    king.hairColour = kHairGrey;
    king.beard = Beard::Full;
    king.turn = 0.3;
    paintTurned(p, king, {94, 254}, -90);
    paintRankSign(p, quillmere::Rank::King, QRectF(14, 230, 18, 12));
}

// ---- 15 Temperance ----------------------------------------------------------------
// A winged angel, one foot in a pool and one on the land, pours water from one
// cup into the other; irises by the water, a path up to a crown shining like a
// sun between the mountains.

void temperance(QPainter &p, const CardFace &)
{
    const InScene scene(p);
    const QRectF s = lastScene();
    const double horizon = 176;
    paintSky(p, s, horizon, {{176, 208, 232}, {150, 188, 220}});
    // The crown in the sun's glow, between two peaks.
    const QPointF sun(168, 150);
    paintSun(p, sun, 15, false);
    paintRankSign(p, quillmere::Rank::King, QRectF(sun.x() - 12, sun.y() - 10, 24, 15));
    const Tone rock{{120, 140, 186}, {88, 104, 150}};
    for (const auto &[x, w, h] : {std::tuple{140.0, 40.0, 44.0}, std::tuple{200.0, 44.0, 56.0}}) {
        QPainterPath peak;
        peak.moveTo(x - w, horizon + 2);
        peak.lineTo(x - w * 0.25, horizon - h * 0.75);
        peak.lineTo(x, horizon - h);
        peak.lineTo(x + w * 0.3, horizon - h * 0.7);
        peak.lineTo(x + w, horizon + 2);
        peak.closeSubpath();
        style::drawShape(p, peak, rock, 2.0);
        QPainterPath snow;
        snow.moveTo(x - w * 0.2, horizon - h * 0.8);
        snow.lineTo(x, horizon - h);
        snow.lineTo(x + w * 0.22, horizon - h * 0.76);
        snow.lineTo(x + w * 0.06, horizon - h * 0.7);
        snow.closeSubpath();
        style::drawShape(p, snow, kCloud, 0, 0.8);
    }
    paintMeadow(p, s, horizon, 15, kFarHills);
    paintMeadow(p, s, horizon + 30, 16, kNearHills);
    // The path from the pool up to the mountains.
    QPainterPath path;
    path.moveTo(120, s.bottom() + 2);
    path.cubicTo(150, 236, 118, 214, 146, 196);
    path.cubicTo(162, 186, 150, 180, 158, horizon + 1);
    path.lineTo(162, horizon + 1);
    path.cubicTo(160, 182, 176, 190, 160, 200);
    path.cubicTo(140, 214, 178, 238, 168, s.bottom() + 2);
    path.closeSubpath();
    style::drawShape(p, path, {{222, 206, 160}, {186, 166, 118}}, 1.2);
    // The pool on the left, its edge running under the angel.
    QPainterPath pool;
    pool.moveTo(s.left() - 4, 214);
    pool.cubicTo(40, 206, 94, 214, 104, 236);
    pool.cubicTo(112, 254, 98, 266, 94, s.bottom() + 4);
    pool.lineTo(s.left() - 4, s.bottom() + 4);
    pool.closeSubpath();
    {
        p.save();
        p.setClipPath(pool, Qt::IntersectClip);
        paintWater(p, s, 200, s.bottom() + 4, 15);
        p.restore();
    }
    style::drawShape(p, pool, {{0, 0, 0, 0}, {0, 0, 0, 0}}, 0, 1.6);

    Figure angel;
    angel.base = {96, 266};
    angel.height = 206;
    angel.build = Build::Woman;
    angel.robe = {kWhiteRobe, std::nullopt, Cut::Gown, {}, style::kGold};
    angel.hair = Hair::Long;
    angel.hairColour = {206, 132, 58};
    angel.turn = 0.2;
    angel.left = {Gesture::Behind};
    angel.right = {Gesture::Behind};
    WingsLook wings;
    wings.feathers = {{236, 116, 84}, {182, 70, 50}};
    wings.tips = {{206, 64, 56}, {142, 36, 34}};
    wings.span = 2.3;
    wings.lift = 1.0;
    paintWings(p, angel, wings);
    paintFigure(p, angel);
    const Body body = bodyOf(angel);
    const double u = body.unit;
    // A sun on the brow.
    style::drawShape(p, shapes::ellipse(body.headCentre + QPointF(0, -0.3 * u), 0.09 * u, 0.09 * u),
                     style::kGold, 0.4, 0.7);
    // Her left foot stands in the water: ripples over it.
    const QPointF foot = body.foot[0];
    QPainterPath wet;
    wet.addEllipse(QPointF(foot.x() - 1, foot.y() - 0.5), 0.34 * u, 0.12 * u);
    style::drawShape(p, wet, kSea, 0, 0.8);

    // The cups: one held high and tipped, pouring into the other held low.
    const QPointF high = body.shoulder[0] + QPointF(-0.7 * u, 0.2 * u);
    const QPointF low = body.hips + QPointF(0.9 * u, 0.3 * u);
    const double tip = 48, cup = 0.8;
    paintHeld(p, Held::Cup, high, u * cup, tip, 0);
    paintHeld(p, Held::Cup, low, u * cup, 0, 0);
    paintArm(p, angel, -1, high, body.shoulder[0] + QPointF(-20, 26), kWhiteRobe, true);
    paintArm(p, angel, 1, low, body.hips + QPointF(30, -16), kWhiteRobe, true);
    // The lip of the tipped cup, where the water leaves it.
    QTransform t;
    t.translate(high.x(), high.y());
    t.rotate(tip);
    const QPointF lip = t.map(QPointF(0.45 * cup * u, -1.15 * cup * u));
    const QPointF mouth = low + QPointF(-0.1 * u, -1.1 * cup * u);
    paintStream(p, lip, QPointF((lip.x() + mouth.x()) / 2 + 4, lip.y() - 6), mouth, 2.4);

    paintIris(p, {24, 250}, 40, 1);
    paintIris(p, {176, 258}, 36, 2);
}

// ---- 16 Satan ----------------------------------------------------------------------
// A horned, bat-winged figure stands on a black pedestal, one hand raised, the
// other holding a torch upside down; a horned man and woman are chained to a
// ring in the pedestal at its foot.

const Tone kDevilSkin{{186, 92, 64}, {132, 56, 40}};
const Tone kGoatLegs{{104, 70, 48}, {70, 44, 30}};

void satan(QPainter &p, const CardFace &)
{
    const InScene scene(p);
    const QRectF s = lastScene();
    p.fillRect(s, QColor(66, 26, 32));
    QPainterPath floor;
    floor.addRect(QRectF(s.left() - 2, 236, s.width() + 4, s.bottom() - 234));
    style::drawShape(p, floor, {{44, 22, 26}, {30, 14, 18}}, 0, 1.2);

    // The pedestal: a black block with a lit top and an iron ring in front.
    const QRectF block(62, 186, 76, 56);
    QPainterPath top;
    top.moveTo(block.left(), block.top());
    top.lineTo(block.left() + 8, block.top() - 8);
    top.lineTo(block.right() - 8, block.top() - 8);
    top.lineTo(block.right(), block.top());
    top.closeSubpath();
    style::drawShape(p, top, {{78, 70, 78}, {56, 50, 58}}, 0, 1.2);
    QPainterPath front;
    front.addRect(block);
    style::drawShape(p, front, {{38, 34, 40}, {24, 22, 26}}, 2.0, 1.2);
    const QPointF ring(100, 210);

    // The figure on the pedestal: a man's body in red, a goat's shaggy legs.
    const double du = 20;
    const QPointF devilHips(100, block.top() - 6 - 3.65 * du);
    paintBatWings(p, devilHips + QPointF(0, -1.7 * du), du, 3.0, {{92, 80, 104}, {62, 52, 74}});

    // The two captives stand below, horned, chained by the neck, their tails
    // curling out behind them: his tipped with flame, hers with grapes.
    struct Captive {
        QPointF hips;
        Build build;
        int facing;
        Hair hair;
        QColor hairColour;
    };
    const double cu = 13.5;
    for (const Captive &c : {Captive{{44, 264 - 3.65 * cu}, Build::Man, 1, Hair::Short, kHairBrown},
                             Captive{{156, 264 - 3.65 * cu}, Build::Woman, -1, Hair::Long, {196, 120, 52}}}) {
        const double side = -c.facing;
        QPainterPath tail;
        tail.moveTo(c.hips);
        const QPointF end = c.hips + QPointF(side * 1.0 * cu, 1.9 * cu);
        tail.cubicTo(c.hips + QPointF(side * 1.2 * cu, 0.4 * cu), c.hips + QPointF(side * 1.4 * cu, 1.6 * cu),
                     end);
        style::drawLine(p, tail, style::kOutline, 3.6);
        style::drawLine(p, tail, kSkin.shade, 2.0);
        if (c.build == Build::Man) {
            paintFlame(p, end + QPointF(0, 2), 10);
        } else {
            for (int i = 0; i < 5; ++i)
                style::drawShape(p,
                                 shapes::ellipse(end + QPointF(i % 2 ? 1.5 : -1.5, 1.5 + i * 1.6), 1.8, 1.8),
                                 {{120, 52, 120}, {80, 30, 84}}, 0.5, 0.7);
        }
        const StandingBody b = paintStandingNude(p, c.hips, cu, c.build, kSkin);
        // A loincloth of sacking.
        QPainterPath cloth;
        cloth.moveTo(c.hips + QPointF(-0.72 * cu, -0.2 * cu));
        cloth.lineTo(c.hips + QPointF(0.72 * cu, -0.2 * cu));
        cloth.lineTo(c.hips + QPointF(0.5 * cu, 0.7 * cu));
        cloth.lineTo(c.hips + QPointF(-0.5 * cu, 0.7 * cu));
        cloth.closeSubpath();
        style::drawShape(p, cloth, {{120, 74, 44}, {80, 48, 28}}, 0.8);
        Figure look;
        look.build = c.build;
        look.hair = c.hair;
        look.hairColour = c.hairColour;
        look.turn = -c.facing * 0.3;
        paintHead(p, look, b.headCentre, cu);
        paintHorns(p, b.headCentre, cu, 0.4);
        for (int hand : {0, 1}) {
            const double out = hand ? 1.0 : -1.0;
            paintBareArmFrom(p, b.shoulder[static_cast<std::size_t>(hand)],
                             c.hips + QPointF(out * 1.0 * cu, 0.4 * cu),
                             c.hips + QPointF(out * 2.0 * cu, -1.0 * cu), cu, c.build, kSkin, false);
        }
        paintChain(p, ring, b.neck + QPointF(0, 0.1 * cu), 4, 3.2);
    }
    style::drawShape(p, shapes::ellipse(ring, 5, 5).subtracted(shapes::ellipse(ring, 3, 3)),
                     {{170, 170, 180}, {110, 110, 124}}, 0.6, 0.9);

    const StandingBody body = paintStandingNude(p, devilHips, du, Build::Man, kDevilSkin, kGoatLegs);
    // Shaggy haunches from the waist to the thighs.
    std::vector<QPointF> fur;
    for (int i = 0; i <= 12; ++i) {
        const double x = -0.78 + 1.56 * i / 12;
        fur.push_back(devilHips + QPointF(x * du, (i % 2 ? 1.05 : 1.25) * du));
    }
    fur.push_back(devilHips + QPointF(0.74 * du, -0.5 * du));
    fur.push_back(devilHips + QPointF(0, -0.56 * du));
    fur.push_back(devilHips + QPointF(-0.74 * du, -0.5 * du));
    style::drawShape(p, style::smoothClosed(fur), kGoatLegs, 1.6, 1.0);
    Figure look;
    look.hairColour = kHairBlack;
    look.beard = Beard::Short;
    look.skin = kDevilSkin;
    paintHead(p, look, body.headCentre, du);
    paintHorns(p, body.headCentre, du, 1.0);
    // Brows drawn down in a frown.
    QPainterPath brows;
    for (int side : {-1, 1}) {
        brows.moveTo(body.headCentre + QPointF(side * 0.34 * du, -0.16 * du));
        brows.lineTo(body.headCentre + QPointF(side * 0.06 * du, -0.04 * du));
    }
    style::drawLine(p, brows, style::kOutline, 1.6);
    // His right hand raised, open; his left holding a torch upside down, its
    // flame licking upwards.
    paintBareArmFrom(p, body.shoulder[1], body.shoulder[1] + QPointF(1.2 * du, -0.9 * du),
                     body.shoulder[1] + QPointF(1.6 * du, 0.4 * du), du, Build::Man, kDevilSkin, false);
    const QPointF fist = body.shoulder[0] + QPointF(-1.1 * du, 1.9 * du);
    const QPointF end = fist + QPointF(-0.5 * du, 1.7 * du);
    QPainterPath torch;
    torch.moveTo(fist + QPointF(0.12 * du, -0.4 * du));
    torch.lineTo(end);
    style::drawLine(p, torch, style::kOutline, 0.34 * du + 1.6);
    style::drawLine(p, torch, kWood.base, 0.34 * du);
    paintFlame(p, end + QPointF(0, 0.2 * du), 1.1 * du, -0.15);
    paintBareArmFrom(p, body.shoulder[0], fist, body.shoulder[0] + QPointF(-1.2 * du, 0.6 * du), du,
                     Build::Man, kDevilSkin, true);
}

// ---- 17 The Tower -----------------------------------------------------------------
// Lightning strikes a tall tower on a crag at night and blows its crown off;
// flames burst from the windows, two people fall headlong among falling sparks.

void tower(QPainter &p, const CardFace &)
{
    const InScene scene(p);
    const QRectF s = lastScene();
    p.fillRect(s, QColor(30, 32, 56));
    const Tone storm{{78, 80, 104}, {56, 58, 80}};
    paintCloud(p, {40, 22}, 90, 3, storm);
    paintCloud(p, {160, 18}, 96, 5, storm);

    // The crag, rough and steep.
    QPainterPath crag;
    crag.moveTo(s.left() - 4, s.bottom() + 4);
    crag.lineTo(28, 236);
    crag.lineTo(44, 226);
    crag.lineTo(52, 204);
    crag.lineTo(66, 196);
    crag.lineTo(72, 180);
    crag.lineTo(130, 180);
    crag.lineTo(138, 196);
    crag.lineTo(150, 202);
    crag.lineTo(160, 226);
    crag.lineTo(176, 238);
    crag.lineTo(s.right() + 4, s.bottom() + 4);
    crag.closeSubpath();
    style::drawShape(p, crag, {{122, 108, 96}, {86, 74, 64}}, 3.0, 1.4);
    QPainterPath cracks;
    cracks.moveTo(52, 204);
    cracks.lineTo(60, 224);
    cracks.lineTo(56, 250);
    cracks.moveTo(150, 202);
    cracks.lineTo(144, 228);
    cracks.lineTo(150, 256);
    cracks.moveTo(100, 196);
    cracks.lineTo(96, 230);
    style::drawLine(p, cracks, {86, 74, 64}, 1.2);

    // The tower, its top broken where the crown was torn away.
    const double l = 74, r = 126, foot = 184, top = 62;
    QPainterPath wall;
    wall.moveTo(l - 2, foot);
    wall.lineTo(l + 2, top + 6);
    wall.lineTo(l + 10, top);
    wall.lineTo(l + 16, top + 7);
    wall.lineTo(l + 24, top - 2);
    wall.lineTo(l + 31, top + 8);
    wall.lineTo(l + 38, top + 1);
    wall.lineTo(r - 6, top + 9);
    wall.lineTo(r - 2, top + 4);
    wall.lineTo(r + 2, foot);
    wall.closeSubpath();
    const Tone stone{{196, 190, 178}, {146, 138, 124}};
    style::drawShape(p, wall, stone, 3.0, 1.4);
    paintMasonry(p, wall, 8, stone.shade);
    style::drawShape(p, wall, {{0, 0, 0, 0}, {0, 0, 0, 0}}, 0, 1.4);
    // Windows aflame: a door and three windows.
    const std::vector<QRectF> windows{
        {94, 84, 12, 18}, {81, 116, 10, 16}, {109, 116, 10, 16}, {95, 150, 10, 16}};
    for (const QRectF &w : windows) {
        QPainterPath arch;
        arch.moveTo(w.bottomLeft());
        arch.lineTo(w.left(), w.top() + w.width() / 2);
        arch.arcTo(QRectF(w.left(), w.top(), w.width(), w.width()), 180, -180);
        arch.lineTo(w.bottomRight());
        arch.closeSubpath();
        style::drawShape(p, arch, {{46, 26, 20}, {46, 26, 20}}, 0, 1.0);
        paintFlame(p, {w.center().x(), w.bottom() - 1}, w.height() * 1.3, 0.25);
    }
    // Fire from the broken top.
    paintFlame(p, {86, top + 6}, 22, -0.2);
    paintFlame(p, {104, top + 4}, 28, 0.1);
    paintFlame(p, {119, top + 8}, 20, 0.3);

    // The crown flung up and away, turning over.
    p.save();
    p.translate(152, 78);
    p.rotate(34);
    paintRankSign(p, quillmere::Rank::King, QRectF(-15, -9, 30, 18));
    p.restore();
    // The bolt from the storm cloud to the tower's top.
    paintLightning(p, {{162, 12}, {134, 50}, {148, 52}, {121, top + 9}, {170, 34}, {156, 38}, {186, 12}});

    // Two falling headlong, arms flung out.
    Figure king;
    king.height = 84;
    king.robe = {
        {{190, 44, 40}, {124, 24, 26}}, Tone{{60, 96, 176}, {36, 60, 120}}, Cut::Gown, {}, style::kGold};
    king.headwear = Headwear::Crown;
    king.hairColour = kHairGrey;
    king.beard = Beard::Full;
    king.left = {Gesture::Out};
    king.right = {Gesture::Aloft};
    paintTurned(p, king, {44, 96}, 196);
    Figure man;
    man.height = 80;
    man.robe = {{{56, 100, 170}, {34, 62, 118}},
                std::nullopt,
                Cut::Tunic,
                {{196, 48, 44}, {128, 26, 26}},
                style::kGold};
    man.hairColour = kHairBrown;
    man.facing = -1;
    man.left = {Gesture::Aloft};
    man.right = {Gesture::Out};
    paintTurned(p, man, {172, 132}, 190);

    // Sparks falling on both sides.
    const Tone spark{{255, 214, 90}, {226, 150, 40}};
    const std::vector<QPointF> sparks{{22, 50},   {62, 64},   {24, 200}, {60, 176}, {140, 102},
                                      {184, 100}, {140, 160}, {34, 250}, {168, 250}};
    for (std::size_t i = 0; i < sparks.size(); ++i)
        paintYod(p, sparks[i], 10, (i % 2 ? 20 : -20), spark);
}

// ---- 18 The Star ------------------------------------------------------------------
// A woman kneels by a pool under a great star and seven small ones, one foot
// in the water, pouring from two jugs, one into the pool and one onto the land;
// a bird sits in a tree behind her.

void star(QPainter &p, const CardFace &)
{
    const InScene scene(p);
    const QRectF s = lastScene();
    const double horizon = 190;
    paintSky(p, s, horizon, {{52, 74, 140}, {40, 58, 116}});
    const Tone white{{250, 250, 240}, {200, 204, 214}};
    paintStar(p, {100, 62}, 40, 8, {{255, 226, 96}, {230, 170, 50}});
    for (const QPointF &c : {QPointF(30, 30), QPointF(170, 30), QPointF(24, 84), QPointF(176, 84),
                             QPointF(42, 134), QPointF(158, 134), QPointF(100, 112)})
        paintStar(p, c, 11, 8, white);
    paintHills(p, s, horizon, 18, {{88, 142, 74}, {60, 104, 52}}, {{110, 150, 120}, {80, 116, 92}});
    paintTree(p, {170, 216}, 64, 18);
    paintPerchedBird(p, {166, 170}, 22, -1, {{214, 86, 62}, {150, 52, 38}});

    // The pool at the left.
    QPainterPath pool;
    pool.moveTo(s.left() - 4, 206);
    pool.cubicTo(30, 200, 72, 208, 80, 226);
    pool.cubicTo(88, 244, 92, 258, 88, s.bottom() + 4);
    pool.lineTo(s.left() - 4, s.bottom() + 4);
    pool.closeSubpath();
    {
        p.save();
        p.setClipPath(pool, Qt::IntersectClip);
        paintWater(p, s, 196, s.bottom() + 4, 18);
        p.restore();
    }
    style::drawShape(p, pool, {{0, 0, 0, 0}, {0, 0, 0, 0}}, 0, 1.6);

    // She kneels facing the pool; her hair falls down her back.
    const double u = 26;
    const QPointF hips(108, 264 - 1.9 * u);
    Figure look;
    look.build = Build::Woman;
    look.hair = Hair::Long;
    look.hairColour = kHairGold;
    look.turn = -0.6;
    const QPointF farShoulder = hips + QPointF(0.14 * u, -2.04 * u);
    const QPointF rightGrip = farShoulder + QPointF(1.9 * u, 0.9 * u);
    const QPointF rightLip = paintJug(p, rightGrip, 1.3 * u, 80);
    paintBareArmFrom(p, farShoulder, rightGrip, farShoulder + QPointF(20, 10), u, Build::Woman,
                     {kSkin.shade, kSkin.shade.darker(115)}, true);
    const KneelingBody body = paintKneelingNude(p, hips, u, -1, kSkin);
    paintHead(p, look, body.headCentre, u);
    const QPointF leftGrip = body.nearShoulder + QPointF(-2.0 * u, 1.0 * u);
    const QPointF leftLip = paintJug(p, leftGrip, 1.3 * u, -70);
    paintBareArmFrom(p, body.nearShoulder, leftGrip, body.nearShoulder + QPointF(-20, 20), u, Build::Woman,
                     kSkin, true);
    // Ripples round the foot she has set in the water.
    const QPointF foot = hips + QPointF(-1.5 * u, 1.9 * u);
    QPainterPath ripples;
    for (double r : {0.5, 0.8}) {
        ripples.moveTo(foot + QPointF(-r * u, -0.02 * u));
        ripples.quadTo(foot + QPointF(0, 0.18 * r * u), foot + QPointF(r * u, -0.02 * u));
    }
    style::drawLine(p, ripples, kSea.base.lighter(150), 1.2);
    paintStream(p, leftLip, leftLip + QPointF(-8, 4), QPointF(leftLip.x() - 10, 244), 2.2);
    paintStream(p, rightLip, rightLip + QPointF(6, 4), QPointF(rightLip.x() + 6, 250), 2.2);
    // Where the water runs over the land in little rivulets.
    QPainterPath runs;
    const QPointF splash(rightLip.x() + 6, 250);
    for (int i = -2; i <= 2; ++i) {
        runs.moveTo(splash);
        runs.quadTo(splash + QPointF(i * 5, 4), splash + QPointF(i * 9, 10 + std::abs(i) * 2));
    }
    style::drawLine(p, runs, style::kOutline, 3.2);
    style::drawLine(p, runs, {150, 204, 236}, 1.6);
}

// ---- 19 The Moon ------------------------------------------------------------------
// The moon with a sleeping face between two towers lets fall drops of dew; a
// dog and a wolf howl at it, and a crayfish crawls out of a pool onto the path
// that winds between the towers to the hills.

void moon(QPainter &p, const CardFace &)
{
    const InScene scene(p);
    const QRectF s = lastScene();
    const double horizon = 168;
    paintSky(p, s, horizon, {{40, 52, 104}, {32, 42, 88}});
    paintMoonFace(p, {100, 64}, 32);
    const Tone dew{{250, 226, 120}, {214, 170, 60}};
    const std::vector<QPointF> drops{{54, 112},  {74, 124}, {100, 116}, {126, 124},
                                     {146, 112}, {86, 140}, {114, 140}, {100, 158}};
    for (std::size_t i = 0; i < drops.size(); ++i)
        paintYod(p, drops[i], 10, 0, dew);
    paintMountains(p, horizon + 2, s.left() - 10, s.right() + 10, 30, 19, {{74, 86, 128}, {56, 66, 104}},
                   false);
    paintMeadow(p, s, horizon, 19, {{74, 112, 76}, {52, 84, 56}});
    paintTower(p, {30, 204}, 28, 92, kStone);
    paintTower(p, {170, 204}, 28, 92, kStone);
    // The path from the pool, winding between the towers to the hills.
    QPainterPath path;
    path.moveTo(84, 240);
    path.cubicTo(70, 220, 116, 204, 96, 186);
    path.cubicTo(90, 178, 100, 172, 98, horizon + 1);
    path.lineTo(102, horizon + 1);
    path.cubicTo(104, 174, 100, 180, 106, 186);
    path.cubicTo(128, 206, 92, 222, 118, 240);
    path.closeSubpath();
    style::drawShape(p, path, {{196, 180, 136}, {156, 138, 96}}, 1.2);
    // The dog on the left, the wolf on the right, heads thrown back.
    paintDog(p, {54, 226}, 36, 1, kDogCoat, true);
    paintWolf(p, {148, 226}, 38, -1, kWolfCoat, true);
    // The pool across the foot of the picture, the crayfish climbing out.
    QPainterPath pool;
    pool.moveTo(s.left() - 4, 240);
    pool.cubicTo(60, 232, 140, 232, s.right() + 4, 240);
    pool.lineTo(s.right() + 4, s.bottom() + 4);
    pool.lineTo(s.left() - 4, s.bottom() + 4);
    pool.closeSubpath();
    {
        p.save();
        p.setClipPath(pool, Qt::IntersectClip);
        paintWater(p, s, 228, s.bottom() + 4, 19, {{44, 84, 140}, {30, 60, 110}});
        p.restore();
    }
    style::drawShape(p, pool, {{0, 0, 0, 0}, {0, 0, 0, 0}}, 0, 1.6);
    paintCrayfish(p, {100, 250}, 44, 0);
}

// ---- 20 The Sun -------------------------------------------------------------------
// A great sun with a face shines over a garden wall where sunflowers grow; a
// child wreathed in flowers rides a white horse bareback, a red banner held high.

void sun(QPainter &p, const CardFace &)
{
    const InScene scene(p);
    const QRectF s = lastScene();
    const double wallTop = 150, wallFoot = 186;
    paintSky(p, s, wallFoot, {{120, 184, 232}, {96, 160, 214}});
    paintSun(p, {96, 60}, 33, true);
    // Sunflowers behind the wall, their heads over it.
    const std::vector<std::tuple<double, double, double>> flowers{
        {24, 124, -10}, {58, 134, 8}, {140, 130, -6}, {176, 120, 12}};
    for (const auto &[x, y, turn] : flowers)
        paintSunflower(p, {x, y}, 15, {x, wallFoot}, turn);
    QPainterPath wall;
    wall.addRect(QRectF(s.left() - 2, wallTop, s.width() + 4, wallFoot - wallTop));
    const Tone brick{{214, 168, 120}, {170, 124, 84}};
    style::drawShape(p, wall, brick, 2.0, 1.2);
    paintMasonry(p, wall, 9, brick.shade);
    QPainterPath coping;
    coping.addRect(QRectF(s.left() - 2, wallTop - 5, s.width() + 4, 6));
    style::drawShape(p, coping, {{226, 200, 160}, {178, 152, 110}}, 1.2, 1.2);
    paintMeadow(p, s, wallFoot, 20, kNearHills);

    Horse horse;
    horse.base = {96, 256};
    horse.height = 88;
    horse.facing = 1;
    horse.gait = Gait::Walking;
    horse.coat = kWhiteHorse;
    horse.mane = {226, 214, 186};
    horse.cloth = {{206, 52, 44}, {140, 30, 28}};
    Figure child;
    child.height = 92;
    child.build = Build::Child;
    child.robe = {kWhiteRobe, std::nullopt, Cut::Tunic, kSkin, {{236, 188, 64}, {172, 120, 34}}};
    child.hairColour = kHairGold;
    child.headwear = Headwear::Wreath;
    child.turn = 0.2;
    child.left = {Gesture::Out};
    child.right = {Gesture::Raised, Held::Banner, 4, 1.35};
    const Figure placed = paintRider(p, horse, child);
    paintFlagOf(p, placed, 1, {{214, 56, 46}, {150, 32, 28}}, FlagSign::None);
}

// ---- 21 Judgement -----------------------------------------------------------------
// An angel leans out of the clouds blowing a trumpet hung with a banner; below,
// between icy mountains, a man, a woman and a child rise from their coffins on
// the water with their arms raised.

void judgement(QPainter &p, const CardFace &)
{
    const InScene scene(p);
    const QRectF s = lastScene();
    const double horizon = 180;
    const Tone sky{{150, 186, 220}, {124, 164, 204}};
    paintSky(p, s, horizon, sky);
    // The angel above the clouds, seen from the waist up.
    Figure angel;
    angel.base = {104, 214};
    angel.height = 168;
    angel.build = Build::Man;
    angel.robe = {kWhiteRobe, std::nullopt, Cut::Gown, {}, style::kGold};
    angel.hair = Hair::Short;
    angel.hairColour = kHairGold;
    angel.turn = -0.5;
    angel.left = {Gesture::Behind};
    angel.right = {Gesture::Behind};
    WingsLook wings;
    wings.feathers = {{236, 120, 84}, {182, 72, 50}};
    wings.tips = {{206, 64, 56}, {142, 36, 34}};
    wings.span = 2.5;
    wings.lift = 0.8;
    {
        p.save();
        p.setClipRect(QRectF(s.left(), s.top(), s.width(), 124 - s.top()), Qt::IntersectClip);
        paintWings(p, angel, wings);
        paintFigure(p, angel);
        p.restore();
    }
    {
        // The kit's folds and hem ignore the clip: lay the sky again below it.
        p.save();
        p.setClipRect(QRectF(s.left(), 124, s.width(), horizon - 124 + 2), Qt::IntersectClip);
        paintSky(p, s, horizon, sky);
        p.restore();
    }
    // Icy mountains rising into the clouds on either side.
    const Tone ice{{120, 134, 168}, {90, 102, 136}};
    paintMountains(p, horizon + 4, s.left() - 40, 70, 110, 23, ice, false);
    paintMountains(p, horizon + 4, 130, s.right() + 40, 100, 24, ice, false);
    paintWater(p, s, horizon, s.bottom() + 4, 21, {{70, 116, 160}, {50, 90, 132}});

    // The risen, their arms raised, in pale shrouds.
    const Tone shroud{{226, 226, 222}, {176, 178, 182}};
    struct Risen {
        QPointF foot;
        double height;
        Build build;
        Hair hair;
        QColor hairColour;
        double coffin;
    };
    const std::vector<Risen> risen{{{42, 254}, 92, Build::Man, Hair::Short, kHairBrown, 50},
                                   {{158, 254}, 88, Build::Woman, Hair::Long, {132, 78, 38}, 48},
                                   {{100, 264}, 66, Build::Child, Hair::Short, kHairGold, 38}};
    for (const Risen &r : risen) {
        const double boxHeight = r.height * 0.16;
        paintCoffinBack(p, r.foot, r.coffin, boxHeight);
        Figure f;
        f.base = r.foot + QPointF(0, -boxHeight * 0.4);
        f.height = r.height;
        f.build = r.build;
        f.robe = {shroud, std::nullopt, Cut::Gown, {}, shroud};
        f.hair = r.hair;
        f.hairColour = r.hairColour;
        f.left = {Gesture::Aloft};
        f.right = {Gesture::Aloft};
        paintFigure(p, f);
        paintCoffinFront(p, r.foot, r.coffin, boxHeight);
    }

    paintCloud(p, {40, 120}, 76, 7);
    paintCloud(p, {160, 122}, 80, 8);
    paintCloud(p, {102, 118}, 96, 9);
    const Body body = bodyOf(angel);
    const double u = body.unit;
    const QPointF mouth = body.headCentre + QPointF(-0.1 * u, 0.34 * u);
    const QPointF bell = mouth + QPointF(-3.3 * u, 2.3 * u);
    paintTrumpet(p, mouth, bell, 0.3 * u);
    paintArm(p, angel, -1, shapes::lerp(mouth, bell, 0.52), body.shoulder[0] + QPointF(-4, 30), kWhiteRobe,
             true);
    paintArm(p, angel, 1, shapes::lerp(mouth, bell, 0.28), body.waist, kWhiteRobe, true);
}

// ---- 22 The World -----------------------------------------------------------------
// A dancer in a floating scarf, a wand in each hand, inside an oval wreath of
// laurel bound with red ribbons; the four living creatures in the corners.

void world(QPainter &p, const CardFace &)
{
    const InScene scene(p);
    const QRectF s = lastScene();
    p.fillRect(s, QColor(128, 168, 214));
    const QRectF oval(100 - 58, 40, 116, 196);
    // The sky inside the wreath, a shade paler.
    style::drawShape(p, shapes::ellipse(oval.center(), oval.width() / 2, oval.height() / 2),
                     {{170, 200, 232}, {170, 200, 232}}, 0, 0);
    paintDancer(p, {100, 139}, 23.5, {{132, 62, 160}, {90, 36, 116}});
    paintLaurelWreath(p, oval, 13);
    paintAngelHead(p, {32, 34}, 38);
    paintEagleHead(p, {168, 34}, 38, -1);
    paintBullHead(p, {32, 240}, 38);
    paintLionFace(p, {168, 240}, 38);
}

} // namespace

const std::vector<TrumpPainter> &lastTrumps()
{
    static const std::vector<TrumpPainter> table{
        {12, {strength, noLettering}},   {13, {hangingMan, noLettering}}, {14, {death, noLettering}},
        {15, {temperance, noLettering}}, {16, {satan, noLettering}},      {17, {tower, noLettering}},
        {18, {star, noLettering}},       {19, {moon, noLettering}},       {20, {sun, noLettering}},
        {21, {judgement, noLettering}},  {22, {world, noLettering}},
    };
    return table;
}

} // namespace artwork
