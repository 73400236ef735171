// The first eleven trumps, The Fool to The Wheel of Fortune, each drawn by a
// painter of its own with the figure kit and the parts in FirstParts. A
// picture is painted back to front in steps, and the steps that paint its
// figures are marked, so they can also be painted alone (FirstTrumps.h).

#include "Trumps.h"
#include "trumps/FirstTrumps.h"

#include "Emblems.h"
#include "Fonts.h"
#include "Style.h"
#include "figures/Animals.h"
#include "figures/Figure.h"
#include "figures/Horse.h"
#include "figures/Landscape.h"
#include "figures/Shapes.h"
#include "figures/Throne.h"
#include "trumps/FirstParts.h"
#include "trumps/LastParts.h"

#include <QFontMetricsF>

#include <array>

namespace artwork {

using namespace figures;
using namespace first;
using quillmere::CardFace;
using style::drawLine;
using style::drawShape;
using style::Tone;

namespace {

const Tone kRed{{192, 44, 40}, {124, 24, 26}};
const Tone kBlue{{60, 96, 176}, {36, 60, 120}};
const Tone kWhiteCloth{{240, 236, 224}, {190, 182, 166}};
const Tone kGreen{{62, 128, 68}, {38, 86, 44}};
const Tone kPurple{{120, 70, 150}, {78, 42, 100}};
const Tone kGrey{{150, 150, 162}, {104, 104, 118}};
const Tone kGreyStone{{184, 180, 172}, {132, 128, 120}};
const Tone kDarkStone{{70, 70, 82}, {44, 44, 54}};
const Tone kNightSky{{36, 44, 92}, {26, 32, 70}};

void noLettering(QPainter &, const CardFace &) {}

// One step of a picture: a part of the scene, or its figures (people,
// animals, thrones, what they hold and wear, the wheel and its creatures).
enum class Layer { Scene, Figures };
struct Step {
    Layer layer;
    void (*paint)(QPainter &);
};
using Steps = std::vector<Step>;

void paintSteps(QPainter &p, const Steps &steps, bool figuresOnly)
{
    for (const Step &step : steps) {
        if (!figuresOnly || step.layer == Layer::Figures)
            step.paint(p);
    }
}

// Letters drawn hinted at final size, centred on a point.
void letterAt(QPainter &p, const QString &text, const QFont &font, const QColor &colour, QPointF centre)
{
    p.save();
    p.setFont(font);
    p.setPen(colour);
    const QFontMetricsF m(font);
    const double w = m.horizontalAdvance(text);
    p.drawText(QPointF(std::round(centre.x() - w / 2), std::round(centre.y() + m.capHeight() / 2)), text);
    p.restore();
}

// Sky, and a floor of stone slabs from y = top down.
void stoneFloor(QPainter &p, const QRectF &scene, double top, const Tone &stone)
{
    QPainterPath floor;
    floor.addRect(QRectF(scene.left(), top, scene.width(), scene.bottom() - top + 2));
    drawShape(p, floor, stone, 0, 1.0);
    QPainterPath joints;
    for (double y = top + 8; y < scene.bottom(); y += 12) {
        joints.moveTo(scene.left(), y);
        joints.lineTo(scene.right(), y);
    }
    int row = 0;
    for (double y = top; y < scene.bottom(); y += 12, ++row) {
        for (double x = scene.left() + (row % 2 ? 10 : 24); x < scene.right(); x += 28) {
            joints.moveTo(x, y + (y == top ? 0 : -4));
            joints.lineTo(x, y + 8);
        }
    }
    drawLine(p, joints, stone.shade, 0.9);
}

// ---- 1 The Fool ----------------------------------------------------------------
// A young traveller steps out over the cliff's edge, bundle on his shoulder, a
// white rose in his other hand, a little dog leaping at his heels; the sun behind.

constexpr double kCliffEdge = 148, kCliffTop = 208;

void foolLand(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, 226, kDaySky);
    paintSun(p, {164, 36}, 18, true);
    // Far below the edge: a valley and a range of snowy peaks.
    paintMountains(p, 236, 118, 214, 64, 7, {{150, 160, 196}, {110, 120, 160}}, true);
    paintHills(p, QRectF(scene.left(), scene.top(), scene.width(), scene.height() + 10), 230, 4,
               {{118, 164, 126}, {86, 128, 98}}, {{150, 186, 160}, {118, 156, 134}});
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
    const Tone stone{{182, 156, 118}, {132, 108, 76}};
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
    fool.robe = {{{214, 84, 52}, {150, 50, 30}},
                 std::nullopt,
                 Cut::Tunic,
                 {{236, 200, 84}, {180, 140, 44}},
                 style::kGold};
    fool.headwear = Headwear::Cap;
    fool.headwearTone = kGreen;
    fool.hairColour = kHairGold;
    fool.turn = 0.55;
    fool.facing = 1;
    fool.left = {Gesture::Raised};
    fool.right = {Gesture::Down, Held::Flower, 30, 1.3};
    fool.seed = 3;
    const Body b = bodyOf(fool);
    paintBundleOnPole(p, b.hand[0], 2.6 * b.unit, -40, b.unit, {{120, 96, 150}, {80, 62, 106}});
    paintFigure(p, fool);
    paintFist(p, fool, -1);
}

const Steps kFool{{Layer::Scene, foolLand}, {Layer::Figures, foolFigures}};

// ---- 2 The Magician ------------------------------------------------------------
// One hand lifts the rod to the sky, the other points to the earth; on the table
// before him the cup, the sword, the wand and the pentacle; roses over him,
// roses and lilies below.

void magicianArbour(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, scene.bottom(), kGoldenSky);
    // An arbour of roses along the top.
    for (int i = 0; i < 9; ++i) {
        const QPointF c(scene.left() + 4 + i * 22.0, scene.top() + 6 + (i % 2) * 6.0);
        drawShape(p, shapes::ellipse(c + QPointF(0, 5), 11, 7), kFoliage, 1.2);
        paintFlower(p, c, 6.5, style::kRuby);
    }
}

