// 12 Strength: a woman in white, flowers in her hair and the lemniscate over her head, bends over a
// calm lion and closes its jaws with both hands, one over its nose and one under its jaw; a chain of
// roses runs from her girdle to its neck. A blue mountain stands far off behind them.

#include "trumps/Trump.h"

#include "figures/Hands.h"

namespace artwork::trumps {

namespace {

using namespace shapes;
using style::paintContoured;
using style::paintGroundShadow;
using style::smoothClosed;

// The lion stands across the foreground facing the viewer's left, its head
// raised to her; everything of it is drawn in its own units (the height at
// the shoulder, facing right before the flip, the ground at y = 0).
const QPointF kLionBase{127, 262};
constexpr double kLionHeight = 68;
constexpr int kLionFacing = -1;

// How far she bends towards the lion: above the hips her body leans right,
// this many pixels across for every pixel up.
constexpr double kLean = 0.2;

QTransform lionFrame()
{
    return profileTransform(kLionBase, kLionHeight, kLionFacing);
}

QPointF onLion(double x, double y)
{
    return lionFrame().map(QPointF(x, y));
}

// The head and mane are drawn as if raised and then lowered by this much
// (negative: lifted): the lion lifts its head to her hands.
constexpr double kHeadDrop = -0.12;

QTransform headFrame()
{
    return QTransform::fromTranslate(0, kHeadDrop) * lionFrame();
}

QPointF onHead(double x, double y)
{
    return headFrame().map(QPointF(x, y));
}

// Where she bends: the line through her hips.
constexpr double kBendY = 166;

// Her lean above the hips.
QTransform lean()
{
    QTransform t;
    t.translate(0, kBendY);
    t.shear(-kLean, 0);
    t.translate(0, -kBendY);
    return t;
}

// A point of the picture in her own upright frame: above the hips, where
// the lean moved it from.
QPointF unleaned(QPointF point)
{
    return point.y() < kBendY ? lean().inverted().map(point) : point;
}

// Where her hands lie on the lion: one over its upper jaw and nose, one
// under its lower jaw, pressing the jaws together.
QPointF noseHold()
{
    return onHead(1.06, -1.37);
}
QPointF chinHold()
{
    return onHead(0.98, -1.05);
}

Figure theWoman()
{
    Figure w;
    w.base = {47, 258};
    w.height = 176;
    w.build = Build::Woman;
    w.robe = {kLinen, std::nullopt, Cut::Gown, {}, kGold, false};
    w.hair = Hair::Long;
    w.hairColour = kHairGold;
    w.headwear = Headwear::Wreath;
    w.features = Features{.view = View::ThreeQuarter,
                          .side = 1,
                          .gaze = {0.7, 1},
                          .age = Age::Young,
                          .expression = Expression::Gentle,
                          .breadth = 0.96};
    w.seed = 12;
    // Her hands close the lion's jaws, found in her own unleaned frame.
    w.left.grip = Grip::Rest;
    w.right.grip = Grip::Rest;
    reachTo(w, -1, unleaned(noseHold()));
    reachTo(w, 1, unleaned(chinHold()));
    return w;
}

// ---- The lion ---------------------------------------------------------------

// The head in profile, its muzzle lifted a little to her.
std::vector<QPointF> lionHeadOutline()
{
    return {{0.58, -1.3},  {0.66, -1.52}, {0.84, -1.56}, {0.93, -1.5},  {1.12, -1.39}, {1.16, -1.32},
            {1.15, -1.22}, {1.08, -1.15}, {1.0, -1.1},   {0.84, -1.06}, {0.68, -1.1},  {0.58, -1.18}};
}

// A paw at the foot of a leg: a broad pad with three toes marked on it.
void lionPaw(QPainter &q, const QTransform &t, QPointF heel, const Tone &coat)
{
    const QPainterPath paw = t.map(
        smoothClosed({heel + QPointF(-0.06, 0.0), heel + QPointF(-0.05, -0.07), heel + QPointF(0.06, -0.08),
                      heel + QPointF(0.15, -0.04), heel + QPointF(0.16, 0.0)}));
    drawShape(q, paw, coat, 0.8, style::kInteriorLine);
    QPainterPath toes;
    for (double x : {0.06, 0.11}) {
        toes.moveTo(heel + QPointF(x, 0.0));
        toes.lineTo(heel + QPointF(x - 0.015, -0.04));
    }
    drawLine(q, t.map(toes), coat.shade.darker(130), style::kInteriorLine);
}

// The far legs, in the coat's shade behind the body: the fore leg a little
// back, the hind leg a little forward, as a lion stands at ease.
void lionFarLegs(QPainter &q, const QTransform &t)
{
    const Tone far{kLionCoat.shade, kLionCoat.shade.darker(125)};
    drawShape(q, t.map(limb({{0.38, -0.6}, {0.32, -0.36}, {0.36, -0.1}, {0.4, -0.05}}, {0.12, 0.08, 0.06, 0.06})), far,
              0.8, style::kInteriorLine);
    lionPaw(q, t, {0.34, 0.0}, far);
    drawShape(q, t.map(limb({{-0.38, -0.6}, {-0.24, -0.36}, {-0.44, -0.18}, {-0.4, -0.05}}, {0.17, 0.1, 0.06, 0.06})),
              far, 0.8, style::kInteriorLine);
    lionPaw(q, t, {-0.44, 0.0}, far);
}

// The tail, low from the rump and curling up at its tufted end.
void lionTail(QPainter &q, const QTransform &t)
{
    QPainterPath tail;
    tail.moveTo(-0.7, -0.84);
    tail.cubicTo(-0.84, -0.76, -0.84, -0.42, -0.78, -0.24);
    tail.cubicTo(-0.74, -0.14, -0.62, -0.16, -0.64, -0.28);
    drawLine(q, t.map(tail), kOutline, 0.11 * kLionHeight);
    drawLine(q, t.map(tail), kLionCoat.base, 0.075 * kLionHeight);
    drawShape(q, t.map(ellipse({-0.65, -0.32}, 0.05, 0.08, 20)), kLionMane, 0.8, style::kInteriorLine);
}

// The near side: back, chest, a fore leg with its elbow and wrist, the belly,
// a hind leg with its stifle forward and its hock back.
void lionBody(QPainter &q, const QTransform &t)
{
    Profile pr;
    pr.top = {{-0.72, -0.86}, {-0.45, -0.93}, {-0.1, -0.9}, {0.2, -0.96}, {0.42, -1.05}, {0.56, -1.25}, {0.74, -0.9}};
    pr.foreLeg = {{0.52, -0.58}, {0.5, -0.34}, {0.54, -0.1}, {0.58, -0.05}};
    pr.foreHalf = {0.16, 0.1, 0.07, 0.065};
    pr.belly = {{0.32, -0.42}, {0.0, -0.4}, {-0.3, -0.46}};
    pr.hindLeg = {{-0.52, -0.6}, {-0.38, -0.36}, {-0.6, -0.18}, {-0.55, -0.05}};
    pr.hindHalf = {0.2, 0.12, 0.07, 0.065};
    pr.rear = {{-0.74, -0.72}};
    drawShape(q, t.map(profileOutline(pr)), kLionCoat, 0.05 * kLionHeight);
    lionPaw(q, t, {0.54, 0.0}, kLionCoat);
    lionPaw(q, t, {-0.6, 0.0}, kLionCoat);
    // The shoulder and the haunch under the coat.
    QPainterPath form;
    form.moveTo(0.34, -0.86);
    form.quadTo(0.28, -0.62, 0.4, -0.5);
    form.moveTo(-0.36, -0.86);
    form.quadTo(-0.24, -0.62, -0.4, -0.44);
    drawLine(q, t.map(form), kLionCoat.shade, style::kInteriorLine);
}

// The mane's ragged edge round the head and down over the chest.
std::vector<QPointF> lionManeEdge()
{
    const QPointF c(0.6, -1.2);
    std::vector<QPointF> ring;
    for (int i = 0; i < 22; ++i) {
        const double a = i * 2 * M_PI / 22;
        const double r = i % 2 ? 0.34 : 0.45;
        ring.push_back(c + QPointF(std::cos(a) * r * 0.9, std::sin(a) * r * (std::sin(a) > 0 ? 1.25 : 1.0)));
    }
    return ring;
}

// A heavy mane from the brow down over the chest, in ragged locks.
void lionMane(QPainter &q, const QTransform &t)
{
    const QPointF c(0.6, -1.2);
    drawShape(q, t.map(smoothClosed(lionManeEdge())), kLionMane, 0.07 * kLionHeight);
    QPainterPath locks;
    for (int i = 0; i < 9; ++i) {
        const double a = -2.2 + i * 0.52;
        locks.moveTo(c + QPointF(std::cos(a) * 0.16, std::sin(a) * 0.18));
        locks.quadTo(c + QPointF(std::cos(a + 0.2) * 0.26, std::sin(a + 0.2) * 0.3),
                     c + QPointF(std::cos(a) * 0.33, std::sin(a) * 0.38));
    }
    drawLine(q, t.map(locks), kLionMane.shade, style::kInteriorLine);
}

// The head in profile, raised to her: the mouth just closing, the eye half closed
// and looking up.
void lionHead(QPainter &q, const QTransform &t)
{
    drawShape(q, t.map(ellipse({0.64, -1.52}, 0.08, 0.09)), kLionCoat, 0.6, style::kInteriorLine);
    drawShape(q, t.map(ellipse({0.64, -1.52}, 0.04, 0.045)), kLionMane, 0, 0);
    drawShape(q, t.map(smoothClosed(lionHeadOutline())), kLionCoat, 0.05 * kLionHeight, style::kInteriorLine);
    // The ruff of the cheek and the nose pad.
    QPainterPath ruff;
    ruff.moveTo(0.72, -1.44);
    ruff.quadTo(0.66, -1.3, 0.72, -1.14);
    drawLine(q, t.map(ruff), kLionCoat.shade, style::kInteriorLine);
    QPainterPath nose;
    nose.moveTo(1.1, -1.4);
    nose.lineTo(1.17, -1.33);
    nose.lineTo(1.11, -1.29);
    nose.closeSubpath();
    drawShape(q, t.map(nose), {kOutline, kOutline}, 0, 0);
    // The mouth just closing: a narrow dark gap between the jaws, wider at
    // the front.
    QPainterPath mouth;
    mouth.moveTo(1.14, -1.29);
    mouth.lineTo(1.14, -1.25);
    mouth.quadTo(1.04, -1.22, 0.94, -1.2);
    mouth.quadTo(1.04, -1.19, 1.13, -1.19);
    mouth.closeSubpath();
    drawShape(q, t.map(mouth), {kOutline, kOutline}, 0, style::kInteriorLine);
    QPainterPath corner;
    corner.moveTo(0.94, -1.2);
    corner.quadTo(0.92, -1.19, 0.93, -1.16);
    drawLine(q, t.map(corner), kOutline, style::kInteriorLine);
    // The eye under a heavy lid, turned up to her face.
    const QPointF eye(0.9, -1.45);
    drawShape(q, t.map(ellipse(eye, 0.045, 0.026, -25)), {kEagleEye.base, kEagleEye.base}, 0, style::kInteriorLine);
    drawShape(q, t.map(ellipse(eye + QPointF(0.018, -0.008), 0.016, 0.016)), {kOutline, kOutline}, 0, 0);
    QPainterPath lid;
    lid.moveTo(eye + QPointF(-0.055, 0.01));
    lid.quadTo(eye + QPointF(0.0, -0.045), eye + QPointF(0.055, -0.02));
    lid.moveTo(eye + QPointF(-0.03, -0.08));
    lid.quadTo(eye + QPointF(0.02, -0.1), eye + QPointF(0.07, -0.07));
    drawLine(q, t.map(lid), kOutline, 1.3);
    // Whisker spots.
    for (int i = 0; i < 3; ++i)
        drawShape(q, t.map(ellipse({1.0 + i * 0.04, -1.26 + (i % 2) * 0.025}, 0.01, 0.01)), {kOutline, kOutline}, 0, 0);
}

void paintCalmLion(QPainter &q)
{
    const QTransform t = lionFrame();
    lionFarLegs(q, t);
    lionTail(q, t);
    lionBody(q, t);
    lionMane(q, headFrame());
    lionHead(q, headFrame());
}

// ---- The woman and the land ----------------------------------------------------

void strengthLand(QPainter &p)
{
    const QRectF s = trumpScene();
    paintSky(p, s, 176, kGoldenSky);
    // One blue mountain far off between them, snow on its head.
    paintPeak(p, 122, 184, 48, 82, kBlueMountains, true, style::kDistantLine);
    paintHills(p, s, 182, 12);
    QPainterPath tufts;
    for (int i = 0; i < 6; ++i)
        addGrassTuft(tufts, {20.0 + i * 31.0, 263.0 + (i % 2) * 4.0});
    drawLine(p, tufts, kNearHills.shade, style::kInteriorLine);
}

// Flowers in her hair over the wreath, and the lemniscate over her head.
void paintCrown(QPainter &p, const Figure &w)
{
    const Body b = bodyOf(w);
    for (int i = -2; i <= 2; ++i)
        paintFlower(p, b.crown + QPointF(i * 0.2 * b.unit, 0.12 * b.unit + std::abs(i) * 0.1 * b.unit), 0.13 * b.unit,
                    i % 2 ? kRoseRed : kWhiteRose);
    paintLemniscate(p, b.crown + QPointF(0, -0.62 * b.unit), 1.6 * b.headWidth);
}

// Where her forearms and hands lie over the lion's head, as an opaque mask
// in her own upright frame.
QImage forearmsMask(QPainter &p, const Figure &w)
{
    const Body b = bodyOf(w);
    const double thick = armMeasures(w.build).thickness * b.unit;
    QImage mask(p.device()->width(), p.device()->height(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter mp(&mask);
    mp.setRenderHints(p.renderHints());
    mp.setWorldTransform(p.worldTransform());
    // Only where they cross the lion's head and mane, so that their contour
    // is drawn there and nowhere across her sleeves.
    QPainterPath lion = headFrame().map(smoothClosed(lionManeEdge()));
    lion.addPath(headFrame().map(smoothClosed(lionHeadOutline())));
    lion = united(lion);
    QPainterPathStroker grow;
    grow.setWidth(3.0);
    mp.setClipPath(lion.united(grow.createStroke(lion)));
    {
        QPainter &q = mp;
        for (std::size_t i : {0u, 1u}) {
            const QPointF elbow = b.elbow[i], hand = b.hand[i];
            const QPointF wrist = hand - unitVector(hand - elbow) * 0.2 * b.unit;
            // The hand under the jaw comes from behind the head: only the
            // hand itself lies over the lion.
            if (i == 0)
                drawShape(q, limb({elbow, wrist}, {0.23 * thick, 0.27 * thick}), kLinen, 0, 1.0);
            paintHand(q, {.grip = Grip::Rest,
                          .centre = hand,
                          .forearm = hand - elbow,
                          .unit = b.unit,
                          .thumbSide = hand.x() < b.crown.x() ? 1 : -1});
        }
    }
    mp.end();
    return mask;
}

// The woman painted upright on a layer of her own the size of the canvas,
// with her contour; she bends when the layer is laid down. With `arms`, only
// her forearms and hands are kept, to be laid over the lion.
QImage womanLayer(QPainter &p, bool arms)
{
    const Figure w = theWoman();
    QImage layer(p.device()->width(), p.device()->height(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter lp(&layer);
    lp.setRenderHints(p.renderHints());
    lp.setWorldTransform(p.worldTransform());
    paintContoured(lp, style::kContourLine, [&](QPainter &q) {
        style::WoodcutFinish finish;
        paintFigure(q, w);
        paintCrown(q, w);
    });
    if (arms) {
        lp.resetTransform();
        lp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        lp.drawImage(0, 0, forearmsMask(p, w));
    }
    lp.end();
    return layer;
}

// Lays a layer of her down leaning towards the lion. The lean is applied to
// the finished layer rather than to the painter: the kit's shading clips
// every shape, and clips through a sheared painter are very slow.
void layDown(QPainter &p, const QImage &layer)
{
    const QTransform world = p.worldTransform();
    const QRectF above(-1000, -1000, 3000, 1000 + kBendY);
    p.save();
    p.setClipRect(above.adjusted(0, above.height(), 0, 2000), Qt::IntersectClip);
    p.resetTransform();
    p.drawImage(0, 0, layer);
    p.restore();
    p.save();
    p.setClipRect(above, Qt::IntersectClip);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setTransform(world.inverted() * lean() * world);
    p.drawImage(0, 0, layer);
    p.restore();
}

// Her forearms and hands come with a contour of their own where they lie
// over the lion.
void paintWoman(QPainter &p, bool arms)
{
    const QImage layer = womanLayer(p, arms);
    if (arms)
        paintContoured(p, style::kContourLine, [&](QPainter &q) { layDown(q, layer); });
    else
        layDown(p, layer);
}

void strengthWoman(QPainter &p)
{
    const Figure w = theWoman();
    paintGroundShadow(p, w.base, 0.9 * bodyOf(w).unit, 4.5);
    paintWoman(p, false);
}

void strengthLion(QPainter &p)
{
    paintGroundShadow(p, kLionBase + QPointF(-8, 0), 0.8 * kLionHeight, 5);
    paintContoured(p, style::kContourLine, [](QPainter &q) {
        style::WoodcutFinish finish;
        paintCalmLion(q);
    });
}

// The chain of roses: from her girdle down her skirt (behind the lion's
// head), then, over the lion, a swag across its chest to its neck.
const QPointF kGarlandDrop{50, 204};

void strengthGarland(QPainter &p)
{
    const Figure w = theWoman();
    const Body b = bodyOf(w);
    const QPointF girdle = lean().map(b.waist + QPointF(0.3 * b.unit, 0.1 * b.unit));
    QPainterPath fromGirdle;
    fromGirdle.moveTo(girdle);
    fromGirdle.cubicTo(girdle + QPointF(-4, 20), kGarlandDrop + QPointF(-4, -20), kGarlandDrop);
    paintGarland(p, fromGirdle, 3.0);
}

void strengthSwag(QPainter &p)
{
    QPainterPath swag;
    swag.moveTo(kGarlandDrop);
    swag.cubicTo(kGarlandDrop + QPointF(6, 14), onLion(0.62, -0.66), onLion(0.46, -0.76));
    swag.quadTo(onLion(0.36, -0.86), onLion(0.36, -0.98));
    paintGarland(p, swag, 3.0);
}

void strengthArms(QPainter &p)
{
    paintWoman(p, true);
}

} // namespace

Trump strength()
{
    return {{{Layer::Scene, strengthLand},
             {Layer::Figures, strengthWoman},
             {Layer::Figures, strengthGarland},
             {Layer::Figures, strengthLion},
             {Layer::Figures, strengthSwag},
             {Layer::Figures, strengthArms}}};
}

} // namespace artwork::trumps
