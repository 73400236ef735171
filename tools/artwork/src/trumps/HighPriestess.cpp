// 3 The High Priestess: seated between the dark pillar and the light one before a veil of
// pomegranates, horned crown and moon on her head, the scroll in her lap, the crescent at her feet.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

const QRectF kPriestessLeftPillar(16, 40, 20, 198);
const QRectF kPriestessRightPillar(164, 40, 20, 198);

void priestessTemple(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, scene.bottom(), kNightSky);
    paintVeil(p, QRectF(36, 58, 128, 190), kVeilGold, kPomegranate);
    paintStoneFloor(p, scene, 244, kBlueFloor);
    paintPillar(p, kPriestessLeftPillar, kBlackPillar);
    paintPillar(p, kPriestessRightPillar, kWhitePillar);
}

void priestessFigure(QPainter &p)
{
    Figure priestess;
    priestess.base = {100, 258};
    priestess.height = 196;
    priestess.pose = Pose::Seated;
    priestess.build = Build::Woman;
    priestess.robe = {kBlue, kWhiteCloth, Cut::Gown, {}, kSilver};
    priestess.hair = Hair::Long;
    priestess.hairColour = kHairBlack;
    priestess.left = {Gesture::Forward};
    priestess.right = {Gesture::Down};
    priestess.seed = 7;
    paintBench(p, priestess, kPaleBench);
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

void priestessLettering(QPainter &p, const CardFace &)
{
    const QFont font = libertine(13, true);
    drawCentredText(p, "B", font, kBoazLetter, kPriestessLeftPillar.center() + QPointF(0, -50));
    drawCentredText(p, "J", font, kJachinLetter, kPriestessRightPillar.center() + QPointF(0, -50));
}

} // namespace

Trump theHighPriestess()
{
    return {{{Layer::Scene, priestessTemple}, {Layer::Figures, priestessFigure}}, priestessLettering};
}

} // namespace artwork::trumps
