// 1 The Fool: a young traveller steps out over the cliff's edge, bundle on his shoulder, a white
// rose in his other hand, a little dog leaping at his heels; the sun behind.

#include "trumps/Trump.h"

#include "figures/Hands.h"

namespace artwork::trumps {

namespace {

constexpr double kCliffEdge = 136, kCliffTop = 208;
// The pole over his shoulder, in degrees clockwise from upright.
constexpr double kPoleDegrees = -40;

void foolLand(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, 226, kDaySky);
    paintSun(p, {170, 31}, 14, true);
    // Far below the edge: a valley and a range of snowy peaks.
    paintMountains(p, 236, 118, 214, 64, 7, kDistantPeaks, true);
    paintHills(p, QRectF(scene.left(), scene.top(), scene.width(), scene.height() + 10), 230, 4, kValleyNear,
               kValleyFar);
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
    const Tone &stone = kCliffRock;
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

// The dog's face over its head: the open mouth, a floppy ear, the brow, the eye and the nose.
void paintDogFace(QPainter &p, QPointF hindFoot, double s)
{
    const Tone &coat = kFoolDogCoat;
    auto at = [&](double x, double y) { return hindFoot + QPointF(x * s, -y * s); };
    QPainterPath mouth;
    mouth.moveTo(at(0.99, 1.045));
    mouth.lineTo(at(1.13, 1.07));
    mouth.lineTo(at(1.08, 0.99));
    mouth.closeSubpath();
    drawShape(p, mouth, kRed, 0, style::kInteriorLine);
    // A soft ear flopping down the back of the head.
    QPainterPath ear;
    ear.moveTo(at(0.8, 1.23));
    ear.quadTo(at(0.66, 1.22), at(0.68, 1.02));
    ear.quadTo(at(0.74, 0.97), at(0.79, 1.04));
    ear.quadTo(at(0.81, 1.14), at(0.88, 1.22));
    ear.closeSubpath();
    drawShape(p, ear, coat, 0.05 * s, style::kInteriorLine);
    // The brow over the eye, the eye, the nose at the muzzle's tip.
    QPainterPath brow;
    brow.moveTo(at(0.88, 1.2));
    brow.quadTo(at(0.93, 1.22), at(0.97, 1.18));
    drawLine(p, brow, coat.shade, 0.025 * s);
    drawShape(p, shapes::ellipse(at(0.93, 1.15), 0.03 * s, 0.03 * s), {kOutline, kOutline}, 0, 0);
    drawShape(p, shapes::ellipse(at(1.14, 1.125), 0.035 * s, 0.03 * s), {kOutline, kOutline}, 0, 0);
}

// His little white dog, up on its hind legs and leaping at his heels, yapping.
void paintLeapingDog(QPainter &p, QPointF hindFoot, double size)
{
    const Tone &coat = kFoolDogCoat;
    const double s = size;
    auto at = [&](double x, double y) { return hindFoot + QPointF(x * s, -y * s); };
    // The far legs, in the coat's shade, behind the body.
    QPainterPath far;
    far.moveTo(at(0.18, 0));
    far.quadTo(at(0.36, 0.2), at(0.22, 0.38));
    far.moveTo(at(0.82, 0.78));
    far.quadTo(at(1.04, 0.78), at(1.08, 0.98));
    drawLine(p, far, coat.shade, 0.12 * s);
    // The body rising from the haunch to the chest, the tail up behind.
    QPainterPath tail;
    tail.moveTo(at(0.1, 0.42));
    tail.quadTo(at(-0.22, 0.5), at(-0.2, 0.82));
    drawLine(p, tail, kOutline, 0.13 * s);
    drawLine(p, tail, coat.base, 0.08 * s);
    const QPainterPath body = shapes::ellipse(at(0.45, 0.62), 0.46 * s, 0.22 * s, -38);
    QPainterPath legs;
    // The near hind leg folded at the hock, the forelegs reaching up and out.
    legs.addPath(shapes::limb({at(0.3, 0.46), at(0.46, 0.22), at(0.28, 0.04), at(0.42, 0)},
                              {0.13 * s, 0.08 * s, 0.06 * s, 0.06 * s}));
    legs.addPath(shapes::limb({at(0.74, 0.78), at(0.98, 0.7), at(1.1, 0.86)}, {0.08 * s, 0.06 * s, 0.055 * s}));
    // A round skull with a plain stop down to a short, blunt muzzle, the jaws open as it yaps.
    const QPainterPath head = shapes::ellipse(at(0.86, 1.1), 0.17 * s, 0.15 * s, -10);
    QPainterPath muzzle;
    muzzle.moveTo(at(0.94, 1.17));
    muzzle.lineTo(at(1.09, 1.15));
    muzzle.quadTo(at(1.16, 1.14), at(1.15, 1.08));
    muzzle.lineTo(at(0.98, 1.05));
    muzzle.closeSubpath();
    QPainterPath jaw;
    jaw.moveTo(at(0.96, 1.04));
    jaw.lineTo(at(1.09, 0.98));
    jaw.quadTo(at(1.12, 0.96), at(1.1, 0.93));
    jaw.lineTo(at(0.94, 0.96));
    jaw.closeSubpath();
    const QPainterPath dog = shapes::united(body.united(legs).united(head).united(muzzle).united(jaw));
    drawShape(p, dog, coat, 0.09 * s, style::kInteriorLine);
    paintDogFace(p, hindFoot, s);
    QPainterPath collar;
    collar.moveTo(at(0.66, 0.96));
    collar.lineTo(at(0.8, 0.86));
    drawLine(p, collar, kRed.base, 0.06 * s);
}

// A white rose seen from the side: a ring of broad rounded petals about a
// cupped heart, the petals' edges curling in.
void paintRoseHead(QPainter &p, QPointF c, double r)
{
    QPainterPath outer;
    for (int i = 0; i < 5; ++i)
        outer.addPath(shapes::ellipse(shapes::polar(c, r * 0.45, i * 72.0 + 20), r * 0.55, r * 0.5));
    drawShape(p, shapes::united(outer), kWhiteRose, 0.4 * r, style::kInteriorLine);
    drawShape(p, shapes::ellipse(c + QPointF(0, -0.05 * r), r * 0.5, r * 0.42), kWhiteRose, 0.2 * r,
              style::kInteriorLine);
    QPainterPath heart;
    heart.moveTo(c + QPointF(-0.25 * r, -0.05 * r));
    heart.quadTo(c + QPointF(-0.1 * r, -0.3 * r), c + QPointF(0.2 * r, -0.12 * r));
    heart.quadTo(c + QPointF(0.1 * r, 0.12 * r), c + QPointF(-0.08 * r, 0.0));
    drawLine(p, heart, kWhiteRose.shade, style::kInteriorLine);
    for (int s : {-1, 1}) {
        QPainterPath sepal;
        sepal.moveTo(c + QPointF(s * 0.2 * r, 0.5 * r));
        sepal.lineTo(c + QPointF(s * 0.55 * r, 0.85 * r));
        sepal.lineTo(c + QPointF(0, 0.75 * r));
        sepal.closeSubpath();
        drawShape(p, sepal, kLeaf, 0, style::kInteriorLine);
    }
}

Figure theFoolHimself()
{
    Figure fool;
    fool.base = {133, kCliffTop + 1};
    fool.height = 170;
    fool.pose = Pose::Walking;
    fool.build = Build::Youth;
    fool.robe = {kMotley, std::nullopt, Cut::Tunic, kHoseYellow, kGold, false};
    fool.headwear = Headwear::Cap;
    fool.headwearTone = kGreen;
    fool.hairColour = kHairGold;
    fool.features = Features{.view = View::ThreeQuarter,
                             .side = 1,
                             .gaze = {0.6, -1},
                             .age = Age::Young,
                             .expression = Expression::Smile,
                             .breadth = 0.92};
    fool.facing = 1;
    // The pole over his shoulder, the white rose lifted before him.
    fool.left = {.gesture = Gesture::Raised, .grip = Grip::Fist, .angle = kPoleDegrees};
    fool.right = {.grip = Grip::Fist, .at = QPointF(0.75, 1.05), .elbowOut = false, .angle = 0.0};
    // Stepping off the edge: the front foot out over the drop.
    fool.stepUp = 0.35;
    fool.seed = 3;
    return fool;
}

// How far he tips his head back to look up at the sun, degrees clockwise.
constexpr double kHeadBack = -10;

// The fool with his head tipped back: the figure is drawn without its head, then the head is drawn
// again turned about the base of the neck, so the neck still meets the collar.
void paintFoolLookingUp(QPainter &p, const Figure &fool, const Body &b)
{
    const double u = b.unit;
    const QPointF chin = b.headCentre + QPointF(0, 0.5 * u);
    QPainterPath everywhere;
    everywhere.addRect(QRectF(-1000, -1000, 3000, 3000));
    QPainterPath head;
    head.addRect(QRectF(chin.x() - 1.4 * u, chin.y() - 2.5 * u, 2.8 * u, 2.5 * u));
    p.save();
    p.setClipPath(everywhere.subtracted(head), Qt::IntersectClip);
    paintFigure(p, fool);
    p.restore();
    p.save();
    p.translate(b.neck);
    p.rotate(kHeadBack);
    p.translate(-b.neck);
    paintHead(p, fool, b.headCentre, u);
    p.restore();
}

void foolFigures(QPainter &p)
{
    const Figure fool = theFoolHimself();
    const Body b = bodyOf(fool);
    const double u = b.unit;
    style::paintGroundShadow(p, {74, kCliffTop + 2}, 18, 2.5);
    // Only the back foot is on the ground, up on its toes at the brink.
    style::paintGroundShadow(p, {b.foot[0].x() - 4, kCliffTop + 1}, 9, 2);
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        paintLeapingDog(q, {62, kCliffTop + 2}, 38);
        paintBundleOnPole(q, b.hand[0], 2.6 * u, kPoleDegrees, u, kBundleCloth);
        paintFoolLookingUp(q, fool, b);
        paintHand(q, {.grip = Grip::Fist,
                      .centre = b.hand[0],
                      .forearm = b.hand[0] - b.elbow[0],
                      .unit = u,
                      .shaftDegrees = kPoleDegrees});
        // The white rose on its stem, held up in the fist.
        const QPointF hand = b.hand[1];
        QPainterPath stem;
        stem.moveTo(hand + QPointF(0, 0.4 * u));
        stem.quadTo(hand + QPointF(0.1 * u, -0.5 * u), hand + QPointF(0.25 * u, -1.0 * u));
        drawLine(q, stem, kLaurelStem.base, 0.09 * u);
        drawShape(q, shapes::ellipse(hand + QPointF(0.3 * u, -0.55 * u), 0.16 * u, 0.07 * u, -30), kLeaf, 0.4,
                  style::kInteriorLine);
        paintRoseHead(q, hand + QPointF(0.27 * u, -1.1 * u), 0.3 * u);
        paintHand(q, {.grip = Grip::Fist, .centre = hand, .forearm = hand - b.elbow[1], .unit = u, .shaftDegrees = 8});
    });
}

} // namespace

Trump theFool()
{
    return {{{Layer::Scene, foolLand}, {Layer::Figures, foolFigures}}};
}

} // namespace artwork::trumps