Figure magician()
{
    Figure mage;
    mage.base = {100, 258};
    mage.height = 186;
    mage.build = Build::Youth;
    mage.robe = {kWhiteCloth, kRed, Cut::Gown};
    mage.hairColour = kHairBlack;
    mage.left = {Gesture::Aloft, Held::Rod, 0, 1.15};
    mage.right = {Gesture::Down};
    mage.seed = 2;
    return mage;
}

void magicianFigure(QPainter &p)
{
    const Figure mage = magician();
    const Body b = bodyOf(mage);
    paintFigure(p, mage);
    last::paintLemniscate(p, b.crown + QPointF(0, -0.55 * b.unit), 1.24 * b.unit);
}

// The table, the cup and the pentacle standing at its back, the wand and the
// sword lying in front of them.
void magicianTable(QPainter &p)
{
    paintTable(p, 16, 184, 184, 202, 252, {{58, 112, 88}, {36, 78, 60}});
    paintCup(p, QRectF(24, 150, 32, 40));
    paintPentacle(p, QRectF(146, 156, 34, 34));
    p.save();
    p.translate(96, 190);
    p.rotate(86);
    paintWand(p, QRectF(-4.5, -36, 9, 72), 4);
    p.restore();
    p.save();
    p.translate(100, 197);
    p.rotate(-90);
    paintSword(p, QRectF(-7.5, -46, 15, 92));
    p.restore();
}

// His lowered hand points down past the table's edge to the earth.
void magicianPointing(QPainter &p)
{
    paintPointingHand(p, magician(), 1, {0.12, 1});
}

// Roses and lilies in the foreground.
void magicianGarden(QPainter &p)
{
    const QRectF scene = trumpScene();
    for (int i = 0; i < 8; ++i) {
        const QPointF c(scene.left() + 8 + i * 24.0, 258 + (i % 2) * 6.0);
        drawShape(p, shapes::ellipse(c + QPointF(0, 6), 12, 7), kFoliage, 1.2);
        paintFlower(p, c, 6.0, i % 2 ? style::kParchment : style::kRuby);
    }
}

