// 1 The Fool: a young traveller steps out over the cliff's edge, bundle on his shoulder, a white
// rose in his other hand, a little dog leaping at his heels; the sun behind.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

constexpr double kCliffEdge = 148, kCliffTop = 208;

void foolLand(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, 226, kDaySky);
    paintSun(p, {164, 36}, 18, true);
    // Far below the edge: a valley and a range of snowy peaks.
    paintMountains(p, 236, 118, 214, 64, 7, kDistantPeaks, true);
    paintHills(p, QRectF(scene.left(), scene.top(), scene.width(), scene.height() + 10), 230, 4, kValleyNear,
               kValleyFar);
    // The cliff: a grassy top running out to the edge, a sheer rock face below it.
    const double edge = kCliffEdge, top = kCliffTop;
    const std::vector<QPointF> rock{{scene.left() - 6, scene.bottom() + 6},
                                    {scene.left() - 6, top + 10},
                                    {40, top + 4},
                                    {90, top + 1},
                                    {edge - 10, top},
                                    {edge + 2, top + 3},
                                    {edge + 6, top + 24},
                                    {edge - 2, top + 38},
                                    {edge + 4, top + 52},
                                    {edge + 2, scene.bottom() + 6}};
    QPainterPath cliff;
    cliff.moveTo(rock[0]);
    for (std::size_t i = 1; i < rock.size(); ++i)
        cliff.lineTo(rock[i]);
    cliff.closeSubpath();
    const Tone &stone = kCliffRock;
    drawShape(p, cliff, stone, 3.0);
    QPainterPath strata;
    strata.moveTo(edge + 3, top + 16);
    strata.lineTo(edge - 22, top + 20);
    strata.moveTo(edge - 1, top + 34);
    strata.lineTo(edge - 30, top + 40);
    strata.moveTo(edge + 2, top + 50);
    strata.lineTo(edge - 18, top + 54);
    strata.moveTo(40, top + 28);
    strata.lineTo(84, top + 32);
    drawLine(p, strata, stone.shade, 1.0);
    QPainterPath grass;
    grass.moveTo(scene.left() - 6, top + 10);
    grass.lineTo(40, top + 4);
    grass.lineTo(90, top + 1);
    grass.lineTo(edge - 10, top);
    grass.lineTo(edge + 2, top + 3);
    grass.lineTo(edge, top + 7);
    grass.quadTo(100, top + 6, scene.left() - 6, top + 17);
    grass.closeSubpath();
    drawShape(p, grass, kNearHills, 1.2);
}

void foolFigures(QPainter &p)
{
    // The dog, leaping up behind him.
    paintDog(p, {52, kCliffTop + 4}, 42, 1, kDogCoat, true);

    Figure fool;
    fool.base = {110, kCliffTop + 1};
    fool.height = 186;
    fool.pose = Pose::Walking;
    fool.build = Build::Youth;
    fool.robe = {kMotley, std::nullopt, Cut::Tunic, kHoseYellow, kGold};
    fool.headwear = Headwear::Cap;
    fool.headwearTone = kGreen;
    fool.hairColour = kHairGold;
    fool.turn = 0.55;
    fool.facing = 1;
    fool.left = {Gesture::Raised};
    fool.right = {Gesture::Down, Held::Flower, 30, 1.3};
    fool.seed = 3;
    const Body b = bodyOf(fool);
    paintBundleOnPole(p, b.hand[0], 2.6 * b.unit, -40, b.unit, kBundleCloth);
    paintFigure(p, fool);
    paintFist(p, fool, -1);
}

} // namespace

Trump theFool()
{
    return {{{Layer::Scene, foolLand}, {Layer::Figures, foolFigures}}};
}

} // namespace artwork::trumps
