// 10 The Hermit: an old man cloaked and hooded on a snowy peak at night, leaning on his staff,
// holding up a lantern with a six-pointed star.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

void hermitPeak(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, scene.bottom(), kNightSky);
    for (const QPointF &s :
         {QPointF(30, 30), QPointF(170, 50), QPointF(150, 22), QPointF(24, 110), QPointF(176, 120), QPointF(60, 70)})
        paintStar(p, s, 3.0, 4, kStarPale);
    paintMountains(p, 236, scene.left() - 20, scene.right() + 20, 70, 9, kNightMountains, true);
    const Tone &snow = kSnow;
    QPainterPath peak;
    peak.moveTo(scene.left() - 6, scene.bottom() + 4);
    peak.lineTo(scene.left() - 6, 264);
    peak.lineTo(48, 248);
    peak.lineTo(84, 230);
    peak.lineTo(104, 223);
    peak.lineTo(126, 229);
    peak.lineTo(156, 246);
    peak.lineTo(scene.right() + 6, 258);
    peak.lineTo(scene.right() + 6, scene.bottom() + 4);
    peak.closeSubpath();
    drawShape(p, peak, snow, 3.0);
    QPainterPath crevices;
    crevices.moveTo(84, 236);
    crevices.lineTo(70, 252);
    crevices.moveTo(130, 236);
    crevices.lineTo(146, 254);
    drawLine(p, crevices, snow.shade, 1.2);
}

Figure hermit()
{
    Figure hermit;
    hermit.base = {104, 226};
    hermit.height = 198;
    hermit.robe = {kGreyCloth, kDarkGreyCloth, Cut::Gown};
    hermit.headwear = Headwear::Hood;
    hermit.headwearTone = kGreyCloth;
    hermit.hair = Hair::Bald;
    hermit.hairColour = kHairGrey;
    hermit.beard = Beard::Full;
    hermit.turn = -0.45;
    hermit.left = {Gesture::Raised, Held::Lamp, 0, 1.5};
    hermit.right = {Gesture::Down, Held::Staff};
    hermit.seed = 10;
    return hermit;
}

// The lantern's light on the night round it.
void hermitGlow(QPainter &p)
{
    const Body b = bodyOf(hermit());
    paintGlow(p, b.hand[0] + QPointF(0, 1.0 * b.unit), 1.6 * b.unit, kLanternGlowOuter, kLanternGlowInner);
}

void hermitFigure(QPainter &p)
{
    paintFigure(p, hermit());
}

} // namespace

Trump theHermit()
{
    return {{{Layer::Scene, hermitPeak}, {Layer::Scene, hermitGlow}, {Layer::Figures, hermitFigure}}};
}

} // namespace artwork::trumps
