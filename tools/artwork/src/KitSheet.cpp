#include "KitSheet.h"

#include "Canvas.h"
#include "Palette.h"
#include "figures/Animals.h"
#include "figures/Architecture.h"
#include "figures/Figure.h"
#include "figures/Horse.h"
#include "figures/Landscape.h"
#include "figures/Plants.h"
#include "figures/Sky.h"
#include "figures/Throne.h"

#include "figures/Water.h"
#include "figures/Wings.h"
#include <array>

namespace artwork {

using namespace figures;
using style::drawShape;

namespace {

constexpr int kCell = 200, kRow = 303;

QRectF cell(int col, int row)
{
    return {col * (kCell + 10.0) + 10, row * (kRow + 10.0) + 10, kCell, kRow};
}

void ground(QPainter &p, const QRectF &c, unsigned seed)
{
    paintSky(p, c, c.top() + 170, kDaySky);
    paintHills(p, c, c.top() + 170, seed);
}

// A hooded elder with a lamp and a staff.
void hermitPose(QPainter &p, const QRectF &c)
{
    ground(p, c, 1);
    Figure f;
    f.base = {c.center().x(), c.bottom() - 20};
    f.height = 210;
    f.robe = {kPurple, kRed, Cut::Gown};
    f.headwear = Headwear::Hood;
    f.headwearTone = kPurple;
    f.hair = Hair::Bald;
    f.hairColour = kHairGrey;
    f.beard = Beard::Full;
    f.turn = -0.4;
    f.left = {Gesture::Raised, Held::Lamp};
    f.right = {Gesture::Down, Held::Staff};
    paintFigure(p, f);
}

// A youth striding, a rod raised.
void walkingPose(QPainter &p, const QRectF &c)
{
    ground(p, c, 2);
    Figure f;
    f.base = {c.center().x(), c.bottom() - 18};
    f.height = 215;
    f.pose = Pose::Walking;
    f.build = Build::Youth;
    f.robe = {kYellow, std::nullopt, Cut::Tunic, kGreen, kRed};
    f.headwear = Headwear::Cap;
    f.headwearTone = kRed;
    f.hairColour = kHairGold;
    f.turn = 0.5;
    f.facing = 1;
    f.left = {Gesture::Out, Held::Nothing};
    f.right = {Gesture::Raised, Held::Rod};
    paintFigure(p, f);
}

// A king enthroned, with a star for a crest.
void seatedPose(QPainter &p, const QRectF &c)
{
    ground(p, c, 3);
    Figure f;
    f.base = {c.center().x(), c.bottom() - 22};
    f.height = 190;
    f.pose = Pose::Seated;
    f.robe = {kRed, kBlue, Cut::Gown};
    f.headwear = Headwear::Crown;
    f.hairColour = kHairGrey;
    f.beard = Beard::Full;
    f.left = {Gesture::Forward, Held::Orb};
    f.right = {Gesture::Raised, Held::Sceptre};
    const QRectF crest = paintThrone(p, f);
    paintStar(p, crest.center(), crest.height() * 0.4, 8);
    paintFigure(p, f);
}

// A winged woman kneeling with a cup and a flower.
void kneelingPose(QPainter &p, const QRectF &c)
{
    ground(p, c, 4);
    Figure f;
    f.base = {c.center().x(), c.bottom() - 24};
    f.height = 210;
    f.pose = Pose::Kneeling;
    f.build = Build::Woman;
    f.robe = {kBlue, std::nullopt, Cut::Gown};
    f.hair = Hair::Long;
    f.hairColour = kHairGold;
    f.headwear = Headwear::Wreath;
    f.left = {Gesture::Forward, Held::Cup};
    f.right = {Gesture::Out, Held::Flower};
    WingsLook wings;
    paintWings(p, f, wings);
    paintFigure(p, f);
}

// A man hanging from a beam.
void hangingPose(QPainter &p, const QRectF &c)
{
    ground(p, c, 5);
    QPainterPath beam;
    beam.addRect(QRectF(c.left() + 30, c.top() + 40, c.width() - 60, 10));
    drawShape(p, beam, kWood, 1.5);
    Figure f;
    f.base = {c.center().x(), c.top() + 56};
    f.height = 200;
    f.pose = Pose::Hanging;
    f.robe = {kRed, std::nullopt, Cut::Tunic, kBlue, kYellow};
    f.hairColour = kHairGold;
    f.facing = 1;
    paintFigure(p, f);
}

// A child with a banner, a woman with scales and a sword.
void childAndWoman(QPainter &p, const QRectF &c)
{
    ground(p, c, 6);
    Figure f;
    f.base = {c.center().x() - 20, c.bottom() - 30};
    f.height = 150;
    f.build = Build::Child;
    f.robe = {kWhiteCloth, std::nullopt, Cut::Tunic, kSkin, kYellow};
    f.hairColour = kHairGold;
    f.headwear = Headwear::Wreath;
    f.right = {Gesture::Raised, Held::Banner};
    paintFigure(p, f);
    Figure w;
    w.base = {c.center().x() + 55, c.bottom() - 22};
    w.height = 120;
    w.build = Build::Woman;
    w.robe = {kGreen, kYellow, Cut::Gown};
    w.hair = Hair::Long;
    w.hairColour = kHairBlack;
    w.headwear = Headwear::Coronet;
    w.left = {Gesture::Forward, Held::Scales};
    w.right = {Gesture::Raised, Held::Sword};
    paintFigure(p, w);
}

// A knight on a white horse.
void knightOnWhite(QPainter &p, const QRectF &c)
{
    ground(p, c, 7);
    Horse h;
    h.base = {c.center().x() - 4, c.bottom() - 22};
    h.height = 104;
    h.gait = Gait::Walking;
    Figure r;
    r.height = 112;
    r.robe = {kRed, std::nullopt, Cut::Armour, kBlue, kYellow};
    r.headwear = Headwear::Helm;
    r.headwearTone = kRed;
    r.turn = 0.6;
    r.left = {Gesture::Forward, Held::Nothing};
    r.right = {Gesture::Aloft, Held::Sword};
    paintRider(p, h, r);
}

// A rider on a prancing bay.
void riderOnBay(QPainter &p, const QRectF &c)
{
    ground(p, c, 8);
    Horse h;
    h.base = {c.center().x() + 4, c.bottom() - 22};
    h.height = 104;
    h.facing = -1;
    h.gait = Gait::Prancing;
    h.coat = kBayHorse;
    h.mane = kHairBlack;
    h.cloth = kGreen;
    Figure r;
    r.height = 112;
    r.robe = {kGreen, kYellow, Cut::Tunic, kRed, kYellow};
    r.headwear = Headwear::Cap;
    r.turn = -0.6;
    r.left = {Gesture::Raised, Held::Wand};
    r.right = {Gesture::Forward, Held::Nothing};
    paintRider(p, h, r);
}

// Dogs and wolves, barking and howling.
void dogsAndWolves(QPainter &p, const QRectF &c)
{
    ground(p, c, 9);
    paintDog(p, {c.left() + 60, c.top() + 150}, 50, 1);
    paintDog(p, {c.left() + 150, c.top() + 150}, 46, -1, kBrownDogCoat, true);
    paintWolf(p, {c.left() + 60, c.top() + 260}, 56, 1, kWolfCoat, true);
    paintWolf(p, {c.left() + 150, c.top() + 260}, 54, -1);
}

// Lions.
void lions(QPainter &p, const QRectF &c)
{
    ground(p, c, 10);
    paintLion(p, {c.center().x(), c.top() + 150}, 80, 1);
    paintLion(p, {c.center().x(), c.top() + 270}, 60, -1);
}

// Birds in flight and fish.
void birdsAndFish(QPainter &p, const QRectF &c)
{
    ground(p, c, 11);
    paintBird(p, {c.left() + 50, c.top() + 50}, 50, 1, kCloud, true);
    paintBird(p, {c.left() + 140, c.top() + 80}, 40, -1, kCrowFeathers, false);
    paintBird(p, {c.left() + 90, c.top() + 130}, 30, 1, kBrownFeathers, true);
    paintFish(p, {c.left() + 60, c.top() + 230}, 50, -20, kGoldfish);
    paintFish(p, {c.left() + 140, c.top() + 260}, 40, 10, kSteel);
}

// An angel on a cloud.
void angelOnCloud(QPainter &p, const QRectF &c)
{
    paintSky(p, c, c.top() + 200, kGoldenSky);
    paintCloud(p, {c.center().x(), c.top() + 250}, 180, 3);
    Figure a;
    a.base = {c.center().x(), c.top() + 250};
    a.height = 190;
    a.build = Build::Youth;
    a.robe = {kWhiteCloth, kRed, Cut::Gown};
    a.hair = Hair::Long;
    a.hairColour = kHairGold;
    a.left = {Gesture::Out, Held::Nothing};
    a.right = {Gesture::Raised, Held::Banner};
    paintWings(p, a);
    paintFigure(p, a);
    paintCloud(p, {c.center().x() - 30, c.top() + 268}, 150, 4);
}

// Sky, sun, cloud, mountains, a castle, a tower, water, hills, trees and flowers.
void landscape(QPainter &p, const QRectF &c)
{
    const double horizon = c.top() + 150;
    paintSky(p, c, horizon);
    paintSun(p, {c.left() + 80, c.top() + 70}, 30);
    paintCloud(p, {c.left() + 260, c.top() + 60}, 90, 2);
    paintMountains(p, horizon + 4, c.left() + 150, c.right() + 20, 80, 5);
    paintCastle(p, {c.left() + 60, horizon + 2}, 70, 4);
    paintTower(p, {c.left() + 140, horizon + 2}, 14, 50, kStone, kBlueRoof);
    paintWater(p, c, horizon, horizon + 30, 6);
    paintHills(p, c, horizon + 30, 12);
    paintTree(p, {c.left() + 40, c.bottom() - 40}, 90, 1);
    paintTree(p, {c.left() + 330, c.bottom() - 50}, 110, 2, TreeKind::Cypress);
    paintTree(p, {c.left() + 370, c.bottom() - 30}, 70, 3);
    for (int i = 0; i < 8; ++i)
        paintFlower(p, {c.left() + 100 + i * 22.0, c.bottom() - 20 - (i % 3) * 8.0}, 5, i % 2 ? kRose : kWhiteCloth);
}

// The moon and stars at night.
void nightSky(QPainter &p, const QRectF &c)
{
    p.fillRect(c, kSamplerNight);
    paintMoon(p, {c.center().x(), c.top() + 90}, 50);
    paintStar(p, {c.left() + 40, c.top() + 200}, 20, 8);
    paintStar(p, {c.left() + 100, c.top() + 230}, 12, 8);
    paintStar(p, {c.left() + 160, c.top() + 200}, 16, 5);
    paintStar(p, {c.left() + 40, c.top() + 270}, 8, 8);
    paintStar(p, {c.left() + 160, c.top() + 270}, 8, 6);
}

// Two pillars and a seated woman.
void pillars(QPainter &p, const QRectF &c)
{
    p.fillRect(c, kField);
    paintPillar(p, QRectF(c.left() + 30, c.top() + 40, 28, 220), kBlackStone);
    paintPillar(p, QRectF(c.right() - 58, c.top() + 40, 28, 220));
    Figure f;
    f.base = {c.center().x(), c.bottom() - 30};
    f.height = 180;
    f.pose = Pose::Seated;
    f.build = Build::Woman;
    f.robe = {kBlue, kWhiteCloth, Cut::Gown};
    f.hair = Hair::Long;
    f.hairColour = kHairBlack;
    f.headwear = Headwear::Hood;
    f.headwearTone = kWhiteCloth;
    f.left = {Gesture::Forward, Held::Nothing};
    f.right = {Gesture::Down, Held::Nothing};
    paintFigure(p, f);
}

// The four builds side by side.
void builds(QPainter &p, const QRectF &c)
{
    ground(p, c, 13);
    for (int i = 0; i < 4; ++i) {
        Figure f;
        f.base = {c.left() + 30 + i * 46.0, c.bottom() - 30};
        f.height = 150;
        const Build builds[] = {Build::Man, Build::Woman, Build::Youth, Build::Child};
        f.build = builds[i];
        f.robe = {i % 2 ? kGreen : kRed, std::nullopt, i == 2 ? Cut::Tunic : Cut::Gown};
        f.hair = i == 1 ? Hair::Long : Hair::Short;
        f.beard = i == 0 ? Beard::Short : Beard::None;
        f.turn = -0.5 + i * 0.33;
        paintFigure(p, f);
    }
}

// Heads in each headwear.
void heads(QPainter &p, const QRectF &c)
{
    ground(p, c, 14);
    // Faces at the sizes the cards use them.
    const Headwear hats[] = {Headwear::Crown, Headwear::Coronet, Headwear::Helm,
                             Headwear::Cap,   Headwear::Hood,    Headwear::None};
    for (int i = 0; i < 6; ++i) {
        Figure f;
        f.headwear = hats[i];
        f.hair = i == 1 ? Hair::Long : Hair::Short;
        f.hairColour = i == 0 ? kHairGrey : i == 1 ? kHairGold : kHairBrown;
        f.beard = i == 0 ? Beard::Full : Beard::None;
        f.turn = (i % 3 - 1) * 0.5;
        f.headwearTone = kRed;
        paintHead(p, f, {c.left() + 50 + (i % 2) * 100.0, c.top() + 60 + (i / 2) * 95.0}, 34);
    }
}

// The sampler's cells: where each stands (column, row, columns wide) and what it shows.
struct KitCell {
    int col, row, span;
    void (*paint)(QPainter &, const QRectF &);
};

const std::array<KitCell, 17> kCells{{
    {0, 0, 1, hermitPose},
    {1, 0, 1, walkingPose},
    {2, 0, 1, seatedPose},
    {3, 0, 1, kneelingPose},
    {4, 0, 1, hangingPose},
    {5, 0, 1, childAndWoman},
    {0, 1, 1, knightOnWhite},
    {1, 1, 1, riderOnBay},
    {2, 1, 1, dogsAndWolves},
    {3, 1, 1, lions},
    {4, 1, 1, birdsAndFish},
    {5, 1, 1, angelOnCloud},
    {0, 2, 2, landscape},
    {2, 2, 1, nightSky},
    {3, 2, 1, pillars},
    {4, 2, 1, builds},
    {5, 2, 1, heads},
}};

} // namespace

QImage kitSheet()
{
    Canvas canvas(6 * (kCell + 10) + 10, 3 * (kRow + 10) + 10, kSamplerGround);
    QPainter &p = canvas.painter();
    for (const KitCell &k : kCells) {
        const QRectF first = cell(k.col, k.row);
        const QRectF c(first.left(), first.top(), k.span * kCell + (k.span - 1) * 10, kRow);
        p.save();
        p.setClipRect(c);
        k.paint(p, c);
        p.restore();
    }
    return canvas.finish();
}

} // namespace artwork