const Steps kMagician{{Layer::Scene, magicianArbour},
                      {Layer::Figures, magicianFigure},
                      {Layer::Scene, magicianTable},
                      {Layer::Figures, magicianPointing},
                      {Layer::Scene, magicianGarden}};

// ---- 3 The High Priestess ------------------------------------------------------
// Seated between the dark pillar and the light one before a veil of
// pomegranates, horned crown and moon on her head, the scroll in her lap, the
// crescent at her feet.

const QRectF kPriestessLeftPillar(16, 40, 20, 198);
const QRectF kPriestessRightPillar(164, 40, 20, 198);

void priestessTemple(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, scene.bottom(), kNightSky);
    paintVeil(p, QRectF(36, 58, 128, 190), {{206, 164, 84}, {158, 120, 56}}, {{196, 42, 52}, {128, 22, 34}});
    stoneFloor(p, scene, 244, {{150, 160, 186}, {110, 120, 150}});
    paintPillar(p, kPriestessLeftPillar, {{58, 58, 70}, {32, 32, 42}});
    paintPillar(p, kPriestessRightPillar, {{238, 234, 222}, {190, 184, 168}});
}

void priestessFigure(QPainter &p)
{
    Figure priestess;
    priestess.base = {100, 258};
    priestess.height = 196;
    priestess.pose = Pose::Seated;
    priestess.build = Build::Woman;
    priestess.robe = {kBlue, kWhiteCloth, Cut::Gown, {}, {{226, 230, 236}, {160, 168, 184}}};
    priestess.hair = Hair::Long;
    priestess.hairColour = kHairBlack;
    priestess.left = {Gesture::Forward};
    priestess.right = {Gesture::Down};
    priestess.seed = 7;
    paintBench(p, priestess, {{200, 204, 214}, {150, 156, 172}});
    paintFigure(p, priestess);
    paintHornedCrown(p, priestess);
    const Body b = bodyOf(priestess);
    // A cross on her breast.
    QPainterPath cross;
    const QPointF chest = (b.shoulder[0] + b.shoulder[1]) / 2 + QPointF(0, 0.55 * b.unit);
    cross.addRect(QRectF(chest.x() - 0.06 * b.unit, chest.y() - 0.3 * b.unit, 0.12 * b.unit, 0.6 * b.unit));
    cross.addRect(QRectF(chest.x() - 0.3 * b.unit, chest.y() - 0.06 * b.unit, 0.6 * b.unit, 0.12 * b.unit));
    drawShape(p, shapes::united(cross), kWhiteCloth, 0.5, 0.8);
    paintScroll(p, b.hand[0] + QPointF(0.1 * b.unit, -0.1 * b.unit), 1.5 * b.unit, -30);
    paintFist(p, priestess, -1);
    paintMoon(p, {118, 254}, 13, false);
}

const Steps kPriestess{{Layer::Scene, priestessTemple}, {Layer::Figures, priestessFigure}};

void priestessLettering(QPainter &p, const CardFace &)
{
    const QFont font = libertine(13, true);
    letterAt(p, "B", font, QColor(236, 232, 220), kPriestessLeftPillar.center() + QPointF(0, -50));
    letterAt(p, "J", font, QColor(40, 36, 40), kPriestessRightPillar.center() + QPointF(0, -50));
}

// ---- 4 The Empress -------------------------------------------------------------
// Crowned and enthroned among trees and ripe wheat, a sceptre in her hand, the
// heart-shaped shield with the sign of Venus beside her, a stream behind.

