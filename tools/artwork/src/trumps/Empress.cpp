// 4 The Empress: crowned with twelve stars and enthroned on cushions among cypresses and ripe
// wheat, her gown worked with pomegranates, a sceptre in her hand, the heart-shaped shield with the
// sign of Venus beside her, a stream behind.

#include "trumps/Trump.h"

#include "figures/Hands.h"

#include <QtMath>

#include <cmath>

namespace artwork::trumps {

namespace {

using shapes::ellipse;

constexpr double kHorizon = 150;

Figure empressRecord()
{
    Figure e;
    e.base = {104, 250};
    e.height = 192;
    e.pose = Pose::Seated;
    e.build = Build::Woman;
    e.robe = {kWhiteCloth, kGreen, Cut::Gown, kHoseBlue, kGold, false};
    e.hair = Hair::Shoulder;
    e.hairColour = kHairGold;
    e.features = Features{.view = View::ThreeQuarter,
                          .side = -1,
                          .gaze = {-0.7, 0.2},
                          .age = Age::Prime,
                          .expression = Expression::Gentle,
                          .breadth = 1.0};
    e.kneesApart = 0.15;
    // The sceptre gripped upright at her left shoulder; the other hand rests on her knee.
    e.right = {.gesture = Gesture::Raised, .held = Held::Sceptre, .size = 1.2, .grip = Grip::Fist, .angle = 4.0};
    e.left = {.grip = Grip::Rest, .at = QPointF(-0.15, 2.55)};
    e.seed = 4;
    return e;
}

void empressGarden(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, kHorizon, kGoldenSky);
    paintHills(p, scene, kHorizon, 9);
    paintRiver(
        p,
        {{150, kHorizon + 4}, {166, kHorizon + 30}, {158, kHorizon + 60}, {178, kHorizon + 90}, {200, kHorizon + 110}},
        8, 22);
    for (int i = 0; i < 4; ++i)
        paintTree(p, {20.0 + i * 10, kHorizon + 34 + (i % 2) * 6}, 84 - i * 6, 31 + i, TreeKind::Cypress);
    for (int i = 0; i < 3; ++i)
        paintTree(p, {184.0 - i * 12, kHorizon + 30 + (i % 2) * 8}, 78 - i * 8, 41 + i, TreeKind::Cypress);
}

// A pomegranate worked on the gown: a round red fruit with its little crown, split to show its seeds.
void paintPomegranate(QPainter &p, QPointF c, double r)
{
    QPainterPath crown;
    crown.moveTo(c + QPointF(-0.35 * r, -0.8 * r));
    crown.lineTo(c + QPointF(-0.32 * r, -1.3 * r));
    crown.lineTo(c + QPointF(0, -1.0 * r));
    crown.lineTo(c + QPointF(0.32 * r, -1.3 * r));
    crown.lineTo(c + QPointF(0.35 * r, -0.8 * r));
    crown.closeSubpath();
    drawShape(p, crown, kPomegranate, 0, 0.5);
    drawShape(p, ellipse(c, r, 0.95 * r), kPomegranate, 0.3 * r, 0.6);
    // The split: a pale wedge with seeds in it.
    QPainterPath split;
    split.moveTo(c + QPointF(0, -0.15 * r));
    split.lineTo(c + QPointF(-0.45 * r, 0.7 * r));
    split.quadTo(c + QPointF(0, 0.95 * r), c + QPointF(0.45 * r, 0.7 * r));
    split.closeSubpath();
    drawShape(p, split, kPomegranateFlesh, 0, 0.4);
    for (QPointF d : {QPointF(-0.18, 0.45), QPointF(0.18, 0.45), QPointF(0, 0.7)})
        drawShape(p, ellipse(c + d * r, 0.1 * r, 0.1 * r), {kPomegranate.shade, kPomegranate.shade}, 0, 0);
}

// Plump cushions heaped on the throne's seat either side of her.
void paintCushions(QPainter &p, const Body &b)
{
    const double u = b.unit;
    for (int s : {-1, 1}) {
        const QPointF c(b.hips.x() + s * 1.55 * u, b.seatY - 0.5 * u);
        drawShape(p, ellipse(c, 0.75 * u, 0.5 * u, s * 12.0), kCrimson, 1.2, style::kInteriorLine);
        for (int k : {-1, 1})
            drawShape(p, ellipse(c + QPointF(k * 0.72 * u, k * s * 0.14 * u), 0.1 * u, 0.1 * u), kGold, 0, 0.6);
    }
    // A long bolster across the back, behind her shoulders.
    QPainterPath bolster;
    bolster.addRoundedRect(QRectF(b.hips.x() - 1.9 * u, b.shoulder[0].y() + 0.3 * u, 3.8 * u, 0.8 * u), 0.4 * u,
                           0.4 * u);
    drawShape(p, bolster, kCrimson, 1.0, style::kInteriorLine);
}

// Her crown: a thin gold band round her head with twelve six-pointed stars standing on it. The
// band is seen a little from above, so the six stars at its back stand higher and smaller over her
// hair and the six at its front, drawn last, are the largest.
void paintStarCrown(QPainter &p, const Body &b)
{
    const double u = b.unit, w = b.headWidth, h = b.headHeight;
    const QPointF c = b.headCentre + QPointF(0, -0.27 * h);
    const double rx = 0.72 * w, ry = 0.2 * h;
    auto onBand = [&](double deg) {
        const double a = qDegreesToRadians(deg);
        return c + QPointF(std::cos(a) * rx, std::sin(a) * ry);
    };
    auto star = [&](int i) {
        const double deg = 15.0 + i * 30.0, depth = std::sin(qDegreesToRadians(deg));
        const double r = (0.125 + 0.04 * depth) * u;
        paintStar(p, onBand(deg) + QPointF(0, -0.8 * r), r, 6);
    };
    // The six at the back first, then the front of the band over their feet, then the front six.
    for (int i : {8, 9, 7, 10, 6, 11})
        star(i);
    QPainterPath band;
    band.moveTo(onBand(180));
    for (int d = 170; d >= 0; d -= 10)
        band.lineTo(onBand(d));
    drawLine(p, band, kOutline, 0.1 * u);
    drawLine(p, band, kGold.base, 0.06 * u);
    for (int i : {0, 5, 1, 4, 2, 3})
        star(i);
}

// Pomegranates worked over the gown in rows: on the breast, across the lap and down the skirt.
void paintGownPomegranates(QPainter &p, const Body &b)
{
    const double u = b.unit, x = b.hips.x(), r = 0.15 * u;
    const QPointF motifs[] = {{x - 0.05 * u, b.shoulder[0].y() + 0.7 * u}, {x - 0.7 * u, b.seatY - 0.05 * u},
                              {x + 0.1 * u, b.seatY + 0.05 * u},           {x + 0.85 * u, b.seatY - 0.1 * u},
                              {x - 0.35 * u, b.seatY + 0.85 * u},          {x + 0.5 * u, b.seatY + 0.85 * u},
                              {x - 0.75 * u, b.seatY + 1.55 * u},          {x + 0.05 * u, b.seatY + 1.6 * u},
                              {x + 0.85 * u, b.seatY + 1.55 * u}};
    for (QPointF m : motifs)
        paintPomegranate(p, m, r);
}

void empressFigure(QPainter &p)
{
    const Figure empress = empressRecord();
    const Body b = bodyOf(empress);
    style::paintGroundShadow(p, {b.hips.x(), empress.base.y() + 0.5}, 66, 6);
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        paintThrone(q, empress, {kIvoryStone, kCrimson, 1.0});
        paintCushions(q, b);
        paintFigure(q, empress);
        paintGownPomegranates(q, b);
        paintStarCrown(q, b);
        // The shield leans against the throne's foot beside her.
        paintHeartShield(q, {44, 222}, 44);
    });
}

