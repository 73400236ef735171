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

} // namespace

const std::vector<TrumpPainter> &lastTrumps()
{
    static const std::vector<TrumpPainter> table{
        {12, {strength, noLettering}},
    };
    return table;
}

} // namespace artwork