void empressGarden(QPainter &p)
{
    const QRectF scene = trumpScene();
    const double horizon = 150;
    paintSky(p, scene, horizon, kGoldenSky);
    paintHills(p, scene, horizon, 9);
    paintStream(p,
                {{150, horizon + 4},
                 {166, horizon + 30},
                 {158, horizon + 60},
                 {178, horizon + 90},
                 {200, horizon + 110}},
                8, 22);
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
    paintThrone(p, empress, {{{222, 206, 176}, {166, 150, 120}}, {{178, 42, 58}, {118, 24, 38}}, 1.0});
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

const Steps kEmpress{
    {Layer::Scene, empressGarden}, {Layer::Figures, empressFigure}, {Layer::Scene, empressWheat}};

// ---- 5 The Emperor -------------------------------------------------------------
// Bearded and crowned on a stone throne carved with rams' heads, sceptre and orb
// in his hands, a red robe, bare red mountains behind.

void emperorMountains(QPainter &p)
{
    const QRectF scene = trumpScene();
    const double horizon = 168;
    paintSky(p, scene, horizon, {{238, 150, 84}, {222, 120, 60}});
    paintMountains(p, horizon + 10, scene.left() - 30, scene.right() + 30, 110, 5,
                   {{178, 96, 62}, {126, 62, 40}}, false);
    paintMountains(p, horizon + 20, scene.left() - 10, scene.right() + 10, 56, 12,
                   {{150, 80, 54}, {104, 52, 34}}, false);
    QPainterPath ground;
    ground.addRect(QRectF(scene.left(), horizon + 18, scene.width(), scene.bottom() - horizon));
    drawShape(p, ground, {{164, 112, 70}, {120, 80, 48}}, 0, 1.0);
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
    const Tone throneStone{{190, 186, 178}, {136, 132, 124}};
    const QRectF crest = paintThrone(p, emperor, {throneStone, {{92, 96, 120}, {62, 64, 84}}, 1.1});
    const Body b = bodyOf(emperor);
    paintRamHead(p, crest.center() + QPointF(0, 2), crest.width() * 1.35, throneStone);
    const double half = b.shoulderHalf + 0.75 * b.unit, seatHalf = half + 0.3 * b.unit;
    for (int s : {-1, 1})
        paintRamHead(p, {b.crown.x() + s * (seatHalf - 0.2 * b.unit), b.seatY - 1.55 * b.unit}, 1.05 * b.unit,
                     throneStone);
    paintFigure(p, emperor);
}

const Steps kEmperor{{Layer::Scene, emperorMountains}, {Layer::Figures, emperorFigure}};

// ---- 6 The High Priest ---------------------------------------------------------
// Triple-crowned between two pillars, blessing with his raised hand, the
// triple cross in the other; two tonsured brothers kneel before him, the
// crossed keys at his feet.

void priestTemple(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, scene.bottom(), {{104, 100, 110}, {80, 76, 86}});
    stoneFloor(p, scene, 236, {{170, 164, 150}, {126, 120, 106}});
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
    paintThrone(p, priest, {kGreyStone, {{176, 146, 84}, {130, 102, 52}}, 1.6});
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
        monk.robe = {s < 0 ? Tone{{204, 74, 60}, {140, 44, 34}} : kWhiteCloth, std::nullopt, Cut::Gown};
        monk.hair = Hair::Bald;
        monk.hairColour = s < 0 ? kHairBrown : kHairBlack;
        monk.facing = -s;
        monk.turn = -s * 0.6;
        monk.left = {Gesture::Forward};
        monk.right = {Gesture::Forward};
        monk.seed = 11 + static_cast<unsigned>(s + 1);
        paintFigure(p, monk);
    }
    paintKey(p, {88, 258}, 36, 40, style::kGold);
    paintKey(p, {112, 258}, 36, -40, {{226, 230, 236}, {160, 168, 184}});
}

const Steps kPriest{{Layer::Scene, priestTemple}, {Layer::Figures, priestFigures}};

