// 21 Judgement: an angel leans out of the clouds blowing a trumpet hung with a banner; below,
// between icy mountains, a man, a woman and a child rise from their coffins on the water with
// their arms raised.

#include "figures/GrippingBareArms.h"
#include "figures/Hands.h"
#include "figures/Shapes.h"
#include "trumps/Trump.h"

#include <QtMath>

#include <cmath>
#include <optional>

namespace artwork::trumps {

namespace {

constexpr double kHorizon = 180;
constexpr double kCloudLine = 124; // the angel shows above it

void judgementSky(QPainter &p)
{
    paintSky(p, trumpScene(), kHorizon, kJudgementSky);
}

Figure angel()
{
    Figure angel;
    angel.base = {104, 214};
    angel.height = 168;
    angel.build = Build::Man;
    angel.robe = {kLinen, std::nullopt, Cut::Gown, {}, kGold};
    angel.hair = Hair::Short;
    angel.hairColour = kHairGold;
    angel.turn = -0.5;
    angel.features = Features{.view = View::ThreeQuarter,
                              .side = -1,
                              .gaze = {-0.6, 0.8},
                              .age = Age::Young,
                              .expression = Expression::Intent};
    angel.left = {Gesture::Behind};
    angel.right = {Gesture::Behind};
    return angel;
}

// The angel above the clouds, seen from the waist up.
void judgementAngel(QPainter &p)
{
    const QRectF s = trumpScene();
    const Figure figure = angel();
    WingsLook wings;
    // Deep red coverts over long golden flight feathers.
    wings.feathers = kRedFlightFeathers;
    wings.tips = kGold;
    wings.span = 2.6;
    wings.lift = 0.9;
    wings.marks = WingFeathers::Vaned;
    p.save();
    p.setClipRect(QRectF(s.left(), s.top(), s.width(), kCloudLine - s.top()), Qt::IntersectClip);
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        paintWings(q, figure, wings);
        paintFigure(q, figure);
    });
    p.restore();
}

// The kit's folds and hem ignore the clip: the sky is laid again below it;
// snow-capped mountains stand under the clouds on either side, over the water.
void judgementLand(QPainter &p)
{
    const QRectF s = trumpScene();
    p.save();
    p.setClipRect(QRectF(s.left(), kCloudLine, s.width(), kHorizon - kCloudLine + 2), Qt::IntersectClip);
    paintSky(p, s, kHorizon, kJudgementSky);
    p.restore();
    const Tone &ice = kIce;
    // Far peaks, paler, fill the gap between the near ranges.
    paintMountains(p, kHorizon + 4, 50, 150, 44, 25, kBlueMountains, true);
    paintMountains(p, kHorizon + 4, s.left() - 40, 70, 60, 23, ice, true);
    paintMountains(p, kHorizon + 4, 130, s.right() + 40, 58, 24, ice, true);
    paintWater(p, s, kHorizon, s.bottom() + 4, 21, kGreySea);
}

// An open coffin floating on the sea, seen from a little above: its rim is
// the classic six-sided plan (narrow at the foot, widest at the shoulders)
// turned by `yaw` on the water and foreshortened; the boards are `depth` deep.
struct Coffin {
    QPointF centre;
    double length;
    double yaw; // degrees, the head end turned back into the picture when positive
    double depth;
};

constexpr double kForeshortening = 0.4;

std::vector<QPointF> coffinRim(const Coffin &c)
{
    const std::vector<QPointF> plan{{-0.5, -0.13}, {0.2, -0.2}, {0.5, -0.15}, {0.5, 0.15}, {0.2, 0.2}, {-0.5, 0.13}};
    const double a = qDegreesToRadians(c.yaw);
    std::vector<QPointF> rim;
    for (const QPointF &q : plan) {
        const double gx = (q.x() * std::cos(a) - q.y() * std::sin(a)) * c.length;
        const double gz = (q.x() * std::sin(a) + q.y() * std::cos(a)) * c.length;
        rim.push_back(c.centre + QPointF(gx, -gz * kForeshortening));
    }
    return rim;
}

QPainterPath polygon(const std::vector<QPointF> &points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points.begin(), points.end())));
    path.closeSubpath();
    return path;
}

// The boards facing the viewer: those whose outside lies below the rim.
QPainterPath nearBoards(const std::vector<QPointF> &rim, double depth)
{
    const QPainterPath inside = polygon(rim);
    QPainterPath boards;
    for (std::size_t i = 0; i < rim.size(); ++i) {
        const QPointF a = rim[i], b = rim[(i + 1) % rim.size()];
        if (inside.contains((a + b) / 2 + QPointF(0, 1.5)))
            continue;
        boards.addPath(polygon({a, b, b + QPointF(0, depth), a + QPointF(0, depth)}));
    }
    return shapes::united(boards);
}

