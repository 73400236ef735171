// 9 Justice: crowned and seated between two pillars before a purple veil, the sword held upright in
// one hand, the scales in the other.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

void justiceHall(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, scene.bottom(), kHallGold);
    paintCurtain(p, QRectF(34, 40, 132, 190), kPurple);
    paintStoneFloor(p, scene, 236, kGreyStone);
    paintPillar(p, QRectF(14, 36, 20, 190), kGreyStone);
    paintPillar(p, QRectF(166, 36, 20, 190), kGreyStone);
}

void justiceFigure(QPainter &p)
{
    Figure justice;
    justice.base = {100, 262};
    justice.height = 206;
    justice.pose = Pose::Seated;
    justice.build = Build::Woman;
    justice.robe = {kRed, kGreen, Cut::Gown};
    justice.headwear = Headwear::Crown;
    justice.hair = Hair::Long;
    justice.hairColour = kHairBrown;
    justice.left = {Gesture::Raised, Held::Sword, 0, 1.15};
    justice.right = {Gesture::Raised, Held::Scales, 0, 1.2};
    justice.seed = 9;
    // A dark throne, so the bright blade stands out against it.
    paintThrone(p, justice, {kDarkThroneStone, kBronzeCloth, 1.0});
    paintFigure(p, justice);
}

} // namespace

Trump justice()
{
    return {{{Layer::Scene, justiceHall}, {Layer::Figures, justiceFigure}}};
}

} // namespace artwork::trumps