// ---- 7 The Lovers --------------------------------------------------------------
// A man and a woman under an angel who spreads its wings in the sun; a tree of
// flames behind him, the tree with apples and the serpent behind her.

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
    angel.hairColour = {214, 132, 48};
    angel.left = {Gesture::Out};
    angel.right = {Gesture::Out};
    paintWithin(p, QRectF(scene.left(), scene.top(), scene.width(), 130 - scene.top()), [&](QPainter &layer) {
        paintWings(layer, angel,
                   {{{244, 236, 220}, {190, 176, 150}}, {{214, 108, 92}, {160, 66, 58}}, 2.9, 0.85});
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
    man.robe = {kWhiteCloth, std::nullopt, Cut::Tunic, kSkin, {{120, 84, 50}, {80, 54, 30}}};
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
    woman.robe = {kWhiteCloth, std::nullopt, Cut::Gown, {}, {{120, 84, 50}, {80, 54, 30}}};
    woman.hair = Hair::Long;
    woman.hairColour = kHairGold;
    woman.turn = -0.3;
    woman.left = {Gesture::Forward};
    woman.right = {Gesture::Down};
    woman.seed = 8;
    paintFigure(p, woman);
}

const Steps kLovers{{Layer::Scene, loversLand},
                    {Layer::Figures, loversAngel},
                    {Layer::Scene, loversCloudsAndTrees},
                    {Layer::Figures, loversCouple}};

// ---- 8 The Chariot -------------------------------------------------------------
// A crowned warrior in armour stands in a square chariot under a starry canopy,
// drawn by a black horse and a white one; the walls of a city behind.

void chariotCity(QPainter &p)
{
    const QRectF scene = trumpScene();
    const double horizon = 150;
    paintSky(p, scene, horizon, kDaySky);
    paintCity(p, horizon, scene.left() - 4, scene.right() + 4, 6);
    paintHills(p, scene, horizon + 4, 8);
}

void chariotFigures(QPainter &p)
{
    Figure warrior;
    warrior.base = {100, 217};
    warrior.height = 168;
    warrior.robe = {{{60, 96, 176}, {36, 60, 120}}, std::nullopt, Cut::Armour, {}, style::kGold};
    warrior.headwear = Headwear::Crown;
    warrior.hairColour = kHairBrown;
    warrior.left = {Gesture::Down};
    warrior.right = {Gesture::Raised, Held::Sceptre, 0, 1.15};
    warrior.seed = 8;
    paintCanopy(p, 44, 156, 17, 34, 166);
    paintFigure(p, warrior);
    paintChariot(p, QRectF(40, 154, 120, 64));

    Horse white;
    white.base = {56, 264};
    white.height = 50;
    white.facing = -1;
    white.gait = Gait::Standing;
    white.coat = kWhiteHorse;
    white.cloth = {{40, 56, 118}, {26, 36, 84}};
    Horse black;
    black.base = {144, 264};
    black.height = 50;
    black.facing = 1;
    black.gait = Gait::Standing;
    black.coat = kBlackHorse;
    black.mane = {30, 26, 26};
    black.cloth = {{40, 56, 118}, {26, 36, 84}};
    // Gold traces from the chariot to each horse's breast strap.
    QPainterPath traces;
    traces.moveTo(46, 206);
    traces.quadTo(40, 226, 30, 234);
    traces.moveTo(154, 206);
    traces.quadTo(160, 226, 170, 234);
    drawLine(p, traces, style::kOutline, 3.4);
    drawLine(p, traces, style::kGold.base, 1.8);
    paintHorse(p, white);
    paintHorse(p, black);
}

const Steps kChariot{{Layer::Scene, chariotCity}, {Layer::Figures, chariotFigures}};

// ---- 9 Justice -----------------------------------------------------------------
// Crowned and seated between two pillars before a purple veil, the sword held
// upright in one hand, the scales in the other.

void justiceHall(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, scene.bottom(), {{214, 190, 110}, {190, 164, 86}});
    paintCurtain(p, QRectF(34, 40, 132, 190), kPurple);
    stoneFloor(p, scene, 236, kGreyStone);
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
    paintThrone(p, justice, {{{112, 112, 128}, {78, 78, 94}}, {{150, 120, 64}, {110, 84, 40}}, 1.0});
    paintFigure(p, justice);
}