// The open coffin behind whoever rises from it: the inner sides in the
// light, the floor in the dark below them.
void paintCoffinInside(QPainter &p, const Coffin &c)
{
    const std::vector<QPointF> rim = coffinRim(c);
    const QPainterPath inside = polygon(rim);
    drawShape(p, inside, kCoffinLid, 1.0, style::kInteriorLine);
    drawShape(p, inside.intersected(inside.translated(0, c.depth * 0.9)), kCoffinInside, 0, 0);
}

// The near boards over the risen's legs, the rim's edge along their top and
// the sea lapping at their foot.
void paintCoffinFrontBoards(QPainter &p, const Coffin &c)
{
    const std::vector<QPointF> rim = coffinRim(c);
    drawShape(p, nearBoards(rim, c.depth), kCoffinWood, 1.4, style::kInteriorLine);
    QPainterPath edge;
    for (std::size_t i = 0; i < rim.size(); ++i) {
        const QPointF a = rim[i], b = rim[(i + 1) % rim.size()];
        if (!polygon(rim).contains((a + b) / 2 + QPointF(0, 1.5))) {
            edge.moveTo(a + QPointF(0, 0.8));
            edge.lineTo(b + QPointF(0, 0.8));
        }
    }
    drawLine(p, edge, kCoffinLid.base, 1.1);
    QRectF box = polygon(rim).boundingRect();
    QPainterPath waves;
    const double y = box.bottom() + c.depth * 0.8;
    for (double x = box.left() - 3; x < box.right() + 3; x += 6) {
        waves.moveTo(x, y);
        waves.quadTo(x + 3, y - 2.2, x + 6, y);
    }
    drawLine(p, waves, kGreySea.base.lighter(150), 1.2);
}

// One of the risen: a pale body rising from the coffin to the waist, the
// head turned up to the angel (or, seen from behind, just the back of it),
// the arms lifted with open hands.
struct Risen {
    Coffin coffin;
    QPointF hips;
    double unit;
    Build build;
    QColor hair;
    std::optional<Features> features;
    QPointF leftHand, rightHand; // in heads from the hips
};

// The collarbones from the throat to the shoulders, and the navel, so the
// pale bodies read as bare.
void paintBareMarks(QPainter &p, const StandingBody &body, QPointF hips, double u)
{
    QPainterPath marks;
    const QPointF pit = body.neck + QPointF(0, 0.3 * u);
    for (std::size_t i : {0u, 1u}) {
        const QPointF end = shapes::lerp(pit, body.shoulder[i], 0.8);
        marks.moveTo(pit + (end - pit) * 0.12);
        marks.quadTo(shapes::lerp(pit, end, 0.5) + QPointF(0, 0.1 * u), end + QPointF(0, -0.04 * u));
    }
    const QPointF navel = hips + QPointF(0, -0.75 * u);
    marks.moveTo(navel + QPointF(0, -0.06 * u));
    marks.quadTo(navel + QPointF(0.07 * u, 0.03 * u), navel + QPointF(0, 0.08 * u));
    style::drawLine(p, marks, kRisenFlesh.shade, style::kInteriorLine);
}

void paintRisen(QPainter &p, const Risen &r)
{
    const double u = r.unit;
    paintCoffinInside(p, r.coffin);
    p.save();
    QPainterPath visible = polygon(coffinRim(r.coffin));
    visible.addRect(QRectF(0, 0, 200, polygon(coffinRim(r.coffin)).boundingRect().top() + 1));
    p.setClipPath(visible, Qt::IntersectClip);
    const StandingBody body = paintStandingNude(p, r.hips, u, r.build, kRisenFlesh);
    p.restore();
    // The throat, laid again over the line where it meets the shoulders.
    QPainterPath throat;
    throat.addRect(QRectF(body.neck + QPointF(-0.15 * u, -0.3 * u), body.neck + QPointF(0.15 * u, 0.12 * u)));
    drawShape(p, throat, kRisenFlesh, 0, 0);
    Figure look;
    look.build = r.build;
    look.hairColour = r.hair;
    look.skin = kRisenFlesh;
    look.features = r.features;
    look.fromBehind = !r.features;
    if (r.build == Build::Woman)
        paintFlowingHair(p, body.headCentre, u, r.hair, 1);
    paintHead(p, look, body.headCentre, u);
    for (int s : {-1, 1}) {
        const std::size_t i = s > 0;
        const QPointF hand = r.hips + (s < 0 ? r.leftHand : r.rightHand) * u;
        BareArm arm{.shoulder = body.shoulder[i],
                    .hand = hand,
                    .bend = body.shoulder[i] + QPointF(s * 1.4 * u, 0.2 * u),
                    .unit = u,
                    .build = r.build,
                    .skin = kRisenFlesh,
                    .grip = Grip::Palm,
                    .thumbSide = -s};
        paintGrippingBareArm(p, arm);
    }
    if (r.features)
        paintBareMarks(p, body, r.hips, u);
    paintCoffinFrontBoards(p, r.coffin);
}

