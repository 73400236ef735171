#include "CourtCards.h"

#include "Emblems.h"
#include "Style.h"
#include "figures/Animals.h"
#include "figures/Architecture.h"
#include "figures/Figure.h"
#include "figures/Horse.h"
#include "figures/Landscape.h"
#include "figures/Plants.h"
#include "figures/Sky.h"
#include "figures/Throne.h"
#include "figures/Water.h"

#include <array>

namespace artwork {

using namespace figures;
using quillmere::CardFace;
using quillmere::Rank;
using quillmere::Suit;
using style::Tone;

namespace {

// What stands in a suit's landscape besides the hills.
enum class Scenery {
    Clouds,  // swords: a windswept sky with clouds and birds, cypresses
    Desert,  // wands: warm sky, bare ochre peaks
    Sea,     // cups: the sea along the horizon
    Orchard, // pentacles: blue mountains, fruit trees, flowers
};

// One row per suit.
struct SuitLook {
    Suit suit;
    Held emblem;
    // How each rank holds it: King, Queen, Knight, Page.
    Gesture kingHold, queenHold, knightHold, pageHold;
    double emblemSize; // the emblem's size, as a multiple of its usual size
    Scenery scenery;
    Tone sky;
    Tone gown, mantle, hose; // the King's; the Queen wears them the other way round
    Tone throneCloth;
    Tone horseCoat;
    QColor horseMane;
    Gait gait;
    int knightFacing;
    double riderHeight; // the Knight, from soles to crown as if standing
    QColor kingHair, queenHair, pageHair;
};

const std::array<SuitLook, 4> &suitLooks()
{
    static const std::array<SuitLook, 4> rows{{
        {
            .suit = Suit::Swords,
            .emblem = Held::Sword,
            .kingHold = Gesture::Raised,
            .queenHold = Gesture::Raised,
            .knightHold = Gesture::Aloft,
            .pageHold = Gesture::Raised,
            .emblemSize = 1.05,
            .scenery = Scenery::Clouds,
            .sky = kSwordsSky,
            .gown = kSwordsGown,
            .mantle = kSwordsMantle,
            .hose = kSwordsHose,
            .throneCloth = kSwordsThroneCloth,
            .horseCoat = kWhiteHorse,
            .horseMane = kPaleMane,
            .gait = Gait::Prancing,
            .knightFacing = 1,
            .riderHeight = 118,
            .kingHair = kHairGrey,
            .queenHair = kHairBlack,
            .pageHair = kHairBrown,
        },
        {
            .suit = Suit::Wands,
            .emblem = Held::Wand,
            .kingHold = Gesture::Raised,
            .queenHold = Gesture::Raised,
            .knightHold = Gesture::Aloft,
            .pageHold = Gesture::Raised,
            .emblemSize = 1.0,
            .scenery = Scenery::Desert,
            .sky = kWandsSky,
            .gown = kWandsGown,
            .mantle = kWandsMantle,
            .hose = kWandsHose,
            .throneCloth = kWandsThroneCloth,
            .horseCoat = kBayHorse,
            .horseMane = kDarkMane,
            .gait = Gait::Prancing,
            .knightFacing = -1,
            .riderHeight = 118,
            .kingHair = kHairChestnut,
            .queenHair = kHairRed,
            .pageHair = kHairGinger,
        },
        {
            .suit = Suit::Cups,
            .emblem = Held::Cup,
            .kingHold = Gesture::Raised,
            .queenHold = Gesture::Forward,
            .knightHold = Gesture::Raised,
            .pageHold = Gesture::Forward,
            .emblemSize = 1.3,
            .scenery = Scenery::Sea,
            .sky = kCupsSky,
            .gown = kCupsGown,
            .mantle = kCupsMantle,
            .hose = kCupsHose,
            .throneCloth = kCupsThroneCloth,
            .horseCoat = kGreyHorse,
            .horseMane = kGreyMane,
            .gait = Gait::Walking,
            .knightFacing = 1,
            .riderHeight = 118,
            .kingHair = kHairGrey,
            .queenHair = kHairHoney,
            .pageHair = kHairAuburn,
        },
        {
            .suit = Suit::Pentacles,
            .emblem = Held::Pentacle,
            .kingHold = Gesture::Raised,
            .queenHold = Gesture::Forward,
            .knightHold = Gesture::Aloft,
            .pageHold = Gesture::Raised,
            .emblemSize = 1.3,
            .scenery = Scenery::Orchard,
            .sky = kPentaclesSky,
            .gown = kPentaclesGown,
            .mantle = kPentaclesMantle,
            .hose = kBrownCloth,
            .throneCloth = kPentaclesThroneCloth,
            .horseCoat = kBayHorse,
            .horseMane = kFlaxenMane,
            .gait = Gait::Standing,
            .knightFacing = -1,
            .riderHeight = 130,
            .kingHair = kHairDarkBrown,
            .queenHair = kHairSable,
            .pageHair = kHairTawny,
        },
    }};
    return rows;
}

const SuitLook &lookOf(Suit suit)
{
    for (const SuitLook &row : suitLooks()) {
        if (row.suit == suit)
            return row;
    }
    return suitLooks()[0];
}

constexpr double kGround = 268; // where everyone stands
constexpr double kHorizon = 170;

// ---- Landscape -----------------------------------------------------------------

void landscape(QPainter &p, const SuitLook &look, unsigned seed)
{
    const QRectF scene = courtScene();
    paintSky(p, scene, kHorizon, look.sky);
    switch (look.scenery) {
    case Scenery::Clouds:
        paintCloud(p, {scene.left() + 36, scene.top() + 40}, 62, seed);
        paintCloud(p, {scene.right() - 30, scene.top() + 70}, 54, seed + 1);
        paintMountains(p, kHorizon + 4, scene.left() - 10, scene.right() + 10, 34, seed, kRock, true);
        paintHills(p, scene, kHorizon, seed);
        break;
    case Scenery::Desert:
        paintMountains(p, kHorizon + 4, scene.left() - 20, scene.right() + 20, 52, seed, kDesertRock, false);
        paintHills(p, scene, kHorizon + 6, seed, kNearHills, kDryHills);
        break;
    case Scenery::Sea:
        paintWater(p, scene, kHorizon - 6, kHorizon + 24, seed);
        paintHills(p, scene, kHorizon + 22, seed);
        break;
    case Scenery::Orchard:
        paintMountains(p, kHorizon + 4, scene.left() - 10, scene.right() + 10, 46, seed, kBlueMountains, true);
        paintCastle(p, {scene.right() - 64, kHorizon + 8}, 40, seed);
        paintHills(p, scene, kHorizon, seed);
        break;
    }
}

// Things that stand in front of the hills at the sides of the picture.
void sideScenery(QPainter &p, const SuitLook &look, unsigned seed)
{
    const QRectF scene = courtScene();
    switch (look.scenery) {
    case Scenery::Clouds:
        paintTree(p, {scene.left() + 14, kHorizon + 34}, 52, seed, TreeKind::Cypress);
        paintTree(p, {scene.right() - 12, kHorizon + 40}, 44, seed + 1, TreeKind::Cypress);
        for (int i = 0; i < 3; ++i)
            paintBird(p, {scene.left() + 30 + i * 62.0, scene.top() + 22 + (i % 2) * 14.0}, 13, i % 2 ? -1 : 1,
                      kDarkBird, i % 2 == 0);
        break;
    case Scenery::Desert:
        paintTree(p, {scene.left() + 16, kHorizon + 36}, 30, seed, TreeKind::Round);
        paintTree(p, {scene.right() - 16, kHorizon + 30}, 26, seed + 2, TreeKind::Round);
        break;
    case Scenery::Sea:
        for (int i = 0; i < 2; ++i)
            paintBird(p, {scene.left() + 40 + i * 100.0, scene.top() + 40 + i * 22.0}, 16, i % 2 ? -1 : 1, kCloud,
                      i == 0);
        break;
    case Scenery::Orchard:
        paintTree(p, {scene.left() + 18, kHorizon + 44}, 60, seed, TreeKind::Round);
        paintTree(p, {scene.right() - 18, kHorizon + 40}, 54, seed + 3, TreeKind::Round);
        for (int i = 0; i < 6; ++i) {
            const double x = scene.left() + 14 + i * 31.0;
            paintFlower(p, {x, kGround + 6 + (i % 2) * 6.0}, 3.2, kRedFlower);
        }
        break;
    }
}

// ---- The four ranks ------------------------------------------------------------

Hand emblemHand(const SuitLook &look, Gesture gesture)
{
    return {gesture, look.emblem, 0, look.emblemSize};
}

void king(QPainter &p, const SuitLook &look)
{
    Figure k;
    k.base = {100, kGround};
    k.height = 196;
    k.pose = Pose::Seated;
    k.robe = {look.gown, look.mantle, Cut::Gown, look.hose, kGold};
    k.headwear = Headwear::Crown;
    k.hairColour = look.kingHair;
    k.beard = Beard::Full;
    k.right = emblemHand(look, look.kingHold);
    k.left = {Gesture::Down};
    k.seed = 5;
    paintThrone(p, k, {kThroneStone, look.throneCloth, 1.0});
    paintFigure(p, k);
}

void queen(QPainter &p, const SuitLook &look)
{
    Figure q;
    q.base = {100, kGround};
    q.height = 194;
    q.pose = Pose::Seated;
    q.build = Build::Woman;
    q.robe = {look.mantle, look.gown, Cut::Gown, look.hose, kGold};
    q.headwear = Headwear::Crown;
    q.hair = Hair::Long;
    q.hairColour = look.queenHair;
    q.turn = 0.15;
    // She holds the emblem in the hand the King leaves empty.
    q.left = emblemHand(look, look.queenHold);
    q.right = {Gesture::Down};
    q.seed = 9;
    paintThrone(p, q, {kPaleThroneStone, look.throneCloth, 1.0});
    paintFigure(p, q);
}

void knight(QPainter &p, const SuitLook &look)
{
    Horse h;
    // Nose to tail the horse spans about 1.7 times its height, the tail end
    // reaching further back than the muzzle reaches forward.
    h.base = {100 + look.knightFacing * 4.0, kGround};
    h.height = 96;
    h.facing = look.knightFacing;
    h.gait = look.gait;
    h.coat = look.horseCoat;
    h.mane = look.horseMane;
    h.cloth = look.mantle;
    Figure r;
    r.height = look.riderHeight;
    r.robe = {look.gown, std::nullopt, Cut::Armour, look.hose, kGold};
    r.headwear = Headwear::Helm;
    r.headwearTone = look.mantle;
    r.hairColour = look.pageHair;
    r.turn = look.knightFacing * 0.6;
    Hand reins{Gesture::Forward};
    Hand emblem = emblemHand(look, look.knightHold);
    emblem.size *= 1.15;
    // The emblem in the hand on the side the horse faces, the reins in the other.
    if (look.knightFacing > 0) {
        r.right = emblem;
        r.left = reins;
    } else {
        r.left = emblem;
        r.right = reins;
    }
    paintRider(p, h, r);
}

void page(QPainter &p, const SuitLook &look)
{
    Figure g;
    g.base = {100, kGround};
    g.height = 200;
    g.build = Build::Youth;
    g.robe = {look.mantle, std::nullopt, Cut::Tunic, look.hose, kGold};
    g.headwear = Headwear::Cap;
    g.headwearTone = look.gown;
    g.hairColour = look.pageHair;
    g.turn = -0.35;
    g.facing = -1;
    g.right = emblemHand(look, look.pageHold);
    g.left = {Gesture::Down};
    g.seed = 13;
    paintFigure(p, g);
}

void figuresOf(QPainter &p, const CardFace &face)
{
    const SuitLook &look = lookOf(face.suit);
    switch (face.rank) {
    case Rank::King:
        king(p, look);
        break;
    case Rank::Queen:
        queen(p, look);
        break;
    case Rank::Knight:
        knight(p, look);
        break;
    case Rank::Page:
        page(p, look);
        break;
    default:
        break;
    }
}

} // namespace

QRectF courtScene()
{
    return {9, 9, 182, 285};
}

void courtFigures(QPainter &p, const CardFace &face)
{
    figuresOf(p, face);
}

void courtPicture(QPainter &p, const CardFace &face)
{
    const SuitLook &look = lookOf(face.suit);
    const unsigned seed = static_cast<unsigned>(face.cardNumber);
    p.save();
    p.setClipRect(courtScene(), Qt::IntersectClip);
    landscape(p, look, seed);
    sideScenery(p, look, seed);
    figuresOf(p, face);
    p.restore();
}

} // namespace artwork
