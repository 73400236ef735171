// 2 The Magician: behind his table he lifts the two-ended wand to the sky in his right hand and
// points to the earth with his left; the sign of infinity over his head, a serpent biting its
// tail for his belt; on the table the cup, the sword, the wand and the pentacle; roses over
// him, roses and lilies below.

#include "trumps/Trump.h"

#include "figures/Hands.h"

#include <QPainterPathStroker>

#include <cmath>

namespace artwork::trumps {

namespace {

// The table stands in front of him and hides him from the hips down.
constexpr double kTableLeft = 18, kTableRight = 182, kTableBack = 178, kTableFront = 192, kTableFoot = 236;
// The flower bed before the table: its ground shows beside and below the table.
constexpr double kBedTop = 230;

// A white lily: a green stem with narrow leaves, a trumpet of six petals
// nodding to one side, yellow anthers at its mouth.
void paintLily(QPainter &p, QPointF foot, double height, int side)
{
    const QPointF top = foot + QPointF(side * height * 0.12, -height);
    QPainterPath stem;
    stem.moveTo(foot);
    stem.quadTo(foot + QPointF(0, -height * 0.6), top);
    drawLine(p, stem, kLaurelStem.base, std::max(1.0, height * 0.05));
    for (int s : {-1, 1}) {
        const QPointF at = foot + QPointF(s * 0.5, -height * (0.3 + 0.12 * (s + 1)));
        QPainterPath leaf;
        leaf.moveTo(at);
        leaf.quadTo(at + QPointF(s * height * 0.22, -height * 0.08), at + QPointF(s * height * 0.3, -height * 0.3));
        leaf.quadTo(at + QPointF(s * height * 0.06, -height * 0.14), at);
        drawShape(p, leaf, kLeaf, 0.6, style::kInteriorLine);
    }
    // The trumpet opens sideways and a little up from the stem's top: a
    // narrow tube flaring to a mouth of three pointed lobes curled back,
    // yellow anthers standing out of it.
    const double r = height * 0.3;
    const QPointF d = shapes::unitVector(QPointF(side, -0.3)), n = shapes::normal(d);
    auto along = [&](double a, double across) { return top + (d * a + n * across) * r; };
    QPainterPath bell;
    bell.moveTo(along(0, -0.1));
    bell.quadTo(along(0.6, -0.14), along(1.0, -0.55));
    bell.quadTo(along(1.1, -0.72), along(0.98, -0.8)); // the upper lobe curls back
    bell.quadTo(along(1.2, -0.55), along(1.22, -0.22));
    bell.quadTo(along(1.28, -0.1), along(1.45, 0)); // the middle lobe's point
    bell.quadTo(along(1.28, 0.1), along(1.22, 0.22));
    bell.quadTo(along(1.2, 0.55), along(0.98, 0.8)); // the lower lobe
    bell.quadTo(along(1.1, 0.72), along(1.0, 0.55));
    bell.quadTo(along(0.6, 0.14), along(0, 0.1));
    bell.closeSubpath();
    drawShape(p, bell, kWhiteRose, 0.8, style::kInteriorLine);
    QPainterPath ribs;
    for (double across : {-0.5, 0.0, 0.5}) {
        ribs.moveTo(along(0.25, 0));
        ribs.quadTo(along(0.8, across * 0.4), along(1.1, across));
    }
    drawLine(p, ribs, kWhiteRose.shade, 0.5);
    for (double across : {-0.2, 0.05, 0.25})
        drawShape(p, shapes::ellipse(along(1.35, across), r * 0.07, r * 0.07), kGold, 0, 0.4);
}

void magicianArbour(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, kBedTop, kGoldenSky);
    QPainterPath ground;
    ground.addRect(QRectF(scene.left() - 6, kBedTop, scene.width() + 12, scene.bottom() - kBedTop + 6));
    drawShape(p, ground, kNearHills, 1.2);
    // An arbour of roses along the top.
    for (int i = 0; i < 9; ++i) {
        const QPointF c(scene.left() + 4 + i * 22.0, scene.top() + 6 + (i % 2) * 6.0);
        drawShape(p, shapes::ellipse(c + QPointF(0, 5), 11, 7), kFoliage, 1.2);
        paintFlower(p, c, 6.5, kRuby);
    }
}

// Where the wand is held: high over the shoulder on the viewer's left.
constexpr double kWandDegrees = -8;

Figure magician()
{
    Figure mage;
    mage.base = {100, 242};
    mage.height = 190;
    mage.build = Build::Youth;
    mage.robe = {kWhiteCloth, kRed, Cut::Gown, kHoseBlue, kGold, false};
    mage.hairColour = kHairBlack;
    mage.features = Features{.view = View::Front,
                             .gaze = {-0.25, -0.05},
                             .age = Age::Young,
                             .expression = Expression::Intent,
                             .breadth = 0.94};
    mage.left = {.grip = Grip::Fist, .at = QPointF(-0.75, -1.45), .elbowOut = true, .angle = kWandDegrees};
    mage.right = {.grip = Grip::Fist, .at = QPointF(0.6, 1.75)};
    mage.seed = 2;
    return mage;
}

// The wand he lifts: white at both ends, gripped at its middle.
void paintTwoEndedWand(QPainter &p, QPointF grip, double length, double degrees)
{
    p.save();
    p.translate(grip);
    p.rotate(degrees);
    const double w = length * 0.07;
    QPainterPath rod;
    rod.addRoundedRect(QRectF(-w / 2, -length / 2, w, length), w * 0.4, w * 0.4);
    drawShape(p, rod, kWood, 1.0, style::kInteriorLine);
    for (int end : {-1, 1}) {
        QPainterPath tip;
        tip.addRoundedRect(QRectF(-w * 0.75, end < 0 ? -length / 2 - w * 0.5 : length / 2 - w * 1.8, w * 1.5, w * 2.3),
                           w * 0.7, w * 0.7);
        drawShape(p, tip, kWhiteRose, 0.8, style::kInteriorLine);
    }
    p.restore();
}

// His left hand pointing to the earth: the back of the hand to us, the forefinger straight down,
// the other fingers curled under and the thumb folded across them.
void paintHandPointingDown(QPainter &p, QPointF centre, double size)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(size, size);
    auto skin = [&](const QPainterPath &shape, double band) {
        drawShape(p, t.map(shape), kSkin, band, style::kInteriorLine);
    };
    QPainterPath back;
    back.addRoundedRect(QRectF(-0.17, -0.16, 0.35, 0.3), 0.1, 0.1);
    skin(back, 0.5);
    // The three curled fingers, knuckle over knuckle on the side away from the thumb.
    QPainterPath curled;
    for (int i = 0; i < 3; ++i)
        curled.addPath(shapes::ellipse(QPointF(0.1 - i * 0.015, 0.06 + i * 0.075), 0.095, 0.05, -8));
    skin(shapes::united(curled), 0.3);
    skin(shapes::limb({QPointF(-0.08, 0.0), QPointF(-0.085, 0.36), QPointF(-0.08, 0.6)}, {0.065, 0.058, 0.05}), 0.3);
    skin(shapes::ellipse(QPointF(-0.02, 0.13), 0.1, 0.045, 64), 0.3);
    QPainterPath lines;
    lines.moveTo(-0.12, 0.3);
    lines.lineTo(-0.04, 0.3); // the forefinger's middle joint
    lines.moveTo(-0.11, 0.54);
    lines.quadTo(-0.08, 0.5, -0.05, 0.54); // its nail
    drawLine(p, t.map(lines), kSkin.shade.darker(120), std::max(0.45, 0.035 * size));
}