// The risen, each in an open coffin on the sea: the child between the others,
// further off and seen from behind, lifts both arms to the angel; the man
// raises his high and wide, the woman opens hers.
void judgementRisen(QPainter &p)
{
    const Risen child{.coffin = {{102, 216}, 50, 8, 4.5},
                      .hips = {102, 221},
                      .unit = 13,
                      .build = Build::Child,
                      .hair = kHairGold,
                      .features = std::nullopt,
                      .leftHand = {-1.6, -3.5},
                      .rightHand = {1.4, -3.7}};
    const Risen man{.coffin = {{52, 242}, 66, -22, 7},
                    .hips = {54, 249},
                    .unit = 16.5,
                    .build = Build::Man,
                    .hair = kHairBrown,
                    .features = Features{.view = View::ThreeQuarter,
                                         .side = 1,
                                         .gaze = {0.4, -1},
                                         .age = Age::Prime,
                                         .expression = Expression::Intent},
                    .leftHand = {-1.9, -3.9},
                    .rightHand = {0.9, -4.4}};
    const Risen woman{.coffin = {{152, 240}, 62, 20, 7},
                      .hips = {150, 247},
                      .unit = 16,
                      .build = Build::Woman,
                      .hair = kHairBrownRed,
                      .features = Features{.view = View::ThreeQuarter,
                                           .side = -1,
                                           .gaze = {-0.5, -1},
                                           .age = Age::Prime,
                                           .expression = Expression::Gentle},
                      .leftHand = {-2.3, -2.9},
                      .rightHand = {1.95, -3.4}};
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        paintRisen(q, child);
        paintRisen(q, man);
        paintRisen(q, woman);
    });
}

void judgementClouds(QPainter &p)
{
    paintCloud(p, {40, 120}, 76, 7);
    paintCloud(p, {160, 122}, 80, 8);
    paintCloud(p, {102, 118}, 96, 9);
}

// The trumpet at the angel's mouth, held in both hands.
void judgementTrumpet(QPainter &p)
{
    const Figure figure = angel();
    const Body body = bodyOf(figure);
    const double u = body.unit;
    const QPointF mouth = body.headCentre + QPointF(-0.1 * u, 0.34 * u);
    const QPointF bell = mouth + QPointF(-3.3 * u, 2.3 * u);
    const QPointF nearGrip = shapes::lerp(mouth, bell, 0.52), farGrip = shapes::lerp(mouth, bell, 0.28);
    const double shaft = shapes::angleOf(bell - mouth) + 90;
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        paintTrumpet(q, mouth, bell, 0.3 * u);
        paintArm(q, figure, -1, nearGrip, body.shoulder[0] + QPointF(-4, 30), kLinen, true, false);
        paintArm(q, figure, 1, farGrip, body.waist, kLinen, true, false);
        // Both hands close round the trumpet's tube, the thumbs over it.
        for (const auto &[grip, elbowSide] : {std::pair{nearGrip, 0}, std::pair{farGrip, 1}}) {
            HandDrawing hand;
            hand.centre = grip;
            hand.forearm = shapes::unitVector(grip - body.shoulder[static_cast<std::size_t>(elbowSide)]);
            hand.unit = u;
            hand.shaftDegrees = shaft;
            hand.thumbSide = elbowSide == 0 ? 1 : -1;
            paintHand(q, hand);
        }
    });
}

} // namespace

Trump judgement()
{
    return {{{Layer::Scene, judgementSky},
             {Layer::Figures, judgementAngel},
             {Layer::Scene, judgementLand},
             {Layer::Figures, judgementRisen},
             {Layer::Scene, judgementClouds},
             {Layer::Figures, judgementTrumpet}}};
}

} // namespace artwork::trumps
