// 6 The High Priest: triple-crowned between two pillars, blessing with his raised hand, the triple
// cross in the other; two tonsured brothers kneel before him, the crossed keys at his feet.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

void priestTemple(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, scene.bottom(), kTempleGloom);
    paintStoneFloor(p, scene, 236, kTempleFloor);
    paintPillar(p, QRectF(14, 46, 22, 182), kGreyStone);
    paintPillar(p, QRectF(164, 46, 22, 182), kGreyStone);
}

void priestFigures(QPainter &p)
{
    Figure priest;
    priest.base = {100, 240};
    priest.height = 186;
    priest.pose = Pose::Seated;
    priest.robe = {kRed, kBlue, Cut::Gown, {}, kWhiteCloth};
    priest.hairColour = kHairGrey;
    priest.beard = Beard::Short;
    priest.left = {Gesture::Raised};
    priest.right = {Gesture::Raised, Held::Rod, 0, 0.05};
    priest.seed = 6;
    paintThrone(p, priest, {kGreyStone, kOchreCloth, 1.6});
    paintFigure(p, priest);
    paintTiara(p, priest);
    paintBlessingHand(p, priest, -1);
    const Body b = bodyOf(priest);
    paintTripleCross(p, b.hand[1] + QPointF(0, 1.9 * b.unit), b.hand[1] + QPointF(0, -2.9 * b.unit), b.unit);
    paintFist(p, priest, 1);

    // The two brothers kneeling before him, turned towards each other.
    for (int s : {-1, 1}) {
        Figure monk;
        monk.base = {100 + s * 54.0, 268};
        monk.height = 104;
        monk.pose = Pose::Kneeling;
        monk.robe = {s < 0 ? kMonkRed : kWhiteCloth, std::nullopt, Cut::Gown};
        monk.hair = Hair::Bald;
        monk.hairColour = s < 0 ? kHairBrown : kHairBlack;
        monk.facing = -s;
        monk.turn = -s * 0.6;
        monk.left = {Gesture::Forward};
        monk.right = {Gesture::Forward};
        monk.seed = 11 + static_cast<unsigned>(s + 1);
        paintFigure(p, monk);
    }
    paintKey(p, {88, 258}, 36, 40, kGold);
    paintKey(p, {112, 258}, 36, -40, kSilver);
}

} // namespace

Trump theHighPriest()
{
    return {{{Layer::Scene, priestTemple}, {Layer::Figures, priestFigures}}};
}

} // namespace artwork::trumps
