// 1 The Fool: a young traveller steps out over the cliff's edge, bundle on his shoulder, a white
// rose in his other hand, a little dog leaping at his heels; the sun behind.

#include "trumps/Trump.h"

#include "figures/Hands.h"

namespace artwork::trumps {

namespace {

constexpr double kCliffEdge = 140, kCliffTop = 208;
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
    const QPainterPath head = shapes::ellipse(at(0.84, 1.08), 0.17 * s, 0.14 * s, -20);
    // A long muzzle, the jaws open as it yaps.
    QPainterPath muzzle;
    muzzle.moveTo(at(0.9, 1.2));
    muzzle.lineTo(at(1.26, 1.26));
    muzzle.quadTo(at(1.3, 1.2), at(1.24, 1.16));
    muzzle.lineTo(at(1.04, 1.1));
    muzzle.lineTo(at(1.22, 1.02));
    muzzle.lineTo(at(1.18, 0.96));
    muzzle.lineTo(at(0.92, 0.98));
    muzzle.closeSubpath();
    // A soft ear flapping back from the top of the head.
    QPainterPath ear;
    ear.moveTo(at(0.74, 1.2));
    ear.quadTo(at(0.6, 1.3), at(0.56, 1.12));
    ear.quadTo(at(0.64, 1.02), at(0.8, 1.1));
    ear.closeSubpath();
    const QPainterPath dog = shapes::united(body.united(legs).united(head).united(muzzle));
    drawShape(p, dog, coat, 0.09 * s, style::kInteriorLine);
    drawShape(p, ear, coat, 0.05 * s, style::kInteriorLine);
    drawShape(p, shapes::ellipse(at(0.92, 1.14), 0.035 * s, 0.035 * s), {kOutline, kOutline}, 0, 0);
    drawShape(p, shapes::ellipse(at(1.27, 1.22), 0.035 * s, 0.03 * s), {kOutline, kOutline}, 0, 0);
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
    fool.seed = 3;
    return fool;
}

void foolFigures(QPainter &p)
{
    const Figure fool = theFoolHimself();
    const Body b = bodyOf(fool);
    const double u = b.unit;
    style::paintGroundShadow(p, {74, kCliffTop + 2}, 18, 2.5);
    style::paintGroundShadow(p, {b.foot[0].x(), kCliffTop + 2}, 13, 2.5);
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        paintLeapingDog(q, {62, kCliffTop + 2}, 38);
        paintBundleOnPole(q, b.hand[0], 2.6 * u, kPoleDegrees, u, kBundleCloth);
        paintFigure(q, fool);
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
