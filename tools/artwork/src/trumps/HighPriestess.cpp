// 3 The High Priestess: seated between the dark pillar and the light one before a veil of
// pomegranates, horned crown and moon on her head, the scroll in her lap, the crescent at her feet.

#include "trumps/Trump.h"

#include "figures/Hands.h"

namespace artwork::trumps {

namespace {

const QRectF kPriestessLeftPillar(16, 40, 20, 198);
const QRectF kPriestessRightPillar(164, 40, 20, 198);

constexpr double kHorizon = 104, kVeilTop = 150, kFloorTop = 244;

// Sky and sea behind the temple; between the pillars the veil hangs only to
// her shoulders, so the water shows over it.
void priestessSea(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, kHorizon, kMorningSky);
    paintWater(p, scene, kHorizon, kFloorTop, 11, kSea);
    QPainterPath horizon;
    horizon.moveTo(scene.left(), kHorizon);
    horizon.lineTo(scene.right(), kHorizon);
    drawLine(p, horizon, kSea.shade, style::kDistantLine);
}

void priestessTemple(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintVeil(p,
              QRectF(kPriestessLeftPillar.right(), kVeilTop,
                     kPriestessRightPillar.left() - kPriestessLeftPillar.right(), kFloorTop - kVeilTop + 4),
              kVeilGold, kPomegranate);
    paintStoneFloor(p, scene, kFloorTop, kBlueFloor);
    paintPillar(p, kPriestessLeftPillar, kBlackPillar);
    paintPillar(p, kPriestessRightPillar, kWhitePillar);
}

// The scroll lies level across her lap: its middle and length from her body.
QPointF scrollCentreOf(const Body &b)
{
    return {b.hips.x() + 0.05 * b.unit, b.seatY - 0.3 * b.unit};
}
double scrollLengthOf(const Body &b)
{
    return 2.5 * b.unit;
}
// Its rolled left end, where her hand closes on it.
QPointF scrollRoll(const Body &b)
{
    return scrollCentreOf(b) - QPointF(0.47 * scrollLengthOf(b), 0);
}

Figure priestess()
{
    Figure f;
    f.base = {100, 258};
    f.height = 196;
    f.pose = Pose::Seated;
    f.build = Build::Woman;
    f.robe = {kBlue, kWhiteCloth, Cut::Gown, {}, kSilver, false};
    f.hair = Hair::Shoulder;
    f.hairColour = kHairBlack;
    f.features = Features{
        .view = View::Front, .gaze = {0.35, 0.1}, .age = Age::Prime, .expression = Expression::Calm, .breadth = 0.94};
    // The scroll lies across her lap; one hand grips its roll, the other lies over it.
    const Body b = bodyOf(f);
    f.left = {.grip = Grip::Fist, .angle = 0.0};
    reachTo(f, -1, scrollRoll(b));
    f.right = {.grip = Grip::Rest};
    reachTo(f, 1, scrollCentreOf(b) + QPointF(0.3 * scrollLengthOf(b), -0.05 * b.unit), true);
    f.seed = 7;
    return f;
}

QPointF scrollCentre()
{
    return scrollCentreOf(bodyOf(priestess()));
}
double scrollLength()
{
    return scrollLengthOf(bodyOf(priestess()));
}

// The scroll, rolled at its left end, where her hand holds it; its other
// half goes in under her arm, into the folds of her robe.
void paintTora(QPainter &p, const Body &b)
{
    const QPointF c = scrollCentre();
    const double len = scrollLength(), h = len * 0.26;
    QPainterPath sheet;
    sheet.addRect(QRectF(c.x() - len / 2, c.y() - h / 2, b.hand[1].x() + 0.05 * b.unit - (c.x() - len / 2), h));
    drawShape(p, sheet, kParchment, 1.0, style::kInteriorLine);
    QPainterPath roll;
    roll.addRoundedRect(QRectF(c.x() - len / 2 - len * 0.05, c.y() - h * 0.66, len * 0.1, h * 1.32), len * 0.05,
                        len * 0.05);
    drawShape(p, roll, kParchment, 1.0, style::kInteriorLine);
}

// Her lap under the robe: the thighs come towards us and end in two knees,
// lit from above, and the robe falls from the knees to the floor in folds.
void paintLap(QPainter &p, const Figure &f, const Body &b)
{
    const double u = b.unit, x = b.hips.x(), top = b.seatY - 0.2 * u, kneeY = b.seatY + 0.4 * u;
    QPainterPath lap;
    lap.addRect(QRectF(x - 1.1 * u, top, 2.2 * u, kneeY - top));
    for (const int side : {-1, 1})
        lap.addEllipse(QPointF(x + side * 0.56 * u, kneeY), 0.6 * u, 0.36 * u);
    drawShape(p, shapes::united(lap), kPriestessLap, 1.2, style::kInteriorLine);
    // The dip between the knees, and the folds hanging from them.
    QPainterPath folds;
    folds.moveTo(x, kneeY - 0.1 * u);
    folds.quadTo(x + 0.05 * u, kneeY + 0.5 * u, x - 0.02 * u, f.base.y() - 0.4 * u);
    for (const int side : {-1, 1}) {
        const double kx = x + side * 0.56 * u;
        folds.moveTo(kx - side * 0.2 * u, kneeY + 0.36 * u);
        folds.quadTo(kx - side * 0.25 * u, kneeY + 1.2 * u, kx - side * 0.1 * u, f.base.y() - 0.3 * u);
        folds.moveTo(kx + side * 0.3 * u, kneeY + 0.3 * u);
        folds.quadTo(kx + side * 0.45 * u, kneeY + 1.1 * u, kx + side * 0.55 * u, f.base.y() - 0.4 * u);
    }
    drawLine(p, folds, kBlue.shade, style::kInteriorLine);
}

// A fold of her blue mantle falls over the scroll's right end, so only the
// name and the roll in her hand show.
void paintMantleFold(QPainter &p)
{
    const QPointF c = scrollCentre();
    const double len = scrollLength(), h = len * 0.26;
    QPainterPath fold;
    fold.moveTo(c.x() + 0.1 * len, c.y() - 0.8 * h);
    fold.lineTo(c.x() + 0.4 * len, c.y() - 0.9 * h);
    fold.quadTo(c.x() + 0.46 * len, c.y() + 0.1 * h, c.x() + 0.38 * len, c.y() + 0.75 * h);
    fold.quadTo(c.x() + 0.26 * len, c.y() + 0.95 * h, c.x() + 0.16 * len, c.y() + 1.3 * h);
    fold.quadTo(c.x() + 0.05 * len, c.y() + 0.2 * h, c.x() + 0.1 * len, c.y() - 0.8 * h);
    fold.closeSubpath();
    drawShape(p, fold, kBlue, 1.4, style::kInteriorLine);
    QPainterPath crease;
    crease.moveTo(c.x() + 0.22 * len, c.y() - 0.6 * h);
    crease.quadTo(c.x() + 0.2 * len, c.y() + 0.3 * h, c.x() + 0.26 * len, c.y() + 0.95 * h);
    drawLine(p, crease, kBlue.shade, style::kInteriorLine);
}

// Her other arm again, over the scroll: the sleeve and the resting hand hide
// its right half.
void paintArmOverScroll(QPainter &p, const Figure &f, const Body &b)
{
    const QPointF along = shapes::unitVector(b.hand[1] - b.elbow[1]);
    p.save();
    p.setClipPath(shapes::limb({b.elbow[1], b.hand[1] - along * 0.22 * b.unit}, {0.3 * b.unit, 0.26 * b.unit}),
                  Qt::IntersectClip);
    paintFigure(p, f);
    p.restore();
    paintHand(p, {.grip = Grip::Rest, .centre = b.hand[1], .forearm = along, .unit = b.unit});
}

// The solar cross on her breast: a white cross of equal arms.
void paintSolarCross(QPainter &p, const Body &b)
{
    QPainterPath cross;
    const QPointF chest = (b.shoulder[0] + b.shoulder[1]) / 2 + QPointF(0, 0.6 * b.unit);
    cross.addRect(QRectF(chest.x() - 0.07 * b.unit, chest.y() - 0.32 * b.unit, 0.14 * b.unit, 0.64 * b.unit));
    cross.addRect(QRectF(chest.x() - 0.32 * b.unit, chest.y() - 0.07 * b.unit, 0.64 * b.unit, 0.14 * b.unit));
    drawShape(p, shapes::united(cross), kWhiteCloth, 0.5, style::kInteriorLine);
}

void priestessFigure(QPainter &p)
{
    const Figure f = priestess();
    const Body b = bodyOf(f);
    style::paintGroundShadow(p, {100, 258}, 62, 5, kBlueFloor.shade);
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        paintFigure(q, f);
        paintLap(q, f, b);
        paintHornedCrown(q, f);
        paintSolarCross(q, b);
        paintTora(q, b);
        paintMantleFold(q);
        paintArmOverScroll(q, f, b);
        paintHand(q, {.grip = Grip::Fist,
                      .centre = b.hand[0],
                      .forearm = b.hand[0] - b.elbow[0],
                      .unit = b.unit,
                      .shaftDegrees = 0});
        paintMoon(q, {118, 254}, 13, false);
    });
}

void priestessLettering(QPainter &p, const CardFace &)
{
    const QFont font = libertine(13, true);
    drawCentredText(p, "B", font, kBoazLetter, kPriestessLeftPillar.center() + QPointF(0, -50));
    drawCentredText(p, "J", font, kJachinLetter, kPriestessRightPillar.center() + QPointF(0, -50));
    // The scroll's name, on the part of it that shows beside her hand.
    drawCentredText(p, "TORA", libertine(7, true), kOutline, scrollCentre() + QPointF(-0.14 * scrollLength(), 0));
}

} // namespace

Trump theHighPriestess()
{
    return {{{Layer::Scene, priestessSea}, {Layer::Scene, priestessTemple}, {Layer::Figures, priestessFigure}},
            priestessLettering};
}

} // namespace artwork::trumps