const Steps kJustice{{Layer::Scene, justiceHall}, {Layer::Figures, justiceFigure}};

// ---- 10 The Hermit -------------------------------------------------------------
// An old man cloaked and hooded on a snowy peak at night, leaning on his staff,
// holding up a lantern with a six-pointed star.

void hermitPeak(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, scene.bottom(), kNightSky);
    for (const QPointF &s : {QPointF(30, 30), QPointF(170, 50), QPointF(150, 22), QPointF(24, 110),
                             QPointF(176, 120), QPointF(60, 70)})
        paintStar(p, s, 3.0, 4, {{236, 232, 210}, {190, 184, 150}});
    paintMountains(p, 236, scene.left() - 20, scene.right() + 20, 70, 9, {{80, 90, 130}, {56, 62, 100}},
                   true);
    const Tone snow{{226, 232, 244}, {170, 180, 206}};
    QPainterPath peak;
    peak.moveTo(scene.left() - 6, scene.bottom() + 4);
    peak.lineTo(scene.left() - 6, 264);
    peak.lineTo(48, 248);
    peak.lineTo(84, 230);
    peak.lineTo(104, 223);
    peak.lineTo(126, 229);
    peak.lineTo(156, 246);
    peak.lineTo(scene.right() + 6, 258);
    peak.lineTo(scene.right() + 6, scene.bottom() + 4);
    peak.closeSubpath();
    drawShape(p, peak, snow, 3.0);
    QPainterPath crevices;
    crevices.moveTo(84, 236);
    crevices.lineTo(70, 252);
    crevices.moveTo(130, 236);
    crevices.lineTo(146, 254);
    drawLine(p, crevices, snow.shade, 1.2);
}

Figure hermit()
{
    Figure hermit;
    hermit.base = {104, 226};
    hermit.height = 198;
    hermit.robe = {kGrey, Tone{{112, 112, 126}, {76, 76, 90}}, Cut::Gown};
    hermit.headwear = Headwear::Hood;
    hermit.headwearTone = kGrey;
    hermit.hair = Hair::Bald;
    hermit.hairColour = kHairGrey;
    hermit.beard = Beard::Full;
    hermit.turn = -0.45;
    hermit.left = {Gesture::Raised, Held::Lamp, 0, 1.5};
    hermit.right = {Gesture::Down, Held::Staff};
    hermit.seed = 10;
    return hermit;
}

// The lantern's light on the night round it.
void hermitGlow(QPainter &p)
{
    const Body b = bodyOf(hermit());
    paintGlow(p, b.hand[0] + QPointF(0, 1.0 * b.unit), 1.6 * b.unit, QColor(52, 62, 110),
              QColor(104, 108, 128));
}

void hermitFigure(QPainter &p)
{
    paintFigure(p, hermit());
}

const Steps kHermit{{Layer::Scene, hermitPeak}, {Layer::Scene, hermitGlow}, {Layer::Figures, hermitFigure}};

// ---- 11 The Wheel of Fortune ---------------------------------------------------
// The great wheel in the clouds, letters on its rim, a sphinx on top, the
// serpent falling on one side and the jackal rising on the other; the four
// winged creatures in the corners.

const QPointF kWheelCentre(100, 142);
constexpr double kWheelRadius = 58;

void wheelSky(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, scene.bottom(), kDaySky);
    paintCloud(p, {100, 232}, 170, 14);
}

