// 2 The Magician: one hand lifts the rod to the sky, the other points to the earth; on the table
// before him the cup, the sword, the wand and the pentacle; roses over him, roses and lilies below.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

void magicianArbour(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, scene.bottom(), kGoldenSky);
    // An arbour of roses along the top.
    for (int i = 0; i < 9; ++i) {
        const QPointF c(scene.left() + 4 + i * 22.0, scene.top() + 6 + (i % 2) * 6.0);
        drawShape(p, shapes::ellipse(c + QPointF(0, 5), 11, 7), kFoliage, 1.2);
        paintFlower(p, c, 6.5, kRuby);
    }
}

Figure magician()
{
    Figure mage;
    mage.base = {100, 258};
    mage.height = 186;
    mage.build = Build::Youth;
    mage.robe = {kWhiteCloth, kRed, Cut::Gown};
    mage.hairColour = kHairBlack;
    mage.left = {Gesture::Aloft, Held::Rod, 0, 1.15};
    mage.right = {Gesture::Down};
    mage.seed = 2;
    return mage;
}

void magicianFigure(QPainter &p)
{
    const Figure mage = magician();
    const Body b = bodyOf(mage);
    paintFigure(p, mage);
    paintLemniscate(p, b.crown + QPointF(0, -0.55 * b.unit), 1.24 * b.unit);
}

// The table, the cup and the pentacle standing at its back, the wand and the
// sword lying in front of them.
void magicianTable(QPainter &p)
{
    paintTable(p, 16, 184, 184, 202, 252, kTableCloth);
    paintCup(p, QRectF(24, 150, 32, 40));
    paintPentacle(p, QRectF(146, 156, 34, 34));
    p.save();
    p.translate(96, 190);
    p.rotate(86);
    paintWand(p, QRectF(-4.5, -36, 9, 72), 4);
    p.restore();
    p.save();
    p.translate(100, 197);
    p.rotate(-90);
    paintSword(p, QRectF(-7.5, -46, 15, 92));
    p.restore();
}

// His lowered hand points down past the table's edge to the earth.
void magicianPointing(QPainter &p)
{
    paintPointingHand(p, magician(), 1, {0.12, 1});
}

// Roses and lilies in the foreground.
void magicianGarden(QPainter &p)
{
    const QRectF scene = trumpScene();
    for (int i = 0; i < 8; ++i) {
        const QPointF c(scene.left() + 8 + i * 24.0, 258 + (i % 2) * 6.0);
        drawShape(p, shapes::ellipse(c + QPointF(0, 6), 12, 7), kFoliage, 1.2);
        paintFlower(p, c, 6.0, i % 2 ? kParchment : kRuby);
    }
}

} // namespace

Trump theMagician()
{
    return {{{Layer::Scene, magicianArbour},
             {Layer::Figures, magicianFigure},
             {Layer::Scene, magicianTable},
             {Layer::Figures, magicianPointing},
             {Layer::Scene, magicianGarden}}};
}

} // namespace artwork::trumps
