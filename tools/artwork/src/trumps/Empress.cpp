// 4 The Empress: crowned and enthroned among trees and ripe wheat, a sceptre in her hand, the
// heart-shaped shield with the sign of Venus beside her, a stream behind.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

void empressGarden(QPainter &p)
{
    const QRectF scene = trumpScene();
    const double horizon = 150;
    paintSky(p, scene, horizon, kGoldenSky);
    paintHills(p, scene, horizon, 9);
    paintRiver(
        p, {{150, horizon + 4}, {166, horizon + 30}, {158, horizon + 60}, {178, horizon + 90}, {200, horizon + 110}}, 8,
        22);
    for (int i = 0; i < 4; ++i)
        paintTree(p, {20.0 + i * 10, horizon + 34 + (i % 2) * 6}, 84 - i * 6, 31 + i, TreeKind::Cypress);
    for (int i = 0; i < 3; ++i)
        paintTree(p, {184.0 - i * 12, horizon + 30 + (i % 2) * 8}, 78 - i * 8, 41 + i, TreeKind::Cypress);
}

void empressFigure(QPainter &p)
{
    Figure empress;
    empress.base = {104, 250};
    empress.height = 192;
    empress.pose = Pose::Seated;
    empress.build = Build::Woman;
    empress.robe = {kWhiteCloth, kGreen, Cut::Gown};
    empress.headwear = Headwear::Crown;
    empress.hair = Hair::Long;
    empress.hairColour = kHairGold;
    empress.turn = 0.1;
    empress.right = {Gesture::Raised, Held::Sceptre, 0, 1.2};
    empress.left = {Gesture::Down};
    empress.seed = 4;
    paintThrone(p, empress, {kIvoryStone, kCrimson, 1.0});
    paintFigure(p, empress);
    // A ring of stars over her crown.
    const Body b = bodyOf(empress);
    for (int i = 0; i < 7; ++i) {
        const double a = qDegreesToRadians(-150.0 + i * 20.0);
        paintStar(p, b.headCentre + QPointF(std::cos(a), std::sin(a)) * 1.45 * b.unit, 4.2, 6);
    }
    paintHeartShield(p, {42, 226}, 42);
}

void empressWheat(QPainter &p)
{
    paintWheat(p, 118, trumpScene().right() + 4, 272, 46, 3);
}

} // namespace

Trump theEmpress()
{
    return {{{Layer::Scene, empressGarden}, {Layer::Figures, empressFigure}, {Layer::Scene, empressWheat}}};
}

} // namespace artwork::trumps
