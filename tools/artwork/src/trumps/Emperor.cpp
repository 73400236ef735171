// 5 The Emperor: bearded and crowned on a stone throne carved with rams' heads, sceptre and orb in
// his hands, a red robe, bare red mountains behind.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

void emperorMountains(QPainter &p)
{
    const QRectF scene = trumpScene();
    const double horizon = 168;
    paintSky(p, scene, horizon, kSunsetSky);
    paintMountains(p, horizon + 10, scene.left() - 30, scene.right() + 30, 110, 5, kRedRock, false);
    paintMountains(p, horizon + 20, scene.left() - 10, scene.right() + 10, 56, 12, kDarkRedRock, false);
    QPainterPath ground;
    ground.addRect(QRectF(scene.left(), horizon + 18, scene.width(), scene.bottom() - horizon));
    drawShape(p, ground, kBareEarth, 0, 1.0);
}

void emperorFigure(QPainter &p)
{
    Figure emperor;
    emperor.base = {100, 262};
    emperor.height = 204;
    emperor.pose = Pose::Seated;
    emperor.robe = {kRed, std::nullopt, Cut::Gown};
    emperor.headwear = Headwear::Crown;
    emperor.hairColour = kHairGrey;
    emperor.beard = Beard::Full;
    emperor.left = {Gesture::Raised, Held::Sceptre, 0, 1.25};
    emperor.right = {Gesture::Forward, Held::Orb, 0, 1.3};
    emperor.seed = 5;
    const Tone &throneStone = kCarvedStone;
    const QRectF crest = paintThrone(p, emperor, {throneStone, kSlateCloth, 1.1});
    const Body b = bodyOf(emperor);
    paintRamHead(p, crest.center() + QPointF(0, 2), crest.width() * 1.35, throneStone);
    const double half = b.shoulderHalf + 0.75 * b.unit, seatHalf = half + 0.3 * b.unit;
    for (int s : {-1, 1})
        paintRamHead(p, {b.crown.x() + s * (seatHalf - 0.2 * b.unit), b.seatY - 1.55 * b.unit}, 1.05 * b.unit,
                     throneStone);
    paintFigure(p, emperor);
}

} // namespace

Trump theEmperor()
{
    return {{{Layer::Scene, emperorMountains}, {Layer::Figures, emperorFigure}}};
}

} // namespace artwork::trumps
