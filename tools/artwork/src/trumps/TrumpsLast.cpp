#include "Trumps.h"

#include "Style.h"
#include "figures/Animals.h"
#include "figures/Figure.h"
#include "figures/Horse.h"
#include "figures/Landscape.h"
#include "figures/Shapes.h"
#include "figures/Throne.h"
#include "trumps/LastParts.h"

#include <QtMath>

namespace artwork {

using namespace figures;
using namespace last;
using quillmere::CardFace;
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
    garland.cubicTo(hold + QPointF(4, -6), hold + QPointF(-4, 20), QPointF(lionBase.x() - 26, lionBase.y() - 62));
    garland.cubicTo(QPointF(lionBase.x() - 40, lionBase.y() - 40), QPointF(lionBase.x() - 60, lionBase.y() - 56),
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
    man.robe = {{{62, 96, 170}, {38, 60, 118}}, std::nullopt, Cut::Tunic, {{196, 48, 44}, {128, 26, 26}}, style::kGold};
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

} // namespace

const std::vector<TrumpPainter> &lastTrumps()
{
    static const std::vector<TrumpPainter> table{
        {12, {strength, noLettering}},
        {13, {hangingMan, noLettering}},
    };
    return table;
}

} // namespace artwork