// The belt: a green serpent round his waist, its jaws closed on its own tail at the front.
void paintSerpentBelt(QPainter &p, const Body &b)
{
    const double u = b.unit, half = b.waistHalf + 0.06 * u, y = b.waist.y() - 0.1 * u, thick = 0.22 * u;
    // The jaws, left of the middle, closed on the tail's tip.
    const QPointF bite(b.waist.x() - 0.28 * u, y + 0.1 * u);
    QPainterPath body;
    body.moveTo(bite + QPointF(0.42 * u, 0.02 * u));
    body.cubicTo(b.waist.x() + half * 0.5, y + 0.18 * u, b.waist.x() + half, y + 0.1 * u, b.waist.x() + half, y);
    QPainterPath tail;
    tail.moveTo(b.waist.x() - half, y);
    tail.cubicTo(b.waist.x() - half * 0.9, y + 0.1 * u, bite.x() - 0.3 * u, y + 0.14 * u, bite.x() + 0.02 * u,
                 bite.y());
    QPainterPathStroker stroker;
    stroker.setWidth(thick);
    stroker.setCapStyle(Qt::FlatCap);
    QPainterPathStroker thin;
    thin.setWidth(thick * 0.7);
    thin.setCapStyle(Qt::RoundCap);
    drawShape(p, shapes::united(stroker.createStroke(body).united(thin.createStroke(tail))), kGreenSerpent, 0.5,
              style::kInteriorLine);
    // Scales along its back.
    QPainterPath scales;
    for (const QPainterPath *part : {&body, &tail})
        for (double t = 0.15; t < 0.9; t += 0.2) {
            const QPointF s = part->pointAtPercent(t);
            scales.moveTo(s + QPointF(-0.04 * u, -0.06 * u));
            scales.lineTo(s + QPointF(0.03 * u, 0.06 * u));
        }
    drawLine(p, scales, kGreenSerpent.shade, 0.6);
    // The head, turned back along the belt, its snout over the tail's tip.
    QPainterPath head;
    head.moveTo(bite + QPointF(-0.12 * u, 0));
    head.quadTo(bite + QPointF(0.04 * u, -0.17 * u), bite + QPointF(0.34 * u, -0.17 * u));
    head.quadTo(bite + QPointF(0.5 * u, 0), bite + QPointF(0.34 * u, 0.17 * u));
    head.quadTo(bite + QPointF(0.04 * u, 0.16 * u), bite + QPointF(-0.12 * u, 0));
    head.closeSubpath();
    drawShape(p, head, kGreenSerpent, 0.5, style::kInteriorLine);
    QPainterPath jaw;
    jaw.moveTo(bite + QPointF(-0.04 * u, 0.01 * u));
    jaw.lineTo(bite + QPointF(0.2 * u, 0.03 * u));
    drawLine(p, jaw, kOutline, 0.5);
    drawShape(p, shapes::ellipse(bite + QPointF(0.2 * u, -0.07 * u), 0.04 * u, 0.04 * u), {kOutline, kOutline}, 0, 0);
}

