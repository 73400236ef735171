// 12 Strength: a woman in white, crowned with flowers and the lemniscate over her head, closes a
// lion's jaws with her bare hands; a garland of roses links her to it.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

const QPointF kLionBase{94, 264};
constexpr double kLionHeight = 76;

void strengthLand(QPainter &p)
{
    const QRectF s = trumpScene();
    paintSky(p, s, 160, kGoldenSky);
    paintMountains(p, 164, s.left() - 10, s.left() + 120, 46, 12, kBlueMountains, true);
    paintHills(p, s, 160, 12);
}

Figure woman()
{
    Figure woman;
    woman.base = {70, 250};
    woman.height = 178;
    woman.build = Build::Woman;
    woman.robe = {kLinen, std::nullopt, Cut::Gown, {}, kGold};
    woman.hair = Hair::Long;
    woman.hairColour = kHairCopper;
    woman.headwear = Headwear::Wreath;
    woman.turn = -0.55;
    woman.left = {Gesture::Behind};
    woman.right = {Gesture::Behind};
    return woman;
}

void strengthWoman(QPainter &p)
{
    const Figure figure = woman();
    paintFigure(p, figure);
    const Body body = bodyOf(figure);
    paintLemniscate(p, body.crown + QPointF(0, -0.55 * body.unit), 1.7 * body.headWidth);
}

// The lion, its jaws held by her left hand over the muzzle; the garland from
// her girdle round its neck, held in her right hand.
void strengthLion(QPainter &p)
{
    const Figure figure = woman();
    const Body body = bodyOf(figure);
    paintLion(p, kLionBase, kLionHeight, -1);
    const Jaws jaws = paintRaisedLionHead(p, kLionBase, kLionHeight, -1);
    const QPointF hold = body.hips + QPointF(0.9 * body.unit, 0.4 * body.unit);
    QPainterPath garland;
    garland.moveTo(body.waist + QPointF(0.5 * body.unit, 0));
    garland.cubicTo(hold + QPointF(4, -6), hold + QPointF(-4, 20), QPointF(kLionBase.x() - 26, kLionBase.y() - 62));
    garland.cubicTo(QPointF(kLionBase.x() - 40, kLionBase.y() - 40), QPointF(kLionBase.x() - 60, kLionBase.y() - 56),
                    QPointF(kLionBase.x() - 56, kLionBase.y() - 66));
    paintGarland(p, garland, 3.2);
    paintArm(p, figure, -1, jaws.upper, body.shoulder[0] + QPointF(-12, 40), kLinen, false);
    paintArm(p, figure, 1, hold, body.hips + QPointF(40, -10), kLinen, true);
}

} // namespace

Trump strength()
{
    return {{{Layer::Scene, strengthLand}, {Layer::Figures, strengthWoman}, {Layer::Figures, strengthLion}}};
}

} // namespace artwork::trumps
