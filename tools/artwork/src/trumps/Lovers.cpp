// 7 The Lovers: a man and a woman under an angel who spreads its wings in the sun; a tree of flames
// behind him, the tree with apples and the serpent behind her.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

void loversLand(QPainter &p)
{
    const QRectF scene = trumpScene();
    const double horizon = 196;
    paintSky(p, scene, horizon, kDaySky);
    paintSun(p, {100, 50}, 36, false);
    paintMountains(p, horizon + 6, 76, 124, 64, 3, kRock, true);
    paintHills(p, scene, horizon, 2);
}

// The angel, only down to the clouds.
void loversAngel(QPainter &p)
{
    const QRectF scene = trumpScene();
    Figure angel;
    angel.base = {100, 196};
    angel.height = 146;
    angel.build = Build::Youth;
    angel.robe = {kPurple, std::nullopt, Cut::Gown};
    angel.hairColour = kHairFlame;
    angel.left = {Gesture::Out};
    angel.right = {Gesture::Out};
    style::paintWithin(p, QRectF(scene.left(), scene.top(), scene.width(), 130 - scene.top()), [&](QPainter &layer) {
        paintWings(layer, angel, {kAngelFeathers, kRoseFlightFeathers, 2.9, 0.85});
        paintFigure(layer, angel);
    });
}

void loversCloudsAndTrees(QPainter &p)
{
    paintCloud(p, {100, 134}, 120, 5);
    paintCloud(p, {40, 136}, 64, 8);
    paintCloud(p, {160, 136}, 64, 9);
    paintFlameTree(p, {28, 240}, 116);
    paintSerpentTree(p, {172, 242}, 112);
}

void loversCouple(QPainter &p)
{
    Figure man;
    man.base = {62, 264};
    man.height = 124;
    man.robe = {kWhiteCloth, std::nullopt, Cut::Tunic, kSkin, kBrownCloth};
    man.hairColour = kHairBrown;
    man.turn = 0.6;
    man.facing = 1;
    man.left = {Gesture::Down};
    man.right = {Gesture::Out};
    man.seed = 3;
    paintFigure(p, man);

    Figure woman;
    woman.base = {138, 264};
    woman.height = 120;
    woman.build = Build::Woman;
    woman.robe = {kWhiteCloth, std::nullopt, Cut::Gown, {}, kBrownCloth};
    woman.hair = Hair::Long;
    woman.hairColour = kHairGold;
    woman.turn = -0.3;
    woman.left = {Gesture::Forward};
    woman.right = {Gesture::Down};
    woman.seed = 8;
    paintFigure(p, woman);
}

} // namespace

Trump theLovers()
{
    return {{{Layer::Scene, loversLand},
             {Layer::Figures, loversAngel},
             {Layer::Scene, loversCloudsAndTrees},
             {Layer::Figures, loversCouple}}};
}

} // namespace artwork::trumps
