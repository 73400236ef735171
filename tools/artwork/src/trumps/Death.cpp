// 14 Death: a skeleton in black armour rides a white horse under a black banner with a white
// rose; a king lies fallen before it, a maiden kneels; far off the sun rises between two towers.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

constexpr double kHorizon = 130;

// The sun half risen between the towers on the far shore, the river before
// them, the near meadow.
void deathLand(QPainter &p)
{
    const QRectF s = trumpScene();
    paintSky(p, s, kHorizon, kPaleSky);
    p.save();
    p.setClipRect(QRectF(s.left(), s.top(), s.width(), kHorizon - s.top()), Qt::IntersectClip);
    paintSun(p, {167, kHorizon}, 14, false);
    p.restore();
    const Tone &grass = kDullGrass;
    paintMeadow(p, s, kHorizon, 41, kFarDullGrass);
    paintTower(p, {146, kHorizon + 4}, 14, 52, kStone);
    paintTower(p, {184, kHorizon + 4}, 14, 52, kStone);
    paintWater(p, s, kHorizon + 7, kHorizon + 22, 14);
    paintMeadow(p, s, kHorizon + 24, 14, grass);
}

// The rider on the white horse, the banner with the white rose, the skull in
// the opening of the helm.
void deathRider(QPainter &p)
{
    Horse horse;
    horse.base = {102, 240};
    horse.height = 96;
    horse.facing = -1;
    horse.gait = Gait::Walking;
    horse.coat = kWhiteHorse;
    horse.mane = kAshMane;
    horse.cloth = kBlackArmour;
    Figure rider;
    rider.height = 114;
    rider.robe = {kBlackArmour, std::nullopt, Cut::Armour, kBlackArmour, kDullSteel};
    rider.headwear = Headwear::Helm;
    rider.headwearTone = kPlumeRed;
    rider.skin = kBone;
    rider.turn = -0.4;
    rider.left = {Gesture::Raised, Held::Banner, -14, 1.3};
    rider.flag = {kBlackBanner, FlagSign::WhiteRose};
    rider.right = {Gesture::Forward};
    const Figure placed = paintRider(p, horse, rider);
    const Body b = bodyOf(placed);
    const QPointF c = b.headCentre;
    p.save();
    p.setClipRect(
        QRectF(c.x() - 0.42 * b.headWidth, c.y() - 0.09 * b.headHeight, 0.84 * b.headWidth, 0.7 * b.headHeight),
        Qt::IntersectClip);
    paintSkull(p, c + QPointF(0, 0.02 * b.headHeight), b.headWidth * 1.0, b.headHeight * 1.0);
    p.restore();
}

// A maiden kneels, turning her face away; the king lies fallen on his back,
// his crown rolled away.
void deathFallen(QPainter &p)
{
    Figure maiden;
    maiden.base = {162, 264};
    maiden.height = 96;
    maiden.pose = Pose::Kneeling;
    maiden.build = Build::Woman;
    maiden.facing = -1;
    maiden.robe = {kLinen, std::nullopt, Cut::Gown, {}, kGold};
    maiden.hair = Hair::Long;
    maiden.hairColour = kHairBrownRed;
    maiden.headwear = Headwear::Wreath;
    maiden.turn = 0.7;
    maiden.left = {Gesture::Forward};
    maiden.right = {Gesture::Forward};
    paintFigure(p, maiden);

    Figure king;
    king.base = {0, 0};
    king.height = 80;
    king.robe = {kKingRed, std::nullopt, Cut::Gown, {}, kGold};
    king.hairColour = kHairGrey;
    king.beard = Beard::Full;
    king.turn = 0.3;
    paintTurned(p, king, {94, 250}, -90);
    paintRankSign(p, quillmere::Rank::King, QRectF(14, 230, 18, 12));
}

} // namespace

Trump death()
{
    return {{{Layer::Scene, deathLand}, {Layer::Figures, deathRider}, {Layer::Figures, deathFallen}}};
}

} // namespace artwork::trumps
