// 20 The Sun: a great sun with a face shines over a garden wall where sunflowers grow; a child
// wreathed in flowers rides a white horse bareback, a red banner held high.

#include "trumps/Trump.h"

#include <tuple>

namespace artwork::trumps {

namespace {

constexpr double kWallTop = 150, kWallFoot = 186;

// The sky and the sun, sunflowers behind the wall with their heads over it,
// the wall and the meadow before it.
void sunGarden(QPainter &p)
{
    const QRectF s = trumpScene();
    paintSky(p, s, kWallFoot, kSummerSky);
    paintSun(p, {96, 60}, 33, true);
    const std::vector<std::tuple<double, double, double>> flowers{
        {24, 124, -10}, {58, 134, 8}, {140, 130, -6}, {176, 120, 12}};
    for (const auto &[x, y, turn] : flowers)
        paintSunflower(p, {x, y}, 15, {x, kWallFoot}, turn);
    QPainterPath wall;
    wall.addRect(QRectF(s.left() - 2, kWallTop, s.width() + 4, kWallFoot - kWallTop));
    const Tone &brick = kBrick;
    drawShape(p, wall, brick, 2.0, 1.2);
    paintMasonry(p, wall, 9, brick.shade);
    QPainterPath coping;
    coping.addRect(QRectF(s.left() - 2, kWallTop - 5, s.width() + 4, 6));
    drawShape(p, coping, kCoping, 1.2, 1.2);
    paintMeadow(p, s, kWallFoot, 20, kNearHills);
}

void sunRider(QPainter &p)
{
    Horse horse;
    horse.base = {96, 256};
    horse.height = 88;
    horse.facing = 1;
    horse.gait = Gait::Walking;
    horse.coat = kWhiteHorse;
    horse.mane = kPaleMane;
    horse.cloth = kSaddleRed;
    Figure child;
    child.height = 92;
    child.build = Build::Child;
    child.robe = {kLinen, std::nullopt, Cut::Tunic, kSkin, kGold};
    child.hairColour = kHairGold;
    child.headwear = Headwear::Wreath;
    child.turn = 0.2;
    child.left = {Gesture::Out};
    child.right = {Gesture::Raised, Held::Banner, 4, 1.35};
    child.flag = {kBannerRed, FlagSign::None};
    paintRider(p, horse, child);
}

} // namespace

Trump theSun()
{
    return {{{Layer::Scene, sunGarden}, {Layer::Figures, sunRider}}};
}

} // namespace artwork::trumps