// One ripe ear on its stalk: the stalk bends under the ear, whose grains sit in pairs up it, each
// with a long awn. `size` scales the grains; `grain` colours them.
void paintEar(QPainter &p, QPointF root, QPointF tip, double bend, double size, const Tone &grain)
{
    const QPointF base = shapes::lerp(root, tip, 0.6);
    QPainterPath stalk;
    stalk.moveTo(root);
    stalk.quadTo(shapes::lerp(root, base, 0.5) + QPointF(bend, 0), base);
    drawLine(p, stalk, kStraw.shade, 1.1 * size);
    const QPointF along = shapes::unitVector(tip - base), side = shapes::normal(along);
    const double len = shapes::length(tip - base);
    const double deg = qRadiansToDegrees(std::atan2(along.y(), along.x()));
    const int pairs = 6;
    for (int i = 0; i < pairs; ++i) {
        const double t = (i + 0.5) / pairs, w = size * (1.0 - 0.4 * t);
        const QPointF at = base + along * len * t;
        for (int s : {-1, 1}) {
            const QPointF g = at + side * s * 1.35 * w;
            QPainterPath awn;
            awn.moveTo(g + along * 1.5 * w);
            awn.lineTo(g + along * 9.0 * size + side * s * 2.6 * size);
            drawLine(p, awn, kStraw.shade, 0.45);
            drawShape(p, ellipse(g, 2.1 * w, 1.3 * w, deg + s * 24), grain, 0.5, 0.5);
        }
    }
}

// Ripe wheat standing before the throne on her left, a row behind and a row before, ears nodding.
void empressWheat(QPainter &p)
{
    style::Roughness rough(3);
    for (int row : {0, 1}) {
        const double ground = row ? 278 : 262, size = row ? 1.25 : 1.0;
        const int ears = row ? 8 : 9;
        for (int i = 0; i < ears; ++i) {
            const double x = (row ? 126 : 131) + i * (row ? 9.0 : 7.6) + 2 * rough.next();
            const double h = (row ? 54 : 44) + 7 * rough.next();
            const double lean = 4 + 3 * rough.next();
            paintEar(p, {x, ground}, {x + lean, ground - h}, lean * 0.6, size, row ? kGrain : kFarWheat);
        }
    }
}

} // namespace

Trump theEmpress()
{
    return {{{Layer::Scene, empressGarden}, {Layer::Figures, empressFigure}, {Layer::Scene, empressWheat}}};
}

} // namespace artwork::trumps
