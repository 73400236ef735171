// 7 The Lovers: an angel spreads its wings over the clouds with the sun behind; below, a man and
// a woman stand apart, unclothed but for a little drapery: he turns to look at her, she lifts her
// eyes to the angel. A tree of flames stands behind him, the apple tree with the serpent behind
// her, and a mountain rises between them.

#include "figures/Hands.h"
#include "trumps/Trump.h"

#include <cmath>

namespace artwork::trumps {

namespace {

using namespace shapes;
using style::kContourLine;
using style::kInteriorLine;
using style::paintContoured;
using style::smoothClosed;
using style::WoodcutFinish;

constexpr double kHorizon = 196;
constexpr double kGround = 264;
constexpr double kCloudLine = 120; // where the angel goes into the clouds

// A standing body seen three-quarter, in heads from the middle of its hips
// (x towards the way it turns, y down): the outline of the trunk and where
// its legs and shoulders go. The soles are 3.65 heads below the hips.
struct Build3q {
    std::vector<QPointF> trunk;
    QPointF hip[2], knee[2], ankle[2]; // [0] the near leg, [1] the far one
    QPointF shoulder[2];
    double limb; // a limb's half width at the top, in heads
};

Build3q manBuild()
{
    // Broad in the shoulder, narrow in the hip; his weight on the near leg,
    // the far knee eased forward.
    return {{{0.18, -2.34},
             {0.62, -2.12},
             {0.74, -1.92},
             {0.64, -1.55},
             {0.5, -1.05},
             {0.44, -0.7},
             {0.54, -0.25},
             {0.5, 0.1},
             {0.2, 0.4},
             {-0.12, 0.42},
             {-0.62, 0.12},
             {-0.68, -0.25},
             {-0.6, -0.7},
             {-0.68, -1.1},
             {-0.84, -1.55},
             {-0.92, -1.92},
             {-0.7, -2.14},
             {-0.14, -2.34}},
            {{-0.3, 0.1}, {0.26, 0.1}},
            {{-0.3, 1.8}, {0.46, 1.74}},
            {{-0.26, 3.45}, {0.42, 3.36}},
            {{-0.7, -1.94}, {0.58, -1.96}},
            0.34};
}

Build3q womanBuild()
{
    // Slighter shoulders, a narrow waist and wide hips; her weight on the far
    // leg, the near knee bent a little in.
    return {{{0.14, -2.3},
             {0.5, -2.1},
             {0.6, -1.92},
             {0.52, -1.55},
             {0.4, -1.05},
             {0.34, -0.72},
             {0.56, -0.2},
             {0.6, 0.1},
             {0.3, 0.42},
             {-0.16, 0.44},
             {-0.72, 0.16},
             {-0.76, -0.2},
             {-0.5, -0.72},
             {-0.54, -1.1},
             {-0.66, -1.55},
             {-0.74, -1.9},
             {-0.56, -2.12},
             {-0.12, -2.3}},
            {{-0.32, 0.14}, {0.3, 0.14}},
            {{-0.16, 1.84}, {0.32, 1.8}},
            {{-0.1, 3.46}, {0.34, 3.42}},
            {{-0.54, -1.94}, {0.46, -1.96}},
            0.31};
}

// From the body's own heads to the picture: `hips`, a head `u` high, turned
// towards `k` (1 the viewer's right, -1 the left).
QPointF placedAt(QPointF hips, double u, int k, QPointF q)
{
    return hips + QPointF(k * q.x() * u, q.y() * u);
}

// A bare leg and its foot, the foot pointing the way the body turns.
void bareLeg(QPainter &p, const Build3q &b, int i, QPointF hips, double u, int k, const Tone &skin)
{
    const auto at = [&](QPointF q) { return placedAt(hips, u, k, q); };
    const auto n = static_cast<std::size_t>(i);
    const QPointF hip = at(b.hip[n]), knee = at(b.knee[n]), ankle = at(b.ankle[n]);
    const double w = b.limb * u;
    drawShape(p, ellipse(ankle + QPointF(k * 0.14 * u, 0.12 * u), 0.27 * u, 0.1 * u), skin, 0.4, 1.0);
    drawShape(p,
              limb({hip, lerp(hip, knee, 0.5), knee, lerp(knee, ankle, 0.35), ankle},
                   {w, 0.8 * w, 0.56 * w, 0.58 * w, 0.34 * w}),
              skin, 1.0, 1.0);
}

// The body without its arms and head: the far leg in shade, the near leg, the trunk.
void bareBody(QPainter &p, const Build3q &b, QPointF hips, double u, int k, const Tone &skin)
{
    bareLeg(p, b, 1, hips, u, k, {skin.shade, skin.shade.darker(112)});
    bareLeg(p, b, 0, hips, u, k, skin);
    std::vector<QPointF> trunk;
    for (const QPointF &q : b.trunk)
        trunk.push_back(placedAt(hips, u, k, q));
    drawShape(p, smoothClosed(trunk), skin, std::max(1.2, 0.12 * u), 1.0);
    drawShape(p, limb({placedAt(hips, u, k, {0.04, -2.2}), placedAt(hips, u, k, {0.1, -2.62})}, {0.17 * u, 0.16 * u}),
              skin, 0.6, 1.0);
}

// A bare arm from the shoulder bent at `elbow`, ending in a hand drawn with `grip`.
void bareArm(QPainter &p, QPointF shoulder, QPointF elbow, QPointF hand, double u, double half, const Tone &skin,
             Grip grip, int thumbSide = 1)
{
    drawShape(p, limb({shoulder, elbow, hand}, {half * u, 0.78 * half * u, 0.58 * half * u}), skin, 0.8, 1.0);
    paintHand(
        p,
        {.grip = grip, .centre = hand, .forearm = hand - elbow, .unit = 1.1 * u, .skin = skin, .thumbSide = thumbSide});
}

// Her drapery: a rose cloth wound round the hips and falling below the
// knees, its end brought up over the breast to the far shoulder.
void paintDrape(QPainter &p, QPointF hips, double u, int k)
{
    const auto at = [&](double x, double y) { return placedAt(hips, u, k, {x, y}); };
    drawShape(p,
              smoothClosed({at(-0.8, -0.42), at(0.62, -0.5), at(0.7, 0.4), at(0.66, 1.3), at(0.74, 2.3), at(0.2, 2.42),
                            at(-0.3, 2.34), at(-0.7, 2.4), at(-0.86, 1.4), at(-0.9, 0.3)}),
              kRoseDrape, 1.4, 1.0);
    drawShape(p,
              limb({at(-0.72, -0.4), at(-0.44, -1.2), at(0.1, -1.62), at(0.5, -2.02)},
                   {0.26 * u, 0.34 * u, 0.3 * u, 0.18 * u}),
              kRoseDrape, 1.2, 1.0);
    QPainterPath folds;
    for (double x : {-0.5, -0.1, 0.3}) {
        folds.moveTo(at(x + 0.1, 0.2));
        folds.quadTo(at(x - 0.05, 1.2), at(x + 0.02, 2.3));
    }
    folds.moveTo(at(-0.5, -0.8));
    folds.quadTo(at(-0.1, -1.3), at(0.3, -1.72));
    drawLine(p, folds, kRoseDrape.shade, kInteriorLine);
}

// The angel's great wings, spread wide and lifted: long flight feathers
// fanned from the arm of the wing, under a band of coverts, each feather a
// pointed blade with its quill.
void spreadWings(QPainter &p, QPointF root, double u)
{
    for (int s : {-1, 1}) {
        const QPointF wrist = root + QPointF(s * 1.9 * u, -1.75 * u), tip = root + QPointF(s * 2.7 * u, -1.3 * u);
        const int feathers = 9;
        for (int i = feathers - 1; i >= 0; --i) {
            const double t = static_cast<double>(i) / (feathers - 1);
            const QPointF from = t < 0.55 ? lerp(root + QPointF(s * 0.4 * u, -0.3 * u), wrist, t / 0.55)
                                          : lerp(wrist, tip, (t - 0.55) / 0.45);
            const double degrees = s * (6 + 40 * t); // from hanging down to sweeping out
            const QPointF dir(s * std::sin(std::abs(degrees) * M_PI / 180), std::cos(degrees * M_PI / 180));
            const double len = (1.4 + 0.3 * t) * u;
            const QPointF to = from + dir * len;
            drawShape(p, limb({from, lerp(from, to, 0.5), to}, {0.3 * u, 0.32 * u, 0.05 * u}), kRoseFlightFeathers, 0.8,
                      1.0);
            QPainterPath quill;
            quill.moveTo(lerp(from, to, 0.15));
            quill.lineTo(lerp(from, to, 0.85));
            drawLine(p, quill, kRoseFlightFeathers.shade, kInteriorLine);
        }
        const QPainterPath coverts = smoothClosed(
            {root + QPointF(s * 0.1 * u, 0.2 * u), root + QPointF(s * 0.5 * u, -0.9 * u),
             wrist + QPointF(-s * 0.2 * u, -0.35 * u), wrist + QPointF(s * 0.5 * u, -0.25 * u),
             tip + QPointF(-s * 0.1 * u, -0.2 * u), tip + QPointF(-s * 0.4 * u, 0.3 * u), wrist + QPointF(0, 0.8 * u),
             root + QPointF(s * 1.0 * u, 0.5 * u)});
        drawShape(p, coverts, kAngelFeathers, 1.4, 1.0);
        // Short quills along the coverts, and a row of pointed feathers
        // hanging from their lower edge.
        QPainterPath quills;
        for (int i = 0; i < 6; ++i) {
            const double t = (i + 0.6) / 6.5;
            const QPointF q = t < 0.5 ? lerp(root + QPointF(s * 0.6 * u, -0.5 * u), wrist, t / 0.5)
                                      : lerp(wrist, tip + QPointF(-s * 0.3 * u, 0), (t - 0.5) / 0.5);
            quills.moveTo(q + QPointF(0, 0.05 * u));
            quills.lineTo(q + QPointF(s * 0.1 * u, 0.45 * u));
        }
        p.save();
        p.setClipPath(coverts, Qt::IntersectClip);
        drawLine(p, quills, kAngelFeathers.shade, kInteriorLine);
        p.restore();
        // A row of greater coverts along the lower edge, broad rounded
        // feathers each overlapping the next and lying the way the flight
        // feathers below them run.
        const QPointF lowRoot = root + QPointF(s * 0.75 * u, 0.05 * u),
                      lowWrist = wrist + QPointF(s * 0.1 * u, 0.45 * u),
                      lowTip = tip + QPointF(-s * 0.45 * u, 0.05 * u);
        const int row = 10;
        for (int i = row - 1; i >= 0; --i) {
            const double t = static_cast<double>(i) / (row - 1);
            const QPointF from = t < 0.5 ? lerp(lowRoot, lowWrist, t / 0.5) : lerp(lowWrist, lowTip, (t - 0.5) / 0.5);
            const double degrees = 6 + 40 * t;
            const QPointF dir(s * std::sin(degrees * M_PI / 180), std::cos(degrees * M_PI / 180));
            const QPointF to = from + dir * 0.5 * u;
            drawShape(p, limb({from - dir * 0.25 * u, lerp(from, to, 0.5), to}, {0.2 * u, 0.22 * u, 0.12 * u}),
                      kAngelFeathers, 0.5, kInteriorLine);
        }
    }
}

Figure theAngel()
{
    Figure a;
    a.base = {100, 204};
    a.height = 150;
    a.build = Build::Youth;
    a.robe = {kAngelRobe, std::nullopt, Cut::Gown, {}, kGold, false};
    a.hair = Hair::Shoulder;
    a.hairColour = kHairFlame;
    a.features = Features{.view = View::Front, .gaze = {0, 0.8}, .age = Age::Young, .expression = Expression::Gentle};
    // The arms spread over the pair below, the hands open in blessing.
    a.left = {.grip = Grip::Rest, .at = QPointF(-2.15, 0.35)};
    a.right = {.grip = Grip::Rest, .at = QPointF(2.15, 0.35)};
    return a;
}

void loversSky(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, kHorizon, kDaySky);
    paintSun(p, {100, 60}, 40, false);
    paintMountains(p, kHorizon + 4, 78, 122, 70, 3, kRock, true);
    paintHills(p, scene, kHorizon, 2);
}

// The angel, down to where the clouds hide it.
void loversAngel(QPainter &p)
{
    const QRectF scene = trumpScene();
    const Figure angel = theAngel();
    const Body b = bodyOf(angel);
    style::paintWithin(p, QRectF(scene.left(), scene.top(), scene.width(), kCloudLine - scene.top()),
                       [&](QPainter &layer) {
                           paintContoured(layer, kContourLine, [&](QPainter &q) {
                               const WoodcutFinish finish;
                               spreadWings(q, (b.shoulder[0] + b.shoulder[1]) / 2 + QPointF(0, 0.3 * b.unit), b.unit);
                               paintFigure(q, angel);
                           });
                       });
}

// The apple tree behind her, its apples among the leaves.
void appleTree(QPainter &p, QPointF base, double height)
{
    paintTree(p, base, height, 21, TreeKind::Round, kAppleLeaves);
    const QPointF crown = base + QPointF(0, -height * 0.62);
    const double r = height * 0.36;
    const std::vector<QPointF> apples{{-0.5, -0.3},  {0.1, -0.62}, {0.55, -0.2},
                                      {0.22, -0.36}, {0.6, 0.25},  {-0.6, 0.35}};
    for (const QPointF &a : apples)
        drawShape(p, ellipse(crown + a * r, height * 0.045, height * 0.045), kRuby, 0.8, 0.8);
}

// The serpent coiled round the apple tree's trunk: three turns crossing the
// trunk in front, the last one rising out of the coils and up beside her
// shoulder, the head lifted towards an apple, a forked tongue out.
void serpentCoils(QPainter &p, QPointF base)
{
    const double half = 3.4;
    const auto trunkHalf = [&](double y) { return 8.0 - 3.2 * (base.y() - y) / 57.0; };
    const auto side = [&](double y, int s) { return QPointF(base.x() + s * (trunkHalf(y) + 0.6), y); };
    // The tail hanging from the lowest turn.
    drawShape(p,
              limb({side(241, -1) + QPointF(1, 0), QPointF(base.x() - 11, 243), QPointF(base.x() - 14, 245.5)},
                   {0.8 * half, 0.5 * half, 0.15 * half}),
              kGreenSerpent, 0.8, 1.0);
    for (double y : {241.0, 228.0, 215.0}) {
        const QPointF from = side(y, -1), to = side(y - 6, 1);
        drawShape(p, limb({from, (from + to) / 2 + QPointF(0, 2.5), to}, {0.9 * half, half, 0.9 * half}), kGreenSerpent,
                  0.9, 1.0);
        // The belly scales showing along the lower edge of each turn.
        QPainterPath belly;
        belly.moveTo(from + QPointF(1.5, 2.2));
        belly.quadTo((from + to) / 2 + QPointF(0, 4.6), to + QPointF(-1.5, 2.2));
        drawLine(p, belly, kGreenSerpent.shade, kInteriorLine);
    }
    // Out of the top turn, up in front of the leaves to beside her shoulder.
    const std::vector<QPointF> neck{side(209, 1), base + QPointF(12, -46), base + QPointF(7, -56),
                                    base + QPointF(-4, -61), base + QPointF(-10, -66)};
    drawShape(p, limb(neck, {half, half, 0.95 * half, 0.85 * half, 0.8 * half}), kGreenSerpent, 0.9, 1.0);
    const QPointF nape = neck.back(), d = unitVector(QPointF(0.55, -1));
    const QPointF head = nape + d * 5.0;
    QPainterPath tongue;
    tongue.moveTo(head + d * 5.5);
    tongue.lineTo(head + d * 9.5);
    tongue.lineTo(head + d * 12.0 + normal(d) * 1.8);
    tongue.moveTo(head + d * 9.5);
    tongue.lineTo(head + d * 12.0 - normal(d) * 1.8);
    drawLine(p, tongue, kCrossGuard.base, 0.9);
    // A broad wedge of a head, wider behind the eyes than at the snout.
    const QPainterPath skull = smoothClosed({head - d * 6.0 + normal(d) * 3.0, head + normal(d) * 4.2,
                                             head + d * 6.2 + normal(d) * 1.6, head + d * 6.6 - normal(d) * 1.6,
                                             head - normal(d) * 4.2, head - d * 6.0 - normal(d) * 3.0});
    drawShape(p, skull, kGreenSerpent, 0.9, 1.0);
    const QPointF eye = head + d * 1.2 - normal(d) * 1.9;
    drawShape(p, ellipse(eye, 1.5, 1.5), {kGold.base, kGold.base}, 0, 0.5);
    drawShape(p, ellipse(eye + d * 0.2, 0.55, 1.1, angleOf(d)), {kOutline, kOutline}, 0, 0);
}

void loversCloudsAndTrees(QPainter &p)
{
    paintCloud(p, {100, kCloudLine + 6}, 130, 5);
    paintCloud(p, {36, kCloudLine + 10}, 66, 8);
    paintCloud(p, {164, kCloudLine + 8}, 66, 9);
    paintFlameTree(p, {26, 246}, 108, 12);
    appleTree(p, {170, 246}, 114);
    serpentCoils(p, {170, 246});
}

// He stands on the left, turned to her, his near arm easy at his side and
// the other opened towards her; he looks at her.
void loversMan(QPainter &p)
{
    const double u = 18.5;
    const int k = 1;
    const QPointF hips(67, kGround - 3.65 * u);
    const Build3q b = manBuild();
    const auto at = [&](double x, double y) { return placedAt(hips, u, k, {x, y}); };
    style::paintGroundShadow(p, {hips.x() + 2, kGround + 1}, 20, 3.5);
    paintContoured(p, kContourLine, [&](QPainter &q) {
        const WoodcutFinish finish;
        bareBody(q, b, hips, u, k, kSunnedSkin);
        // A linen cloth wrapped round his hips, knotted at the far hip.
        drawShape(q,
                  smoothClosed({at(-0.72, -0.36), at(0.6, -0.42), at(0.64, 0.1), at(0.56, 0.6), at(0.1, 0.88),
                                at(-0.4, 1.02), at(-0.74, 0.96), at(-0.78, 0.3)}),
                  kLoinLinen, 1.2, 1.0);
        QPainterPath folds;
        for (double x : {-0.45, -0.1, 0.25}) {
            folds.moveTo(at(0.5, -0.3 + 0.1 * x));
            folds.quadTo(at(x + 0.1, 0.2), at(x - 0.05, 0.9 - 0.2 * x));
        }
        drawLine(q, folds, kLoinLinen.shade, kInteriorLine);
        drawShape(q, limb({at(0.5, -0.32), at(0.66, 0.2), at(0.72, 0.66)}, {0.12 * u, 0.14 * u, 0.1 * u}), kLoinLinen,
                  0.6, kInteriorLine);
        drawShape(q, ellipse(at(0.5, -0.32), 0.13 * u, 0.11 * u), kLoinLinen, 0.4, kInteriorLine);
        // The collarbones and the edge of the chest, turned with him.
        QPainterPath chest;
        chest.moveTo(at(-0.5, -2.08));
        chest.quadTo(at(-0.2, -2.02), at(0.0, -2.14));
        chest.quadTo(at(0.22, -2.02), at(0.46, -2.06));
        chest.moveTo(at(-0.46, -1.5));
        chest.quadTo(at(-0.1, -1.28), at(0.18, -1.5));
        drawLine(q, chest, kSunnedSkin.shade, kInteriorLine);
        bareArm(q, at(-0.7, -1.94), at(-0.9, -0.8), at(-0.82, 0.22), u, 0.2, kSunnedSkin, Grip::Rest);
        bareArm(q, at(0.58, -1.96), at(0.86, -0.95), at(1.5, -0.72), u, 0.19, kSunnedSkin, Grip::Palm, -1);
        Figure head;
        head.hairColour = kHairDarkBrown;
        head.skin = kSunnedSkin;
        head.features = Features{.view = View::ThreeQuarter,
                                 .side = k,
                                 .gaze = {1, 0.15},
                                 .age = Age::Young,
                                 .expression = Expression::Gentle,
                                 .breadth = 1.04};
        paintHead(q, head, at(0.14, -2.9), 1.2 * u);
    });
}

// She stands on the right, turned a little towards him but with her face
// lifted to the angel; a rose drapery round her hips and over her breast,
// held there by one hand, the other hanging open.
void loversWoman(QPainter &p)
{
    const double u = 16.8;
    const int k = -1;
    const QPointF hips(140, kGround - 3.65 * u);
    const Build3q b = womanBuild();
    const auto at = [&](double x, double y) { return placedAt(hips, u, k, {x, y}); };
    style::paintGroundShadow(p, {hips.x() + 2, kGround + 1}, 19, 3.5);
    paintContoured(p, kContourLine, [&](QPainter &q) {
        const WoodcutFinish finish;
        bareArm(q, at(0.46, -1.96), at(0.66, -0.9), at(0.86, 0.02), u, 0.16, {kFairSkin.shade, kFairSkin.shade},
                Grip::Rest);
        bareBody(q, b, hips, u, k, kFairSkin);
        paintDrape(q, hips, u, k);
        bareArm(q, at(-0.54, -1.94), at(-0.78, -0.95), at(-0.12, -1.42), u, 0.16, kFairSkin, Grip::Fist, 1);
        Figure head;
        head.build = Build::Woman;
        head.hair = Hair::Long;
        head.hairColour = kHairHoney;
        head.skin = kFairSkin;
        head.features = Features{.view = View::ThreeQuarter,
                                 .side = k,
                                 .gaze = {-0.45, -1},
                                 .age = Age::Young,
                                 .expression = Expression::Calm,
                                 .breadth = 0.94};
        const QPointF neck = at(0.06, -2.5), c = at(0.12, -2.9);
        q.save();
        q.translate(neck);
        q.rotate(22);
        q.translate(-neck);
        paintHead(q, head, c, 1.2 * u);
        q.restore();
    });
}

} // namespace

Trump theLovers()
{
    return {{{Layer::Scene, loversSky},
             {Layer::Figures, loversAngel},
             {Layer::Scene, loversCloudsAndTrees},
             {Layer::Figures, loversMan},
             {Layer::Figures, loversWoman}}};
}

} // namespace artwork::trumps