void wheelFigures(QPainter &p)
{
    paintCreature(p, Creature::Angel, {40, 36}, 40, 1);
    paintCreature(p, Creature::Eagle, {160, 36}, 40, -1);
    paintCreature(p, Creature::Bull, {40, 234}, 40, 1);
    paintCreature(p, Creature::Lion, {160, 234}, 40, -1);
    paintWheel(p, kWheelCentre, kWheelRadius);
    paintSphinx(p, kWheelCentre + QPointF(0, -kWheelRadius + 3), 54, -1);
    // The serpent slides down the left side, the jackal climbs the right.
    std::vector<QPointF> snake;
    for (int i = 0; i <= 8; ++i) {
        const double a = qDegreesToRadians(145.0 + i * 11.0);
        const double r = kWheelRadius + 9 + 4 * std::sin(i * 1.6);
        snake.push_back(kWheelCentre + QPointF(std::cos(a) * r, -std::sin(a) * r));
    }
    paintSerpent(p, snake, 5.5, {{226, 186, 60}, {170, 130, 30}});
    p.save();
    p.translate(kWheelCentre + QPointF(kWheelRadius + 4, 10));
    p.rotate(-70);
    paintWolf(p, {0, 0}, 30, 1, {{196, 96, 52}, {136, 60, 32}}, false);
    p.restore();
}

const Steps kWheel{{Layer::Scene, wheelSky}, {Layer::Figures, wheelFigures}};

void wheelLettering(QPainter &p, const CardFace &)
{
    const QFont font = libertine(12, true);
    const std::vector<QPointF> places = wheelLetterPlaces(kWheelCentre, kWheelRadius);
    const char *letters[] = {"T", "A", "R", "O"};
    for (std::size_t i = 0; i < places.size(); ++i)
        letterAt(p, letters[i], font, QColor(70, 20, 14), places[i]);
}

// ---- The painters -------------------------------------------------------------

void foolPicture(QPainter &p, const CardFace &)
{
    paintSteps(p, kFool, false);
}
void magicianPicture(QPainter &p, const CardFace &)
{
    paintSteps(p, kMagician, false);
}
void priestessPicture(QPainter &p, const CardFace &)
{
    paintSteps(p, kPriestess, false);
}
void empressPicture(QPainter &p, const CardFace &)
{
    paintSteps(p, kEmpress, false);
}
void emperorPicture(QPainter &p, const CardFace &)
{
    paintSteps(p, kEmperor, false);
}
void priestPicture(QPainter &p, const CardFace &)
{
    paintSteps(p, kPriest, false);
}
void loversPicture(QPainter &p, const CardFace &)
{
    paintSteps(p, kLovers, false);
}
void chariotPicture(QPainter &p, const CardFace &)
{
    paintSteps(p, kChariot, false);
}
void justicePicture(QPainter &p, const CardFace &)
{
    paintSteps(p, kJustice, false);
}
void hermitPicture(QPainter &p, const CardFace &)
{
    paintSteps(p, kHermit, false);
}
void wheelPicture(QPainter &p, const CardFace &)
{
    paintSteps(p, kWheel, false);
}

// Each trump's steps, by card number.
const Steps *stepsOf(int cardNumber)
{
    static const std::array<const Steps *, 11> steps{&kFool,    &kMagician, &kPriestess, &kEmpress,
                                                     &kEmperor, &kPriest,   &kLovers,    &kChariot,
                                                     &kJustice, &kHermit,   &kWheel};
    if (cardNumber < 1 || cardNumber > static_cast<int>(steps.size()))
        return nullptr;
    return steps[static_cast<std::size_t>(cardNumber - 1)];
}

} // namespace

const std::vector<TrumpPainter> &firstTrumps()
{
    static const std::vector<TrumpPainter> table{
        {1, {foolPicture, noLettering}},
        {2, {magicianPicture, noLettering}},
        {3, {priestessPicture, priestessLettering}},
        {4, {empressPicture, noLettering}},
        {5, {emperorPicture, noLettering}},
        {6, {priestPicture, noLettering}},
        {7, {loversPicture, noLettering}},
        {8, {chariotPicture, noLettering}},
        {9, {justicePicture, noLettering}},
        {10, {hermitPicture, noLettering}},
        {11, {wheelPicture, wheelLettering}},
    };
    return table;
}

bool paintFirstTrumpFigures(QPainter &p, int cardNumber)
{
    const Steps *steps = stepsOf(cardNumber);
    if (!steps)
        return false;
    paintSteps(p, *steps, true);
    return true;
}

} // namespace artwork