void magicianFigure(QPainter &p)
{
    const Figure mage = magician();
    const Body b = bodyOf(mage);
    const double u = b.unit;
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        // Below the table's top he is hidden behind it.
        q.save();
        q.setClipRect(QRectF(-1000, -1000, 3000, 1000 + kTableFront), Qt::IntersectClip);
        paintFigure(q, mage);
        q.restore();
        paintSerpentBelt(q, b);
        paintTwoEndedWand(q, b.hand[0], 1.9 * u, kWandDegrees);
        paintHand(q, {.grip = Grip::Fist,
                      .centre = b.hand[0],
                      .forearm = b.hand[0] - b.elbow[0],
                      .unit = u,
                      .shaftDegrees = kWandDegrees});
        paintHandPointingDown(q, b.hand[1], 1.2 * u);
    });
    paintLemniscate(p, b.crown + QPointF(0, -0.5 * u), 1.2 * u);
}

// The table before him, the cup and the pentacle standing at its back, the
// wand and the sword lying in front of them.
void magicianTable(QPainter &p)
{
    style::paintGroundShadow(p, {88, kTableFoot}, 78, 5);
    style::paintContoured(p, style::kContourLine, [](QPainter &q) {
        const style::WoodcutFinish finish;
        // A cloth falls from the top to the ground and hides him from the hips down.
        QPainterPath front;
        front.addRect(QRectF(kTableLeft, kTableFront, kTableRight - kTableLeft, kTableFoot - kTableFront));
        drawShape(q, front, kWood, 2.4, style::kInteriorLine);
        QPainterPath panels;
        const double panel = (kTableRight - kTableLeft - 20) / 4;
        for (int i = 0; i < 4; ++i)
            panels.addRect(
                QRectF(kTableLeft + 10 + i * panel + 3, kTableFront + 10, panel - 6, kTableFoot - kTableFront - 20));
        drawLine(q, panels, kWood.shade, style::kInteriorLine);
        QPainterPath surface;
        surface.moveTo(kTableLeft + 8, kTableBack);
        surface.lineTo(kTableRight - 8, kTableBack);
        surface.lineTo(kTableRight, kTableFront);
        surface.lineTo(kTableLeft, kTableFront);
        surface.closeSubpath();
        drawShape(q, surface, kTableCloth, 1.2, style::kInteriorLine);
        paintCup(q, QRectF(26, 146, 30, 38));
        paintPentacle(q, QRectF(148, 152, 30, 30));
        q.save();
        q.translate(70, 185);
        q.rotate(84);
        paintWand(q, QRectF(-4, -30, 8, 60), 4);
        q.restore();
        q.save();
        q.translate(128, 187);
        q.rotate(-94);
        paintSword(q, QRectF(-6.5, -38, 13, 76));
        q.restore();
    });
}

// Roses and lilies in the foreground.
void magicianGarden(QPainter &p)
{
    const QRectF scene = trumpScene();
    for (int i = 0; i < 4; ++i)
        paintLily(p, {scene.left() + 22 + i * 46.0, 268}, 34 + (i % 2) * 5, i % 2 ? -1 : 1);
    for (int i = 0; i < 5; ++i) {
        const QPointF c(scene.left() + 2 + i * 48.0, 262 + (i % 2) * 4.0);
        drawShape(p, shapes::ellipse(c + QPointF(0, 6), 12, 7), kFoliage, 1.2);
        paintFlower(p, c, 6.0, kRuby);
    }
}

} // namespace

Trump theMagician()
{
    return {{{Layer::Scene, magicianArbour},
             {Layer::Figures, magicianFigure},
             {Layer::Figures, magicianTable},
             {Layer::Scene, magicianGarden}}};
}

} // namespace artwork::trumps
